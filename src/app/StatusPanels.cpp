// The panel painters and their input forwarding.
#include "app/StatusPanels.h"

#include <commctrl.h>

#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "base/ArgbImage.h"
#include "base/UiLook.h"
#include "commands/CommandHandlers.h"
#include "controls/SliderPlus.h"
#include "settings/Settings.h"

SPANELLOOK g_PanelLook = {RGB(0xF0, 0xF0, 0xF0), RGB(0xA0, 0xA0, 0xA0), RGB(0xC0, 0xC0, 0xC0), 0,
                          0};

namespace {

const CArgbImage* g_PanelPicture = nullptr;

enum { UI_BUTTON_WIDTH = 2, UI_BUTTON_HEIGHT = 3, UI_GAP = 4, UI_SEPARATOR = 6, UI_INSET = 7 };

void FillRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    const RECT r = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The rectangle of a visible child in the panel's client coordinates.
bool VisibleChildRect(HWND panel, HWND child, RECT* out)
{
    if (!child || !IsWindowVisible(child) || GetParent(child) != panel) return false;
    GetWindowRect(child, out);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(out), 2);
    return true;
}

struct SExclude {
    HWND panel;
    HDC dc;
};

// Only the panel's own children: the enumeration also visits theirs.
BOOL CALLBACK ExcludeChild(HWND child, LPARAM lParam)
{
    const SExclude* e = reinterpret_cast<const SExclude*>(lParam);
    RECT r;
    if (VisibleChildRect(e->panel, child, &r))
        ExcludeClipRect(e->dc, r.left, r.top, r.right, r.bottom);
    return TRUE;
}

// The back colour over the client area, around the visible children.
void FillAroundChildren(HWND panel, HDC dc)
{
    const int saved = SaveDC(dc);
    SExclude e = {panel, dc};
    EnumChildWindows(panel, ExcludeChild, reinterpret_cast<LPARAM>(&e));
    RECT client;
    GetClientRect(panel, &client);
    FillRect(dc, 0, 0, client.right, client.bottom, g_PanelLook.back);
    RestoreDC(dc, saved);
}

void PaintControlPanel(HWND panel, HDC dc)
{
    FillAroundChildren(panel, dc);
    RECT client, seek, row;
    GetClientRect(panel, &client);
    if (g_PanelLook.bFrameLine) FillRect(dc, 0, 0, client.right, 1, g_PanelLook.frameLine);
    // A seek bar in its own row is set off from the row below by a line.
    HWND bar = GetDlgItem(panel, IDC_BUTTON_PANEL);
    if (VisibleChildRect(panel, GetDlgItem(panel, IDC_SEEKBAR), &seek) &&
        VisibleChildRect(panel, bar, &row))
        FillRect(dc, 0, row.top - 1, client.right, row.top, g_PanelLook.separator);
}

void PaintControlBarPanel(HWND panel, HDC dc)
{
    FillAroundChildren(panel, dc);
    RECT client, row;
    GetClientRect(panel, &client);
    const int thick = m_GetUIMetric(UI_SEPARATOR, -1);
    if (!VisibleChildRect(panel, GetDlgItem(panel, IDC_BUTTON_BAR), &row) &&
        !VisibleChildRect(panel, GetDlgItem(panel, IDC_SEEKBAR), &row))
        return;
    const int top = row.top - thick < 0 ? 0 : row.top - thick;
    FillRect(dc, 0, top, client.right, top + thick, g_PanelLook.separator);
}

// Walks the button order: buttons and blanks move the pen, separators are
// drawn where they stand.
void PaintButtonPanel(HWND panel, HDC dc)
{
    FillAroundChildren(panel, dc);
    RECT client;
    GetClientRect(panel, &client);
    const int sep = m_GetUIMetric(UI_SEPARATOR, -1), gap = m_GetUIMetric(UI_GAP, -1);
    const int height = m_GetUIMetric(UI_BUTTON_HEIGHT, -1);
    int width = m_GetUIMetric(UI_BUTTON_WIDTH, -1);
    if (g_PanelLook.bFlatButtons) width -= 2 * m_GetUIMetric(UI_INSET, -1);
    if (g_Settings.Ctrl_Style[1] > 0) width += gap;
    int x = 0;
    const int count = g_Settings.Ctrl_BtnOdrCount < kButtonOrderCap ? g_Settings.Ctrl_BtnOdrCount
                                                                    : kButtonOrderCap;
    for (int i = 0; i < count && x < client.right; ++i) {
        const int code = g_Settings.Ctrl_BtnOdr[i];
        if (code == BUTTON_ORDER_SEPARATOR) {
            FillRect(dc, x, 0, x + sep, height, g_PanelLook.separator);
            x += sep;
        } else {
            x += code == BUTTON_ORDER_BLANK ? gap : width;
        }
    }
}

void PaintPicture(HWND panel, HDC dc)
{
    if (!g_PanelPicture || !g_PanelPicture->m_hDC) return;
    RECT client;
    GetClientRect(panel, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, g_PanelPicture->m_hDC, 0, 0, SRCCOPY);
}

void Paint(HWND panel, UINT_PTR kind)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(panel, &ps);
    if (!dc) return;
    if (kind == PANEL_CONTROL) PaintControlPanel(panel, dc);
    if (kind == PANEL_CONTROL_BAR) PaintControlBarPanel(panel, dc);
    if (kind == PANEL_BUTTONS) PaintButtonPanel(panel, dc);
    if (kind == PANEL_PICTURE) PaintPicture(panel, dc);
    EndPaint(panel, &ps);
}

bool IsForwarded(UINT msg, UINT_PTR kind)
{
    const bool input =
        (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
    return input || (msg == WM_HSCROLL && kind != PANEL_PICTURE);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR kind,
                           DWORD_PTR)
{
    switch (msg) {
        case WM_PAINT:
            Paint(panel, kind);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCDESTROY:
            RemoveWindowSubclass(panel, PanelProc, kind);
            break;
    }
    // The control bar's buttons report to the panel they stand on.
    if (msg == WM_COMMAND && kind != PANEL_PICTURE &&
        m_OnCtrlCommand(LOWORD(wParam), HIWORD(wParam), lParam))
        return 0;
    // The main window reads the points in its own client coordinates.
    if (IsForwarded(msg, kind) && g_hWndMain && g_hWndMain != panel) {
        const int mouse = msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
        return SendMessageW(g_hWndMain, msg, wParam,
                            mouse ? m_MapMouseLParam(panel, g_hWndMain, msg, lParam) : lParam);
    }
    return DefSubclassProc(panel, msg, wParam, lParam);
}

}  // namespace

BOOL m_Panel_Install(HWND panel, EPANELKIND kind)
{
    if (!panel) return FALSE;
    return SetWindowSubclass(panel, PanelProc, kind, 0);
}

void m_PicturePanel_SetImage(const CArgbImage* image) { g_PanelPicture = image; }
