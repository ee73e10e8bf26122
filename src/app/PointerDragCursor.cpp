// The cursor shown while a drag seeks: two arrowheads pointing the way of
// the seek and a badge with the signed level, built at the window's DPI and
// only again when the level or the DPI changes.
#include <wchar.h>

#include "app/PointerInput.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"

namespace {

HCURSOR g_SeekCursor;
int g_SeekCursorLevel;
int g_SeekCursorDpi;
HCURSOR g_ResizeCursor;
int g_ResizeCursorDpi;

constexpr ARGB kArrowFace = 0xFFFFFFFF;
constexpr ARGB kArrowEdge = 0xC8000000;

int m_Scaled(int value, int dpiPercent) { return value * dpiPercent / 100; }

int m_EdgeWidth(int dpiPercent)
{
    return m_Scaled(2, dpiPercent) > 0 ? m_Scaled(2, dpiPercent) : 1;
}

// A clear 32-bit picture of the screen's kind to draw a cursor on.
int m_NewCanvas(CArgbImage* image, int w, int h)
{
    HDC screen = GetDC(nullptr);
    const int made = image->m_Create(screen, w, h, 32);
    ReleaseDC(nullptr, screen);
    if (made) image->m_Clear(true);
    return made;
}

// An equilateral triangle of side a with its tip at x, pointing right (+1)
// or left (-1), centred on y.
void m_Arrowhead(CArgbImage* image, int x, int y, int a, int way, int edge)
{
    const int depth = a * 866 / 1000;
    const POINT pts[3] = {{x, y}, {x - way * depth, y - a / 2}, {x - way * depth, y + a / 2}};
    image->m_FillPolygon(pts, 3, kArrowEdge, 1, edge, 4);
    image->m_FillPolygon(pts, 3, kArrowFace, 1, 0, 4);
}

HCURSOR m_BuildSeekCursor(int level, int dpiPercent)
{
    const int w = m_Scaled(48, dpiPercent), h = m_Scaled(40, dpiPercent);
    const int a = m_Scaled(12, dpiPercent), edge = m_EdgeWidth(dpiPercent);
    CArgbImage image;
    if (!m_NewCanvas(&image, w, h)) return nullptr;
    const int way = level < 0 ? -1 : 1, cy = h / 3, tip = w / 2 + way * (a + a / 2);
    m_Arrowhead(&image, tip, cy, a, way, edge);
    m_Arrowhead(&image, tip - way * (a * 866 / 1000 + edge), cy, a, way, edge);
    wchar_t text[8];
    swprintf(text, 8, L"%+d", level);
    int tw = 0, th = 0;
    g_BmpFont.m_MeasureText(text, &tw, &th, unsigned(-1));
    const int pad = m_Scaled(2, dpiPercent);
    RECT badge = {(w - tw) / 2 - pad, h - th - 2 * pad, (w + tw) / 2 + pad, h};
    image.m_FillRect(kArrowEdge, 1, &badge);
    g_BmpFont.m_DrawText(&image, badge.left + pad, badge.top + pad, text, kArrowFace, 1,
                         unsigned(-1), 0);
    return reinterpret_cast<HCURSOR>(image.m_ToIcon(0, w / 2, cy));
}

// Two arrowheads, up and down, with a bar between them.
HCURSOR m_BuildResizeCursor(int dpiPercent)
{
    const int w = m_Scaled(32, dpiPercent), h = m_Scaled(40, dpiPercent);
    const int a = m_Scaled(12, dpiPercent), edge = m_EdgeWidth(dpiPercent);
    CArgbImage image;
    if (!m_NewCanvas(&image, w, h)) return nullptr;
    const int cx = w / 2, depth = a * 866 / 1000;
    const POINT up[3] = {{cx, edge}, {cx - a / 2, edge + depth}, {cx + a / 2, edge + depth}};
    const POINT down[3] = {
        {cx, h - 1 - edge}, {cx - a / 2, h - 1 - edge - depth}, {cx + a / 2, h - 1 - edge - depth}};
    const POINT* heads[2] = {up, down};
    for (const POINT* pts : heads) {
        image.m_FillPolygon(pts, 3, kArrowEdge, 1, edge, 4);
        image.m_FillPolygon(pts, 3, kArrowFace, 1, 0, 4);
    }
    const int bar = edge > 1 ? edge : 2;
    RECT outer = {cx - bar, edge + depth - 1, cx + bar, h - edge - depth + 1};
    RECT inner = {cx - bar / 2, outer.top, cx + bar / 2 + 1, outer.bottom};
    image.m_FillRect(kArrowEdge, 1, &outer);
    image.m_FillRect(kArrowFace, 1, &inner);
    return reinterpret_cast<HCURSOR>(image.m_ToIcon(0, cx, h / 2));
}

}  // namespace

HCURSOR m_GetDragResizeCursor(int dpiPercent)
{
    if (g_ResizeCursor && dpiPercent == g_ResizeCursorDpi) return g_ResizeCursor;
    HCURSOR built = m_BuildResizeCursor(dpiPercent);
    if (!built) return g_ResizeCursor;
    if (g_ResizeCursor) DestroyCursor(g_ResizeCursor);
    g_ResizeCursor = built;
    g_ResizeCursorDpi = dpiPercent;
    return g_ResizeCursor;
}

HCURSOR m_GetDragSeekCursor(int level, int dpiPercent)
{
    if (g_SeekCursor && level == g_SeekCursorLevel && dpiPercent == g_SeekCursorDpi)
        return g_SeekCursor;
    HCURSOR built = m_BuildSeekCursor(level, dpiPercent);
    if (!built) return g_SeekCursor;
    if (g_SeekCursor) DestroyCursor(g_SeekCursor);
    g_SeekCursor = built;
    g_SeekCursorLevel = level;
    g_SeekCursorDpi = dpiPercent;
    return g_SeekCursor;
}
