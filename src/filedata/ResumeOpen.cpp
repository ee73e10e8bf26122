#include "filedata/ResumeOpen.h"

#include "filedata/ResumeStore.h"
#include "playback/ResumeVideoState.h"
#include "playback/TrackChoice.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"
#include "settings/Settings.h"

void m_Resume_LoadAtOpen()
{
    m_Resume_LoadCurrent();
    m_Resume_GetVideoState(&g_VideoPropFile, &g_ResumeOpen);
}

int m_Resume_StartEntry(int* track, int* startMs)
{
    *track = 0;
    *startMs = 0;
    const SRESUMEINFO& r = g_ResumeOpen;
    if (!r.HasData) return 0;
    if (r.CheckOn) g_Playlist.m_ApplyCheckString(r.CheckText);
    // Shuffled navigation goes on in the pass it stood in.
    if (r.PositionOn && r.ShufflePass > 0) g_ShufflePass = r.ShufflePass;
    *track = r.Track;
    if (r.Position == -1) {
        *track = m_NextPlayableTrack(r.Track);
    } else {
        const int rewound = r.Position - g_Settings.Common_RsmRwd;
        *startMs = rewound > 0 ? rewound : 0;
    }
    return r.PositionOn ? 1 : 0;
}

int m_Resume_ListEntry(int* track, int* startMs)
{
    *track = 0;
    *startMs = 0;
    if (!g_ListPath[0]) return 1;
    if (!g_ResumeOpen.HasData) return 0;
    *track = g_ResumeOpen.Track;
    *startMs = g_ResumeOpen.Position;
    return 1;
}
