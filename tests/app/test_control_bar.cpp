// The button row of the real main window: the overflow button of a narrow
// window and the expanded mode it opens.
#include <doctest/doctest.h>

#include "MainWindowFixture.h"
#include "app/Layout.h"
#include "controls/SliderPlus.h"
#include "settings/SettingsMain.h"

namespace {

class CBarFixture : public CMainWindowFixture {
public:
    CBarFixture()
    {
        g_Settings.Ctrl_Btn[0] = 28;
        g_Settings.Ctrl_Btn[1] = 0;
        g_Settings.Ctrl_Vol = 58;
        g_Settings.Ctrl_Style[0] = 2;
        for (int& on : g_MainWindowState.nCtrl) on = 1;
        g_MainWindowState.nCtrl[3] = 0;
        g_MainWindowState.nHideButtons = 0;
        m_LoadButtonOrder();
    }
    ~CBarFixture()
    {
        m_SetControlBarMode(0);
        for (int& on : g_MainWindowState.nCtrl) on = 0;
    }
    static HWND Row()
    {
        return GetDlgItem(GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL), IDC_BUTTON_PANEL);
    }
    static HWND Child(int id) { return GetDlgItem(Row(), id); }
    static RECT Rect(HWND hwnd)
    {
        RECT rc;
        GetWindowRect(hwnd, &rc);
        MapWindowPoints(nullptr, Row(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
};

}  // namespace

TEST_CASE_FIXTURE(CBarFixture,
                  "a narrow window shows the overflow button; expanding hides the volume")
{
    Place(100, 100, 900, 400);
    HWND extra = Child(IDC_EXTRA_BUTTON);
    REQUIRE(extra);
    CHECK_FALSE(IsWindowVisible(extra));

    Place(100, 100, 360, 400);
    CHECK(IsWindowVisible(extra));
    CHECK(IsWindowVisible(g_VolumeSlider.m_GetHwnd()));
    RECT row, at;
    GetClientRect(Row(), &row);
    at = Rect(extra);
    CHECK(at.right <= Rect(Child(IDC_VOLUME_BUTTON)).left);

    m_SetControlBarMode(1);
    at = Rect(extra);
    CHECK(at.right == row.right);
    CHECK_FALSE(IsWindowVisible(g_VolumeSlider.m_GetHwnd()));
    CHECK_FALSE(IsWindowVisible(Child(IDC_VOLUME_BUTTON)));

    // Any resize closes the expanded row again.
    Place(100, 100, 380, 400);
    CHECK(m_GetControlBarMode() == 0);
    CHECK(IsWindowVisible(g_VolumeSlider.m_GetHwnd()));
}
