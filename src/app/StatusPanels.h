// The painters of the main window's panels: the control panel that holds
// the bars, the control-bar panel inside it, the button panel that holds
// the control-bar buttons, and the seek-preview picture. Each is installed
// on its panel as a subclass procedure; the panels pass mouse and key input
// on to the main window.
#pragma once
#include <windows.h>

class CArgbImage;

enum EPANELKIND {
    PANEL_CONTROL = 1,      // holds the seek bar, the control bar and the status bar
    PANEL_CONTROL_BAR = 2,  // the control-bar row: volume slider, buttons, inline seek bar
    PANEL_BUTTONS = 3,      // the control-bar buttons in their order
    PANEL_PICTURE = 4,      // the seek-preview picture
};

// The colours the panels paint with; the look code of the main window sets
// them whenever the face colour changes.
struct SPANELLOOK {
    COLORREF back;       // the bar background (face) colour
    COLORREF frameLine;  // the line along the control panel's top edge
    COLORREF separator;  // separators between rows and between buttons
    int bFrameLine;      // the top line is drawn
    int bFlatButtons;    // buttons without a frame: narrower slots
};
extern SPANELLOOK g_PanelLook;

// Codes of the button order list ([Ctrl] "BtnOdr") that are not buttons.
enum { BUTTON_ORDER_BLANK = 254, BUTTON_ORDER_SEPARATOR = 255 };

// Installs the painter of the kind on the panel; FALSE when it cannot.
BOOL m_Panel_Install(HWND panel, EPANELKIND kind);
// The seek-preview image the picture panel shows (not owned; null: none).
void m_PicturePanel_SetImage(const CArgbImage* image);
