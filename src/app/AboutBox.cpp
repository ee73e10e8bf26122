#include "app/AboutBox.h"

#include <stdio.h>

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "base/FrameWindow.h"
#include "base/Geometry.h"
#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace {

const int kSoundCueAbout = 5;
const int kIconSize = 48;

HWND s_hAbout;
HICON s_hIcon;

void m_CloseAbout()
{
    if (s_hAbout) DestroyWindow(s_hAbout);
}

void m_SetText(HWND dialog)
{
    wchar_t text[256];
    _snwprintf(text, 255, L"%s (%s)\r\n%s", kAboutVersion, kAboutBuildWidth, kAboutHomePage);
    text[255] = 0;
    SetDlgItemTextW(dialog, IDC_ABOUT_TEXT, text);
}

using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// Looked up by name: the import library of the cross build lacks it.
HRESULT m_LoadIconWithScaleDown(int id, int size, HICON* out)
{
    *out = nullptr;
    HMODULE lib = LoadLibraryW(L"comctl32.dll");
    auto fn = lib ? reinterpret_cast<LoadIconWithScaleDownFn>(
                        reinterpret_cast<void*>(GetProcAddress(lib, "LoadIconWithScaleDown")))
                  : nullptr;
    HRESULT hr = fn ? fn(g_hInstance, MAKEINTRESOURCEW(id), size, size, out) : E_NOTIMPL;
    if (lib) FreeLibrary(lib);
    return hr;
}

void m_SetIcon(HWND dialog)
{
    int size = m_ScaleValue(kIconSize, g_DpiPercent, 100, 0);
    HICON icon = nullptr;
    HRESULT hr = m_LoadIconWithScaleDown(IDI_ABOUT, size, &icon);
    if (FAILED(hr)) {
        m_WriteLog(L"MAIN_%d : Error / LoadIconWithScaleDown() = 0x%08X", __LINE__, (unsigned)hr);
        return;
    }
    s_hIcon = icon;
    SendDlgItemMessageW(dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

// Over the full-screen window's video while full screen is on, else over
// the main window; the box keeps its size.
void m_Centre(HWND dialog, int activate)
{
    RECT area = {}, box;
    if (g_FullScreen && g_hWndFullScreen) {
        GetClientRect(g_hWndFullScreen, &area);
        m_ClientToScreenRect(g_hWndFullScreen, &area);
    } else if (g_hWndMain) {
        GetWindowRect(g_hWndMain, &area);
    }
    GetWindowRect(dialog, &box);
    int x = box.left, y = box.top;
    if (!IsRectEmpty(&area))
        m_AlignRect(&area, box.right - box.left, box.bottom - box.top, &x, &y, ALIGN_CENTER_MIDDLE);
    UINT flags = SWP_NOSIZE | SWP_NOZORDER | (activate ? 0 : SWP_NOACTIVATE);
    SetWindowPos(dialog, nullptr, x, y, 0, 0, flags);
    ShowWindow(dialog, activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
}

INT_PTR m_OnInitDialog(HWND dialog, int activate)
{
    m_SetText(dialog);
    m_SetIcon(dialog);
    m_Centre(dialog, activate);
    m_PlaySoundCue(kSoundCueAbout);
    return activate ? TRUE : FALSE;
}

// The box moves with the pointer when dialogs are dragged by their body.
void m_StartDrag(HWND dialog, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ClientToScreen(dialog, &pt);
    PostMessageW(dialog, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
}

INT_PTR CALLBACK m_AboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_INITDIALOG:
            return m_OnInitDialog(dialog, (int)lParam);
        case WM_COMMAND:
            if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
            m_CloseAbout();
            return TRUE;
        case WM_LBUTTONDOWN:
            if (!g_Settings.Common_Drag) return FALSE;
            m_StartDrag(dialog, lParam);
            return TRUE;
        case WM_LBUTTONDBLCLK:
        case WM_NCLBUTTONDBLCLK:
            if (!g_Settings.Common_DClkHide) return FALSE;
            m_CloseAbout();
            return TRUE;
        case WM_DESTROY:
            if (s_hIcon) DestroyIcon(s_hIcon);
            s_hIcon = nullptr;
            s_hAbout = nullptr;
            return FALSE;
    }
    return FALSE;
}

}  // namespace

void m_ShowAboutBox(int show, int activate)
{
    if (!show) {
        m_CloseAbout();
        return;
    }
    if (s_hAbout) {
        SetForegroundWindow(s_hAbout);
        return;
    }
    s_hAbout = CreateDialogParamW(g_hInstance, MAKEINTRESOURCEW(IDD_ABOUT),
                                  m_GetCurrentFrameWindow(), m_AboutProc, activate);
    if (!s_hAbout)
        m_WriteLog(L"MAIN_%d : Error / CreateDialogParamW() = %lu", __LINE__, GetLastError());
}

HWND m_GetAboutBox() { return s_hAbout; }

int m_AboutBox_PreTranslateKey(HWND top, UINT message, WPARAM wParam)
{
    if (!s_hAbout || top != s_hAbout || message != WM_KEYDOWN) return 0;
    if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_SPACE) {
        m_CloseAbout();
        return 1;
    }
    if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SendDlgItemMessageW(s_hAbout, IDC_ABOUT_TEXT, EM_SETSEL, 0, -1);
        return 1;
    }
    return 0;
}
