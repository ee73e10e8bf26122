// The popup-menu manager: its relay window, creating popups with the shared
// look, tracking one popup at a time and deleting popups once their
// tracking has ended.
#include "controls/MenuManager.h"

#include <cmath>
#include <cstring>
#include <new>

#include "app/MainWindow.h"

CMenuManager g_MenuManager;

namespace {

// The one copy of a posted choice, read by the owner after the loop.
SMENUNOTIFY s_PostedNotice;

}  // namespace

CMenuManager::CMenuManager()
    : m_OldRelayProc(nullptr),
      m_IconsRecolored(0),
      m_ScalePercent(100),
      m_Style(),
      m_StyleExtra(0),
      m_Initialised(0),
      m_hWndParent(nullptr),
      m_hWndOwner(nullptr),
      m_hWndRelay(nullptr),
      m_ActiveMenuId(-1),
      m_pActive(nullptr),
      m_pPrevious(nullptr),
      m_FrameMargins(),
      m_FrameCorners(),
      m_hFonts(),
      m_TextHeights(),
      m_FaceName(),
      m_Sizes{16, 14, 12, 400, 400}
{
}

CMenuManager::~CMenuManager()
{
    if (m_hWndRelay) {
        // Back to the class procedure: nothing is relayed while the popups
        // and the window go.
        if (m_OldRelayProc)
            SetWindowLongPtrW(m_hWndRelay, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(m_OldRelayProc));
        SetWindowLongPtrW(m_hWndRelay, GWLP_USERDATA, 0);
    }
    if (m_pPrevious != m_pActive) delete m_pPrevious;
    delete m_pActive;
    m_pActive = m_pPrevious = nullptr;
    for (HFONT& f : m_hFonts) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
    if (m_hWndRelay) DestroyWindow(m_hWndRelay);
    m_hWndRelay = nullptr;
}

int CMenuManager::m_Init()
{
    if (!m_hWndRelay) {
        m_hWndRelay = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), this);
        if (!m_hWndRelay) return 0;
        SetWindowLongPtrW(m_hWndRelay, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_OldRelayProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_hWndRelay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_RelayProc)));
    }
    m_Initialised = 1;
    m_BuildFrame();
    m_BuildFonts();
    m_BuildIcons();
    return 1;
}

void CMenuManager::m_SetScale(UINT percent, int rebuild)
{
    m_ScalePercent = percent ? percent : 100;
    if (rebuild) m_Init();
}

int CMenuManager::m_Scale(int value, int divisor) const
{
    if (divisor == 0) return 0;
    return static_cast<int>(std::lround(static_cast<double>(m_ScalePercent) * value / divisor));
}

double CMenuManager::m_ScaleF(double value) const { return m_ScalePercent * value / 100.0; }

void CMenuManager::m_GetStyle(SMENUSTYLE* out, UINT64* extraOut) const
{
    if (out) *out = m_Style;
    if (extraOut) *extraOut = m_StyleExtra;
}

// The background colour the frame is drawn with.
static ARGB FrameColor(const SMENUSTYLE& s) { return s.CustomColors ? s.BackColor : 0xFFFFFFFF; }

void CMenuManager::m_SetStyle(const SMENUSTYLE* style, int rebuild, CMenuPlus* popup)
{
    if (!style) return;
    const SMENUSTYLE old = m_Style;
    m_Style = *style;
    if (rebuild) {
        if (old.Shadow != m_Style.Shadow || old.ShadowSize != m_Style.ShadowSize ||
            FrameColor(old) != FrameColor(m_Style))
            m_BuildFrame();
        if (wcsncmp(old.FaceName, m_Style.FaceName, 32) != 0 || old.FontSize != m_Style.FontSize ||
            old.FontWeight != m_Style.FontWeight)
            m_BuildFonts();
        if (old.TextColor != m_Style.TextColor || old.CustomColors != m_Style.CustomColors)
            m_BuildIcons();
    }
    if (!popup) return;
    m_ApplyStyleToPopup(popup);
    popup->m_Refresh(1);
}

void CMenuManager::m_GetSizePreset(SMENUSTYLE* style, int preset)
{
    // shadow size, row height, row gap, padding
    static const int kPresets[5][4] = {
        {29, 20, 1, 1}, {33, 22, 1, 2}, {36, 24, 1, 2}, {40, 26, 1, 2}, {44, 28, 2, 3},
    };
    if (!style || preset < 1 || preset > 5) return;
    const int* p = kPresets[preset - 1];
    style->ShadowSize = p[0];
    style->RowHeight = p[1];
    style->RowGap = p[2];
    style->Padding = p[3];
}

void CMenuManager::m_SetWindows(HWND parent)
{
    m_hWndParent = parent;
    m_hWndOwner = g_hWndMain;
}

CMenuPlus* CMenuManager::m_CreatePopup(HWND parent, HWND owner, UINT menuId)
{
    if (!m_Initialised && !m_Init()) return nullptr;
    if (parent) m_hWndParent = parent;
    if (owner) m_hWndOwner = owner;
    auto* popup = new (std::nothrow) CMenuPlus();
    if (!popup) return nullptr;
    if (!popup->m_Create(m_hWndParent, m_hWndRelay, menuId)) {
        delete popup;
        return nullptr;
    }
    m_ApplyStyleToPopup(popup);
    return popup;
}

void CMenuManager::m_ApplyStyleToPopup(CMenuPlus* popup)
{
    if (!popup) return;
    popup->m_SetFrame(&m_FrameImage, &m_FrameMargins, &m_FrameCorners);
    const int heights[4] = {m_TextHeights[MENUHEIGHT_NORMAL], m_TextHeights[MENUHEIGHT_SHORTCUT],
                            m_TextHeights[MENUHEIGHT_BOLD], m_TextHeights[MENUHEIGHT_HEADING]};
    popup->m_SetLook(m_ScalePercent, &m_Style, m_hFonts, heights, &m_IconImage, &m_ItemIconImage);
}

int CMenuManager::m_TrackPopup(CMenuPlus* popup, UINT mode, LONG64 point)
{
    if (!m_Initialised && !m_Init()) return -1;
    if (!popup) return -1;
    if (m_pActive && m_pActive != popup) {
        m_pPrevious = m_pActive;
        m_CloseActive();
    }
    m_pActive = popup;
    m_ActiveMenuId = static_cast<int>(popup->m_MenuId);
    return popup->m_TrackPopup(mode, point, 0);
}

void CMenuManager::m_CloseActive()
{
    if (m_pActive) {
        m_pActive->m_Hide();
        m_pActive->m_EndTrack();
    }
    m_ActiveMenuId = -1;
}

void CMenuManager::m_CloseIfOwner(int, HWND window)
{
    if (m_pActive && m_ActiveMenuId != -1 && m_pActive->m_hWndParent == window) m_CloseActive();
}

void CMenuManager::m_CloseMenus()
{
    if (m_pActive && m_ActiveMenuId != -1) m_CloseActive();
}

void CMenuManager::m_ForgetPopup(CMenuPlus* popup)
{
    if (!popup) return;
    if (popup == m_pActive) {
        m_pActive = nullptr;
        m_ActiveMenuId = -1;
        delete popup;
    } else if (popup == m_pPrevious) {
        m_pPrevious = nullptr;
        delete popup;
    }
}

LRESULT CALLBACK CMenuManager::m_RelayProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CMenuManager*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (!self && msg == WM_CREATE && lParam)
        self = static_cast<CMenuManager*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (!self) return 0;
    return self->m_Relay(hWnd, msg, wParam, lParam);
}

LRESULT CMenuManager::m_Relay(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto callOld = [&]() {
        return m_OldRelayProc ? CallWindowProcW(m_OldRelayProc, hWnd, msg, wParam, lParam)
                              : DefWindowProcW(hWnd, msg, wParam, lParam);
    };
    switch (msg) {
        case WM_APP_MENUCOMMAND: {
            auto* n = reinterpret_cast<SMENUNOTIFY*>(lParam);
            if (n && n->Closes && n->RunAfterClose) {
                // Runs after the loop, when the popup and its items are gone:
                // the copy carries no pointers into them.
                s_PostedNotice = *n;
                s_PostedNotice.PopupWindow = nullptr;
                s_PostedNotice.Popup = nullptr;
                s_PostedNotice.Item = nullptr;
                PostMessageW(m_hWndOwner, msg, wParam, reinterpret_cast<LPARAM>(&s_PostedNotice));
            } else if (n) {
                SendMessageW(m_hWndOwner, msg, wParam, lParam);
            }
            return callOld();
        }
        case WM_APP_MENUENDTRACK:
            return callOld();
        case WM_APP_MENUCLOSING:
            return SendMessageW(m_hWndOwner, msg, wParam, lParam);
        case WM_APP_MENUCLOSED:
            m_ForgetPopup(reinterpret_cast<CMenuPlus*>(wParam));
            // The popup is gone; only its menu id goes on.
            SendMessageW(m_hWndOwner, msg, 0, lParam);
            return callOld();
        default:
            break;
    }
    // Menu notices and the keys a popup passes on go to the owner; the relay
    // window's own messages (creation, destruction) stay here.
    if (msg >= WM_APP || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST))
        return m_hWndOwner ? SendMessageW(m_hWndOwner, msg, wParam, lParam) : 0;
    return callOld();
}
