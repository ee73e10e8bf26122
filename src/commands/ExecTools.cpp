// Cases of capture, jump lists, menus, options, launcher, timer, files,
// beeps and tasks.
#include <windows.h>

#include <strsafe.h>
#include <wchar.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "jumplist/JumpListCommands.h"
#include "library/LauncherCommands.h"
#include "settings/IniPath.h"
#include "timer/TimerCommands.h"

namespace {

constexpr int kMinutesCap = 0x7FFFFFFF / 60;

void m_CaptureCase(int value)
{
    if (m_Launcher_HoldsPlayback()) {
        m_Exec_Refuse();
        return;
    }
    if (value == -1)
        g_ExecOps.Capture_SaveAs(0);
    else if (value == -2)
        g_ExecOps.Capture_ToClipboard(0);
    else
        g_ExecOps.Capture_ByPreset(value);
}

void m_JumpListCreateCase(const wchar_t* text, int parameter)
{
    int v[2] = {0, 0};
    const int read = m_Exec_Ints(text, v, 2);
    const int x = v[0];
    const int a = x < 0 ? (x == -0x7FFFFFFF - 1 ? 0x7FFFFFFF : -x) : x;
    const int hasY = read >= 2 && wcschr(text, L',');
    const int b = hasY ? v[1] : a;
    const int c = hasY && b < a ? b : a;
    if (x == 0 || x == 1)
        g_ExecOps.JumpList_Create(-1, 0, 0, 0, 0);
    else if (parameter == 2)
        g_ExecOps.JumpList_Create(-2, 0, 0, 0, 0);
    else if (x >= 3)
        g_ExecOps.JumpList_Create(0, c, a, b, 0);
    else if (x == -1)
        g_ExecOps.JumpList_Create(-1, 0, 0, 0, 1);
    else if (x == -2)
        g_ExecOps.JumpList_Create(-2, 0, 0, 0, 1);
    else if (x <= -3)
        g_ExecOps.JumpList_Create(0, c, a, b, 1);
}

void m_JumpListPreviewCase(const wchar_t* text, int holdKey)
{
    int v[4] = {0, -1, -1, -1};
    m_Exec_Ints(text, v, 4);
    const int preview = v[0] >= 1 && v[0] <= 3 ? v[0] + 1 : 1;
    if (v[0] == 1 && !m_JumpList_IsShown()) g_ExecOps.JumpList_Command(1);
    g_ExecOps.JumpList_PreviewToggle(preview, holdKey, v[1], v[2], v[3]);
}

struct SMENUNAME {
    const wchar_t* name;
    UINT id;
};
const SMENUNAME kMenus[] = {
    {L"MAIN", 240},     {L"REPEAT", 2312}, {L"SEEKBAR", 2333},  {L"SIZE", 2310},
    {L"FILE", 2306},    {L"TIMER", 2311},  {L"TOOL", 2307},     {L"CTRL", 2305},
    {L"FILTER", 2340},  {L"RECENT", 2323}, {L"STREAM", 2326},   {L"RANK", 2325},
    {L"RATE", 2330},    {L"FAVO", 2320},   {L"PLAYLIST", 2318}, {L"OPTION", 2332},
    {L"CHAPTER", 2335}, {L"POWER", 2341},  {L"RANGE", 2336},    {L"AUDIO", 2329},
    {L"MARKER", 2338},  {L"VOL", 2309},    {L"JUMPLIST", 2314}, {L"BALANCE", 2327},
    {L"CAPTURE", 2317}, {L"TIME", 2342},
};

void m_MenuText(const wchar_t* format, const wchar_t* name)
{
    wchar_t text[64];
    // A long name is cut, never overrun.
    (void)StringCchPrintfW(text, 64, format, name);
    CharUpperW(text);
    g_ExecOps.ShowText(text, 1, -1, -1, -1, -1, -1);
}

constexpr int kMenuInset = 4;

// In full screen the menu stays inside the full-screen area above its
// control strip, kMenuInset within; 0 outside full screen.
int m_MenuLimit(RECT* out)
{
    if (!g_FullScreen) return 0;
    RECT rc = m_FullScreen_GetRect();
    if (IsRectEmpty(&rc)) return 0;
    const RECT control = m_FullScreen_GetStrip(FS_STRIP_CONTROL);
    if (!IsRectEmpty(&control) && control.top > rc.top && control.top < rc.bottom)
        rc.bottom = control.top;
    InflateRect(&rc, -kMenuInset, -kMenuInset);
    *out = rc;
    return 1;
}

// Just inside the video area's lower left.
POINT m_MenuPoint()
{
    RECT video;
    m_GetVideoArea(&video);
    POINT pt = {video.left + kMenuInset, video.bottom - kMenuInset};
    if (g_hWndMain) ClientToScreen(g_hWndMain, &pt);
    return pt;
}

// The same menu asked again while it is open closes it.
void m_MenuCase(const wchar_t* name)
{
    UINT id = 0;
    for (const SMENUNAME& m : kMenus)
        if (CompareStringOrdinal(m.name, -1, name, -1, TRUE) == CSTR_EQUAL) id = m.id;
    if (!id) {
        m_MenuText(L"ERR NAME / MENU : %s", name);
        m_Exec_Refuse();
        return;
    }
    const int open = g_ExecOps.Menu_ActiveId();
    if (open != -1) {
        g_ExecOps.Menu_CloseActive();
        if (static_cast<UINT>(open) == id) {
            g_ExecOps.ClearText(0);
            return;
        }
    }
    m_MenuText(L"MENU : %s", name);
    g_ExecOps.ResetCursorHide(1);
    RECT limit;
    const int limited = m_MenuLimit(&limit);
    const POINT at = limited ? POINT{limit.left, limit.bottom} : m_MenuPoint();
    if (!g_ExecOps.ShowPopupMenu(id, at, limited ? &limit : nullptr)) {
        m_MenuText(L"ERR / MENU : %s", name);
        m_Exec_Refuse();
        return;
    }
    g_ExecOps.SetHoverTimer(1, 1);
}

void m_OptionCase(const wchar_t* text)
{
    int v[3] = {0, 0, 0};
    m_Exec_Ints(text, v, 3);
    const int page = v[1] > 0 ? v[1] - 1 : -1;
    const int menu = v[1] == 7 && v[2] > 0 ? v[2] - 1 : -1;
    if (v[0] == -1 || v[0] == 1 || v[0] == 0 || menu >= 0) g_ExecOps.Options_Show(v[0], page, menu);
}

void m_TimerCase(int id, int value)
{
    const int minutes = value > kMinutesCap
                            ? kMinutesCap * 60
                            : (value < -kMinutesCap ? -kMinutesCap * 60 : value * 60);
    switch (id) {
        case FUNC_ONTIMER_SEC:
        case FUNC_OFFTIMER_SEC:
            g_ExecOps.Timer_Arm(id == FUNC_ONTIMER_SEC ? TIMER_ON : TIMER_OFF, value);
            break;
        case FUNC_ONTIMER:
        case FUNC_OFFTIMER:
            g_ExecOps.Timer_Arm(id == FUNC_ONTIMER ? TIMER_ON : TIMER_OFF, minutes);
            break;
        case FUNC_ONTIMER_ADD:
        case FUNC_OFFTIMER_ADD:
            g_ExecOps.Timer_Lengthen(id == FUNC_ONTIMER_ADD ? TIMER_ON : TIMER_OFF, minutes);
            break;
        case FUNC_TIMER_STOP:
            if (value >= -2 && value <= 2) g_ExecOps.Timer_StopCmd(value);
            break;
    }
}

void m_TestCase(int value)
{
    if (value == 1)
        g_ExecOps.Bind_ShowTable();
    else if (value == 2)
        g_ExecOps.Settings_Rewrite();
    else if (value == 3)
        g_ExecOps.ChooseColour();
}

void m_OpenCase(int value)
{
    if (value == 0 || value == 1)
        g_ExecOps.OpenDialog(value, 0);
    else if (value == 2)
        g_ExecOps.ReopenMediaFile(1);
    else if (value == 3)
        g_ExecOps.OpenParentFolder();
    else if (value == 4 || value == 5)
        g_ExecOps.OpenAlone(value == 5);
}

void m_BeepCase(int value)
{
    static const UINT kTypes[5] = {0, MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION,
                                   MB_ICONASTERISK};
    g_ExecOps.MessageBeep(value >= 0 && value <= 4 ? kTypes[value] : 0xFFFFFFFF);
}

void m_ShowNumber(const wchar_t* format, int value)
{
    wchar_t text[48];
    if (SUCCEEDED(StringCchPrintfW(text, 48, format, value)))
        g_ExecOps.ShowText(text, -1, -1, -1, -1, -1, -1);
}

// [Task] "n": "OPEN:path" opens the path and plays it, as the command line
// does; anything else runs as a task.
void m_TaskCase(int value)
{
    m_ShowNumber(L"TASK : %d", value);
    wchar_t key[16], task[513] = {};
    StringCchPrintfW(key, 16, L"%d", value);
    GetPrivateProfileStringW(L"Task", key, L"", task, 513, g_IniPath);
    if (!wcsncmp(task, L"OPEN:", 5)) {
        g_ExecOps.OpenFile(task + 5, 1, 1, 0, 1, -1);
        return;
    }
    if (task[0] && g_ExecOps.RunTask(task)) return;
    m_ShowNumber(L"ERROR````TASK : %d", value);
}

}  // namespace

int m_Exec_Tools(const SFUNCTIONBIND& a, int holdKey)
{
    const int id = a.Function, p = a.Param;
    if (id >= FUNC_ONTIMER_SEC && id <= FUNC_TIMER_STOP &&
        (id <= FUNC_OFFTIMER_ADD || id == FUNC_TIMER_STOP)) {
        m_TimerCase(id, p);
        return 1;
    }
    switch (id) {
        case FUNC_CAPTURE:
            m_CaptureCase(p);
            return 1;
        case FUNC_JUMPLIST:
            if (p >= -1 && p <= 3) g_ExecOps.JumpList_Command(p);
            return 1;
        case FUNC_JUMPLIST_CREATE:
            m_JumpListCreateCase(a.Arg, p);
            return 1;
        case FUNC_JUMPLIST_PREVIEW:
            m_JumpListPreviewCase(a.Arg, holdKey);
            return 1;
        case FUNC_MENU:
            m_MenuCase(a.Arg);
            return 1;
        case FUNC_OPTION:
            m_OptionCase(a.Arg);
            return 1;
        case FUNC_TIMER:
            g_ExecOps.Timer_ToggleDialog();
            return 1;
        case FUNC_LAUNCHER:
            g_ExecOps.Launcher_Toggle();
            return 1;
        case FUNC_TEST:
            m_TestCase(p);
            return 1;
        case FUNC_OPEN:
            m_OpenCase(p);
            return 1;
        case FUNC_FILE_TOOL:
            if (p >= 0 && p <= 7) g_ExecOps.FileTool(p);
            return 1;
        case FUNC_BEEP:
            m_BeepCase(p);
            return 1;
        case FUNC_TASK:
            m_TaskCase(p);
            return 1;
    }
    return 0;
}
