#include "commands/Executor.h"

#include <wchar.h>

#include "app/Layout.h"
#include "base/NumberList.h"
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/MenuPresets.h"

int g_RepeatSkipCount;
int g_ShowMenuBar;

namespace {

// Held keys repeat only the functions that step a value.
int m_MayRepeat(int id)
{
    switch (id) {
        case 10:
        case 11:
        case 14:
        case 15:
        case 37:
        case 38:
        case 39:
        case 45:
        case 49:
        case 61:
        case 141:
        case 142:
            return 1;
    }
    return id >= 128 && id <= 135;
}

}  // namespace

int m_Exec_ShowBar(int functionId, int value, int keepVideoSize)
{
    if (functionId < FUNC_SHOW_MENUBAR || functionId > FUNC_SHOW_STATUSBAR) return 0;
    int* flags[4] = {&g_ShowMenuBar, &g_ShowSeekBar, &g_ShowButtonRow, &g_ShowStatusBar};
    int& flag = *flags[functionId - FUNC_SHOW_MENUBAR];
    const int on = value == 1 ? 1 : (value == 0 ? 0 : !flag);
    if (keepVideoSize) {
        g_ExecOps.SetBarKeepingVideo(&flag, on);
        return 1;
    }
    flag = on;
    g_ExecOps.RelayoutClientArea();
    return 1;
}

int m_ExecFunction(const SFUNCTIONBIND* action, int holdKey, int autoRepeat)
{
    if (!action) return 0;
    const int id = action->Function;
    if (!autoRepeat) {
        g_RepeatSkipCount = 0;
    } else if (g_RepeatSkipCount > 0) {
        --g_RepeatSkipCount;
        return 0;
    } else if (!m_MayRepeat(id)) {
        return 0;
    }
    if (id >= FUNC_SHOW_MENUBAR && id <= FUNC_SHOW_STATUSBAR)
        return m_Exec_ShowBar(id, action->Param, 0);
    if (id < 1 || id > 159) return 0;
    // The argument text of a table entry is always terminated.
    SFUNCTIONBIND a = *action;
    a.Arg[31] = 0;
    return m_Exec_Playback(a, holdKey) || m_Exec_Edit(a) || m_Exec_Window(a, holdKey) ||
           m_Exec_Sound(a, holdKey) || m_Exec_Tools(a, holdKey);
}

int m_ExecFunctionById(int functionId, int parameter, const wchar_t* text)
{
    SFUNCTIONBIND a = {};
    a.Function = functionId;
    a.Param = parameter;
    if (text) lstrcpynW(a.Arg, text, 32);
    return m_ExecFunction(&a, 0, 0);
}

int m_ExecBinding(const SMENUPRESET* preset)
{
    if (!preset) return 0;
    return m_ExecFunctionById(static_cast<int>(preset->Function), preset->Param, preset->Arg);
}

int m_Exec_Toggle(int value, int current) { return value == 0 || value == 1 ? value : !current; }

int m_Exec_Ints(const wchar_t* text, int* out, int count)
{
    wchar_t copy[32] = {};
    if (text) lstrcpynW(copy, text, 32);
    return m_ParseIntList(copy, out, count, 0);
}

int m_Exec_NextInList(const wchar_t* text, int count, int current, int* single)
{
    int slots[5] = {-1, -1, -1, -1, -1};
    if (count > 5) count = 5;
    const int read = m_Exec_Ints(text, slots, count);
    if (read <= 1) {
        *single = slots[0];
        return -2;
    }
    int at = -1;
    for (int i = 0; i < count && at < 0; ++i)
        if (slots[i] == current) at = i;
    for (int n = 1; n <= count; ++n) {
        const int i = (at + n) % count;
        if (slots[i] != -1) return slots[i];
    }
    return -2;
}

void m_Exec_Refuse() { g_ExecOps.PlaySoundCue(8); }
