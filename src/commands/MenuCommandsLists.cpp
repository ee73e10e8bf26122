// The dynamic items: volume steps, devices, option pages, presets, streams,
// filters, the playlist's tracks and the playing track's chapters, ranges
// and markers, the all-files lists, history and favorites entries. An
// index past its list does nothing.
#include "commands/MenuCommands.h"

#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "commands/MenuItemModel.h"
#include "commands/MenuPresets.h"
#include "commands/OpenCommands.h"
#include "commands/SubmenuBuilder.h"
#include "filedata/Chapters.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"
#include "jumplist/JumpListEdit.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"

namespace {

constexpr UINT kMenuIdStreams = 2326;

bool m_Shift() { return m_IsKeyDown(VK_SHIFT) != 0; }

// The playing track's record, null when nothing plays.
const STRACKINFO* m_PlayingTrack() { return g_Playlist.m_GetTrack(g_PlayingTrack); }

void m_RunPreset(int kind, int index)
{
    SMENUPRESETLIST& list = g_MenuPresets[kind];
    if (list.Count < 0) m_MenuPresets_Read(kind, 1);
    if (index < 0 || index >= list.Count || index >= kMenuPresetCap) return;
    m_ExecBinding(&list.Items[index]);
}

// A track item: state 1 toggles its check box, the delete gesture removes
// it, else the track opens (Shift: stopped).
void m_TrackItem(const SMENUCHOICE& c, int index)
{
    if (index < 0 || index >= g_Playlist.m_GetCount()) return;
    if (c.SelState == MENUSEL_TOGGLE) {
        g_Playlist.m_ToggleCheck(0, index, -1);
        m_Menu_UpdatePlaylist(c.Popup, 1, 1);
    } else if (m_MenuCmd_IsDelete(c)) {
        g_Playlist.m_DeleteTrack(index);
        g_ExecOps.PlaySoundCue(5);
        // The items after it now stand for other tracks: list them again.
        m_Menu_UpdatePlaylist(c.Popup, 0, 1);
    } else {
        g_ExecOps.SavePlayPosition(0);
        m_OpenPlayListFile(index, 0, 1, m_Shift() ? 2 : 1, 0);
    }
}

// A chapter of the playing track: state 1 toggles its check, the delete
// gesture deletes it, else playback jumps to it.
void m_ChapterItem(const SMENUCHOICE& c, int index)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!t || index < 0 || index >= t->ChapterCount || index >= kFileInfoItemCap) return;
    if (c.SelState == MENUSEL_TOGGLE) {
        t->ChapterUnchecked[index] = !t->ChapterUnchecked[index];
        g_Playlist.m_CountCheckedChapters(g_PlayingTrack);
        if (g_Playlist.m_ShownTrack == g_PlayingTrack)
            if (HWND list = g_Playlist.m_GetList(kChapterListId)) InvalidateRect(list, nullptr, TRUE);
        m_SeekBar_SetMarks(-1);
        m_Menu_UpdateChapters(c.Popup, 1, 1);
    } else if (m_MenuCmd_IsDelete(c)) {
        m_Chapter_Delete(g_PlayingTrack, index, 1, 1);
        m_Menu_UpdateChapters(c.Popup, 0, 1);
    } else {
        // The alternative start lands paused at the chapter.
        const int other = m_IsKeyDown(VK_CONTROL) || m_Shift() || (c.Mode == 1 && !m_IsPlaying());
        m_Chapter_Jump(index, 1);
        if (other && m_IsPlaying()) m_Pause();
    }
}

void m_RangeItem(const SMENUCHOICE& c, int index)
{
    const STRACKINFO* t = m_PlayingTrack();
    if (!t || index < 0 || index >= t->RangeCount) return;
    if (m_MenuCmd_IsDelete(c)) {
        m_PlayRange_Delete(g_PlayingTrack, index, 1, 1);
        m_Menu_UpdateRanges(c.Popup, 0, 1);
    } else {
        m_PlayRange_Select(g_PlayingTrack, index, 2, 1);
    }
}

void m_MarkerItem(const SMENUCHOICE& c, int index)
{
    const STRACKINFO* t = m_PlayingTrack();
    if (!t || index < 0 || index >= t->MarkerCount) return;
    if (m_MenuCmd_IsDelete(c)) {
        m_Marker_Delete(g_PlayingTrack, index, 1, 1);
        m_Menu_UpdateMarkers(c.Popup, 1);
    } else {
        m_Marker_Jump(g_PlayingTrack, index, 1);
    }
}

// The all-files lists number their items across the tracks in list order.
void m_AllFilesItem(int number, bool ranges)
{
    static int s_Counts[kPlaylistTrackCap];
    const int count = g_Playlist.m_GetCount();
    for (int i = 0; i < count && i < kPlaylistTrackCap; ++i) {
        const STRACKINFO* t = g_Playlist.m_GetTrack(i);
        s_Counts[i] = ranges ? t->RangeCount : t->MarkerCount;
    }
    int track = -1, item = -1;
    if (!m_MenuCmd_AllFilesEntry(s_Counts, count, number, &track, &item)) return;
    if (ranges)
        m_PlayRange_Select(track, item, 2, 1);
    else
        m_Marker_Jump(track, item, 1);
}

// The list's caption opens the list again, playing (Shift: stopped).
void m_ListFileItem()
{
    if (!g_ListPath[0]) return;
    wchar_t path[MAX_PATH + 1];
    lstrcpynW(path, g_ListPath, MAX_PATH + 1);
    g_ExecOps.OpenFile(path, m_Shift() ? 2 : 1, 1, 0, 1, -1);
}

void m_VolumeItem(int percent)
{
    g_ExecOps.SystemVolume_OnPlayState(0);
    g_ExecOps.Volume_ShowText(percent * 100, 1);
}

int m_RunTarget(const SMENUCHOICE& c, const SMENUTARGET& t)
{
    switch (t.Kind) {
        case MENUTARGET_VOLUME:
            m_VolumeItem(t.Index);
            return 1;
        case MENUTARGET_DEVICE:
            return m_MenuCmd_DeviceListItem(c, t.Index);
        case MENUTARGET_OPTIONPAGE:
            if (g_OptionMenuPages[t.Index] >= 0)
                g_ExecOps.Options_Show(1, g_OptionMenuPages[t.Index], -1);
            return 1;
        case MENUTARGET_SIZEPRESET:
        case MENUTARGET_TIMERPRESET:
        case MENUTARGET_RATEPRESET: {
            const int kind = t.Kind == MENUTARGET_SIZEPRESET ? 0 : (t.Kind == MENUTARGET_TIMERPRESET ? 1 : 2);
            m_RunPreset(kind, t.Index);
            return 1;
        }
        case MENUTARGET_STREAM:
            if (t.Index < kMenuMaxStreams) g_ExecOps.Stream_Select(t.Index + 1);
            m_Menu_UpdateStreams(m_Menu_Remembered(kMenuIdStreams), 1);
            return 1;
        case MENUTARGET_FILTER:
            m_Menu_ShowFilterProperties(t.Index);
            return 1;
        case MENUTARGET_LISTFILE:
            m_ListFileItem();
            return 1;
        case MENUTARGET_TRACK:
            m_TrackItem(c, t.Index);
            return 1;
        case MENUTARGET_CHAPTER:
            m_ChapterItem(c, t.Index);
            return 1;
        case MENUTARGET_ASSIGNCHAPTER:
            m_JumpList_AssignChapter(t.Index + 1);
            return 1;
        case MENUTARGET_RANGE:
            m_RangeItem(c, t.Index);
            return 1;
        case MENUTARGET_MARKER:
            m_MarkerItem(c, t.Index);
            return 1;
        case MENUTARGET_ALLRANGES:
        case MENUTARGET_ALLMARKERS:
            m_AllFilesItem(t.Index, t.Kind == MENUTARGET_ALLRANGES);
            return 1;
        case MENUTARGET_RECENT:
        case MENUTARGET_MOSTPLAYED:
            return m_MenuCmd_HistoryEntry(c, t.Index);
        case MENUTARGET_FAVORITE:
            return m_MenuCmd_FavoriteItem(c, t.Index);
        case MENUTARGET_FAVOSUB:
            // Their entries come with the favorites' playlist and folder
            // submenus.
            return -1;
    }
    return 1;
}

}  // namespace

int m_MenuCmd_Lists(const SMENUCHOICE& c)
{
    return m_RunTarget(c, m_MenuCmd_Target(c.Id, c.MenuId));
}
