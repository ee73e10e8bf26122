// The status bar window: creation, setters and its message map.
#include "controls/Statusbar.h"

#include <cstring>

CStatusbar g_StatusBar;
CStatusbar g_FullScreenStatusBar;

CStatusbar::CStatusbar()
    : m_hWndParent(nullptr),
      m_nId(0),
      m_nDpi(100),
      m_Color1(0xEDFFFFFF),
      // Black blended 180/255 toward colour 1, opaque.
      m_Color2(0xFFB4B4B4),
      m_ProgressColor(0x8FDF2020),
      m_nProgressMin(0),
      m_nProgressMax(10000),
      m_nProgressValue(0),
      m_pFont(nullptr),
      m_nWidth(0),
      m_nHeight(0),
      m_rcClient{},
      m_nFadeInterval(16),
      m_bMessageShown(0),
      m_bBlinkPhase(0),
      m_bHover(0),
      m_szBlinkText{},
      m_BackColor(0xFF000000),
      m_nMessagePriority(0),
      m_nLevelLeft(0),
      m_nLevelRight(0),
      m_nBlinksLeft(0),
      m_nBlinkPeriod(250),
      m_nCentringWidth(0),
      m_nKeptCentringWidth(0),
      m_nCornerStyle(0)
{
    std::memset(m_Panes, 0, sizeof(m_Panes));
    for (SPane& p : m_Panes) {
        p.colour = 0xEDFFFFFF;
        p.nAlpha = 255;
    }
}

BOOL CStatusbar::m_Create(HWND parent, UINT id)
{
    m_hWndParent = parent;
    m_nId = id;
    HWND hWnd = m_CreateWindow(parent, kControlClass, kControlClassStyle, WS_CHILD | WS_VISIBLE, 0,
                               0, 0, 0, 0, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
    if (!hWnd) return FALSE;
    EnableWindow(hWnd, FALSE);
    return TRUE;
}

void CStatusbar::m_SetBackColor(COLORREF colour, int repaint)
{
    m_BackColor = m_ColorRefToArgb(colour);
    if (repaint) m_Update();
}

void CStatusbar::m_SetCornerStyle(UINT bits)
{
    m_nCornerStyle = bits;
    m_Compose();
}

void CStatusbar::m_SetLevels(int left, int right)
{
    auto scale = [](int v) { return (v < 0 ? 0 : v > 32767 ? 32767 : v) * 256 / 32767; };
    m_nLevelLeft = scale(left);
    m_nLevelRight = scale(right);
    m_Compose();
}

void CStatusbar::m_ResetProgress(int redraw)
{
    m_nProgressMin = 0;
    m_nProgressMax = 10000;
    m_nProgressValue = 0;
    m_Compose();
    if (redraw && m_hWnd) UpdateWindow(m_hWnd);
}

void CStatusbar::m_SetProgressRange(int maximum)
{
    m_nProgressMin = 0;
    m_nProgressMax = maximum;
    m_Compose();
}

void CStatusbar::m_SetProgress(int value)
{
    m_nProgressValue = value;
    m_Compose();
}

void CStatusbar::m_Update() { m_Compose(); }

const wchar_t* CStatusbar::m_GetPaneText(int pane) const
{
    if (pane < 0 || pane >= STATUS_PANE_COUNT) return L"";
    return m_Panes[pane].szText;
}

int CStatusbar::m_GetPaneAlpha(int pane) const
{
    if (pane < 0 || pane >= STATUS_PANE_COUNT) return 0;
    return m_Panes[pane].nAlpha;
}

ARGB CStatusbar::m_GetPaneColor(int pane) const
{
    if (pane < 0 || pane >= STATUS_PANE_COUNT) return 0;
    return m_Panes[pane].colour;
}

int CStatusbar::m_GetWindowText(wchar_t* out, int capacity) const
{
    if (!out || capacity < 1) return 0;
    int n = 0;
    for (int pane = 0; pane < STATUS_PANE_COUNT; ++pane) {
        if (pane > 0)
            for (const wchar_t* s = L"\r\n"; *s && n < capacity - 1; ++s) out[n++] = *s;
        for (const wchar_t* s = m_Panes[pane].szText; *s && n < capacity - 1; ++s)
            out[n++] = *s == L'`' ? L' ' : *s;
    }
    out[n] = 0;
    return n;
}

// The caller's buffer size (wParam) bounds the copy, and the copy always
// ends with its terminator.
LRESULT CStatusbar::m_OnGetText(WPARAM capacity, LPARAM buffer) const
{
    wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
    if (!out || capacity == 0) return 0;
    const int cap = capacity > kStatusWindowTextCap ? kStatusWindowTextCap : int(capacity);
    return m_GetWindowText(out, cap);
}

void CStatusbar::m_Repaint()
{
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

BOOL CStatusbar::m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result)
{
    result = 0;
    switch (msg) {
        case WM_PAINT:
            m_PaintImage(&m_Image);
            return TRUE;
        case WM_NCHITTEST:
        case WM_ERASEBKGND:
        case WM_NOTIFY:
        case WM_CREATE:
        case WM_DESTROY:
        case WM_ENABLE:
            return TRUE;
        case WM_MOUSEMOVE:
            if (!m_bHover) {
                m_bHover = 1;
                TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
                TrackMouseEvent(&tme);
            }
            return TRUE;
        case WM_MOUSELEAVE:
            m_bHover = 0;
            return TRUE;
        case WM_SIZE:
            m_OnSize(LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_TIMER:
            if (wParam == STATUS_TIMER_MESSAGE)
                m_OnMessageTimer();
            else if (wParam == STATUS_TIMER_BLINK)
                m_OnBlinkTimer();
            else
                m_OnFadeTimer(UINT(wParam));
            return TRUE;
        case WM_GETTEXT:
            result = m_OnGetText(wParam, lParam);
            return TRUE;
    }
    const bool button = msg >= WM_LBUTTONDOWN && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL &&
                        msg != WM_MOUSEHWHEEL;
    return button || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}
