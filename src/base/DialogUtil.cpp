#include "base/DialogUtil.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shobjidl.h>
#include <strsafe.h>

#include "app/MainWindow.h"
#include "base/Geometry.h"
#include "base/StringEdit.h"

namespace {

BOOL CALLBACK m_SetFontProc(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), 0);
    return TRUE;
}

// Climbs from a window through visible parents until one has a caption, so
// that statics and group boxes (transparent to hit tests) are found below.
HWND m_ClimbToCaption(HWND w)
{
    for (;;) {
        LONG style = GetWindowLongW(w, GWL_STYLE);
        if ((style & WS_CAPTION) == WS_CAPTION || !(style & WS_CHILD)) return w;
        HWND parent = GetParent(w);
        if (!parent || !IsWindowVisible(parent)) return w;
        w = parent;
    }
}

struct SChildSearch {
    POINT pt;
    HWND best;
    long long bestArea;
};

BOOL CALLBACK m_SmallestChildProc(HWND child, LPARAM param)
{
    auto* s = reinterpret_cast<SChildSearch*>(param);
    RECT rc;
    if (!IsWindowVisible(child) || !GetWindowRect(child, &rc) || !PtInRect(&rc, s->pt)) return TRUE;
    long long area = static_cast<long long>(rc.right - rc.left) * (rc.bottom - rc.top);
    if (!s->best || area < s->bestArea) {
        s->best = child;
        s->bestArea = area;
    }
    return TRUE;
}

int m_ButtonKind(LONG style)
{
    switch (style & 15) {
        case 2:
        case 3:
        case 5:
        case 6:
            return 2;
        case 4:
        case 9:
            return 3;
        case 7:
            return 4;
        default:
            return 1;
    }
}

int m_StaticKind(LONG style)
{
    int type = style & 31;
    return ((type >= 3 && type <= 9) || type == 13 || type == 14) ? 10 : 12;
}

bool m_SameClass(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

int m_ControlKind(HWND w)
{
    static const struct {
        const wchar_t* name;
        int kind;
    } kKinds[] = {
        {L"Edit", 5},      {L"ComboBox", 6},      {L"msctls_updown32", 7},
        {L"ScrollBar", 8}, {L"SysListView32", 9}, {L"SysTabControl32", 11},
    };
    wchar_t cls[64];
    if (!GetClassNameW(w, cls, 64)) return 0;
    LONG style = GetWindowLongW(w, GWL_STYLE);
    if (m_SameClass(cls, L"Button")) return m_ButtonKind(style);
    if (m_SameClass(cls, L"Static")) return m_StaticKind(style);
    for (const auto& k : kKinds)
        if (m_SameClass(cls, k.name)) return k.kind;
    return 0;
}

int m_AddTool(HWND tooltip, HWND owner, UINT flags, UINT_PTR id, const RECT& rc,
              const wchar_t* text)
{
    TTTOOLINFOW ti = {};
    // The older size is accepted by every common-controls version.
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.uFlags = flags;
    ti.hwnd = owner;
    ti.uId = id;
    ti.rect = rc;
    ti.lpszText = const_cast<wchar_t*>(text);
    return SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)) ? 1 : 0;
}

}  // namespace

void m_SetFontToChildren(HWND parent, HFONT font)
{
    EnumChildWindows(parent, m_SetFontProc, reinterpret_cast<LPARAM>(font));
}

int m_GetControlKindAtPoint(const POINT* pt)
{
    HWND w = WindowFromPoint(*pt);
    if (!w) return 0;
    w = m_ClimbToCaption(w);
    SChildSearch s = {*pt, nullptr, 0};
    EnumChildWindows(w, m_SmallestChildProc, reinterpret_cast<LPARAM>(&s));
    return m_ControlKind(s.best ? s.best : w);
}

int m_ComboBox_FindByData(HWND combo, LPARAM data)
{
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageW(combo, CB_GETITEMDATA, i, 0) == data) return i;
    return -1;
}

int m_Edit_GetLine(HWND edit, int line, wchar_t* buf)
{
    // One character fewer than the buffer holds, so the terminator fits.
    const int room = kEditLineCap - 1;
    *reinterpret_cast<WORD*>(buf) = static_cast<WORD>(room);
    LRESULT n = SendMessageW(edit, EM_GETLINE, line, reinterpret_cast<LPARAM>(buf));
    if (n < 0) n = 0;
    if (n > room) n = room;
    buf[n] = L'\0';
    return static_cast<int>(n) - m_TrimBlanks(buf);
}

int m_AddToolTip(HWND tooltip, HWND dialog, int controlId, const wchar_t* text, int areaOnly)
{
    HWND control = GetDlgItem(dialog, controlId);
    RECT rc;
    if (!control || !GetWindowRect(control, &rc)) return 0;
    m_ScreenToClientRect(dialog, &rc);
    int ok = m_AddTool(tooltip, dialog, TTF_SUBCLASS, controlId, rc, text);
    if (!areaOnly) {
        RECT none = {};
        ok &= m_AddTool(tooltip, dialog, TTF_SUBCLASS | TTF_IDISHWND,
                        reinterpret_cast<UINT_PTR>(control), none, text);
    }
    return ok;
}

int m_AddToolTipWhole(HWND tooltip, HWND dialog, int controlId, const wchar_t* text)
{
    RECT rc;
    if (!GetClientRect(dialog, &rc)) return 0;
    return m_AddTool(tooltip, dialog, TTF_SUBCLASS, controlId, rc, text);
}

UINT m_Menu_GetItemState(HMENU menu, UINT commandId)
{
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(menu, commandId, FALSE, &mii)) return 0;
    return mii.fState;
}

int m_Menu_SetDefaultItem(HMENU menu, UINT commandId)
{
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(menu, commandId, FALSE, &mii)) return 0;
    mii.fState |= MFS_DEFAULT;
    return SetMenuItemInfoW(menu, commandId, FALSE, &mii) ? 1 : 0;
}

namespace {

HRESULT m_SetStartFolder(IFileOpenDialog* dlg, const wchar_t* folder)
{
    IShellItem* item = nullptr;
    HRESULT hr = SHCreateItemFromParsingName(folder, nullptr, IID_PPV_ARGS(&item));
    if (FAILED(hr)) return hr;
    hr = dlg->SetFolder(item);
    item->Release();
    return hr;
}

HRESULT m_PrepareDialog(IFileOpenDialog* dlg, int pickFolder, const wchar_t* folder,
                        const wchar_t* name, const wchar_t* title)
{
    FILEOPENDIALOGOPTIONS options = 0;
    HRESULT hr = dlg->GetOptions(&options);
    if (SUCCEEDED(hr)) hr = dlg->SetOptions(pickFolder ? options | FOS_PICKFOLDERS : options);
    if (SUCCEEDED(hr) && title && title[0]) hr = dlg->SetTitle(title);
    if (SUCCEEDED(hr) && name && name[0]) hr = dlg->SetFileName(name);
    // A start folder that no longer exists leaves the dialog where it was.
    if (SUCCEEDED(hr) && folder && folder[0]) m_SetStartFolder(dlg, folder);
    return hr;
}

// The chosen item's full parsing name; a name that does not fit is refused
// rather than cut into a different path.
HRESULT m_TakeResult(IFileOpenDialog* dlg, wchar_t* out, int size)
{
    IShellItem* item = nullptr;
    HRESULT hr = dlg->GetResult(&item);
    if (FAILED(hr)) return hr;
    wchar_t* name = nullptr;
    hr = item->GetDisplayName(SIGDN_DESKTOPABSOLUTEPARSING, &name);
    item->Release();
    if (FAILED(hr)) return hr;
    hr = StringCchCopyW(out, size, name);
    CoTaskMemFree(name);
    return hr;
}

int m_ShowOpenDialog(HWND owner, wchar_t* out, int size, int pickFolder, const wchar_t* folder,
                     const wchar_t* name, const wchar_t* title)
{
    if (!out || size < 1) return 0;
    out[0] = L'\0';
    IFileOpenDialog* dlg = nullptr;
    HRESULT hr =
        CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dlg));
    if (FAILED(hr)) return 0;
    hr = m_PrepareDialog(dlg, pickFolder, folder, name, title);
    if (SUCCEEDED(hr)) hr = dlg->Show(owner);
    if (SUCCEEDED(hr)) hr = m_TakeResult(dlg, out, size);
    dlg->Release();
    if (FAILED(hr)) out[0] = L'\0';
    return SUCCEEDED(hr) ? 1 : 0;
}

const wchar_t kMediaFilter[] =
    L"メディアファイル\0"
    L"*.mp4;*.m4v;*.mkv;*.avi;*.wmv;*.asf;*.mpg;*.mpeg;*.ts;*.m2ts;*.mov;*.flv;*.webm;"
    L"*.mp3;*.m4a;*.aac;*.wav;*.wma;*.flac;*.ogg\0"
    L"すべてのファイル (*.*)\0*.*\0";

}  // namespace

int m_PickFolder(HWND owner, wchar_t* out, int size, const wchar_t* initialFolder,
                 const wchar_t* title)
{
    return m_ShowOpenDialog(owner, out, size, 1, initialFolder, nullptr, title);
}

int m_PickFile(wchar_t* out, int pickFolder, const wchar_t* initialFolder, const wchar_t* fileName,
               const wchar_t* title)
{
    return m_ShowOpenDialog(g_hWndMain, out, MAX_PATH + 1, pickFolder, initialFolder, fileName,
                            title);
}

int m_PickFileClassic(HWND owner, wchar_t* out)
{
    out[0] = L'\0';
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kMediaFilter;
    ofn.lpstrFile = out;
    ofn.nMaxFile = MAX_PATH + 1;
    ofn.lpstrTitle = L"ファイルを指定";
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (GetOpenFileNameW(&ofn)) return 1;
    out[0] = L'\0';
    return 0;
}
