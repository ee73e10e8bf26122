// The play-range commands and the active bounds: on, off, reset, the start
// and end at the position, a length change, and everything the bounds are
// handed to (seek bar, engine stop position, time display).
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/BmpFont.h"
#include "base/NumberFormat.h"
#include "base/SoundCue.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeCore.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

enum {
    CMD_TOGGLE = 0,
    CMD_ON = 1,
    CMD_OFF = 3,
    CMD_RESET = 4,
    CMD_START = 5,
    CMD_END = 6,
    CMD_END_STORE = 7,
    CMD_LENGTH = 10,
};
enum { CUE_DONE = 3, CUE_SET = 5, CUE_CLEARED = 6 };

// Each group of texts is centred on one of its texts, so that they stay put.
int Width(int group)
{
    static const wchar_t* const kWidest[] = {L"PLAY```RANGE : OFF",
                                             L"PLAY````RANGE : RESET````STARTPOS",
                                             L"PLAY```RANGE : RESET````ENDPOS"};
    static int s_Width[3] = {-1, -1, -1};
    if (s_Width[group] < 0) s_Width[group] = m_GetBmpFontTextWidth(0, kWidest[group]);
    return s_Width[group];
}

void Say(int message, const wchar_t* text, int group, int cue)
{
    m_PlayRange_Say(message, text, 1, Width(group), cue);
}

// The saved bounds follow every change the user makes.
void KeepSaved(int start, int end)
{
    g_PlayRangeSavedStart = start;
    g_PlayRangeSavedEnd = end;
    g_PlayRangeSavedLength = m_PlayRange_LengthMs();
}

// The end at the position, or open within the last 0.2333 s of the file.
int EndCandidate(const SRANGEFACTS& f) { return f.nearEnd ? -1 : f.posMs; }

// An end at or before a set start clears the start; an open end clears none.
void ClearStartBefore(int end, int* start)
{
    if (end != -1 && *start != -1 && *start >= end) *start = -1;
}

void SetStart(int message, const SRANGEFACTS& f, int* on, int* start, int* end)
{
    *on = 1;
    if (*start == f.posMs) {
        *start = -1;
        if (*end == -1) *on = 0;
        Say(message, L"PLAY````RANGE : RESET````STARTPOS", 1, CUE_CLEARED);
    } else {
        *start = f.posMs;
        if (*end != -1 && *end <= *start) *end = -1;
        Say(message, L"PLAY```RANGE : SET````STARTPOS", 1, CUE_SET);
    }
    KeepSaved(*start, *end);
}

void SetEnd(int message, const SRANGEFACTS& f, int* on, int* start, int* end)
{
    *on = 1;
    const int candidate = EndCandidate(f);
    if (*end == candidate) {
        *end = -1;
        if (*start == -1) *on = 0;
        m_SetHold(0, 1);
        Say(message, L"PLAY```RANGE : RESET````ENDPOS", 2, CUE_CLEARED);
    } else {
        if (g_PlayStarted) m_SetHold(1, 1);
        *end = candidate;
        ClearStartBefore(*end, start);
        Say(message, L"PLAY```RANGE : SET````ENDPOS", 2, CUE_SET);
    }
    KeepSaved(*start, *end);
}

// After the file's length changed the start stays when it still fits and
// the end keeps its distance from the file's end.
void FollowLength(int* start, int* end)
{
    const int length = m_PlayRange_LengthMs();
    if (length <= 0) return;
    *start = g_PlayRangeSavedStart < length ? g_PlayRangeSavedStart : -1;
    if (g_PlayRangeSavedEnd == -1) {
        *end = -1;
        return;
    }
    *end = g_PlayRangeSavedEnd + (length - g_PlayRangeSavedLength);
    if (*end < 1 || *end <= *start) *start = *end = -1;
}

}  // namespace

SRANGEFACTS m_PlayRange_ReadFacts()
{
    SRANGEFACTS f = {-1, 0, 0};
    if (!g_VideoRenderer || !g_MediaOpen) return f;
    LONGLONG position = 0;
    if (SUCCEEDED(g_VideoRenderer->m_VR_GetCurrentPosition(&position, 0)) && position >= 0)
        f.posMs = (int)((position + 9999) / 10000);
    f.nearEnd = g_VideoRenderer->m_VR_IsNearEnd(-1);
    LONGLONG duration = 0, frames = 0;
    g_VideoRenderer->m_VR_GetDurationInfo(&duration, &frames, &f.fps);
    return f;
}

int m_PlayRange_LengthMs()
{
    if (g_DurationMs > 0) return g_DurationMs;
    return (int)g_FileInfo.Length;
}

void m_PlayRange_Say(int message, const wchar_t* text, int colour, int width, int cue)
{
    if (!message) return;
    if (cue >= 0) m_PlaySoundCue(cue);
    m_OSD_ShowText(text, colour, -1, 0, -1, width, -1);
}

void m_PlayRange_RefreshMarks()
{
    g_SeekBar.m_SetMarkerStyle(g_PlayRangeOn ? 2 : 0);
    g_SeekBar.m_SetCurrentMarker();
}

void m_PlayRange_Command(int command, int message)
{
    m_PlayRange_CommandAt(command, message, m_PlayRange_ReadFacts());
}

void m_PlayRange_CommandAt(int command, int message, const SRANGEFACTS& f)
{
    int on = g_PlayRangeOn, start = g_PlayRangeStart, end = g_PlayRangeEnd;
    if (command == CMD_TOGGLE) command = on ? CMD_OFF : CMD_ON;
    switch (command) {
        case CMD_ON:
            // The jump-list view's remembered bounds would be taken here
            // when neither is set; that view does not exist yet.
            g_PlayRangeSavedLength = m_PlayRange_LengthMs();
            on = 1;
            Say(message, L"PLAY```RANGE : ON", 0, CUE_SET);
            break;
        case CMD_OFF:
            g_PlayRangeLastIndex = g_PlayRangeIndex;
            g_PlayRangeIndex = -1;
            on = 0;
            Say(message, L"PLAY```RANGE : OFF", 0, CUE_CLEARED);
            break;
        case CMD_RESET:
            on = 0;
            start = end = -1;
            if (message) m_OSD_ShowText(L"PLAY```RANGE : RESET", -1, -1, -1, -1, -1, -1);
            break;
        case CMD_START:
            if (g_MediaOpen) SetStart(message, f, &on, &start, &end);
            break;
        case CMD_END:
            if (g_MediaOpen) SetEnd(message, f, &on, &start, &end);
            break;
        case CMD_END_STORE:
            if (!g_MediaOpen) break;
            on = 1;
            if (g_PlayStarted) m_SetHold(1, 1);
            end = EndCandidate(f);
            ClearStartBefore(end, &start);
            KeepSaved(start, end);
            m_PlayRange_SetBounds(on, start, end);
            m_PlayRange_AddCurrent(0, message);
            return;
        case CMD_LENGTH:
            if (g_MediaOpen) FollowLength(&start, &end);
            break;
        default:
            if (g_MediaOpen) on = 1;
            break;
    }
    m_PlayRange_SetBounds(on, start, end);
}

void m_PlayRange_SetBounds(int on, int startMs, int endMs)
{
    g_PlayRangeOn = on ? 1 : 0;
    if (startMs == -2 && endMs == -2) {
        m_PlayRange_RefreshMarks();
        return;
    }
    const int length = m_PlayRange_LengthMs();
    if (startMs < 1) startMs = -1;
    // A file of unknown length keeps its end: there is nothing to compare.
    if (endMs != -2 && length > 0 && endMs >= length) endMs = -1;
    if (endMs == -2) {
        endMs = g_PlayRangeEnd;
    } else {
        g_PlayRangeSavedEnd = endMs;
    }
    g_PlayRangeStart = startMs;
    g_PlayRangeEnd = endMs;
    g_PlayRangeSavedStart = startMs;
    g_PlayRangeSavedLength = length;
    if (g_PlayRangeOn) {
        g_SeekBar.m_SetSelection(startMs < 0 ? 0 : startMs, endMs < 0 ? length : endMs);
        if (g_Settings.Ctrl_SbKnob) g_SeekBar.m_SetAutoHide(0, 1);
    } else {
        g_SeekBar.m_SetSelection(-1, -1);
        if (g_Settings.Ctrl_SbKnob) g_SeekBar.m_SetAutoHide(1, 1);
    }
    m_PlayRange_FindActive();
    if (g_VideoRenderer) {
        const int stop = g_PlayRangeOn && g_PlayRangeEnd != -1 ? g_PlayRangeSavedEnd : 0;
        g_VideoRenderer->m_VR_SetStopPosition((LONGLONG)stop * 10000);
    }
    if (g_MainWindowState.nTimeFlags[1]) m_UpdateTimeDisplay(1);
    m_PlayRange_RefreshMarks();
}

void m_PlayRange_FindActive()
{
    g_PlayRangeIndex = -1;
    if (!g_MediaOpen || !g_PlayRangeOn) return;
    const int count = (int)g_FileInfo.RangeCount;
    for (int i = 0; i < count && i < kFileInfoItemCap; ++i) {
        const SPLAYRANGEITEM& r = g_FileInfo.Ranges[i];
        if (r.start == g_PlayRangeStart && r.end == g_PlayRangeEnd) {
            g_PlayRangeIndex = i;
            return;
        }
    }
}

STRACKINFO* m_PlayRange_Track(int track)
{
    return g_Playlist.m_GetTrack(track == -1 ? g_PlayingTrack : track);
}

void m_PlayRange_FormatBounds(int start, int end, int form, wchar_t* startText, wchar_t* endText,
                              wchar_t* lengthText, int cap)
{
    const int from = start < 0 ? 0 : start;
    const int to = end < 0 ? m_PlayRange_LengthMs() : end;
    m_FormatTime(startText, cap, from, form);
    if (end < 0)
        lstrcpynW(endText, L"END", cap);
    else
        m_FormatTime(endText, cap, end, form);
    m_FormatTime(lengthText, cap, to > from ? to - from : 0, 3);
}
