#include "base/WindowMisc.h"

#include <cwchar>

namespace {

// Horizontal and vertical placement of each alignment: 0 start, 1 centre,
// 2 end.
struct SPlacement {
    int horizontal;
    int vertical;
};

SPlacement PlacementOf(int alignment)
{
    static const SPlacement kTable[9] = {
        {0, 1}, {1, 0}, {2, 1}, {1, 2}, {0, 0}, {0, 2}, {2, 0}, {2, 2}, {1, 1},
    };
    return alignment >= 0 && alignment < 9 ? kTable[alignment] : SPlacement{0, 0};
}

int Place(int start, int end, int length, int placement)
{
    if (placement == 0) return start;
    if (placement == 2) return end - length;
    return (int)(start + (end - start - length) / 2.0 + 0.5);
}

// Layout of the accent request of SetWindowCompositionAttribute.
struct SAccentPolicy {
    DWORD state;
    DWORD flags;
    DWORD gradientColor;
    DWORD animationId;
};
struct SCompositionData {
    DWORD attribute;
    PVOID data;
    SIZE_T size;
};
typedef BOOL(WINAPI* PSetWindowCompositionAttribute)(HWND, SCompositionData*);

const int kClipboardMaxChars = 1023;

bool ControlRectInDialog(HWND dialog, HWND control, RECT* rc)
{
    if (!GetWindowRect(control, rc)) return false;
    MapWindowPoints(HWND_DESKTOP, dialog, (POINT*)rc, 2);
    return true;
}

}  // namespace

BOOL m_TrackMouseLeave(HWND window)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = window;
    return TrackMouseEvent(&tme);
}

int m_IsCursorInWindow(HWND window)
{
    POINT pt;
    RECT rc;
    if (!GetCursorPos(&pt) || !GetWindowRect(window, &rc)) return 0;
    return PtInRect(&rc, pt) ? 1 : 0;
}

HWND m_GetNonChildAncestor(HWND window)
{
    HWND w = window;
    while (w && (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) w = GetParent(w);
    return w;
}

HWND m_GetFocusTopLevel() { return m_GetNonChildAncestor(GetFocus()); }

HWND m_GetVisibleRootWindow(HWND window)
{
    HWND root = window;
    for (HWND p = GetParent(window); p && IsWindowVisible(p); p = GetParent(p)) root = p;
    return root;
}

int m_AlignControlToLabel(HWND dialog, int labelId, int controlId, int gap, int width)
{
    HWND label = GetDlgItem(dialog, labelId);
    HWND control = GetDlgItem(dialog, controlId);
    RECT lr, cr;
    if (!label || !control || !ControlRectInDialog(dialog, label, &lr) ||
        !ControlRectInDialog(dialog, control, &cr)) {
        return 0;
    }
    const int w = width > 0 ? width : cr.right - cr.left;
    const int h = cr.bottom - cr.top;
    const int y = Place(lr.top, lr.bottom, h, 1);
    return SetWindowPos(control, nullptr, lr.right + gap, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE)
               ? 1
               : 0;
}

int m_AlignRect(const RECT* area, int w, int h, int* x, int* y, int alignment)
{
    if (!area) return 0;
    const SPlacement p = PlacementOf(alignment);
    if (x) *x = Place(area->left, area->right, w, p.horizontal);
    if (y) *y = Place(area->top, area->bottom, h, p.vertical);
    return area->right - area->left >= w && area->bottom - area->top >= h ? 1 : 0;
}

HFONT m_CreateFont(const wchar_t* face, int height, int width, int weight)
{
    return CreateFontW(height, width, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

BOOL m_SetWindowAccent(HWND window)
{
    HMODULE user32 = LoadLibraryW(L"user32.dll");
    if (!user32) return FALSE;
    BOOL result = FALSE;
    auto set = (PSetWindowCompositionAttribute)(void*)GetProcAddress(
        user32, "SetWindowCompositionAttribute");
    if (set) {
        SAccentPolicy accent = {4, 480, 0x00FFFFFF, 0};
        SCompositionData data = {19, &accent, sizeof(accent)};
        result = set(window, &data);
    }
    FreeLibrary(user32);
    return result;
}

int m_CopyTextToClipboard(HWND window, const wchar_t* text)
{
    if (!OpenClipboard(window)) return 0;
    EmptyClipboard();
    const size_t len = text ? wcsnlen(text, kClipboardMaxChars) : 0;
    int ok = 0;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (len + 1) * sizeof(wchar_t));
    wchar_t* dst = mem ? (wchar_t*)GlobalLock(mem) : nullptr;
    if (dst) {
        if (len) wmemcpy(dst, text, len);
        dst[len] = 0;
        GlobalUnlock(mem);
        ok = SetClipboardData(CF_UNICODETEXT, mem) ? 1 : 0;
    }
    // The clipboard owns the memory only when it took it.
    if (mem && !ok) GlobalFree(mem);
    CloseClipboard();
    return ok;
}

int m_IsKeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0 ? 1 : 0; }

int m_IsNavigationKey(int virtualKey)
{
    return virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN ? 1 : 0;
}

int m_IsDigit(wchar_t c) { return c >= L'0' && c <= L'9' ? 1 : 0; }
