// Cases of chapters, markers, play ranges and streams.
#include <stdlib.h>

#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

void m_ChapterCase(const wchar_t* text)
{
    int v[2] = {0, -1};
    m_Exec_Ints(text, v, 2);
    if (v[0] == 1) {
        // 1 stands for the setting's distance; -1 lets the add read it.
        g_ExecOps.Chapter_AddCurrent(v[1] == 1 ? abs(g_Settings.Common_ChapRep) : v[1]);
    } else if (v[0] == 2) {
        g_ExecOps.Chapter_DeleteCurrent();
    } else if (v[0] == -1) {
        g_ExecOps.Chapter_Reset(g_PlayingTrack, 1);
    }
}

void m_MarkerCase(int value)
{
    if (value == 1)
        g_ExecOps.Marker_AddCurrent();
    else if (value == 2)
        g_ExecOps.Marker_DeleteNearest();
    else if (value == 3 || value == 4)
        g_ExecOps.Marker_Step(value == 3 ? -1 : 1);
}

void m_RangeCase(const wchar_t* text)
{
    int v[2] = {0, -1};
    m_Exec_Ints(text, v, 2);
    const int save = v[1] == -1 ? g_Settings.Common_RngAtRel : v[1];
    // Kinds -1..4 are the range commands in this order.
    static const int kCommands[6] = {0, 3, 1, 5, 6, 4};
    if (v[0] >= -1 && v[0] <= 4) {
        g_ExecOps.PlayRange_Command(kCommands[v[0] + 1], 1);
    } else if (v[0] == 5) {
        g_ExecOps.PlayRange_AddCurrent(save, 1);
    } else if (v[0] == 6) {
        g_ExecOps.PlayRange_Command(7, 1);
        if (save) g_ExecOps.PlayRange_Command(3, 0);
    }
}

void m_RangeMoveCase(const wchar_t* text)
{
    int v[3] = {0, -1, -1};
    m_Exec_Ints(text, v, 3);
    const int stop = v[1] == -1 ? 1 : v[1];
    const int cross = v[2] == -1 ? g_MainWindowState.nRangeRepeat == 3 : v[2];
    if (v[0] == 1 || v[0] == -1)
        g_ExecOps.PlayRange_Step(v[0], stop, cross);
    else if (v[0] == 2 || v[0] == -2)
        g_ExecOps.PlayRange_StepFile(v[0] / 2, 0, -1, 1);
}

void m_RangeRepeatCase(const wchar_t* text)
{
    int single = -1;
    int mode = m_Exec_NextInList(text, 4, g_MainWindowState.nRangeRepeat, &single);
    if (mode == -2) mode = single;
    g_ExecOps.RangeRepeat_SetMode(mode);
}

}  // namespace

int m_Exec_Edit(const SFUNCTIONBIND& a)
{
    switch (a.Function) {
        case FUNC_CHAPTER_EDIT:
            m_ChapterCase(a.Arg);
            return 1;
        case FUNC_MARKER:
            m_MarkerCase(a.Param);
            return 1;
        case FUNC_RANGE:
            m_RangeCase(a.Arg);
            return 1;
        case FUNC_RANGE_MOVE:
            m_RangeMoveCase(a.Arg);
            return 1;
        case FUNC_RANGE_REPEAT:
            m_RangeRepeatCase(a.Arg);
            return 1;
        case FUNC_STREAM:
            g_ExecOps.Stream_Select(a.Param);
            return 1;
    }
    return 0;
}
