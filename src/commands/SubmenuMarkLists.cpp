// The chapter, play-range and marker items of the open file, and the ranges
// and markers of every playlist track.
#include <windows.h>

#include <strsafe.h>

#include "base/NumberFormat.h"
#include "base/PathUtil.h"
#include "commands/MenuItemData.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuLists.h"
#include "controls/MenuPlus.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "playback/PlayPause.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr int kTimeCap = 32;
constexpr int kImagePlaying = 1;
constexpr int kImagePaused = 2;
constexpr UINT kNoImage = static_cast<UINT>(-1);
constexpr UINT kCheckNone3 = 3;  // the check kind that draws nothing
constexpr int kChapterIconSize = 18;

int m_Limit(int count) { return count < 0 ? 0 : (count > kMenuMaxMarks ? kMenuMaxMarks : count); }

int m_Seconds(double seconds) { return seconds <= 0 ? 0 : static_cast<int>(seconds + 0.5); }

// "%d:%02d" below one hour, "%d:%02d:%02d" from one hour.
void m_ClockText(wchar_t* out, int size, int seconds)
{
    if (seconds >= 3600)
        m_Menu_Format(out, size, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        m_Menu_Format(out, size, L"%d:%02d", seconds / 60, seconds % 60);
}

int m_ChaptersNamed()
{
    for (int k = 0; k < m_Menu_ChapterCount(); ++k)
        if (g_PlayingChapters[k].Name[0]) return 1;
    return 0;
}

// Inserts at position (-1 appends) and moves the position on; 0 when full.
int m_Insert(CMenuPlus* popup, const SMENUITEM& item, int* position)
{
    const int at = popup->m_InsertItem(&item, *position, 0);
    if (at < 0) return 0;
    if (*position >= 0) *position = at + 1;
    return 1;
}

// "%d, %s - %s\t%s" or with " / name"; an open end is the duration with "(En)".
void m_RangeText(wchar_t* out, int size, int index, const SPLAYRANGEITEM& r, int durationMs)
{
    const int start = r.start < 0 ? 0 : r.start;
    const int end = r.end < 0 ? durationMs : r.end;
    wchar_t from[kTimeCap], to[kTimeCap + 4], length[kTimeCap];
    m_FormatTime(from, kTimeCap, start, 3);
    m_FormatTime(to, kTimeCap, end, 3);
    if (r.end < 0) (void)StringCchCatW(to, ARRAYSIZE(to), L"(En)");
    m_FormatTime(length, kTimeCap, end - start, 3);
    if (r.name[0])
        m_Menu_Format(out, size, L"%d, %s - %s / %s\t%s", index + 1, from, to, r.name, length);
    else
        m_Menu_Format(out, size, L"%d, %s - %s\t%s", index + 1, from, to, length);
}

void m_MarkerText(wchar_t* out, int size, int index, const SMARKERITEM& m)
{
    wchar_t at[kTimeCap];
    m_FormatTime(at, kTimeCap, m.position, 3);
    if (m.name[0])
        m_Menu_Format(out, size, L"%d, %s / %s", index + 1, at, m.name);
    else
        m_Menu_Format(out, size, L"%d, %s", index + 1, at);
}

// A track's caption row of the all-files lists: "%02d, name.ext".
void m_AddTrackCaption(CMenuPlus* popup, int track, const STRACKINFO& t)
{
    SMENUITEM item;
    m_Menu_InitItem(&item, 0, 1);
    wchar_t name[kNameCap];
    m_GetFileName(name, kNameCap, t.Path, 1);
    m_Menu_Format(item.Text, ARRAYSIZE(item.Text), L"%02d, %s", track + 1, name);
    item.Kind = MENUKIND_HEADING;
    if (track == g_PlayingTrack) {
        item.HasIcon = 1;
        item.IconIndex = kImagePlaying;
        item.IconColor = -1;
    }
    popup->m_InsertItem(&item, -1, 0);
}

// One all-files entry: text, id by running number, data track x 1000 + index.
void m_AddAllFilesEntry(CMenuPlus* popup, UINT id, const wchar_t* text, int track, int index,
                        int plain)
{
    SMENUITEM item;
    m_Menu_InitItem(&item, id, 1);
    lstrcpynW(item.Text, text, ARRAYSIZE(item.Text));
    item.PlainShortcut = plain ? 1 : 0;
    m_Menu_SetItemData(&item, static_cast<UINT64>(track) * 1000 + static_cast<UINT64>(index));
    popup->m_InsertItem(&item, -1, 0);
}

int m_TrackListCount(const STRACKINFO& t, int ranges)
{
    return ranges ? (t.Ranges ? m_Limit(t.RangeCount) : 0)
                  : (t.Markers ? m_Limit(t.MarkerCount) : 0);
}

}  // namespace

void m_Menu_Format(wchar_t* out, int size, const wchar_t* format, ...)
{
    if (!out || size < 1) return;
    va_list args;
    va_start(args, format);
    (void)StringCchVPrintfW(out, static_cast<size_t>(size), format, args);
    va_end(args);
}

int m_Menu_ChapterCount() { return g_MediaOpen && g_PlayingChapters ? m_Limit(g_ChapterCount) : 0; }

int m_Menu_RangeCount()
{
    return g_MediaOpen ? m_Limit(static_cast<int>(g_FileInfo.RangeCount)) : 0;
}

int m_Menu_MarkerCount()
{
    return g_MediaOpen ? m_Limit(static_cast<int>(g_FileInfo.MarkerCount)) : 0;
}

void m_Menu_FormatChapterText(wchar_t* out, int size, int index)
{
    if (!out || size < 1) return;
    out[0] = 0;
    const int count = m_Menu_ChapterCount();
    if (index < 0 || index >= count) return;
    const SCHAPTERITEM& c = g_PlayingChapters[index];
    wchar_t prefix[16], name[kChapterNameCap], start[kTimeCap], length[kTimeCap];
    m_Menu_Format(prefix, ARRAYSIZE(prefix), L"%d, ", index + 1);
    if (m_ChaptersNamed())
        lstrcpynW(name, c.Name, ARRAYSIZE(name));
    else
        m_Menu_Format(name, ARRAYSIZE(name), L"CHAPTER %d", index + 1);
    const int startSec = m_Seconds(c.Start), lengthSec = m_Seconds(c.Length);
    m_ClockText(start, kTimeCap, startSec);
    m_ClockText(length, kTimeCap, lengthSec);
    const int mode = g_PlaylistChap;
    if (mode == 0 || mode == 1) {
        m_Menu_Format(out, size, L"%s%s\t%s", prefix, name, mode == 0 ? start : length);
    } else if (mode == 2) {
        m_Menu_Format(out, size, L"%s%s (%s)\t%s", prefix, name, length, start);
    } else {
        // Every start gets hours once the last chapter starts past one hour.
        const bool hours = m_Seconds(g_PlayingChapters[count - 1].Start) >= 3600;
        wchar_t at[kTimeCap];
        if (hours)
            m_Menu_Format(at, kTimeCap, L"%d:%02d:%02d", startSec / 3600, startSec / 60 % 60,
                          startSec % 60);
        else
            m_Menu_Format(at, kTimeCap, L"%02d:%02d", startSec / 60, startSec % 60);
        m_Menu_Format(out, size, L"%s[%s] %s\t%s", prefix, at, name, length);
    }
}

void m_Menu_SetChapterState(SMENUITEM* item, int index)
{
    item->IconIndex = kNoImage;
    if (index == g_CurrentChapter) item->IconIndex = m_IsPlaying() ? kImagePlaying : kImagePaused;
    if (g_Playlist.m_CheckMode) {
        const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
        item->CheckKind = MENUCHECK_BOX;
        item->Checked = track && track->ChapterUnchecked[index] ? 0 : 1;
    } else {
        item->CheckKind = kCheckNone3;
        item->Checked = 0;
    }
}

int m_Menu_AddChapterItems(CMenuPlus* popup, int position)
{
    if (!popup) return 0;
    const int count = m_Menu_ChapterCount();
    int added = 0;
    for (int k = 0; k < count; ++k) {
        SMENUITEM item;
        m_Menu_InitItem(&item, kMenuChapterFirstId + k, 1);
        m_Menu_FormatChapterText(item.Text, ARRAYSIZE(item.Text), k);
        item.PlainShortcut = 1;
        item.HasIcon = 1;
        item.IconColor = -1;
        item.IconSize = kChapterIconSize;
        // -1 marks the first of several chapters, the one that starts the file.
        m_Menu_SetItemHover(&item, k == 0 && count > 1 ? -1 : 1);
        m_Menu_SetChapterState(&item, k);
        if (!m_Insert(popup, item, &position)) break;
        ++added;
    }
    return added;
}

void m_Menu_SetRangeState(SMENUITEM* item, int index)
{
    item->Checked = g_PlayRangeOn && g_PlayRangeIndex == index ? 1 : 0;
}

int m_Menu_AddRangeItems(CMenuPlus* popup, int position)
{
    if (!popup) return 0;
    const int count = m_Menu_RangeCount();
    int added = 0;
    for (int k = 0; k < count; ++k) {
        SMENUITEM item;
        m_Menu_InitItem(&item, kMenuRangeFirstId + k, 1);
        m_RangeText(item.Text, ARRAYSIZE(item.Text), k, g_FileInfo.Ranges[k], g_DurationMs);
        item.CheckKind = MENUCHECK_RADIO;
        item.PlainShortcut = 1;
        m_Menu_SetItemHover(&item, 1);
        m_Menu_SetRangeState(&item, k);
        if (!m_Insert(popup, item, &position)) break;
        ++added;
    }
    return added;
}

int m_Menu_AddMarkerItems(CMenuPlus* popup, int position)
{
    if (!popup) return 0;
    const int count = m_Menu_MarkerCount();
    int added = 0;
    for (int k = 0; k < count; ++k) {
        SMENUITEM item;
        m_Menu_InitItem(&item, kMenuMarkerFirstId + k, 1);
        m_MarkerText(item.Text, ARRAYSIZE(item.Text), k, g_FileInfo.Markers[k]);
        m_Menu_SetItemHover(&item, 1);
        if (!m_Insert(popup, item, &position)) break;
        ++added;
    }
    return added;
}

CMenuPlus* m_Menu_BuildAllFiles(UINT menuId)
{
    const int ranges = menuId == 2337;
    const UINT firstId = ranges ? kMenuAllRangesFirstId : kMenuAllMarkersFirstId;
    CMenuPlus* popup = nullptr;
    int shown = 0;
    for (int t = 0; t < g_Playlist.m_GetCount() && shown < kMenuMaxAllFiles; ++t) {
        const STRACKINFO& track = *g_Playlist.m_GetTrack(t);
        const int count = m_TrackListCount(track, ranges);
        if (count == 0) continue;
        if (!popup && !(popup = m_Menu_CreatePopup(menuId, nullptr))) return nullptr;
        m_AddTrackCaption(popup, t, track);
        for (int k = 0; k < count && shown < kMenuMaxAllFiles; ++k, ++shown) {
            wchar_t text[kMenuNameCap];
            if (ranges)
                m_RangeText(text, kMenuNameCap, k, track.Ranges[k],
                            static_cast<int>(track.Milliseconds));
            else
                m_MarkerText(text, kMenuNameCap, k, track.Markers[k]);
            m_AddAllFilesEntry(popup, firstId + shown, text, t, k, ranges);
        }
    }
    return popup;
}

UINT m_Menu_ListCloser(const CMenuPlus* popup, UINT anchorId)
{
    if (!popup || anchorId == kMenuAnchorStreams) return 0;
    if (popup->m_MenuId == 2333) return kMenuThinSeparatorId;
    if ((popup->m_MenuId == 2336 && anchorId == kMenuAnchorRanges) ||
        (popup->m_MenuId == 2338 && anchorId == kMenuAnchorMarkers))
        return kMenuSeparatorId;
    return 0;
}
