// Renewing the file lists of a popup that is open: a list is deleted after
// its anchor and listed again, or only its playing image and checks change.
#include <windows.h>

#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuLists.h"
#include "controls/MenuPlus.h"

namespace {

// Lists the entries of first..last after the anchor again, with the
// separator that closes a list that is not empty in this menu.
void m_Relist(CMenuPlus* popup, UINT anchorId, UINT first, UINT last, int (*add)(CMenuPlus*, int))
{
    const int at = m_Menu_AfterAnchor(popup, anchorId);
    if (at < 0) return;
    const UINT closer = m_Menu_ListCloser(popup, anchorId);
    const int before = popup->m_GetItemCount();
    m_Menu_DeleteRangeAfter(popup, anchorId, first, last);
    if (closer && popup->m_GetItemCount() < before && popup->m_GetItemIdAt(at) == closer)
        popup->m_DeleteItem(at, 0);
    const int added = add(popup, at);
    if (added > 0 && closer) m_Menu_AddCommand(popup, closer, at + added);
}

// Applies the state step to each entry of first..last after the anchor.
void m_Renew(CMenuPlus* popup, UINT anchorId, UINT first, UINT last, void (*state)(SMENUITEM*, int))
{
    int at = m_Menu_AfterAnchor(popup, anchorId);
    if (at < 0) return;
    for (; at < popup->m_GetItemCount(); ++at) {
        const UINT id = popup->m_GetItemIdAt(at);
        if (id < first || id > last) break;
        SMENUITEM item;
        if (!popup->m_GetItem(&item, at)) break;
        state(&item, static_cast<int>(id - first));
        popup->m_SetItem(&item, at, 0);
    }
}

void m_Refresh(CMenuPlus* popup, int refresh)
{
    if (refresh) popup->m_Refresh(0);
}

constexpr UINT kStreamLast = kMenuStreamFirstId + 99;
constexpr UINT kChapterLast = kMenuChapterFirstId + kMenuMaxMarks - 1;
constexpr UINT kRangeLast = kMenuRangeFirstId + kMenuMaxMarks - 1;
constexpr UINT kMarkerLast = kMenuMarkerFirstId + kMenuMaxMarks - 1;
constexpr UINT kTrackLast = kMenuTrackFirstId + kMenuMaxTracks - 1;

}  // namespace

void m_Menu_UpdateStreams(CMenuPlus* popup, int refresh)
{
    if (!popup) return;
    m_Relist(popup, kMenuAnchorStreams, kMenuStreamFirstId, kStreamLast, m_Menu_AddStreamItems);
    m_Refresh(popup, refresh);
}

void m_Menu_UpdateChapters(CMenuPlus* popup, int renew, int refresh)
{
    if (!popup) return;
    m_Menu_UpdateItem(popup, 4357, 0);
    if (renew)
        m_Renew(popup, kMenuAnchorChapters, kMenuChapterFirstId, kChapterLast,
                m_Menu_SetChapterState);
    else
        m_Relist(popup, kMenuAnchorChapters, kMenuChapterFirstId, kChapterLast,
                 m_Menu_AddChapterItems);
    m_Refresh(popup, refresh);
}

void m_Menu_UpdateRanges(CMenuPlus* popup, int renew, int refresh)
{
    if (!popup) return;
    m_Menu_UpdateItem(popup, 4399, 0);
    m_Menu_UpdateItem(popup, 4402, 0);
    if (renew)
        m_Renew(popup, kMenuAnchorRanges, kMenuRangeFirstId, kRangeLast, m_Menu_SetRangeState);
    else
        m_Relist(popup, kMenuAnchorRanges, kMenuRangeFirstId, kRangeLast, m_Menu_AddRangeItems);
    m_Refresh(popup, refresh);
}

void m_Menu_UpdateMarkers(CMenuPlus* popup, int refresh)
{
    if (!popup) return;
    m_Menu_UpdateItem(popup, 4408, 0);
    m_Relist(popup, kMenuAnchorMarkers, kMenuMarkerFirstId, kMarkerLast, m_Menu_AddMarkerItems);
    m_Refresh(popup, refresh);
}

void m_Menu_UpdateSeekBarMenu()
{
    CMenuPlus* popup = m_Menu_Remembered(2333);
    if (!popup) return;
    m_Menu_UpdateStreams(popup, 0);
    m_Menu_UpdateChapters(popup, 0, 0);
    m_Menu_UpdateRanges(popup, 0, 0);
    m_Menu_UpdateMarkers(popup, 0);
    popup->m_Refresh(1);
}

void m_Menu_UpdatePlaylist(CMenuPlus* popup, int renew, int refresh)
{
    if (!popup) return;
    m_Menu_UpdateItem(popup, 4346, 0);
    if (renew)
        m_Renew(popup, kMenuAnchorTracks, kMenuTrackFirstId, kTrackLast, m_Menu_SetTrackState);
    else
        m_Relist(popup, kMenuAnchorTracks, kMenuTrackFirstId, kTrackLast, m_Menu_AddTrackItems);
    m_Refresh(popup, refresh);
}
