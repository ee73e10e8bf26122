#include "library/Library.h"

#include "app/ToolWindows.h"
#include "base/ErrorLog.h"

namespace {

HWND s_hFavoWindow;

LRESULT CALLBACK m_FavoWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_CLOSE:
            // Closing only hides it: the window lives for the whole run.
            m_ShowFavoWindow(0, 0);
            return 0;
        case WM_NCDESTROY:
            s_hFavoWindow = nullptr;
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

ATOM m_RegisterFavoClass()
{
    static ATOM s_Atom;
    if (s_Atom) return s_Atom;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = m_FavoWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"ZENTAVIO_FAVO";
    s_Atom = RegisterClassExW(&wc);
    return s_Atom;
}

}  // namespace

// The history is empty and the launcher screen is never shown yet.
void m_Launcher_Show(int, int, int) {}
BOOL m_Launcher_IsShown() { return FALSE; }
BOOL m_Launcher_PreTranslateKey(MSG*) { return FALSE; }
void m_Recent_ReadFile(int, int) {}
int m_Recent_GetCount() { return 0; }
LPCWSTR m_Recent_GetLastPath() { return L""; }
void m_Recent_AddCurrent() {}
BOOL m_Favorite_PreTranslateKey(HWND, UINT, WPARAM) { return FALSE; }

// The favorites window holds no list yet: nothing in it can change.
HWND m_Favorite_CreateWindow()
{
    if (s_hFavoWindow || !m_RegisterFavoClass()) return s_hFavoWindow;
    DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    s_hFavoWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"ZENTAVIO_FAVO", L"お気に入り", style,
                                    CW_USEDEFAULT, CW_USEDEFAULT, 280, 400, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    if (!s_hFavoWindow)
        m_WriteLog(L"FAVO_%d : Error / CreateWindowExW() = %lu", __LINE__, GetLastError());
    return s_hFavoWindow;
}

HWND m_Favorite_GetWindow() { return s_hFavoWindow; }
BOOL m_Favorite_IsModified() { return FALSE; }
void m_Favorite_WriteFile(int, int) {}
