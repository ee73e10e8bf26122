// After a chapter edit: lengths, the engine's chapter table, the displays
// and the information file; and the chapter globals taken from the engine.
#include <algorithm>

#include "app/TimeDisplay.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/Chapters.h"
#include "filedata/FileInfo.h"
#include "playback/EntryMarks.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

// The playing track's chapters become the engine's table: user chapters
// as given, the media's own by letting the engine return to them.
void GiveToEngine(const STRACKINFO* t)
{
    if (t->ChaptersFromInfo) {
        const int count = std::min(t->ChapterCount, kFileInfoItemCap);
        std::copy(t->Chapters, t->Chapters + count, g_FileInfo.Chapters);
        g_FileInfo.ChapterCount = (UINT)count;
        g_VideoRenderer->m_VR_SetChapters(1, g_FileInfo.Chapters, count);
        m_Chapter_SyncFromEngine(0);
    } else {
        g_FileInfo.ChapterCount = 0;
        g_VideoRenderer->m_VR_SetChapters(0, nullptr, 0);
        m_Chapter_SyncFromEngine(1);
    }
    // The chapter timer aims at the next start of the new table.
    g_VideoRenderer->m_VR_ChapterTimer(1, 1);
}

}  // namespace

void m_Chapter_Apply(int track)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t) return;
    if (t->ChapterCount > 0)
        m_Chapters_FillLengths(t->Chapters, t->ChapterCount, t->Milliseconds / 1000.0);
    if (g_MediaOpen && g_VideoRenderer && track == g_PlayingTrack) {
        GiveToEngine(t);
        m_Chapter_TrackCurrent(-1, 0, 0);
        if (g_Settings.Ctrl_SeekChap) m_SeekBar_SetMarks(-1);
        m_UpdateTimeDisplay(1);
    }
    m_FileInfo_SaveTrackChapters(track);
}

void m_Chapter_SyncFromEngine(int replace)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!g_MediaOpen || !g_VideoRenderer || !t) return;
    const SCHAPTERITEM* table = nullptr;
    int fromOutside = 0;
    const int count = g_VideoRenderer->m_VR_GetChapters(&table, &fromOutside);
    if (replace) m_Track_TakeChapters(t, table, count, fromOutside);
    g_ChapterCount = table ? count : 0;
    g_PlayingChapters = t->ChapterCount > 0 ? t->Chapters : nullptr;
    g_ChaptersFromInfo = (int)t->ChaptersFromInfo;
    g_Playlist.m_CountCheckedChapters(g_PlayingTrack);
    if (g_Settings.Ctrl_SeekChap) m_SeekBar_SetMarks(-1);
}
