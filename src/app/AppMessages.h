// Window messages of the main window: what the engine, the worker threads,
// the tool windows and the popup menus send it.
#pragma once
#include <windows.h>

// The engine's own messages (graph events, frames, chapters, preview).
#include "engine/EngineMessages.h"

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
    WM_APP_MENUCOMMAND = WM_APP + 3000,
    WM_APP_MENUSUBMENU = WM_APP + 3003,
    WM_APP_MENUGETTIP = WM_APP + 3004,
    WM_APP_MENUCLOSING = WM_APP + 3006,
    WM_APP_MENUCLOSED = WM_APP + 3007,
    WM_APP_MENUDISMISSED = WM_APP + 3008,
};

// The registered message of the system-audio object's notices.
#define ZV_SYSAUDIO_NOTIFY_NAME L"SystemAudioCtrlClass_Notify"
