#include "app/WindowHelpers.h"

#include <math.h>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/WindowSize.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"

int g_TopMostStateCalls;
int g_TopMostCalls;
int g_VideoClipCalls;
int g_HideButtonsCalls;
int g_HideButtonsLast;

namespace {

int m_IsListed(int buttonIndex)
{
    for (int i = 0; i < g_ButtonOrder.nCount; ++i)
        if (m_ButtonIdFromCode(g_ButtonOrder.nCodes[i]) == kControlButtonFirstId + buttonIndex)
            return 1;
    return 0;
}

void m_RelayoutAll()
{
    m_RelayoutPanels();
    m_LayoutClientArea(-1, -1);
    if (g_PlayState != 0) m_ApplyVideoRect(0, 1);
    if (HWND playlist = g_Playlist.m_GetWindow()) InvalidateRect(playlist, nullptr, FALSE);
}

}  // namespace

void m_HideUnlistedButtons(int hide)
{
    ++g_HideButtonsCalls;
    g_HideButtonsLast = hide;
    if (!g_hWndMain) return;
    for (int i = 0; hide && i < kControlButtonCount; ++i) {
        HWND button = g_ControlButtons[i].m_GetHwnd();
        if (button && IsWindowVisible(button) && !m_IsListed(i)) ShowWindow(button, SW_HIDE);
    }
    m_RelayoutAll();
}

RECT m_FitStillImage(SIZE image, const RECT* area)
{
    RECT rc = *area;
    const int aw = area->right - area->left, ah = area->bottom - area->top;
    if (image.cx <= 0 || image.cy <= 0 || aw <= 0 || ah <= 0) {
        SetRectEmpty(&rc);
        return rc;
    }
    if (static_cast<double>(aw) / ah > static_cast<double>(image.cx) / image.cy) {
        const int w = static_cast<int>(floor(static_cast<double>(ah) * image.cx / image.cy + 0.5));
        rc.left = area->left + static_cast<int>(floor((aw - w) / 2.0 + 0.5));
        rc.right = rc.left + w;
    } else {
        const int h = static_cast<int>(floor(static_cast<double>(aw) * image.cy / image.cx + 0.5));
        rc.top = area->top + static_cast<int>(floor((ah - h) / 2.0 + 0.5));
        rc.bottom = rc.top + h;
    }
    return rc;
}

void m_PaintStillImageIn(HDC dc, const RECT* area, HDC image, SIZE size)
{
    const RECT rc = m_FitStillImage(size, area);
    if (IsRectEmpty(&rc)) return;
    const int mode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, image, 0, 0, size.cx,
               size.cy, SRCCOPY);
    SetStretchBltMode(dc, mode);
    HRGN rest = CreateRectRgnIndirect(area);
    HRGN picture = CreateRectRgnIndirect(&rc);
    if (rest && picture && CombineRgn(rest, rest, picture, RGN_DIFF) != ERROR)
        FillRgn(dc, rest, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (picture) DeleteObject(picture);
    if (rest) DeleteObject(rest);
}
