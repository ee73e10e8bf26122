// Runs the player's main window and message loop with the about box asked
// for as many times as the command line says (default 3), so that a
// behaviour test can look at the box and type into it.
#include <windows.h>

#include <stdlib.h>

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/MessageLoop.h"
#include "app/Startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR line, int)
{
    m_InitPaths();
    m_RegisterMainClass(instance);
    if (!m_CreateMainWindow(instance)) return 1;
    SetWindowPos(g_hWndMain, nullptr, 200, 150, 800, 500, SWP_NOZORDER);
    ShowWindow(g_hWndMain, SW_SHOWNORMAL);
    int count = line && line[0] ? _wtoi(line) : 3;
    for (int i = 0; i < count; ++i) m_ShowAboutBox(1, 1);
    return m_RunMessageLoop();
}
