// The media file and playlist file dialogs (the classic open dialog).
#include "commands/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include "app/StatusText.h"
#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "commands/OpenCommands.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/SettingsValue.h"

namespace {

const wchar_t kMain[] = L"Main";
const wchar_t kMediaFilter[] =
    L"すべてのファイル\0*.*\0"
    L"プレイリストファイル (*.zvpl; *.m3u)\0*.zvpl;*.m3u;*.m3u8\0";
const wchar_t kListFilter[] =
    L"プレイリストファイル (*.zvpl; *.m3u)\0*.zvpl;*.m3u;*.m3u8\0"
    L"すべてのファイル\0*.*\0";

wchar_t s_Buffer[kOpenDialogBufferCap];

const wchar_t* m_Title(int add) { return add ? L"ファイルを追加" : L"ファイルを開く"; }

// A choice too large for the buffer ends the dialog with nothing chosen; it
// is told rather than passed over in silence.
void m_ReportDialogFailure(DWORD error)
{
    if (error == 0) return;
    m_WriteLog(L"DLG : Error / GetOpenFileNameW() = 0x%04X", (unsigned)error);
    if (error == FNERR_BUFFERTOOSMALL) {
        m_OSD_ShowText(L"ERR (MAX) : TOO MANY FILES", 1, 4000, -1, 100, -1, -1);
        m_PlaySoundCue(8);
    }
}

// Windows ends a multiple choice that overflows the buffer with
// FNERR_BUFFERTOOSMALL and the size it needed in the first character. Wine 8
// ends it as a cancel (no error) but still leaves that size there; a real
// cancel leaves the cleared buffer as it was.
DWORD m_DialogError(const wchar_t* buffer)
{
    const DWORD error = CommDlgExtendedError();
    if (error == 0 && (unsigned)buffer[0] > (unsigned)kOpenDialogBufferCap)
        return FNERR_BUFFERTOOSMALL;
    return error;
}

// A whole choice starts with a full path: a drive or a UNC server.
int m_ChoiceIsWhole(const OPENFILENAMEW& ofn)
{
    const wchar_t* text = ofn.lpstrFile;
    const int full = (text[0] && text[1] == L':') || (text[0] == L'\\' && text[1] == L'\\');
    return full && ofn.nFileOffset > 0 && ofn.nFileOffset < ofn.nMaxFile;
}

// One chosen file: opened as any path is, or added.
int m_TakeOneFile(const wchar_t* path, int add)
{
    g_Playlist.m_RefreshPlayList();
    if (add) return g_Playlist.m_AddPlayListFile(path, 1);
    return m_OpenFile(path, 1, 1, 0, 1, -1);
}

// Several chosen files, joined to their folder one by one.
int m_TakeSeveralFiles(SCHOSENFILES* chosen, int add)
{
    m_ChosenPaths_Begin(add);
    wchar_t path[kPathCap];
    int result;
    while ((result = m_ChosenFiles_Next(chosen, path)) != 0) {
        if (result > 0) g_Playlist.m_AddPlayListFile(path, 0);
    }
    return m_ChosenPaths_End(add);
}

void m_ListDialogStart(wchar_t* folder)
{
    folder[0] = 0;
    if ((g_ListType == LIST_ZVPL || g_ListType == LIST_M3U) && g_ListPath[0])
        m_DialogFolder_Of(g_ListPath, folder);
    if (!folder[0]) m_ReadSettingRaw(kMain, L"PLLast", folder, kPathCap);
    if (!folder[0]) m_ReadSettingRaw(kMain, L"LastDir", folder, kPathCap);
    if (!folder[0]) m_GetSpecialFolder(CSIDL_PERSONAL, folder, 1);
    const int length = lstrlenW(folder);
    if (length > 0 && length < kPathCap - 1 && folder[length - 1] != L'\\') lstrcatW(folder, L"\\");
}

}  // namespace

int m_ChosenFiles_Init(SCHOSENFILES* chosen, const wchar_t* buffer, int cap)
{
    *chosen = SCHOSENFILES{buffer, nullptr, 0};
    int end = 0;
    while (end + 1 < cap && (buffer[end] || buffer[end + 1])) ++end;
    if (end + 1 >= cap || !buffer[0]) return 0;
    const wchar_t* name = buffer + lstrlenW(buffer) + 1;
    chosen->Cursor = name;
    for (; *name; name += lstrlenW(name) + 1) ++chosen->Count;
    return 1;
}

int m_ChosenFiles_Next(SCHOSENFILES* chosen, wchar_t* out)
{
    if (!chosen->Cursor) return 0;
    if (chosen->Count == 0) {
        chosen->Cursor = nullptr;
        if (lstrlenW(chosen->Folder) > MAX_PATH) return -1;
        lstrcpynW(out, chosen->Folder, kPathCap);
        return 1;
    }
    const wchar_t* name = chosen->Cursor;
    if (!*name) {
        chosen->Cursor = nullptr;
        return 0;
    }
    chosen->Cursor = name + lstrlenW(name) + 1;
    return m_JoinFolderName(out, chosen->Folder, name) ? 1 : -1;
}

void m_DialogFolder_Trim(wchar_t* folder)
{
    int length = lstrlenW(folder);
    while (length > 0 && folder[length - 1] == L'\\') {
        if (length == 3 && folder[1] == L':') break;
        folder[--length] = 0;
    }
}

void m_DialogFolder_Of(const wchar_t* path, wchar_t* out)
{
    out[0] = 0;
    m_GetParentFolder(out, kPathCap, path, 1);
    m_DialogFolder_Trim(out);
}

void m_ChosenPaths_Begin(int add)
{
    if (!add) m_CloseFile(1, 0, 1, 1);
}

int m_ChosenPaths_End(int add)
{
    g_Playlist.m_RefreshPlayList();
    if (g_Playlist.m_GetCount() <= 0) return 0;
    if (add) return 1;
    return m_OpenPlayListFile(0, 0, 1, 1, 1);
}

int m_OpenFileDialog(HWND owner, int add)
{
    wchar_t lastDir[kPathCap] = L"";
    m_ReadSettingRaw(kMain, L"LastDir", lastDir, kPathCap);
    ZeroMemory(s_Buffer, sizeof(s_Buffer));
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kMediaFilter;
    ofn.lpstrFile = s_Buffer;
    ofn.nMaxFile = kOpenDialogBufferCap;
    ofn.lpstrInitialDir = lastDir[0] ? lastDir : nullptr;
    ofn.lpstrTitle = m_Title(add);
    ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn)) {
        m_ReportDialogFailure(m_DialogError(s_Buffer));
        return 0;
    }
    if (!m_ChoiceIsWhole(ofn)) {
        m_ReportDialogFailure(FNERR_BUFFERTOOSMALL);
        return 0;
    }
    SCHOSENFILES chosen;
    if (!m_ChosenFiles_Init(&chosen, s_Buffer, kOpenDialogBufferCap)) return 0;
    int result;
    if (chosen.Count > 0) {
        lstrcpynW(lastDir, chosen.Folder, kPathCap);
        m_DialogFolder_Trim(lastDir);
        result = m_TakeSeveralFiles(&chosen, add);
    } else {
        m_DialogFolder_Of(chosen.Folder, lastDir);
        m_ChosenPaths_Begin(add);
        result = m_TakeOneFile(chosen.Folder, add);
    }
    m_WriteSettingText(kMain, L"LastDir", lastDir);
    return result;
}

int m_OpenPlaylistDialog(HWND owner, int add)
{
    wchar_t folder[kPathCap];
    m_ListDialogStart(folder);
    wchar_t path[kPathCap] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kListFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathCap - 1;
    ofn.lpstrInitialDir = folder[0] ? folder : nullptr;
    ofn.lpstrTitle = m_Title(add);
    ofn.lpstrDefExt = L"zvpl";
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn)) {
        m_ReportDialogFailure(CommDlgExtendedError());
        return 0;
    }
    m_DialogFolder_Of(path, folder);
    m_WriteSettingText(kMain, L"PLLast", folder);
    if (add) return g_Playlist.m_AddPlayListFile(path, 1);
    return m_OpenFile(path, 1, 1, 0, 1, -1);
}
