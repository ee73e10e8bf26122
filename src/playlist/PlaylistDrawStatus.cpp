// The status area right of the buttons: an off-screen image with the
// loading mark, the total time or the size grip, shown by the status child.
#include <math.h>
#include <stdio.h>

#include "app/ToolWindowPlacement.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "base/WindowMisc.h"
#include "controls/ButtonPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDrawMath.h"
#include "playlist/ScanThread.h"

namespace {

constexpr int kStatusTextCap = 64;
constexpr int kSaveButton = 2;
constexpr int kSortButton = 3;

// The bitmap font drawn for 200 %, brought down to 0.3 of the button-row
// height when it is taller.
void m_RebuildStatusFont(CBmpFont* font, int dpiPercent)
{
    font->m_Load(2, 200);
    const int most = (int)lround(0.3 * m_GetUIMetric(3, dpiPercent));
    const int h = font->m_GetHeight();
    if (most < 1 || h <= most) return;
    font->m_SetSpacing((int)lround((double)font->m_GetSpacing() * most / h));
    font->m_ScaleToHeight(most);
}

}  // namespace

// Two bars along the corner; with the rounded frame styles they meet in an
// arc instead of a square corner: a disc with a smaller one cut out of it
// (left see-through, so the background shows), turned to face the corner.
static void m_DrawSizeGrip(CArgbImage* img, const CPlaylist& pl, ARGB ink, int style)
{
    const int W = img->m_Width, H = img->m_Height;
    img->m_FillRectXY(ink, 1, W - pl.m_U(4), H - pl.m_U(8), W - pl.m_U(2), H - pl.m_U(4));
    if (style != 1 && style != 2) {
        img->m_FillRectXY(ink, 1, W - pl.m_U(8), H - pl.m_U(4), W - pl.m_U(2), H - pl.m_U(2));
        return;
    }
    img->m_FillRectXY(ink, 1, W - pl.m_U(8), H - pl.m_U(4), W - pl.m_U(4), H - pl.m_U(2));
    const int outer = pl.m_U(style == 2 ? 1 : 4), inner = pl.m_U(style == 2 ? 1 : 3);
    const int cut = pl.m_U(2), side = cut + inner > outer ? cut + inner : outer;
    CArgbImage corner;
    if (!corner.m_Create(img->m_hDC, side, side)) return;
    corner.m_Clear(true);
    corner.m_FillCircle(ink, 0, outer / 2.0, outer / 2.0, outer / 2.0);
    corner.m_FillCircle(0, 0, cut + inner / 2.0, cut + inner / 2.0, inner / 2.0);
    corner.m_Rotate180();
    img->m_Draw(&corner, 1, W - pl.m_U(2) - side, H - pl.m_U(2) - side);
}

void CPlaylist::m_DrawStatus()
{
    CArgbImage* img = m_W.StatusImage;
    if (!m_W.Ready || !m_W.Dialog || !img || !img->m_IsValid()) return;
    CBmpFont* font = m_W.StatusFont;
    const COLORREF back = m_W.BackColor;
    const ARGB ink = m_PlaylistDraw_StatusText(back), dim = m_PlaylistDraw_StatusDimText(back);
    img->m_FillColorRef(back);

    wchar_t line1[kStatusTextCap] = L"", line2[kStatusTextCap] = L"";
    ARGB colour1 = ink;
    if (g_ScanRunning && m_Count > 0) {
        wcscpy(line1, L"LOADING");
        colour1 = dim;
        const int bars = m_PlaylistDraw_LoadingBars(m_Count, (int)g_ScanCounter);
        for (int i = 0; i < bars; ++i) line2[i] = L'|';
        line2[bars] = L'\0';
    } else if (g_PlaylistView.bStatus && m_Count > 0) {
        const SPLAYLISTTOTAL total = m_PlaylistDraw_Total(m_Tracks, m_Count, m_CheckMode);
        m_PlaylistDraw_FormatTotal(total, m_Count, line1, kStatusTextCap);
        if (total.Unknown) colour1 = dim;
    } else {
        m_DrawSizeGrip(img, *this, ink, m_W.FrameStyle);
    }

    // The font is rebuilt when a text is first drawn, not for the size grip.
    if (font && line1[0] && m_W.StatusFontPending) {
        m_W.StatusFontPending = 0;
        m_RebuildStatusFont(font, m_W.DpiPercent);
    }
    if (font && font->m_Loaded && line1[0]) {
        RECT area = {m_U(1), m_U(4), img->m_Width - m_U(4), img->m_Height - m_U(4)};
        const int lift = font->m_GetHeight() + (int)lround(0.25 * font->m_GetHeight());
        const wchar_t* texts[2] = {line1, line2};
        const ARGB colours[2] = {colour1, ink};
        for (int i = 0; i < 2 && texts[i][0]; ++i) {
            int w = 0, h = 0, x = 0, y = 0;
            font->m_MeasureText(texts[i], &w, &h, 0);
            m_AlignRect(&area, w, h, &x, &y, ALIGN_RIGHT_BOTTOM);
            font->m_DrawText(img, x, y, texts[i], colours[i], 1, 0, 0);
            area.bottom -= lift;
        }
    }

    if (m_W.Status) {
        InvalidateRect(m_W.Status, nullptr, FALSE);
        UpdateWindow(m_W.Status);
    }
    if (m_W.Buttons[kSaveButton]) m_W.Buttons[kSaveButton]->m_SetEnable(m_Count >= 1);
    if (m_W.Buttons[kSortButton]) m_W.Buttons[kSortButton]->m_SetEnable(m_Count >= 2);
}

void CPlaylist::m_InvalidateStatusFont(int redraw)
{
    m_W.StatusFontPending = 1;
    if (redraw) m_DrawStatus();
}

void CPlaylist::m_SetStateColor(DWORD argb, int redraw)
{
    m_W.StateColor = argb;
    if (redraw) m_DrawStatus();
}

LRESULT CALLBACK CPlaylist::m_StatusSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    SPLAYLISTWND& w = g_Playlist.m_W;
    if (msg == WM_PAINT) {
        // The static's own paint would fill the child with its background
        // over the image: the image is the whole paint.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        const CArgbImage* img = w.StatusImage;
        if (dc && img && img->m_IsValid())
            BitBlt(dc, 0, 0, img->m_Width, img->m_Height, img->m_hDC, 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 0;
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSEHWHEEL) || (msg >= WM_KEYDOWN && msg <= 265)) {
        if (w.MainWnd) SendMessageW(w.MainWnd, msg, wParam, lParam);
        return 0;
    }
    if (w.StatusProc) return CallWindowProcW(w.StatusProc, hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
