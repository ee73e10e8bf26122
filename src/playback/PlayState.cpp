// The play state's globals.
#include "playback/PlayState.h"

int g_PlayState;
int g_MediaOpen;
volatile LONG g_MediaOpenNumber;
int g_PlayStarted;
int g_PlayHeld;
int g_MediaKind;
LONGLONG g_Duration100ns;
int g_DurationMs;
int g_DurationSec;
int g_OpenFailCount;
int g_DefaultListOpened;
int g_AutoStopPending;
DWORD g_AutoStopTick;
HANDLE g_OpenThread;
HWND g_VideoWindow;
int g_KeepJumpList;
int g_FsFitCarryOver = -1;
SOPENREQUEST g_OpenRequest;
