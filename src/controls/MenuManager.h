// The owner of one window's popup menus: the scale, the style block, the
// fonts, icon strips and drop-shadow frame all its popups share, and a
// hidden relay window through which every notice of its popups reaches the
// owner window. One popup of a manager is tracked at a time.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/MenuPlus.h"
#include "controls/MenuStyle.h"

// PNG resources of the icon strips (32 px square cells at 200 %).
constexpr WORD IDPNG_MENUICONS = 169;
constexpr WORD IDPNG_MENUITEMICONS = 168;

// Text-height slots of the manager (a different order from the fonts).
enum {
    MENUHEIGHT_NORMAL = 0,
    MENUHEIGHT_SHORTCUT = 1,
    MENUHEIGHT_BOLD = 2,
    MENUHEIGHT_HEADING = 3,
};

class CMenuManager {
public:
    CMenuManager();
    ~CMenuManager();
    CMenuManager(const CMenuManager&) = delete;
    CMenuManager& operator=(const CMenuManager&) = delete;

    int m_Init();
    void m_SetScale(UINT percent, int rebuild);
    int m_Scale(int value, int divisor) const;
    double m_ScaleF(double value) const;
    // Copies the style block, and the extra value when asked.
    void m_GetStyle(SMENUSTYLE* out, UINT64* extraOut = nullptr) const;
    void m_SetStyle(const SMENUSTYLE* style, int rebuild, CMenuPlus* popup);
    static void m_GetSizePreset(SMENUSTYLE* style, int preset);
    void m_SetWindows(HWND parent);
    CMenuPlus* m_CreatePopup(HWND parent, HWND owner, UINT menuId);
    void m_ApplyStyleToPopup(CMenuPlus* popup);
    int m_TrackPopup(CMenuPlus* popup, UINT mode, LONG64 point);
    void m_CloseActive();
    void m_CloseIfOwner(int unused, HWND window);
    void m_CloseMenus();
    bool m_IsMenuActive() const { return m_ActiveMenuId != -1; }
    int m_GetActiveMenuId() const { return m_ActiveMenuId; }

    // Rebuilding the shared look.
    void m_BuildFonts();
    void m_BuildIcons();
    void m_BuildFrame();

    static LRESULT CALLBACK m_RelayProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Fields (public: popups and tests read them).
    WNDPROC m_OldRelayProc;
    UINT m_IconsRecolored;
    UINT m_ScalePercent;
    SMENUSTYLE m_Style;
    UINT64 m_StyleExtra;
    UINT m_Initialised;
    HWND m_hWndParent;
    HWND m_hWndOwner;
    HWND m_hWndRelay;
    int m_ActiveMenuId;
    CMenuPlus* m_pActive;
    CMenuPlus* m_pPrevious;
    CArgbImage m_IconImage;
    CArgbImage m_ItemIconImage;
    CArgbImage m_FrameImage;
    RECT m_FrameMargins;
    RECT m_FrameCorners;
    HFONT m_hFonts[4];     // MENUFONT_*: normal, bold, heading, shortcut
    int m_TextHeights[4];  // MENUHEIGHT_*: normal, shortcut, bold, heading
    wchar_t m_FaceName[32];
    int m_Sizes[5];  // font, heading, shortcut size; weight, bold weight

private:
    LRESULT m_Relay(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void m_ForgetPopup(CMenuPlus* popup);
};

// The main window's manager.
extern CMenuManager g_MenuManager;
