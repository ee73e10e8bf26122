// Window messages of the main window: what the engine, the worker threads,
// the tool windows and the popup menus send it.
#pragma once
#include <windows.h>

// The engine's own messages (graph events, frames, chapters, preview).
#include "engine/EngineMessages.h"
// The popup menus' messages.
#include "controls/MenuMessages.h"

enum : UINT {
    WM_APP_OPTDLGCLOSED = WM_APP + 3,
    WM_APP_SCANDONE = WM_APP + 4,
    WM_APP_OPENDONE = WM_APP + 7,
    WM_APP_FSHITTEST = WM_APP + 13,
    WM_APP_RECENTCHECKED = WM_APP + 14,
    WM_APP_RECENTCHECKDONE = WM_APP + 17,
    WM_APP_SCANITEM = WM_APP + 18,
    WM_APP_SCANPROGRESS = WM_APP + 41,
    WM_APP_NOTIFYMAIN = WM_APP + 999,
};

// The registered message of the system-audio object's notices.
#define ZV_SYSAUDIO_NOTIFY_NAME L"SystemAudioCtrlClass_Notify"
