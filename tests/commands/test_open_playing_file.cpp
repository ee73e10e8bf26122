// The playing file opened alone and its parent folder: the case-blind
// track match and the refusals that leave the open item alone.
#include <doctest/doctest.h>
#include <windows.h>

#include "base/SoundCue.h"
#include "commands/OpenPlayingFile.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

TEST_CASE("the single file is found again in its folder's list whatever its case")
{
    const wchar_t* listed[] = {L"C:\\Clips\\a.avi", L"C:\\Clips\\Movie.MP4",
                               L"C:\\Clips\\movie.mp4", L"C:\\Clips\\z.mkv"};
    struct Row {
        const char* what;
        const wchar_t* path;
        int count, track;
    };
    const Row rows[] = {
        {"same spelling", L"C:\\Clips\\z.mkv", 4, 3},
        {"other case: the first match wins", L"c:\\clips\\MOVIE.mp4", 4, 1},
        {"not listed: the first track", L"C:\\Clips\\gone.avi", 4, 0},
        {"a longer name is no match", L"C:\\Clips\\a.avi.bak", 4, 0},
        {"an empty list", L"C:\\Clips\\a.avi", 0, 0},
        {"beyond the count is not looked at", L"C:\\Clips\\z.mkv", 3, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(m_FindTrackByPath(listed, r.count, r.path) == r.track);
    }
    CHECK(m_FindTrackByPath(nullptr, 4, L"x") == 0);
    CHECK(m_FindTrackByPath(listed, 4, nullptr) == 0);
}

namespace {

// Which cue sounded: the cues are built on first play, so a cleared cache
// tells afterwards which one was asked for.
struct SCueWatch {
    SCueWatch()
    {
        g_Settings.Common_Beep[0] = 1;
        g_Settings.Common_Beep[1] = 0;
        m_SoundCue_Play(-1, 50);
    }
    ~SCueWatch() { m_SoundCue_Play(-1, 50); }
    int sounded(int cue) const
    {
        const STONEBUFFER* b = m_SoundCue_GetCached(cue);
        return b && b->samples ? 1 : 0;
    }
};

}  // namespace

TEST_CASE("the commands refuse what they are not for, leaving the item as it is")
{
    struct Row {
        const char* what;
        int listType, mediaOpen, tracks;
        int command;  // 0 parent folder, 1 alone here, 2 alone in a new instance
        int cue;      // -1 none
    };
    const Row rows[] = {
        {"parent folder with nothing open", LIST_NONE, 0, 0, 0, 8},
        {"parent folder of a folder's list", LIST_FOLDER, 1, 2, 0, 8},
        {"parent folder of a single file without its track", LIST_SINGLE, 1, 0, 0, 8},
        {"alone: a single file is alone already", LIST_SINGLE, 1, 1, 1, 1},
        {"new instance: a single file", LIST_SINGLE, 1, 1, 2, 1},
        {"alone with no file open", LIST_FOLDER, 0, 2, 1, -1},
        {"new instance with no file open", LIST_FOLDER, 0, 2, 2, -1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        SCueWatch cues;
        g_Playlist.m_ClearPlayList();
        for (int i = 0; i < r.tracks; ++i)
            g_Playlist.m_AppendTrack(i ? L"C:\\b.avi" : L"C:\\a.avi");
        g_ListType = UINT(r.listType);
        g_MediaOpen = r.mediaOpen;
        g_PlayState = r.mediaOpen ? 4 : 0;
        if (r.command == 0)
            m_OpenParentFolder();
        else
            m_OpenPlayingFileAlone(r.command - 1);
        CHECK(int(g_ListType) == r.listType);
        CHECK(g_Playlist.m_GetCount() == r.tracks);
        CHECK(cues.sounded(1) == (r.cue == 1));
        CHECK(cues.sounded(8) == (r.cue == 8));
    }
    g_Playlist.m_ClearPlayList();
    g_ListType = LIST_NONE;
    g_MediaOpen = 0;
    g_PlayState = 0;
}
