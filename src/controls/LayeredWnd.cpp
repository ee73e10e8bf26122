// The on-screen display bars: the overlay window, showing and hiding the
// bars with their fades, and the hand-over to UpdateLayeredWindow.
#include "controls/LayeredWnd.h"

#include <cstdio>
#include <cstring>

CLayeredWnd g_OsdBars;

namespace {

constexpr int kFadeStep = 64;
constexpr UINT kFadeTickMs = 16;
constexpr const wchar_t* kOverlayClass = L"ZvOsdBars";

}  // namespace

void m_OsdPositionText(int position, wchar_t* out, int capacity)
{
    if (!out || capacity < 1) return;
    _snwprintf(out, capacity - 1, L"POS:%0.1f%%", position / 100.0);
    out[capacity - 1] = 0;
}

void m_OsdVolumeText(int volume, wchar_t* out, int capacity)
{
    if (!out || capacity < 1) return;
    _snwprintf(out, capacity - 1, L"VOL:%3d%%", volume);
    out[capacity - 1] = 0;
}

CLayeredWnd::CLayeredWnd()
    : m_hWndOwner(nullptr),
      m_rcWindow{},
      m_rcTopBar{},
      m_rcBottomBar{},
      m_rcTitleArea{},
      m_rcPositionArea{},
      m_rcVolumeArea{},
      m_bTopShown(0),
      m_bBottomShown(0),
      m_nTopAlpha(0),
      m_nBottomAlpha(0),
      m_szTitle{},
      m_nPosition(0),
      m_nVolume(0),
      m_szBottomFace{},
      m_szTopFace{},
      m_nBottomFontSize(0),
      m_nCharPitch(0),
      m_nTopFontSize(0),
      m_TextColor(0),
      m_TopTextColor(0),
      m_bFadeOnHide(0),
      m_BarColor(0x7F000000),
      m_bLastUpdateOk(0)
{
}

// A popup rather than a bare overlapped window, which the system would
// give a caption.
BOOL CLayeredWnd::m_Create(HWND owner)
{
    m_hWndOwner = owner;
    const DWORD exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    HWND hWnd = m_CreateWindow(owner, kOverlayClass, 0, WS_POPUP | WS_VISIBLE, exStyle, 0, 0, 0, 0,
                               nullptr);
    if (!hWnd) return FALSE;
    ShowWindow(hWnd, SW_SHOWNA);
    ShowWindow(hWnd, SW_HIDE);
    EnableWindow(hWnd, FALSE);
    m_Image.m_Create(nullptr, 1920, 1080, 32);
    return TRUE;
}

void CLayeredWnd::m_Show(int show)
{
    if (m_hWnd) ShowWindow(m_hWnd, show ? SW_SHOWNA : SW_HIDE);
}

void CLayeredWnd::m_SetTopmost(int on)
{
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CLayeredWnd::m_SetTitle(const wchar_t* text)
{
    lstrcpynW(m_szTitle, text ? text : L"", kOsdTitleCap);
    m_Redraw(OSD_PART_TITLE);
}

void CLayeredWnd::m_SetPosition(int value)
{
    m_nPosition = value;
    m_Redraw(OSD_PART_POSITION);
}

void CLayeredWnd::m_SetVolume(int value)
{
    m_nVolume = value;
    m_Redraw(OSD_PART_VOLUME);
}

void CLayeredWnd::m_SetBottomFont(const wchar_t* face, int size, ARGB colour, int pitch)
{
    lstrcpynW(m_szBottomFace, face ? face : L"", kOsdFaceCap);
    m_nBottomFontSize = size;
    m_TextColor = colour;
    m_nCharPitch = pitch;
    m_Redraw(OSD_PART_POSITION | OSD_PART_VOLUME);
}

void CLayeredWnd::m_SetTopFont(const wchar_t* face, int size, ARGB colour)
{
    lstrcpynW(m_szTopFace, face ? face : L"", kOsdFaceCap);
    m_nTopFontSize = size;
    m_TopTextColor = colour;
    m_Redraw(OSD_PART_TITLE);
}

void CLayeredWnd::m_ShowOne(int* alpha, UINT* shown, int hideMs, int fade, UINT hideTimer,
                            UINT fadeTimer)
{
    KillTimer(m_hWnd, fadeTimer);
    *shown = 1;
    if (hideMs != 0) *alpha = fade ? *alpha + kFadeStep : 255;
    if (hideMs < 0)
        KillTimer(m_hWnd, hideTimer);
    else
        SetTimer(m_hWnd, hideTimer, UINT(hideMs), nullptr);
}

void CLayeredWnd::m_ShowBars(int top, int topHideMs, int bottom, int bottomHideMs, int fade,
                             int fadeOnHide)
{
    if (!m_hWnd) return;
    if (top)
        m_ShowOne(&m_nTopAlpha, &m_bTopShown, topHideMs, fade, OSD_TIMER_HIDE_TOP,
                  OSD_TIMER_FADE_TOP);
    if (bottom)
        m_ShowOne(&m_nBottomAlpha, &m_bBottomShown, bottomHideMs, fade, OSD_TIMER_HIDE_BOTTOM,
                  OSD_TIMER_FADE_BOTTOM);
    m_SetRect(nullptr);
    const bool anyHide = (top && topHideMs != 0) || (bottom && bottomHideMs != 0);
    if (fade && anyHide) SetTimer(m_hWnd, OSD_TIMER_FADE_IN, kFadeTickMs, nullptr);
    m_UpdateWindow();
    m_bFadeOnHide = fadeOnHide ? 1 : 0;
}

void CLayeredWnd::m_OnHideTimer(UINT id)
{
    KillTimer(m_hWnd, id);
    const bool top = id == OSD_TIMER_HIDE_TOP;
    int& alpha = top ? m_nTopAlpha : m_nBottomAlpha;
    if (m_bFadeOnHide) {
        alpha -= kFadeStep;
        SetTimer(m_hWnd, top ? OSD_TIMER_FADE_TOP : OSD_TIMER_FADE_BOTTOM, kFadeTickMs, nullptr);
    } else {
        alpha = 0;
    }
    (top ? m_bTopShown : m_bBottomShown) = 0;
}

void CLayeredWnd::m_OnFadeOutTimer(UINT id)
{
    const bool top = id == OSD_TIMER_FADE_TOP;
    int& alpha = top ? m_nTopAlpha : m_nBottomAlpha;
    alpha -= kFadeStep;
    if (alpha < 1) {
        alpha = 0;
        KillTimer(m_hWnd, id);
        (top ? m_bTopShown : m_bBottomShown) = 0;
    }
}

void CLayeredWnd::m_OnFadeInTimer()
{
    if (m_bTopShown) m_nTopAlpha += kFadeStep;
    if (m_bBottomShown) m_nBottomAlpha += kFadeStep;
    const bool topDone = !m_bTopShown || m_nTopAlpha >= 255;
    const bool bottomDone = !m_bBottomShown || m_nBottomAlpha >= 255;
    if (topDone && bottomDone) KillTimer(m_hWnd, OSD_TIMER_FADE_IN);
}

void CLayeredWnd::m_OnTimer(UINT id)
{
    switch (id) {
        case OSD_TIMER_HIDE_TOP:
        case OSD_TIMER_HIDE_BOTTOM:
            m_OnHideTimer(id);
            break;
        case OSD_TIMER_FADE_IN:
            m_OnFadeInTimer();
            break;
        case OSD_TIMER_FADE_TOP:
        case OSD_TIMER_FADE_BOTTOM:
            m_OnFadeOutTimer(id);
            break;
        default:
            return;
    }
    m_UpdateWindow();
}

// Each bar's rows, from the window edge to the inner end of its fringe,
// take the bar's alpha and are premultiplied for the layered window.
void CLayeredWnd::m_FadeRows(CArgbImage& frame, int from, int to, int alpha) const
{
    for (int y = from < 0 ? 0 : from; y < to && y < frame.m_Height; ++y) {
        uint32_t* row = frame.m_Row(y);
        for (int x = 0; x < frame.m_Width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = (p >> 24) * uint32_t(alpha) / 255;
            const uint32_t r = ((p >> 16) & 0xFF) * a / 255;
            const uint32_t g = ((p >> 8) & 0xFF) * a / 255;
            const uint32_t b = (p & 0xFF) * a / 255;
            row[x] = a << 24 | r << 16 | g << 8 | b;
        }
    }
}

void CLayeredWnd::m_UpdateWindow()
{
    m_nTopAlpha = m_nTopAlpha < 0 ? 0 : m_nTopAlpha > 255 ? 255 : m_nTopAlpha;
    m_nBottomAlpha = m_nBottomAlpha < 0 ? 0 : m_nBottomAlpha > 255 ? 255 : m_nBottomAlpha;
    m_bLastUpdateOk = 0;
    if (!m_hWnd || !m_Image.m_IsValid()) return;
    const int w = m_rcWindow.right - m_rcWindow.left, h = m_rcWindow.bottom - m_rcWindow.top;
    if (w < 1 || h < 1 || w != m_Image.m_Width || h != m_Image.m_Height) return;
    if (m_Frame.m_Width != w || m_Frame.m_Height != h) {
        m_Frame.m_Destroy();
        if (!m_Frame.m_Create(nullptr, w, h, 32)) return;
    }
    std::memcpy(m_Frame.m_Bits, m_Image.m_Bits, size_t(m_Image.m_Count) * 4);
    const int fringe = m_Fringe();
    const int topEnd = m_rcTopBar.bottom + fringe, bottomStart = m_rcBottomBar.top - fringe;
    m_FadeRows(m_Frame, 0, topEnd, m_nTopAlpha);
    m_FadeRows(m_Frame, bottomStart < topEnd ? topEnd : bottomStart, h, m_nBottomAlpha);
    POINT pos = {m_rcWindow.left, m_rcWindow.top}, src = {0, 0};
    SIZE size = {w, h};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    m_bLastUpdateOk =
        UpdateLayeredWindow(m_hWnd, screen, &pos, &size, m_Frame.m_hDC, &src, 0, &blend, ULW_ALPHA)
            ? 1
            : 0;
    ReleaseDC(nullptr, screen);
}

BOOL CLayeredWnd::m_ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    result = 0;
    if (msg == WM_TIMER) {
        m_OnTimer(UINT(wParam));
        return TRUE;
    }
    if (msg == WM_NCHITTEST || msg == WM_ERASEBKGND || msg == WM_ENABLE) return TRUE;
    const bool button = msg >= WM_LBUTTONDOWN && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL &&
                        msg != WM_MOUSEHWHEEL;
    const bool ncButton = msg >= WM_NCLBUTTONDOWN && msg <= WM_NCXBUTTONDBLCLK;
    return button || ncButton || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}
