// The folder picker (the common item dialog), replacing or adding folders.
#include <shobjidl.h>

#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "commands/FileDialogs.h"
#include "commands/OpenCommands.h"
#include "playlist/Playlist.h"
#include "settings/SettingsValue.h"

namespace {

const wchar_t kMain[] = L"Main";

HRESULT m_PrepareFolderDialog(IFileOpenDialog* dialog, const wchar_t* lastDir, int add)
{
    FILEOPENDIALOGOPTIONS options = 0;
    HRESULT hr = dialog->GetOptions(&options);
    if (SUCCEEDED(hr)) hr = dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_ALLOWMULTISELECT);
    if (SUCCEEDED(hr)) hr = dialog->SetTitle(add ? L"フォルダを追加" : L"フォルダを開く");
    if (FAILED(hr) || m_PathExistsKind(lastDir) != 2) return hr;
    // A start folder the shell cannot name leaves the dialog where it was.
    IShellItem* start = nullptr;
    if (SUCCEEDED(SHCreateItemFromParsingName(lastDir, nullptr, IID_PPV_ARGS(&start)))) {
        dialog->SetFolder(start);
        start->Release();
    }
    return hr;
}

// The item's parsing name; 0 when it has none or it would not fit a path.
int m_ItemPath(IShellItemArray* items, DWORD index, wchar_t* out)
{
    IShellItem* item = nullptr;
    if (FAILED(items->GetItemAt(index, &item))) return 0;
    wchar_t* name = nullptr;
    const HRESULT hr = item->GetDisplayName(SIGDN_DESKTOPABSOLUTEPARSING, &name);
    item->Release();
    if (FAILED(hr)) return 0;
    const int fits = lstrlenW(name) <= MAX_PATH;
    if (fits)
        lstrcpynW(out, name, kPathCap);
    else
        m_WriteLog(L"DLG : フォルダのパスが長すぎるため追加できませんでした。 (%d)",
                   lstrlenW(name));
    CoTaskMemFree(name);
    return fits;
}

int m_TakeFolders(IShellItemArray* items, DWORD count, int add, wchar_t* lastDir)
{
    wchar_t path[kPathCap];
    int firstSeen = 0;
    if (count == 1) {
        if (!m_ItemPath(items, 0, path)) return 0;
        m_DialogFolder_Of(path, lastDir);
        m_ChosenPaths_Begin(add);
        if (add) return g_Playlist.m_AddPlayListFile(path, 1);
        return m_OpenFile(path, 1, 1, 0, 1, -1);
    }
    m_ChosenPaths_Begin(add);
    for (DWORD i = 0; i < count; ++i) {
        if (!m_ItemPath(items, i, path)) continue;
        if (!firstSeen) m_DialogFolder_Of(path, lastDir);
        firstSeen = 1;
        g_Playlist.m_AddPlayListFile(path, 0);
    }
    return m_ChosenPaths_End(add);
}

}  // namespace

int m_OpenFolderDialog(HWND owner, int add)
{
    wchar_t lastDir[kPathCap] = L"";
    m_ReadSettingRaw(kMain, L"LastDir", lastDir, kPathCap);
    IFileOpenDialog* dialog = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&dialog));
    if (FAILED(hr)) {
        m_WriteLog(L"DLG : Error / CoCreateInstance(CLSID_FileOpenDialog) = 0x%08X", (unsigned)hr);
        return hr;
    }
    hr = m_PrepareFolderDialog(dialog, lastDir, add);
    if (SUCCEEDED(hr)) hr = dialog->Show(owner);
    IShellItemArray* items = nullptr;
    if (SUCCEEDED(hr)) hr = dialog->GetResults(&items);
    dialog->Release();
    int result = 0;
    DWORD count = 0;
    if (SUCCEEDED(hr) && SUCCEEDED(items->GetCount(&count)) && count > 0)
        result = m_TakeFolders(items, count, add, lastDir);
    if (items) items->Release();
    m_WriteSettingText(kMain, L"LastDir", lastDir);
    return result;
}
