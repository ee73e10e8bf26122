#include <windows.h>

#include <cstdlib>
#include <strsafe.h>

#include "app/AboutBox.h"
#include "app/Layout.h"
#include "commands/Executor.h"
#include "commands/MenuItemModel.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "filedata/ResumeStore.h"
#include "jumplist/JumpListState.h"
#include "library/Library.h"
#include "playback/AudioCommands.h"
#include "playback/MediaPath.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlayState.h"
#include "playback/RepeatMode.h"
#include "playback/SeekPreviewState.h"
#include "playback/Seek.h"
#include "playback/VolumeControl.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsMain.h"

int g_OptionCurrentPage = -1;

namespace {

int m_NoFile() { return !g_MediaOpen; }
int m_IsVideo() { return g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO; }
int m_Shown(HWND wnd) { return wnd && IsWindowVisible(wnd); }
int m_JumpListEmptyView() { return g_JumpListShown && g_JumpListEmpty; }
int m_JumpListBuilding() { return g_JumpListViewState.BatchRunning; }
// Whether a jump list exists is known only while the view holds one.
int m_JumpListHeld() { return g_JumpListShown && !g_JumpListEmpty; }
int m_VolumePercent() { return (g_MainWindowState.nVolume + 50) / 100; }

void m_Set(SMENUITEM* item, int checked) { item->Checked = checked ? 1 : 0; }
void m_Disable(SMENUITEM* item, int disabled) { item->Disabled = disabled ? 1 : 0; }

// The list-file resume items: enabled for their list type while playing.
void m_ListResumeState(SMENUITEM* item, UINT type, int checked)
{
    if (g_ListType == type) {
        m_Disable(item, g_PlayState == 0);
        m_Set(item, checked);
    } else {
        m_Disable(item, 1);
        m_Set(item, 0);
    }
}

// A marker lies within 5 ms of the position while not running.
int m_MarkerAtPosition()
{
    if (g_PlayState == 5 && !g_PlayHeld) return 0;
    const int pos = m_GetCurrentPosMs();
    for (UINT i = 0; i < g_FileInfo.MarkerCount && i < ARRAYSIZE(g_FileInfo.Markers); ++i)
        if (abs(g_FileInfo.Markers[i].position - pos) < 5) return 1;
    return 0;
}

int m_CaptureItemsDisabled()
{
    if (g_CaptureCount <= 0 || !g_CaptureSettings || !g_CaptureSettings[0].SaveFile) return 1;
    const DWORD attr = GetFileAttributesW(g_CaptureSettings[0].Folder);
    if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY)) return 0;
    return g_MediaPath[0] == 0;
}

// Windows, panels and display options.
int m_WindowState(SMENUITEM* item, UINT id)
{
    switch (id) {
        case 250:
            m_Set(item, m_Shown(m_GetAboutBox()));
            return 1;
        case 4097:
            m_Set(item, g_MainWindowState.nTopMost);
            return 1;
        case 4099:
            m_Set(item, g_ShowMenuBar);
            return 1;
        case 4100:
            m_Set(item, g_ShowSeekBar);
            return 1;
        case 4101:
            m_Set(item, g_SeekBarInline);
            m_Disable(item, !(g_ShowSeekBar && g_ShowButtonRow));
            return 1;
        case 4102:
            m_Set(item, g_ShowButtonRow);
            return 1;
        case 4103:
            m_Set(item, g_ShowStatusBar);
            return 1;
        case 4106:
            m_Set(item, m_Shown(g_Playlist.m_GetWindow()));
            return 1;
        case 4107:
            m_Set(item, m_Shown(m_Favorite_GetWindow()));
            return 1;
        case 4138:
        case 9473:
            m_Set(item, m_Launcher_IsShown());
            return 1;
        case 4256:
            m_Set(item, g_MainWindowState.nPowerSaving);
            return 1;
        case 4257:
            m_Set(item, m_PowerSaving_IsTempOn());
            return 1;
        case 4266:
        case 4267:
        case 4268:
            m_Set(item, g_Settings.Osc_Mode == static_cast<int>(id - 4266));
            return 1;
        case 4431:
            m_Set(item, g_SeekPreview.userOverride != -1);
            return 1;
    }
    if (id >= 4436 && id <= 4440) {
        m_Set(item, g_MainWindowState.nTimeMode == static_cast<int>(id - 4436));
        return 1;
    }
    if (id >= 4442 && id <= 4446) {
        m_Set(item, g_MainWindowState.nTimeFlags[id - 4442]);
        return 1;
    }
    return 0;
}

// The open file, the list and the file tools.
int m_FileState(SMENUITEM* item, UINT id)
{
    const int tracks = g_Playlist.m_GetCount();
    switch (id) {
        case 2307:
            m_Disable(item, g_ListType == 0);
            return 1;
        case 2315:
            m_Disable(item, !m_IsVideo() || m_JumpListBuilding());
            return 1;
        case 2316:
            m_Disable(item, tracks == 0 || m_JumpListBuilding());
            return 1;
        case 2326:
        case 2335:
        case 2336:
        case 2338:
        case 2340:
            m_Disable(item, m_NoFile());
            return 1;
        case 2328:
            m_Disable(item, g_ChapterCount < 2);
            return 1;
        case 4132:
            m_Disable(item, m_NoFile());
            return 1;
        case 4137:
            m_Disable(item, !(tracks > 0 && g_ListType == 1));
            return 1;
        case 4139:
            if (g_ListType == 2 || g_ListType == 5) {
                m_Disable(item, g_PlayState == 0);
                m_Set(item, g_ListType == 5);
            } else {
                m_Disable(item, 1);
                m_Set(item, 0);
            }
            return 1;
        case 4140:
            m_ListResumeState(item, 5, g_FolderListMg);
            return 1;
        case 4141:
            m_ListResumeState(item, 5, g_ListResumeOn);
            return 1;
        case 4143:
            m_ListResumeState(item, 4, g_ListResumeOn);
            return 1;
        case 4145:
            m_Disable(item, 1);
            m_Set(item, g_ListType == 1 && g_FolderListMg);
            return 1;
        case 4146:
        case 4147:
            m_Disable(item, m_NoFile() || g_ListType == 1);
            return 1;
    }
    if ((id >= 4133 && id <= 4136) || (id >= 4186 && id <= 4193)) {
        m_Disable(item, m_NoFile());
        return 1;
    }
    if ((id >= 4156 && id <= 4162) || id == 4165) {
        m_Disable(item, g_ListType == 0);
        return 1;
    }
    return 0;
}

// Sound: mute, balance, volume and the volume items.
int m_SoundState(SMENUITEM* item, UINT id)
{
    switch (id) {
        case 4217:
            m_Set(item, g_Mute);
            return 1;
        case 4221:
            m_Set(item, m_AudioInputBalance_Get() == 0);
            return 1;
        case 4222:
            m_Set(item, m_AudioInputBalance_Get() == -100);
            return 1;
        case 4223:
            m_Set(item, m_AudioInputBalance_Get() == 100);
            return 1;
        case 4226:
            (void)StringCchPrintfW(item->ExtraText, ARRAYSIZE(item->ExtraText), L"%d%%",
                                   m_VolumePercent());
            return 1;
        case 4227:
            m_Set(item, g_Settings.Common_AtVol);
            return 1;
    }
    if (id >= kMenuVolumeFirstId && id <= kMenuVolumeLastId) {
        m_Set(item, static_cast<int>(id - kMenuVolumeFirstId) == m_VolumePercent());
        return 1;
    }
    return 0;
}

// Repeat modes, chapters, ranges, markers and the return position.
int m_PlaceState(SMENUITEM* item, UINT id)
{
    if (id >= 4237 && id <= 4241) {
        m_Set(item, g_RepeatMode == static_cast<int>(id - 4237));
        return 1;
    }
    if (id >= 4247 && id <= 4251) {
        m_Set(item, g_RangeRepeatMode == static_cast<int>(id - 4247));
        return 1;
    }
    switch (id) {
        case 4377:
        case 4400:
        case 4401:
            m_Disable(item, m_NoFile());
            return 1;
        case 4378:
            m_Disable(item, m_NoFile() || g_ChapterCount == 0);
            return 1;
        case 4379:
            m_Disable(item, m_NoFile() || !g_ChaptersFromInfo);
            return 1;
        case 4398:
        case 4399:
            m_Disable(item, m_NoFile() || !g_PlayRangeOn || g_PlayRangeIndex >= 0);
            return 1;
        case 4402:
            m_Disable(item, m_NoFile());
            m_Set(item, g_PlayRangeOn);
            return 1;
        case 4407:
        case 4408:
            m_Disable(item, m_NoFile() || m_MarkerAtPosition());
            return 1;
        case 4426:
            m_Disable(item, g_SavedPlayMs < 0);
            return 1;
        case 4346:
        case 4356:
        case 4357:
            m_Set(item, g_Playlist.m_CheckMode);
            return 1;
    }
    return 0;
}

// Capture and the launcher.
int m_PictureState(SMENUITEM* item, UINT id)
{
    const int launcher = m_Launcher_IsShown();
    switch (id) {
        case 2317:
            if (launcher)
                m_Disable(item, 1);
            else
                m_Disable(item, !m_IsVideo() &&
                                    !(g_JumpListShown && !g_JumpListEmpty && g_JumpListEntry >= 0));
            return 1;
        case 4286:
        case 4287:
        case 4288:
            m_Disable(item, !m_IsVideo() || m_JumpListEmptyView() ||
                                (launcher && !m_Shown(g_VideoWindow)));
            return 1;
        case 4291:
            m_Disable(item, !m_IsVideo() || launcher || m_JumpListEmptyView());
            return 1;
        case 4292:
        case 4293:
            m_Disable(item, m_CaptureItemsDisabled());
            return 1;
        case 9486:
            m_Disable(item, 1);
            return 1;
    }
    return 0;
}

// The jump-list view, its builds and its edit.
int m_JumpListState(SMENUITEM* item, UINT id)
{
    switch (id) {
        case 4698:
            m_Set(item, g_JumpListShown);
            m_Disable(item, g_Playlist.m_GetCount() == 0);
            return 1;
        case 4699:
            m_Set(item, g_JumpListShown);
            return 1;
        case 4702:
        case 4703:
            m_Disable(item, !g_JumpListShown || m_JumpListBuilding());
            return 1;
        case 4700:
            m_Set(item, g_JumpListViewState.EditMode);
            m_Disable(item, !m_JumpListHeld() || m_JumpListBuilding());
            return 1;
        case 4712:
            m_Disable(item, !m_JumpListHeld() || m_JumpListBuilding());
            return 1;
        case 4717:
        case 4718:
        case 4719:
            m_Disable(item, !g_JumpListShown || m_JumpListBuilding());
            return 1;
        case 4746:
            m_Disable(item, !m_IsVideo());
            return 1;
        case 4748:
            m_Disable(item, g_Playlist.m_GetCount() == 0 || m_JumpListBuilding());
            return 1;
    }
    return 0;
}

// Items of lists that are not kept yet (history and favorites selections):
// nothing is selected, so they stand disabled.
int m_SelectionState(SMENUITEM* item, UINT id)
{
    if ((id >= 4596 && id <= 4600) || id == 4602 || id == 4633 || (id >= 4635 && id <= 4637) ||
        (id >= 4609 && id <= 4616) || (id >= 4646 && id <= 4648) || id == 4656 ||
        (id >= 4650 && id <= 4652)) {
        m_Disable(item, 1);
        return 1;
    }
    if (id == 4649) {
        item->CloseAlways = 1;
        m_Disable(item, 1);
        return 1;
    }
    if (id == 9479) {
        m_Set(item, 0);
        return 1;
    }
    return 0;
}

int m_CaptionState(SMENUITEM* item, UINT id)
{
    switch (id) {
        case 4163:
        case 4164:
        case 4316:
        case 4351:
        case 4358:
        case 4396:
        case 4406:
        case 4435:
            m_Disable(item, 1);
            return 1;
    }
    if (id >= kMenuOptionPageFirstId && id <= kMenuOptionPageLastId) {
        const int page = g_OptionMenuPages[id - kMenuOptionPageFirstId];
        m_Set(item, page >= 0 && page == g_OptionCurrentPage);
        return 1;
    }
    return 0;
}

}  // namespace

void m_Menu_SetItemState(SMENUITEM* item, UINT commandId)
{
    if (!item) return;
    if (m_WindowState(item, commandId) || m_FileState(item, commandId) ||
        m_SoundState(item, commandId) || m_PlaceState(item, commandId) ||
        m_PictureState(item, commandId) || m_JumpListState(item, commandId) ||
        m_SelectionState(item, commandId))
        return;
    m_CaptionState(item, commandId);
}
