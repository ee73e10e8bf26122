// The seek bar's range and chapter marks for a playlist entry.
#include "controls/SliderPlus.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

void m_SeekBar_SetMarks(int track)
{
    if (track == -1) track = g_PlayingTrack;
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    const int ms = t && t->Milliseconds > 0 ? static_cast<int>(t->Milliseconds) : 0;
    g_SeekBar.m_SetRange(ms > 0 ? ms : 10000, 1);
    static int starts[kFileInfoItemCap];
    int count = 0;
    if (t && t->Chapters) {
        for (int i = 0; i < t->ChapterCount && i < kFileInfoItemCap; ++i)
            starts[count++] = static_cast<int>(t->Chapters[i].Start * 1000 + 0.5);
    }
    g_SeekBar.m_SetChapters(count, starts,
                            g_Playlist.m_CheckMode && t ? t->ChapterUnchecked : nullptr, 1);
}
