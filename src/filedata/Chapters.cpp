// Editing a track's chapters: adding or moving one at a position, deleting,
// renaming and resetting to the media's own.
#include "filedata/Chapters.h"

#include <math.h>
#include <stdlib.h>

#include <new>

#include "app/StatusText.h"
#include "base/NumberFormat.h"
#include "base/SoundCue.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr DWORD kNoChapter = 0xFFFFFFFF;
// Less than this left in the chapter: deleting "the current" takes the next.
constexpr LONGLONG kNextChapterRest = 10000000;
// Only a neighbour closer than this is ever moved.
constexpr int kFarthestMoveMs = 65535;

STRACKINFO* Resolve(int* track)
{
    if (*track == -1) *track = g_PlayingTrack;
    return g_Playlist.m_GetTrack(*track);
}

int StartMs(const SCHAPTERITEM& c) { return (int)(c.Start * 1000 + 0.5); }

void Say(int cue, const wchar_t* text)
{
    m_PlaySoundCue(cue);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

// The unchecked flags ride in the items while the array is rebuilt and
// come back by position; slots past the new count are cleared.
void ParkFlags(STRACKINFO* t)
{
    for (int i = 0; i < t->ChapterCount; ++i) t->Chapters[i].Check = t->ChapterUnchecked[i];
}

void TakeArray(STRACKINFO* t, SCHAPTERITEM* items, int count)
{
    const int old = t->ChapterCount;
    delete[] t->Chapters;
    t->Chapters = items;
    t->ChapterCount = count;
    for (int i = 0; i < count; ++i) t->ChapterUnchecked[i] = items[i].Check;
    for (int i = count; i < old && i < kFileInfoItemCap; ++i) t->ChapterUnchecked[i] = 0;
    g_Playlist.m_CountCheckedChapters((int)(t - g_Playlist.m_Tracks));
}

bool Insert(STRACKINFO* t, int at, int posMs)
{
    const int n = t->ChapterCount;
    SCHAPTERITEM* items = new (std::nothrow) SCHAPTERITEM[n + 1];
    if (!items) return false;
    ParkFlags(t);
    for (int i = 0, j = 0; i <= n; ++i) {
        if (i == at) {
            items[i] = SCHAPTERITEM{posMs / 1000.0, 0, {}, 0};
            continue;
        }
        items[i] = t->Chapters[j++];
    }
    TakeArray(t, items, n + 1);
    return true;
}

bool Remove(STRACKINFO* t, int at)
{
    const int n = t->ChapterCount;
    SCHAPTERITEM* items = new (std::nothrow) SCHAPTERITEM[n - 1];
    if (!items) return false;
    ParkFlags(t);
    for (int i = 0, j = 0; i < n; ++i)
        if (i != at) items[j++] = t->Chapters[i];
    TakeArray(t, items, n - 1);
    return true;
}

// Where a chapter at posMs goes: -1 refused as the same position, else
// the insertion index, with the nearest movable neighbour in *nearest.
int FindPlace(const STRACKINFO* t, int posMs, int* nearest, int* distance)
{
    *nearest = -1;
    *distance = kFarthestMoveMs;
    for (int i = 0; i < t->ChapterCount; ++i) {
        const int start = StartMs(t->Chapters[i]);
        if (start == posMs) return -1;
        // Chapter 1 always starts the file and is never moved.
        if (i >= 1 && abs(start - posMs) < *distance) {
            *nearest = i;
            *distance = abs(start - posMs);
        }
        if (start > posMs) return i;
    }
    return t->ChapterCount;
}

void SayAdded(int moved, int index, int count, int posMs, int distance)
{
    wchar_t time[32], text[128];
    m_FormatTime(time, 32, posMs, 3);
    if (moved) {
        m_FormatW64(text, 128, L"MOVE``````CHAPTER : %d``````(%s)``(%+0.3f)", index + 1, time,
                    distance / 1000.0);
        Say(13, text);
    } else {
        m_FormatW64(text, 128, L"ADD``````CHAPTER : %d``/``%d``````(%s)", index + 1, count, time);
        Say(3, text);
    }
}

}  // namespace

int m_Chapter_AddCurrent(int snapMs)
{
    if (!g_MediaOpen || !g_Playlist.m_GetTrack(g_PlayingTrack)) return -1;
    const int position = m_GetCurrentPosMs();
    if (position < 0) return -1;
    if (snapMs == -1) snapMs = g_Settings.Common_ChapRep;
    return m_Chapter_Add(g_PlayingTrack, position, 1, snapMs, 1);
}

int m_Chapter_Add(int track, int posMs, int apply, int snapMs, int message)
{
    STRACKINFO* t = Resolve(&track);
    if (!t || posMs < 0) return -1;
    if (t->ChapterCount == 0 && posMs != 0) m_Chapter_Add(track, 0, 0, 0, 0);
    if (t->ChapterCount >= kFileInfoItemCap) {
        if (message) Say(8, L"ADD````CHAPTER : ERR (MAX)");
        return -1;
    }
    int nearest, distance;
    const int at = FindPlace(t, posMs, &nearest, &distance);
    if (at < 0) {
        if (message) Say(8, L"ADD````CHAPTER : ERR (SAME``POS)");
        return -1;
    }
    if (snapMs < 0) snapMs = 0;
    const int moved = nearest >= 0 && distance <= snapMs;
    if (moved)
        t->Chapters[nearest].Start = posMs / 1000.0;
    else if (!Insert(t, at, posMs))
        return -1;
    t->ChaptersFromInfo = 1;
    if (apply) m_Chapter_Apply(track);
    const int index = moved ? nearest : at;
    if (message) SayAdded(moved, index, t->ChapterCount, posMs, distance);
    return index;
}

int m_Chapter_Delete(int track, int index, int apply, int message)
{
    STRACKINFO* t = Resolve(&track);
    if (!t || index < 0 || index >= t->ChapterCount) return 0;
    if (index == 0 && t->ChapterCount >= 2) {
        if (apply) m_PlaySoundCue(8);
        return 0;
    }
    if (t->ChapterCount == 1) {
        m_Chapter_Reset(track, message);
        return 1;
    }
    if (!Remove(t, index)) return 0;
    t->ChaptersFromInfo = 1;
    if (apply) m_Chapter_Apply(track);
    if (message) {
        wchar_t text[64];
        m_FormatW64(text, 64, L"DELETE CHAPTER : %d", index + 1);
        Say(5, text);
    }
    return 1;
}

int m_Chapter_DeleteCurrent()
{
    if (!g_MediaOpen || !g_VideoRenderer || !g_Playlist.m_GetTrack(g_PlayingTrack) ||
        g_ChapterCount <= 0)
        return 0;
    LONGLONG rest = -1;
    const DWORD current = g_VideoRenderer->m_VR_GetChapterIndex(-1, &rest);
    if (current == kNoChapter) return 0;
    int target = (int)current;
    if (rest >= 0 && rest < kNextChapterRest && target < g_ChapterCount - 1) ++target;
    if (target == 0 && g_ChapterCount >= 2) target = 1;
    return m_Chapter_Delete(g_PlayingTrack, target, 1, 1);
}

int m_Chapter_Rename(int track, int index, const wchar_t* name)
{
    STRACKINFO* t = Resolve(&track);
    if (!t || index < 0 || index >= t->ChapterCount) return 0;
    lstrcpynW(t->Chapters[index].Name, name ? name : L"", kChapterNameCap);
    t->ChaptersFromInfo = 1;
    m_Chapter_Apply(track);
    return 1;
}

void m_Chapter_Reset(int track, int message)
{
    STRACKINFO* t = Resolve(&track);
    if (!t) return;
    delete[] t->Chapters;
    t->Chapters = nullptr;
    t->ChapterCount = 0;
    t->ChaptersFromInfo = 0;
    m_Chapter_Apply(track);
    m_FileInfo_DeleteTrackFileIfEmpty(track);
    if (message) Say(7, L"RESET CHAPTER");
}
