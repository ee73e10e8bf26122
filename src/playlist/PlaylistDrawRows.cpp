// Owner-drawn rows of the four lists: background by selection and focus,
// dimmed rows of missing files, the name and time texts, the play mark and
// the check box.
#include <windows.h>
#include <commctrl.h>

#include "base/Geometry.h"
#include "base/TextFit.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDrawMath.h"

namespace {

constexpr int kNameCap = 257;
constexpr int kTimeCap = 33;
constexpr wchar_t kEllipsis[] = L"..";

// Draws image n of the list centred in the area.
void m_DrawImageCentred(HIMAGELIST images, int n, HDC dc, const RECT& area)
{
    int cx = 0, cy = 0;
    if (!images || n < 0 || n >= ImageList_GetImageCount(images) ||
        !ImageList_GetIconSize(images, &cx, &cy))
        return;
    const int x = area.left + (int)((area.right - area.left - cx) / 2.0 + 0.5);
    const int y = area.top + (int)((area.bottom - area.top - cy) / 2.0 + 0.5);
    ImageList_Draw(images, n, dc, x, y, ILD_TRANSPARENT);
}

int m_Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.left < inner.right;
}

}  // namespace

BOOL CPlaylist::m_OnDrawItem(const DRAWITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_LISTVIEW || !item->hwndItem) return FALSE;
    HWND list = item->hwndItem;
    const int isTrackList = list == m_W.Lists[0] || list == m_hList;
    if (!isTrackList && list != m_W.Lists[1] && list != m_W.Lists[2] && list != m_W.Lists[3])
        return FALSE;
    const int row = (int)item->itemID;
    HDC dc = item->hDC;
    const int saved = SaveDC(dc);

    const int focused = GetFocus() == list;
    const int checkBoxes = (ListView_GetExtendedListViewStyle(list) & LVS_EX_CHECKBOXES) != 0;
    LVITEMW lv = {};
    lv.mask = LVIF_STATE | LVIF_IMAGE | LVIF_PARAM;
    lv.iItem = row;
    lv.stateMask = LVIS_STATEIMAGEMASK | LVIS_SELECTED;
    ListView_GetItem(list, &lv);
    const int stateImage = (int)((lv.state & LVIS_STATEIMAGEMASK) >> 12);
    RECT name = {}, time = {}, bounds = {}, icon = {};
    ListView_GetItemRect(list, row, &name, LVIR_LABEL);
    ListView_GetSubItemRect(list, row, 1, LVIR_LABEL, &time);
    ListView_GetItemRect(list, row, &bounds, LVIR_BOUNDS);
    ListView_GetItemRect(list, row, &icon, LVIR_ICON);

    // Insets are given at 200 %.
    const int dpi = m_W.DpiPercent;
    auto unit = [dpi](double n) { return m_ScaleValue(n, dpi, 200, 0); };
    m_InflateRectLTRB(&name, -unit(4), 0, -unit(4), -unit(1));
    OffsetRect(&name, unit(4), 0);
    m_InflateRectLTRB(&time, -unit(4), 0, -unit(6), -unit(1));
    RECT state = {bounds.left, bounds.top, icon.left, bounds.bottom};
    OffsetRect(&state, unit(checkBoxes ? 2 : 1), 0);

    wchar_t nameText[kNameCap] = L"", timeText[kTimeCap] = L"";
    ListView_GetItemText(list, row, 0, nameText, kNameCap);
    ListView_GetItemText(list, row, 1, timeText, kTimeCap);
    HFONT font = (HFONT)SendMessageW(list, WM_GETFONT, 0, 0);
    if (font) SelectObject(dc, font);
    m_FitTextToWidth(dc, name.right - name.left, nameText, kNameCap, kEllipsis);
    m_FitTextToWidth(dc, time.right - time.left, timeText, kTimeCap, kEllipsis);

    // Track rows carry their record; a missing file's row is dimmed.
    int dimmed = 0;
    const UINT_PTR data = (UINT_PTR)lv.lParam, first = (UINT_PTR)m_Tracks;
    if (isTrackList && data >= first && data < (UINT_PTR)(m_Tracks + m_Count) &&
        (data - first) % sizeof(STRACKINFO) == 0)
        dimmed = reinterpret_cast<const STRACKINFO*>(data)->Missing != 0;

    const SROWCOLORS colours =
        m_PlaylistDraw_RowColors(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT),
                                 (item->itemState & ODS_SELECTED) != 0, focused, dimmed);
    SetDCBrushColor(dc, colours.Back);
    FillRect(dc, &bounds, (HBRUSH)GetStockObject(DC_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    if (!colours.TextKept) SetTextColor(dc, colours.Text);
    DrawTextW(dc, nameText, -1, &name, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(dc, timeText, -1, &time, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
    if (lv.iImage >= 0 && m_Inside(icon, bounds)) m_DrawImageCentred(images, lv.iImage, dc, icon);
    HIMAGELIST checks = m_W.CheckImages ? m_W.CheckImages : images;
    if (checkBoxes && (stateImage == 1 || stateImage == 2) && m_Inside(state, bounds))
        m_DrawImageCentred(checks, stateImage == 1 ? 1 : 0, dc, state);

    RestoreDC(dc, saved);
    return TRUE;
}
