// Stepping through the play ranges of the playing file and across the
// tracks of the playlist, and the range repeat mode that the end of a range
// goes on by.
#include <stdio.h>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "base/SoundCue.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeCore.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

enum { CUE_REFUSED = 8 };
enum { STEP_END = -1 };  // the end-of-range continuation
// A backward step this soon after the active range's start goes to the one before.
constexpr int kBackPastStartMs = 2501;
constexpr int kTextCap = 200;
constexpr int kTimeCap = 32;

int Counts(const STRACKINFO* t) { return !g_Playlist.m_CheckMode || !t->Unchecked; }

// The ranges of all (checked) tracks; *before receives those of the tracks
// ahead of the playing one.
int TotalRanges(int* before)
{
    int total = 0;
    *before = 0;
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
        const STRACKINFO* t = g_Playlist.m_GetTrack(i);
        if (!Counts(t)) continue;
        if (i < g_PlayingTrack) *before += t->RangeCount;
        total += t->RangeCount;
    }
    return total;
}

void Refuse(int message)
{
    if (!message) return;
    m_PlaySoundCue(CUE_REFUSED);
    m_OSD_ShowText(L"SET````PLAYRANGE : ERR", 0, 1000, -1, -1, -1, -1);
}

int StoppedAtEnd() { return m_IsNotPlaying() && m_IsAtPlayEnd(-1, 2, 0); }
int StoppedAtStart() { return m_IsNotPlaying() && m_IsAtPlayStart(-1, 2, -1); }

int EndOf(int index)
{
    const int end = g_FileInfo.Ranges[index].end;
    return end < 0 ? m_PlayRange_LengthMs() : end;
}

void SayEdge(int stepMode, int atEnd)
{
    if (stepMode == STEP_END)
        m_OSD_ShowText(L"PLAY```RANGE : REPEAT", 0, -1, -1, -1, -1, -1);
    else if (stepMode == 1)
        m_OSD_ShowText(atEnd ? L"PLAY```RANGE : END```POS" : L"PLAY```RANGE : START```POS", -1, -1,
                       -1, -1, -1, -1);
}

// Past the last range of the file: on to the next file, or the play end.
// 1 when the step went to another file.
int PastLast(int stepMode, int across)
{
    const int stopped = StoppedAtEnd();
    if ((stopped || stepMode < 1) && across) {
        m_PlayRange_StepFile(1, 0, 0, 1);
        return 1;
    }
    if ((stopped || stepMode < 1) && !across) {
        m_SeekToPlayStart(1, 2);
        SayEdge(stepMode == STEP_END ? STEP_END : 1, 0);
        return 0;
    }
    m_SeekToPlayEnd(-2, 1);
    if (stepMode == 2) m_PlayRange_Command(3, 0);
    if (stepMode == 1) SayEdge(1, 1);
    return 0;
}

// Before the first range: on to the previous file, the play start, or the
// file's last range (*target).
int BeforeFirst(int stepMode, int across, int* target)
{
    const int stopped = StoppedAtStart();
    if (across && (stopped || stepMode < 1)) {
        m_PlayRange_StepFile(-1, 0, -1, 0);
        return 1;
    }
    if (across || (!stopped && stepMode > 0)) {
        m_SeekToPlayStart(-1, 2);
        if (stepMode == 2) m_PlayRange_Command(3, 0);
        SayEdge(stepMode, 0);
        return 0;
    }
    *target = (int)g_FileInfo.RangeCount - 1;
    m_PlayRange_Select(-1, *target, 1, 0);
    return 0;
}

// The range A + direction of the active range A, *restart when A itself
// starts again; *entered when the end-of-range step may enter the next
// range where the position already is.
int FromActive(int a, int direction, int stepMode, int* restart, int* entered)
{
    const int count = (int)g_FileInfo.RangeCount;
    const int position = m_PlayRange_ReadFacts().posMs;
    if (direction == 0) return *restart = 1, a;
    if (direction > 0) {
        if (a == 0 && StoppedAtStart()) return *restart = 1, 0;
        int t = a + 1;
        if (stepMode == STEP_END && g_Settings.Common_RngComb) {
            while (t < count && EndOf(t) <= EndOf(a)) ++t;
            *entered = 1;
        }
        return t;
    }
    const int start = g_FileInfo.Ranges[a].start < 0 ? 0 : g_FileInfo.Ranges[a].start;
    if (position >= start + kBackPastStartMs) return *restart = 1, a;
    if (a == count - 1 && StoppedAtEnd()) return *restart = 1, a;
    return a - 1;
}

void SayTarget(int target, int stepMode, int across, int total, int before)
{
    if (target < 0 || target >= (int)g_FileInfo.RangeCount) return;
    wchar_t text[kTextCap];
    const int count = (int)g_FileInfo.RangeCount;
    if (stepMode == STEP_END) {
        _snwprintf(text, kTextCap, L"PLAY```RANGE : %d`/`%d", target + 1, count);
    } else {
        const SPLAYRANGEITEM& r = g_FileInfo.Ranges[target];
        wchar_t from[kTimeCap], to[kTimeCap], length[kTimeCap];
        m_PlayRange_FormatBounds(r.start, r.end, 3, from, to, length, kTimeCap);
        _snwprintf(text, kTextCap, L"PLAY```RANGE : %d`/`%d (%s``-``%s```/```%s)", target + 1,
                   count, from, to, length);
    }
    text[kTextCap - 1] = 0;
    if (across && !g_ScanRunning) {
        wchar_t longer[kTextCap];
        _snwprintf(longer, kTextCap, L"%s [`%d`/`%d`]", text, before + target + 1, total);
        longer[kTextCap - 1] = 0;
        lstrcpynW(text, longer, kTextCap);
    }
    m_OSD_ShowText(text, stepMode == STEP_END ? 0 : 1, -1, -1, -1, -1, -1);
}

// The user's file step first goes to the far edge of the playing file's
// ranges; 1 only when it already stands stopped there.
int StepFileWithin(int direction)
{
    const int count = g_MediaOpen ? (int)g_FileInfo.RangeCount : 0;
    if (!g_PlayRangeOn && count > 0) {
        if (direction < 0) {
            m_PlayRange_Select(-1, 0, 0, 0);
            m_SeekToPlayStart(-1, 1);
        } else {
            m_PlayRange_Select(-1, count - 1, 0, 0);
            m_SeekToPlayEnd(0, 1);
        }
        return 0;
    }
    const int stopped = m_IsNotPlaying();
    if (direction > 0) {
        if (stopped && m_IsAtPlayStart(-1, 2, -1)) {
            m_PlayPause(-1);
            return 0;
        }
        if (stopped && m_IsAtPlayEnd(-1, 2, 0)) return 1;
        m_SeekToPlayEnd(-1, 1);
        return 0;
    }
    if (stopped && m_IsAtPlayEnd(-1, 2, 0)) {
        m_SeekToPlayStart(0, 1);
        m_SetHold(0, 1);
        return 0;
    }
    if (stopped && m_IsAtPlayStart(-1, 2, -1)) return 1;
    m_SeekToPlayStart(-1, 1);
    return 0;
}

}  // namespace

void m_PlayRange_Step(int direction, int stepMode, int acrossFiles)
{
    int before = 0;
    const int total = TotalRanges(&before);
    if (g_Playlist.m_GetCount() <= 0 || total == 0) {
        Refuse(1);
        return;
    }
    if (g_Playlist.m_GetCount() == 1) acrossFiles = 0;
    const int count = g_MediaOpen ? (int)g_FileInfo.RangeCount : 0;
    const int active = g_PlayRangeIndex;
    int target, restart = 0, entered = 0;
    if (count == 0) {
        target = direction > 0 ? count : -1;
    } else if (!g_PlayRangeOn && acrossFiles && stepMode == 2 &&
               (direction > 0 ? StoppedAtEnd() : StoppedAtStart())) {
        target = direction > 0 ? count : -1;
    } else if (active < 0) {
        target = m_PlayRange_FindByPos(direction);
    } else {
        target = FromActive(active, direction, stepMode, &restart, &entered);
    }
    int moved = 0;
    if (target >= count) {
        moved = PastLast(stepMode, acrossFiles);
        target = moved ? g_PlayRangeIndex : -1;
    } else if (target < 0) {
        moved = BeforeFirst(stepMode, acrossFiles, &target);
        if (moved) target = g_PlayRangeIndex;
    } else {
        if (target == active) m_PlayRange_Command(3, 0);
        const int seek = restart || (stepMode == STEP_END && !entered) ? 2 : 1;
        m_PlayRange_Select(-1, target, seek, 0);
        m_SetHold(0, 1);
    }
    // A step that found no range of the file says no more than it has said.
    if (target >= 0) {
        TotalRanges(&before);
        SayTarget(target, stepMode, acrossFiles, total, before);
    }
}

void m_PlayRange_StepFile(int direction, int mode, int index, int message)
{
    if (mode == 1 && !StepFileWithin(direction)) return;
    const int count = g_Playlist.m_GetCount();
    const int playing = g_PlayingTrack;
    const int step = direction < 0 ? -1 : 1;
    int found = -1;
    for (int k = 1; k <= count && found < 0; ++k) {
        const int i = ((playing + step * k) % count + count) % count;
        const STRACKINFO* t = g_Playlist.m_GetTrack(i);
        if (t && t->RangeCount > 0 && Counts(t)) found = i;
    }
    if (found < 0) {
        Refuse(message);
        return;
    }
    const STRACKINFO* t = g_Playlist.m_GetTrack(found);
    const int range = index >= 0 && index < t->RangeCount ? index : t->RangeCount - 1;
    const int wrapped = step > 0 ? found <= playing : found >= playing;
    if (wrapped) m_PlaySoundCue(CUE_REFUSED);
    m_PlayRange_Select(found, range, 1, message);
}

void m_RangeRepeat_SetMode(int mode)
{
    if (mode == -1) mode = g_RangeRepeatMode + 1;
    if (mode == -2) mode = g_RangeRepeatMode - 1;
    if (mode > RANGE_REPEAT_ALL) mode = RANGE_REPEAT_OFF;
    if (mode < RANGE_REPEAT_OFF) mode = RANGE_REPEAT_ALL;
    g_RangeRepeatMode = mode;
    static const wchar_t* const kTexts[] = {L"RANGE````REPEAT : OFF", L"RANGE````REPEAT : ON",
                                            L"RANGE````REPEAT : FILE", L"RANGE````REPEAT : ALL"};
    static int s_Width = -1;
    if (s_Width < 0) s_Width = m_GetBmpFontTextWidth(0, kTexts[RANGE_REPEAT_FILE]);
    m_OSD_ShowText(kTexts[mode], 1, -1, 0, -1, s_Width, -1);
    g_MainWindowState.nRangeRepeat = mode;
    m_Settings_ScheduleSave(MAIN_GROUP_REPEAT);
}
