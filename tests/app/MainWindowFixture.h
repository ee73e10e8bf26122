// The real main window of the player, made for one test on top of a
// settings file of its own, with the tool windows gone again afterwards.
#pragma once
#include <windows.h>

#include "../settings/SettingsFixture.h"
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "app/WindowPlacement.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "library/Library.h"
#include "playlist/Playlist.h"

class CMainWindowFixture : public CSettingsFixture {
public:
    CMainWindowFixture()
    {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        m_DetectWindowsVersion(-1, -1);
        g_DpiPercent = 100;
        g_InitDone = 1;
        g_VideoAspect = 16.0 / 9.0;
        m_RegisterMainClass(instance);
        REQUIRE(m_CreateMainWindow(instance));
        Place(200, 150, 800, 500);
        ShowWindow(g_hWndMain, SW_SHOWNORMAL);
        m_ReadPlayListWnd();
        m_ReadFavoWndPos();
    }
    ~CMainWindowFixture()
    {
        m_ShowAboutBox(0, 0);
        g_Playlist.m_DestroyWindow();
        if (m_Favorite_GetWindow()) DestroyWindow(m_Favorite_GetWindow());
        DestroyWindow(g_hWndMain);
        g_hWndMain = nullptr;
        g_InitDone = 0;
        g_DpiPercent = 100;
        // The main window's end posts WM_QUIT; the next test's loop must not see it.
        Pump();
    }

    // The visible main window rectangle.
    static void Place(int x, int y, int w, int h)
    {
        m_SetWindowPos(g_hWndMain, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    }
    static RECT Visible(HWND window)
    {
        RECT rc = {};
        m_GetWindowRect(window, &rc, -1);
        return rc;
    }
    static RECT WorkArea()
    {
        RECT area = {};
        m_GetMonitorRect(&area, nullptr, 0);
        return area;
    }
    static void Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
};
