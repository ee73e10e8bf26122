#include "app/Layout.h"

#include <algorithm>

#include "app/ControlTooltips.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "settings/SettingsMain.h"

int g_TopLine;
int g_BottomLine;
int g_SeekUserWidth;
int g_SeekEdgeDragging;

namespace {

int s_ControlBarMode;
const RECT kNoGrip = {};
RECT s_ButtonHostRect;
RECT s_GripRect;  // in the button row
RECT s_InlineSeekRect;

// In full screen the panel lives in the full-screen window.
HWND m_ControlPanel() { return m_GetControlPanel(); }
HWND m_ButtonPanel() { return GetDlgItem(m_ControlPanel(), IDC_BUTTON_PANEL); }
HWND m_ButtonBar() { return GetDlgItem(m_ButtonPanel(), IDC_BUTTON_BAR); }

// One window of a DeferWindowPos batch: shown at rc, or hidden when rc is
// empty. A missing window is skipped.
HDWP m_Defer(HDWP batch, HWND hwnd, const RECT& rc)
{
    if (!batch || !hwnd) return batch;
    int empty = IsRectEmpty(&rc);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (empty ? SWP_HIDEWINDOW : SWP_SHOWWINDOW);
    return DeferWindowPos(batch, hwnd, nullptr, rc.left, rc.top, empty ? 0 : rc.right - rc.left,
                          empty ? 0 : rc.bottom - rc.top, flags);
}

int m_SeekOwnRow() { return g_ShowSeekBar && !(g_SeekBarInline && g_ShowButtonRow); }
int m_SeekInRow() { return g_ShowSeekBar && g_SeekBarInline && g_ShowButtonRow; }

// Slider proportions from the height of the row they sit in.
void m_SetSeekBarSizes(int seekHeight)
{
    int dpi = g_DpiPercent;
    int thumb = m_GetUIMetric(24, dpi), channel = m_GetUIMetric(26, dpi);
    if (thumb == -1) thumb = (std::max)(m_GetUIMetric(25, dpi), m_RoundByMode(seekHeight / 2.5, 0));
    if (channel == -1) {
        channel = m_RoundByMode(seekHeight / 3.0, 0);
        if (channel % 2 != seekHeight % 2) ++channel;
    }
    g_SeekBar.m_SetThumbSize(thumb, m_GetUIMetric(13, dpi));
    g_SeekBar.m_SetChannelSize(m_GetUIMetric(28, dpi), channel);
    g_SeekBar.m_SetFrameWidth(m_GetUIMetric(1, dpi));
}

void m_SetRowSliderSizes(CSliderPlus* slider, int rowHeight)
{
    int dpi = g_DpiPercent;
    int thumb = m_GetUIMetric(33, dpi), channel = m_GetUIMetric(34, dpi);
    if (thumb == -1)
        thumb = (std::max)(m_GetUIMetric(25, dpi), m_RoundByMode(rowHeight / 2.667, 0));
    if (channel == -1) {
        channel = (std::max)(m_GetUIMetric(27, dpi), m_RoundByMode(rowHeight / 3.333, 0));
        if (channel % 2 != rowHeight % 2) ++channel;
    }
    slider->m_SetThumbSize(thumb, m_GetUIMetric(35, dpi));
    slider->m_SetChannelSize(m_GetUIMetric(28, dpi), channel);
}

void m_Reparent(HWND child, HWND parent)
{
    if (child && parent && GetParent(child) != parent) SetParent(child, parent);
}

}  // namespace

void m_UpdateLineFlags()
{
    int win10 = g_OsVersion >= 10;
    g_TopLine = g_Settings.Ctrl_Sep[0] && win10;
    g_BottomLine = g_Settings.Ctrl_Sep[1] && (g_ShowSeekBar || g_ShowButtonRow) && win10;
}

int m_GetButtonRowHeight()
{
    int dpi = g_DpiPercent;
    if (!m_IsFramedStyle()) return m_ButtonHeightMetric(dpi);
    return m_GetUIMetric(18, dpi) + m_GetUIMetric(19, dpi) + m_ButtonHeightMetric(dpi) -
           2 * m_GetUIMetric(7, dpi);
}

int m_GetControlBarHeight()
{
    int dpi = g_DpiPercent, h = 0, lineDone = !g_BottomLine;
    if (m_SeekOwnRow()) {
        if (!lineDone) h += m_GetUIMetric(9, dpi), lineDone = 1;
        h += m_GetUIMetric(11, dpi) + m_GetUIMetric(10, dpi) + m_GetUIMetric(8, dpi);
        if (g_ShowButtonRow) h += m_GetUIMetric(16, dpi);
    }
    if (g_ShowButtonRow) {
        if (!lineDone) h += m_GetUIMetric(17, dpi), lineDone = 1;
        h += m_GetButtonRowHeight();
    }
    if (g_ShowStatusBar) {
        if (!lineDone) h += m_GetUIMetric(21, dpi);
        h += m_GetUIMetric(23, dpi) + m_GetUIMetric(22, dpi) + m_GetUIMetric(20, dpi);
    }
    return h;
}

void m_LayoutPanels(int width)
{
    HWND panel = m_ControlPanel();
    if (!panel) return;
    int dpi = g_DpiPercent, y = 0, lineDone = !g_BottomLine;
    RECT seek = {}, row = {}, status = {};
    if (m_SeekOwnRow()) {
        if (!lineDone) y += m_GetUIMetric(9, dpi), lineDone = 1;
        int x = m_GetUIMetric(12, dpi);
        if (g_Settings.Ctrl_Style[0] == 1 && !g_ShowButtonRow && !g_ShowStatusBar) x += 3;
        y += m_GetUIMetric(10, dpi);
        int h = m_GetUIMetric(8, dpi);
        seek = RECT{x, y, width - x, y + h};
        y += h + m_GetUIMetric(11, dpi) + (g_ShowButtonRow ? m_GetUIMetric(16, dpi) : 0);
        m_SetSeekBarSizes(h);
    }
    if (g_ShowButtonRow) {
        if (!lineDone) y += m_GetUIMetric(17, dpi), lineDone = 1;
        int h = m_GetButtonRowHeight();
        row = RECT{0, y, width, y + h};
        y += h;
    }
    if (g_ShowStatusBar) {
        if (!lineDone) y += m_GetUIMetric(21, dpi);
        y += m_GetUIMetric(22, dpi);
        status = RECT{0, y, width, y + m_GetUIMetric(20, dpi)};
    }
    HWND seekBar = g_SeekBar.m_GetHwnd();
    m_Reparent(seekBar, m_SeekInRow() ? m_ButtonPanel() : panel);
    HDWP batch = BeginDeferWindowPos(3);
    if (!m_SeekInRow()) batch = m_Defer(batch, seekBar, seek);
    batch = m_Defer(batch, m_ButtonPanel(), row);
    batch = m_Defer(batch, g_StatusBar.m_GetHwnd(), status);
    if (batch) EndDeferWindowPos(batch);
    if (g_ShowButtonRow) m_LayoutControlBar(width);
}

void m_LayoutControlBar(int width)
{
    HWND row = m_ButtonPanel();
    if (!row) return;
    RECT client;
    GetClientRect(row, &client);
    SROWMETRICS m;
    m_ReadRowMetrics(&m, g_DpiPercent);
    SROWINPUT in = {};
    in.nWidth = width == -1 ? client.right : width;
    in.nHeight = m_GetButtonRowHeight();
    in.nHiddenSlots = g_MainWindowState.nHideButtons;
    in.bSeekInline = m_SeekInRow();
    in.nSeekUserWidth = g_SeekUserWidth;
    int thumb = (std::max)(m_GetUIMetric(25, g_DpiPercent), m_RoundByMode(in.nHeight / 2.667, 0));
    in.nSeekMinWidth = in.bSeekInline ? m_ScaleValue(2, g_DpiPercent, 100, 0) + thumb : 0;
    in.bExpanded = s_ControlBarMode == 1;
    in.bDraggingSeek = g_SeekEdgeDragging;
    SROWLAYOUT out;
    m_CalcControlBar(&g_ButtonOrder, &m, &in, &out);
    if (g_MainWindowState.nHideButtons != out.nHiddenSlots) {
        g_MainWindowState.nHideButtons = out.nHiddenSlots;
        m_Settings_ScheduleSave(MAIN_GROUP_PANELS);
    }
    if (!EqualRect(&out.rcButtons, &s_ButtonHostRect)) {
        s_ButtonHostRect = out.rcButtons;
        HWND bar = m_ButtonBar();
        if (bar)
            MoveWindow(bar, out.rcButtons.left, out.rcButtons.top,
                       out.rcButtons.right - out.rcButtons.left,
                       out.rcButtons.bottom - out.rcButtons.top, FALSE);
        m_PlaceButtons(out.nButtonLimit);
    }
    if (in.bSeekInline) m_SetRowSliderSizes(&g_SeekBar, in.nHeight);
    m_SetRowSliderSizes(&g_VolumeSlider, in.nHeight);
    HDWP batch = BeginDeferWindowPos(4);
    batch = m_Defer(batch, GetDlgItem(row, IDC_VOLUME_BUTTON), out.rcVolumeButton);
    batch = m_Defer(batch, g_VolumeSlider.m_GetHwnd(), out.rcVolumeSlider);
    batch = m_Defer(batch, GetDlgItem(row, IDC_EXTRA_BUTTON), out.bOverflow ? out.rcExtra : RECT{});
    if (in.bSeekInline) batch = m_Defer(batch, g_SeekBar.m_GetHwnd(), out.rcSeek);
    if (batch) EndDeferWindowPos(batch);
    if (out.bOverflow && g_ExtraButton.m_GetHwnd()) g_ExtraButton.m_SetFrame(out.nExtraFrame, 1, 0);
    const int grip = in.bSeekInline && !IsRectEmpty(&out.rcSeek);
    s_GripRect = grip ? out.rcGrip : kNoGrip;
    s_InlineSeekRect = in.bSeekInline ? out.rcSeek : kNoGrip;
    m_SetGripRect(&s_GripRect);
    InvalidateRect(row, nullptr, FALSE);
}

int m_GetSeekGripRect(RECT* screen)
{
    HWND row = m_ButtonPanel();
    *screen = s_GripRect;
    if (!row || !IsWindowVisible(row) || IsRectEmpty(&s_GripRect)) return 0;
    MapWindowPoints(row, nullptr, reinterpret_cast<POINT*>(screen), 2);
    return 1;
}

int m_GetInlineSeekWidth()
{
    return IsRectEmpty(&s_InlineSeekRect) ? 0 : s_InlineSeekRect.right - s_InlineSeekRect.left;
}

void m_PlaceButtons(int limit)
{
    HWND bar = m_ButtonBar();
    if (!bar) return;
    SROWMETRICS m;
    m_ReadRowMetrics(&m, g_DpiPercent);
    if (limit == -1)
        limit = m_GetButtonRowWidth(&g_ButtonOrder, &m, 0x7FFFFFFF, g_ButtonOrder.nCount, nullptr);
    // Buttons that are in no slot stay hidden; each button moves once.
    RECT places[kControlButtonCount] = {};
    int x = m.nSpacing, y = m.nFrameInset;
    for (int i = 0; i < g_ButtonOrder.nCount; ++i) {
        int code = g_ButtonOrder.nCodes[i];
        if (code == BTNSLOT_GAP) {
            x += m.nGap;
            continue;
        }
        if (code == BTNSLOT_SEPARATOR) {
            x += m.nSeparator + m.nSpacing;
            continue;
        }
        int id = m_ButtonIdFromCode(code);
        const int index = id - static_cast<int>(kControlButtonFirstId);
        if (!id || index < 0 || index >= kControlButtonCount) continue;
        RECT rc = {x, y, x + m.nButtonWidth, y + m.nButtonHeight};
        if (rc.right > limit) SetRectEmpty(&rc);
        places[index] = rc;
        x += m.nButtonWidth + m.nSpacing;
    }
    HDWP batch = BeginDeferWindowPos(kControlButtonCount);
    for (int i = 0; i < kControlButtonCount; ++i)
        batch = m_Defer(batch, GetDlgItem(bar, kControlButtonFirstId + i), places[i]);
    if (batch) EndDeferWindowPos(batch);
}

void m_RelayoutPanels()
{
    HWND panel = m_ControlPanel();
    if (!panel) return;
    RECT rc;
    GetClientRect(panel, &rc);
    m_LayoutPanels(rc.right);
    InvalidateRect(panel, nullptr, TRUE);
}

void m_SetControlBarMode(int mode)
{
    if (mode == s_ControlBarMode) return;
    s_ControlBarMode = mode;
    s_ButtonHostRect = RECT{};
    // The button moves under the pointer: no hover fade for the jump.
    int button = g_ExtraButton.m_GetHwnd() != nullptr;
    if (button) g_ExtraButton.m_SetHoverFade(0, 1);
    m_RelayoutPanels();
    if (button) g_ExtraButton.m_SetHoverFade(1, 0);
}

int m_GetControlBarMode() { return s_ControlBarMode; }
