// The state fixed at start-up, shared by the whole run.
#include "app/Startup.h"

DWORD g_StartTime;
DWORD g_StartTick;
int g_IniVersion;
wchar_t g_InstanceName[MAX_PATH + 1];
HANDLE g_hInstanceMutex;
UINT g_NotifyMessage;
HACCEL g_hAccelMain;
HPOWERNOTIFY g_hPowerNotify;
HWND g_hDlgCurrent;
int g_DpiPercent = 100;
int g_StartingUp;
int g_InitDone;
int g_JumpListStartMode;
wchar_t g_PendingPath[MAX_PATH + 1];
