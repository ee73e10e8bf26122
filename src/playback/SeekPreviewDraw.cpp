// Drawing the seek-bar preview popup: the label of the hover, the frame
// (or "LOADING..." while the preview player opens the file), and its place
// above the seek bar.
#include "playback/SeekPreview.h"

#include "app/MainWindow.h"
#include "app/PopupImageWnd.h"
#include "base/BmpFont.h"
#include "base/Dpi.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"
#include "filedata/FileInfo.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/SeekPreviewMath.h"
#include "playback/SeekPreviewState.h"

namespace {

constexpr ARGB kBorderColour = 0xFF323232;
constexpr ARGB kLabelBox = 0xB4000000;
constexpr ARGB kLabelText = 0xD2FFFFFF;
constexpr ARGB kPlainBack = 0xFF0A0A0A;
constexpr ARGB kPlainText = 0xFFDCDCDC;
constexpr int kBorder = 2;
constexpr int kAreaMargin = 2;
constexpr int kBarGap = 4;

struct SMARGINS {
    int small, middle, large;
};

SMARGINS m_Margins()
{
    const int percent = g_hWndMain ? m_GetWindowDpiPercent(g_hWndMain) : 100;
    SMARGINS m = {2 * percent / 100, 3 * percent / 100, 4 * percent / 100};
    return m;
}

int m_PositionNow()
{
    return g_VideoRenderer ? static_cast<int>(g_VideoRenderer->m_VR_GetPositionMs()) : 0;
}

// The label of a hover and the chapter number it shows (-1 none).
void m_MakeLabel(const SSLIDERNOTIFY& r, wchar_t* out, int* chapter)
{
    *chapter = -1;
    const int duration = g_DurationMs;
    if (r.part == SLIDER_PART_RANGE && r.index >= 0 &&
        r.index < static_cast<int>(g_FileInfo.RangeCount)) {
        const SPLAYRANGEITEM& range = g_FileInfo.Ranges[r.index];
        m_SeekPreview_RangeLabel(out, kPreviewLabelCap, r.index + 1, range.start, range.end,
                                 duration);
        return;
    }
    if (r.part == SLIDER_PART_MARKER && r.index >= 0 &&
        r.index < static_cast<int>(g_FileInfo.MarkerCount)) {
        m_SeekPreview_MarkerLabel(out, kPreviewLabelCap, r.index + 1,
                                  g_FileInfo.Markers[r.index].position, duration);
        return;
    }
    if (r.part == SLIDER_PART_CHAPTER) *chapter = r.index + 1;
    int ms = r.part == kPreviewPartThumb || r.position < 0 ? m_PositionNow() : r.position;
    if (r.part == SLIDER_PART_CHAPTER) ms = m_SeekPreview_SnapTime(&r, 1);
    m_SeekPreview_TimeLabel(out, kPreviewLabelCap, ms, duration);
}

SIZE m_TextSize(const wchar_t* text)
{
    int w = 0, h = 0;
    g_BmpFont.m_MeasureText(text, &w, &h, unsigned(-1));
    SIZE size = {w, h};
    return size;
}

// A text in a rounded box whose corner stands at (x, y): right and bottom
// aligned when alignEnd, else left and top.
void m_DrawBoxedText(CArgbImage* image, const wchar_t* text, int x, int y, int alignEnd,
                     const SMARGINS& m)
{
    const SIZE t = m_TextSize(text);
    const int w = t.cx + 2 * m.large, h = t.cy + 2 * m.middle;
    const int left = alignEnd ? x - w : x, top = alignEnd ? y - h : y;
    const RECT box = {left, top, left + w, top + h};
    image->m_FillRoundRect(kLabelBox, 1, &box, m.middle, 15);
    g_BmpFont.m_DrawText(image, left + m.large, top + m.middle, text, kLabelText, 1, unsigned(-1),
                         0);
}

// The frame of the preview player, cut as the main engine's zoom cuts it.
void m_DrawFrame(CArgbImage* image, const RECT& area)
{
    const CArgbImage& frame = g_PreviewPlayer.FrameImage;
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (!frame.m_IsValid()) return;
    double l = 0, t = 0, r = 1, b = 1;
    if (g_VideoRenderer) g_VideoRenderer->m_VR_GetZoomRect(&l, &t, &r, &b);
    int sx = static_cast<int>(l * frame.m_Width), sy = static_cast<int>(t * frame.m_Height);
    int sw = static_cast<int>((r - l) * frame.m_Width),
        sh = static_cast<int>((b - t) * frame.m_Height);
    if (sw < 1 || sh < 1 || sx < 0 || sy < 0 || sx + sw > frame.m_Width ||
        sy + sh > frame.m_Height) {
        sx = sy = 0;
        sw = frame.m_Width;
        sh = frame.m_Height;
    }
    // GDI's halftone stretch: the per-pixel area average costs more than
    // the preview player's own seek on a large frame.
    image->m_StretchToDC(area.left, area.top, w, h, &frame, sx, sy, sw, sh, 0);
}

int m_BuildFrameImage(CArgbImage* image, int opening, const SMARGINS& m)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (s.frameSize.cy < 1) m_SeekPreview_CalcSize();
    const int fw = s.frameSize.cx, fh = s.frameSize.cy;
    if (!image->m_Create(nullptr, fw + 2 * kBorder, fh + 2 * kBorder, 32)) return 0;
    image->m_FillRect(kBorderColour, 0, nullptr);
    const RECT area = {kBorder, kBorder, kBorder + fw, kBorder + fh};
    image->m_FillRect(0xFF000000, 0, &area);
    if (opening) {
        const wchar_t kLoading[] = L"LOADING...";
        const SIZE t = m_TextSize(kLoading);
        g_BmpFont.m_DrawText(image, kBorder + (fw - t.cx) / 2, kBorder + (fh - t.cy) / 2, kLoading,
                             kLabelText, 1, unsigned(-1), 0);
    } else {
        m_DrawFrame(image, area);
    }
    if (s.label[0])
        m_DrawBoxedText(image, s.label, area.right - m.small, area.bottom - m.small, 1, m);
    if (s.chapterShown > 0) {
        wchar_t chapter[kPreviewLabelCap];
        m_SeekPreview_ChapterLabel(chapter, kPreviewLabelCap, s.chapterShown);
        m_DrawBoxedText(image, chapter, area.left + m.small, area.top + m.small, 0, m);
    }
    return 1;
}

int m_BuildTextImage(CArgbImage* image, const SMARGINS& m)
{
    const SIZE t = m_TextSize(g_SeekPreview.label);
    if (!image->m_Create(nullptr, t.cx + 2 * m.large, t.cy + 2 * m.middle, 32)) return 0;
    image->m_FillRect(kPlainBack, 0, nullptr);
    g_BmpFont.m_DrawText(image, m.large, m.middle, g_SeekPreview.label, kPlainText, 1, unsigned(-1),
                         0);
    return 1;
}

// Centred on the pointer, inside the video area, above the seek bar.
POINT m_Place(int w, int h)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    RECT area = {};
    HWND areaWindow = g_VideoWindow && IsWindowVisible(g_VideoWindow) ? g_VideoWindow : g_hWndMain;
    GetWindowRect(areaWindow, &area);
    RECT bar = {};
    GetWindowRect(g_SeekBar.m_GetHwnd(), &bar);
    int x = cursor.x - w / 2;
    if (x + w > area.right - kAreaMargin) x = area.right - kAreaMargin - w;
    if (x < area.left + kAreaMargin) x = area.left + kAreaMargin;
    POINT at = {x, bar.top - kBarGap - h};
    return at;
}

}  // namespace

int m_SeekPreview_FrameState()
{
    if (!g_SeekPreview.available) return 0;
    const int state = m_Preview_GetState(g_MediaPath);
    return state == PREVIEW_STATE_OPEN || state == PREVIEW_STATE_OPENING ? 1 : 0;
}

void m_SeekPreview_Draw(const SSLIDERNOTIFY* record)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!g_hWndPopupImage || !g_MediaOpen) return;
    if (record) m_MakeLabel(*record, s.label, &s.chapterShown);
    const SMARGINS m = m_Margins();
    const int frames = m_SeekPreview_FrameState();
    const int opening = m_Preview_GetState(g_MediaPath) == PREVIEW_STATE_OPENING;
    const int built =
        frames ? m_BuildFrameImage(&g_PopupImage, opening, m) : m_BuildTextImage(&g_PopupImage, m);
    if (!built) return;
    if (frames && opening) m_SeekPreview_Trace(L"loading");
    s.withFrame = frames;
    // Every part is opaque (labels are blended onto the frame or the dark
    // fill), so the pixels are already premultiplied once alpha is full;
    // a stretch may leave alpha bytes at 0.
    g_PopupImage.m_SetOpaque();
    // The layered update moves and sizes the window too; z-order is set
    // when it is shown.
    s.place = m_Place(g_PopupImage.m_Width, g_PopupImage.m_Height);
    if (s.shown || s.alpha > 0) m_SeekPreview_Present(s.alpha);
}

void m_SeekPreview_Present(int alpha)
{
    const CArgbImage& image = g_PopupImage;
    if (!g_hWndPopupImage || !image.m_IsValid()) return;
    POINT pos = g_SeekPreview.place, src = {0, 0};
    SIZE size = {image.m_Width, image.m_Height};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0,
                           static_cast<BYTE>(alpha < 0     ? 0
                                             : alpha > 255 ? 255
                                                           : alpha),
                           AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    UpdateLayeredWindow(g_hWndPopupImage, screen, &pos, &size, image.m_hDC, &src, 0, &blend,
                        ULW_ALPHA);
    ReleaseDC(nullptr, screen);
}
