// The file menus: volume steps, streams, the seek-bar menu, chapters, play
// ranges, markers, the ranges and markers of all files and the playlist.
#include <windows.h>

#include <initializer_list>

#include "base/PathUtil.h"
#include "commands/MenuItemData.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuLists.h"
#include "controls/MenuPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayPause.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr UINT kNoImage = static_cast<UINT>(-1);
constexpr UINT kCheckNone3 = 3;  // the check kind that draws nothing
constexpr int kTrackIconSize = 18;
constexpr int kStreamIconSize = 20;
constexpr UINT kPlaylistImage = 33;

int m_Streams(const SSTREAMITEM** table)
{
    *table = nullptr;
    if (!g_VideoRenderer) return 0;
    const int count = g_VideoRenderer->m_VR_GetStreams(table);
    if (!*table || count < 0) return 0;
    return count > kMenuMaxStreams ? kMenuMaxStreams : count;
}

// The stream's name without the "V: ", "A: " or "S: " its kind puts in front.
const wchar_t* m_StreamName(const SSTREAMITEM& s)
{
    static const wchar_t* const kPrefixes[] = {nullptr, L"V: ", L"A: ", L"S: "};
    const wchar_t* prefix = s.Kind < 4 ? kPrefixes[s.Kind] : nullptr;
    if (prefix && wcsncmp(s.Name, prefix, 3) == 0) return s.Name + 3;
    return s.Name;
}

void m_AddIds(CMenuPlus* popup, std::initializer_list<UINT> ids)
{
    for (UINT id : ids) m_Menu_AddCommand(popup, id, -1);
}

// The list's items after its anchor; with a closer, that separator after a
// list that is not empty.
void m_FillAfter(CMenuPlus* popup, UINT anchorId, int (*add)(CMenuPlus*, int))
{
    const int at = m_Menu_AfterAnchor(popup, anchorId);
    if (at < 0) return;
    const int added = add(popup, at);
    const UINT closer = m_Menu_ListCloser(popup, anchorId);
    if (added > 0 && closer) m_Menu_AddCommand(popup, closer, at + added);
}

CMenuPlus* m_BuildVolume()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2309, nullptr);
    if (!popup) return nullptr;
    m_Menu_AddCommand(popup, 4224, -1);
    for (int percent = 100; percent >= 0; percent -= 10)
        m_Menu_AddCommand(popup, kMenuVolumeFirstId + percent, -1);
    return popup;
}

CMenuPlus* m_BuildStreams()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2326, nullptr);
    if (!popup) return nullptr;
    if (m_Menu_StreamCount() > 0) {
        m_AddIds(popup, {kMenuAnchorStreams, kMenuSeparatorId, 4354});
        m_FillAfter(popup, kMenuAnchorStreams, m_Menu_AddStreamItems);
    } else {
        m_Menu_AddNote(popup, L"ストリームが取得できませんでした");
    }
    return popup;
}

CMenuPlus* m_BuildSeekBar()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2333, nullptr);
    if (!popup) return nullptr;
    if (!g_MediaOpen) {
        m_Menu_AddNote(popup, L"ファイルが開かれていません");
        return popup;
    }
    if (m_Menu_StreamCount() > 0) {
        m_AddIds(popup, {4351, kMenuAnchorStreams});
        m_Menu_AddStreamItems(popup, -1);
        if (g_VideoRenderer->m_VR_HasMultipleStreams())
            m_AddIds(popup, {kMenuThinSeparatorId, 4354});
    }
    m_AddIds(popup, {4358,
                     kMenuAnchorChapters,
                     4357,
                     4377,
                     4396,
                     kMenuAnchorRanges,
                     4402,
                     4400,
                     4401,
                     4399,
                     kMenuThinSeparatorId,
                     2345,
                     4406,
                     kMenuAnchorMarkers,
                     4408,
                     kMenuSeparatorId,
                     4426,
                     4427,
                     kMenuSeparatorId,
                     4431});
    m_FillAfter(popup, kMenuAnchorChapters, m_Menu_AddChapterItems);
    m_FillAfter(popup, kMenuAnchorRanges, m_Menu_AddRangeItems);
    m_FillAfter(popup, kMenuAnchorMarkers, m_Menu_AddMarkerItems);
    return popup;
}

CMenuPlus* m_BuildChapters()
{
    if (!g_MediaOpen) {
        CMenuPlus* popup = m_Menu_CreatePopup(0, nullptr);
        if (popup) m_Menu_AddNote(popup, L"ファイルが開かれていません");
        return popup;
    }
    CMenuPlus* popup = m_Menu_CreatePopup(2335, nullptr);
    if (!popup) return nullptr;
    m_AddIds(popup, {4358, kMenuAnchorChapters, kMenuSeparatorId, 4357, 4377});
    m_FillAfter(popup, kMenuAnchorChapters, m_Menu_AddChapterItems);
    return popup;
}

CMenuPlus* m_BuildRanges()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2336, nullptr);
    if (!popup) return nullptr;
    m_AddIds(popup, {kMenuAnchorRanges, 2337, kMenuSeparatorId, 4402, 4400, 4401, 4399,
                     kMenuSeparatorId, 2345});
    m_FillAfter(popup, kMenuAnchorRanges, m_Menu_AddRangeItems);
    return popup;
}

CMenuPlus* m_BuildMarkers()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2338, nullptr);
    if (!popup) return nullptr;
    m_AddIds(popup, {kMenuAnchorMarkers, 2339, kMenuSeparatorId, 4408});
    m_FillAfter(popup, kMenuAnchorMarkers, m_Menu_AddMarkerItems);
    return popup;
}

// " *name" for folders and list files, " name (ZVPL)" for a folder list,
// else "PLAYLIST".
void m_PlaylistCaption(CMenuPlus* popup)
{
    SMENUITEM item;
    m_Menu_InitItem(&item, kMenuPlaylistCaptionId, 1);
    wchar_t name[kNameCap];
    m_GetFileName(name, kNameCap, g_ListPath, 1);
    if (g_ListType >= LIST_FOLDER && g_ListType <= LIST_ZVPL)
        m_Menu_Format(item.Text, ARRAYSIZE(item.Text), L" %s%s", g_ListModified ? L"*" : L"", name);
    else if (g_ListType == LIST_FOLDERLIST)
        m_Menu_Format(item.Text, ARRAYSIZE(item.Text), L"%s%s (ZVPL)", L" ", name);
    else
        lstrcpynW(item.Text, L"PLAYLIST", ARRAYSIZE(item.Text));
    item.Kind = MENUKIND_HEADING;
    item.HasIcon = 1;
    item.IconIndex = kPlaylistImage;
    item.IconColor = -1;
    popup->m_InsertItem(&item, -1, 0);
}

CMenuPlus* m_BuildPlaylist()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2318, nullptr);
    if (!popup) return nullptr;
    if (g_Playlist.m_GetCount() > 0) {
        if (g_ListType != LIST_SINGLE) m_PlaylistCaption(popup);
        m_Menu_AddCommand(popup, kMenuAnchorTracks, -1);
        m_Menu_AddTrackItems(popup, -1);
        // The menu opens on the playing track.
        if (g_PlayingTrack >= 0 && g_PlayingTrack < kMenuMaxTracks)
            popup->m_SetInitialSelection(
                popup->m_FindItem(kMenuTrackFirstId + static_cast<UINT>(g_PlayingTrack)));
    } else {
        m_Menu_AddNote(popup, L"プレイリストにファイルが登録されていません");
    }
    m_AddIds(popup, {kMenuSeparatorId, 4346});
    return popup;
}

}  // namespace

void m_Menu_AddNote(CMenuPlus* popup, const wchar_t* text)
{
    if (!popup) return;
    SMENUITEM item;
    m_Menu_InitItem(&item, 0, 1);
    lstrcpynW(item.Text, text, ARRAYSIZE(item.Text));
    item.Disabled = 1;
    popup->m_InsertItem(&item, -1, 0);
}

int m_Menu_StreamCount()
{
    const SSTREAMITEM* table;
    return m_Streams(&table);
}

int m_Menu_AddStreamItems(CMenuPlus* popup, int position)
{
    static const UINT kImages[] = {23, 20, 21, 22};  // other, video, audio, subtitle
    const SSTREAMITEM* table;
    const int count = popup ? m_Streams(&table) : 0;
    int added = 0;
    for (int i = 0; i < count; ++i) {
        const SSTREAMITEM& s = table[i];
        SMENUITEM item;
        m_Menu_InitItem(&item, kMenuStreamFirstId + i, 1);
        lstrcpynW(item.Text, m_StreamName(s), ARRAYSIZE(item.Text));
        item.CheckKind = MENUCHECK_RADIO;
        item.RadioGroup = s.Kind;
        item.Checked = s.Enabled ? 1 : 0;
        item.HasIcon = 1;
        item.IconIndex = s.Kind < 4 ? kImages[s.Kind] : kImages[0];
        item.IconColor = -1;
        item.IconSize = kStreamIconSize;
        const int at = popup->m_InsertItem(&item, position, 0);
        if (at < 0) break;
        if (position >= 0) position = at + 1;
        ++added;
    }
    return added;
}

void m_Menu_SetTrackState(SMENUITEM* item, int index)
{
    item->IconIndex = kNoImage;
    if (index == g_PlayingTrack) item->IconIndex = m_IsPlaying() ? 1 : 2;
    const STRACKINFO* track = g_Playlist.m_GetTrack(index);
    if (g_Playlist.m_CheckMode) {
        item->CheckKind = MENUCHECK_BOX;
        item->Checked = track && track->Unchecked ? 0 : 1;
    } else {
        item->CheckKind = kCheckNone3;
        item->Checked = 0;
    }
}

int m_Menu_AddTrackItems(CMenuPlus* popup, int position)
{
    if (!popup) return 0;
    int count = g_Playlist.m_GetCount();
    if (count > kMenuMaxTracks) count = kMenuMaxTracks;
    int added = 0;
    for (int i = 0; i < count; ++i) {
        // The 1000th track's id (35769 + 999) equals the first chapter's
        // (36768): the command handler tells them apart by the popup's menu
        // id, 2318 for tracks.
        SMENUITEM item;
        m_Menu_InitItem(&item, kMenuTrackFirstId + i, 1);
        g_Playlist.m_GetRowText(i, item.Text, ARRAYSIZE(item.Text));
        wchar_t time[32];
        CPlaylist::m_FormatRowTime(g_Playlist.m_GetTrack(i)->Milliseconds, time, ARRAYSIZE(time));
        const int length = lstrlenW(time);
        if (length > 0) {
            time[length - 1] = 0;  // the row's time ends in a blank
            const int used = lstrlenW(item.Text);
            m_Menu_Format(item.Text + used, ARRAYSIZE(item.Text) - used, L"\t%s", time);
        }
        item.HasIcon = 1;
        item.IconColor = -1;
        item.IconSize = kTrackIconSize;
        item.PlainShortcut = 1;
        m_Menu_SetItemHover(&item, 1);
        m_Menu_SetTrackState(&item, i);
        const int at = popup->m_InsertItem(&item, position, 0);
        if (at < 0) break;
        if (position >= 0) position = at + 1;
        ++added;
    }
    return added;
}

CMenuPlus* m_Menu_BuildFileList(UINT menuId)
{
    CMenuPlus* popup = nullptr;
    switch (menuId) {
        case 2309:
            popup = m_BuildVolume();
            break;
        case 2326:
            popup = m_BuildStreams();
            break;
        case 2333:
            popup = m_BuildSeekBar();
            break;
        case 2335:
            popup = m_BuildChapters();
            break;
        case 2336:
            popup = m_BuildRanges();
            break;
        case 2338:
            popup = m_BuildMarkers();
            break;
        case 2337:
        case 2339:
            return m_Menu_BuildAllFiles(menuId);
        case 2318:
            popup = m_BuildPlaylist();
            break;
        default:
            return nullptr;
    }
    if (popup) m_Menu_Remember(menuId, popup);
    return popup;
}
