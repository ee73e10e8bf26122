// The engine host's commands on the picture: size and aspect, zoom and
// rectangles, key frames, the current image and ProcAmp.
#include <windows.h>

#include <stdlib.h>
#include <strsafe.h>

#include <string>
#include <vector>

#include "EngineHost.h"
#include "engine/VideoRenderer.h"

namespace {

typedef std::vector<std::wstring> Args;

double m_Real(const Args& a, size_t i) { return i < a.size() ? wcstod(a[i].c_str(), nullptr) : 0; }

unsigned m_Hr(HRESULT hr) { return static_cast<unsigned>(hr); }

void m_Size(CVideoRenderer* e)
{
    int w, h, ax, ay, dw, dh, zw, zh;
    e->m_VR_GetNativeInfo(&w, &h, &ax, &ay);
    e->m_VR_GetDisplaySize(&dw, &dh);
    e->m_VR_GetZoomedSize(&zw, &zh);
    m_Host_Print(L"size native=%dx%d aspect=%d:%d display=%dx%d zoomed=%dx%d", w, h, ax, ay, dw, dh,
                 zw, zh);
}

void m_Position(CVideoRenderer* e, const Args& a)
{
    double source[4];
    for (int i = 0; i < 4; ++i) source[i] = m_Real(a, i);
    RECT d = {static_cast<LONG>(m_Real(a, 4)), static_cast<LONG>(m_Real(a, 5)),
              static_cast<LONG>(m_Real(a, 6)), static_cast<LONG>(m_Real(a, 7))};
    HRESULT hr = e->m_VR_SetVideoPosition(source, &d, 1);
    RECT s;
    e->m_VR_GetLastSourceRect(&s);
    m_Host_Print(L"position hr=0x%08X source=%ld,%ld,%ld,%ld", m_Hr(hr), s.left, s.top, s.right,
                 s.bottom);
}

// The colour (0xRRGGBB) of the image's pixel at the fractions x, y (top-down).
COLORREF m_Pixel(const BITMAPINFOHEADER* h, double fx, double fy)
{
    const int w = h->biWidth, height = h->biHeight < 0 ? -h->biHeight : h->biHeight;
    const int bytes = h->biBitCount / 8;
    if (bytes < 3 || w <= 0 || height <= 0) return 0xFFFFFFFF;
    const int x = static_cast<int>(fx * w), y = static_cast<int>(fy * height);
    const int row = h->biHeight < 0 ? y : height - 1 - y;
    const int stride = ((w * bytes) + 3) & ~3;
    const BYTE* bits =
        reinterpret_cast<const BYTE*>(h) + h->biSize + (h->biCompression == BI_BITFIELDS ? 12 : 0);
    const BYTE* p = bits + row * stride + x * bytes;
    return (static_cast<COLORREF>(p[2]) << 16) | (p[1] << 8) | p[0];
}

void m_Image(CVideoRenderer* e)
{
    BITMAPINFOHEADER* image = nullptr;
    const int ok = e->m_GetCurrentImage(&image, 0);
    if (!ok || !image) {
        m_Host_Print(L"image ok=0 state=%lu", e->m_VR_GetState());
        return;
    }
    m_Host_Print(L"image ok=1 size=%ldx%ld bits=%d tl=%06X tr=%06X bl=%06X br=%06X state=%lu",
                 image->biWidth, image->biHeight, image->biBitCount, m_Pixel(image, 0.25, 0.25),
                 m_Pixel(image, 0.75, 0.25), m_Pixel(image, 0.25, 0.75), m_Pixel(image, 0.75, 0.75),
                 e->m_VR_GetState());
    CoTaskMemFree(image);
}

void m_ProcAmp(CVideoRenderer* e)
{
    for (int c = 0; c < 4; ++c) {
        int supported = 0;
        double lo = 0, hi = 0, def = 0, step = 0;
        HRESULT hr = e->m_ProcAmp_GetRange(c, &supported, &lo, &hi, &def, &step);
        m_Host_Print(L"procamp %d hr=0x%08X supported=%d range=%.2f..%.2f default=%.2f", c,
                     m_Hr(hr), supported, lo, hi, def);
    }
    double v[4] = {};
    m_Host_Print(L"procampget %d", e->m_ProcAmp_Get(&v[0], &v[1], &v[2], &v[3]));
    m_Host_Print(L"procampset hr=0x%08X", m_Hr(e->m_ProcAmp_Set(1, 0, 0, 1, 1)));
}

// The colours on screen at client points of the host window, as the X
// server shows them: "screen X Y [X Y ...]".
void m_Screen(const Args& a)
{
    m_Host_Pump(200);
    std::wstring out = L"screen";
    HDC screen = GetDC(nullptr);
    for (size_t i = 0; i + 1 < a.size(); i += 2) {
        POINT p = {static_cast<LONG>(m_Real(a, i)), static_cast<LONG>(m_Real(a, i + 1))};
        ClientToScreen(g_Host.window, &p);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        wchar_t text[16];
        StringCchPrintfW(text, 16, L" %02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
        out += text;
    }
    ReleaseDC(nullptr, screen);
    m_Host_Print(L"%s", out.c_str());
}

}  // namespace

int m_Host_PictureCommand(const std::wstring& name, const Args& a)
{
    CVideoRenderer* e = g_Host.engine;
    if (name == L"size") {
        m_Size(e);
    } else if (name == L"aspect") {
        e->m_VR_SetAspectRatio(static_cast<int>(m_Real(a, 0)), static_cast<int>(m_Real(a, 1)));
    } else if (name == L"zoom") {
        e->m_VR_SetZoomRect(m_Real(a, 0), m_Real(a, 1), m_Real(a, 2), m_Real(a, 3));
    } else if (name == L"position") {
        m_Position(e, a);
    } else if (name == L"keyframe") {
        const DWORD ms =
            e->m_VR_FindKeyFrame(static_cast<DWORD>(m_Real(a, 0)), static_cast<int>(m_Real(a, 1)));
        m_Host_Print(L"keyframe kind=%lu ms=%ld", e->m_VR_GetKeyFrameKind(), static_cast<long>(ms));
    } else if (name == L"image") {
        m_Image(e);
    } else if (name == L"screen") {
        m_Screen(a);
    } else if (name == L"procamp") {
        m_ProcAmp(e);
    } else {
        return 0;
    }
    return 1;
}
