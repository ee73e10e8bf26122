// Program entry of Zentavio.exe.
#include <windows.h>

#include "app/CommandLine.h"
#include "app/JpegHandOff.h"
#include "app/MainWindow.h"
#include "app/MessageLoop.h"
#include "app/Shutdown.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "resources/resource.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

// {2B84C20E-AD23-4DDF-93DB-05FFBD7EFCA5}
static const GUID kSessionDisplayStatus = {
    0x2B84C20E, 0xAD23, 0x4DDF, {0x93, 0xDB, 0x05, 0xFF, 0xBD, 0x7E, 0xFC, 0xA5}};

static int m_CreateWindowAndRun(HINSTANCE instance, int showCommand)
{
    HRESULT hr = CoInitialize(nullptr);
    if (FAILED(hr))
        m_WriteLog(L"MAIN_%d : Error / CoInitialize() = 0x%08X", __LINE__, (unsigned)hr);
    m_RegisterMainClass(instance);
    if (!m_CreateMainWindow(instance)) return 0;
    m_MarkInstanceWindow(g_hWndMain);
    g_hAccelMain = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCEL_MAIN));
    m_InitInstance(showCommand);
    if (g_JumpListStartMode == 2) m_Shutdown();
    g_hPowerNotify = RegisterPowerSettingNotification(g_hWndMain, &kSessionDisplayStatus,
                                                      DEVICE_NOTIFY_WINDOW_HANDLE);
    m_ShowStartNotice();
    int code = m_RunMessageLoop();
    CoUninitialize();
    return code;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    g_StartTime = timeGetTime();
    g_StartTick = GetTickCount();
    m_InitCommandLine(&g_CmdLine);
    m_ParseCommandLine(&g_CmdLine, GetCommandLineW());
    m_InitPaths();
    m_DetectWindowsVersion(GetPrivateProfileIntW(L"Main", L"Os", -1, g_IniPath),
                           GetPrivateProfileIntW(L"Main", L"Gui", -1, g_IniPath));
    if (m_JpegHandOff(g_CmdLine.nArgCount, g_CmdLine.pArgs)) return 0;
    m_ReadStartSwitches();
    int running = m_CreateInstanceMutex();
    if (running && !g_Settings.Common_Mlt && !g_CmdLine.bNewInstance) {
        m_HandOverToPrevInstance();
        return 0;
    }
    return m_CreateWindowAndRun(instance, showCommand);
}
