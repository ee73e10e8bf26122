// The recent-files and most-played menus, listed from the history records.
#include <windows.h>

#include <algorithm>
#include <shlwapi.h>
#include <strsafe.h>

#include "base/MediaTypes.h"
#include "commands/MenuItemData.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"
#include "library/Library.h"
#include "library/RecentRecords.h"
#include "settings/Settings.h"

namespace {

constexpr int kImageFolder = 12;
constexpr int kImageByKind[4] = {16, 13, 14, 15};  // other, media, playlist, bookmark
constexpr int kMinutesWholeHours = 6000;

int m_HistoryImage(const wchar_t* path)
{
    const int length = lstrlenW(path);
    if (length > 0 && path[length - 1] == L'\\') return kImageFolder;
    const int kind = m_GetFileKind(path);
    return kind >= 0 && kind < 4 ? kImageByKind[kind] : kImageByKind[0];
}

void m_HistoryItem(SMENUITEM* item, UINT id, const wchar_t* text, const SRECENTITEM& record,
                   int index)
{
    m_Menu_NewListItem(item, id, text);
    m_Menu_SetItemData(item, index);
    item->HasIcon = 1;
    item->IconIndex = static_cast<UINT>(m_HistoryImage(record.Path));
    item->IconColor = -1;
    item->Faint = record.State == RECENT_MISSING || record.State == RECENT_FOUND_MOVED;
    item->Marker = record.Pin ? 1 : 0;
    item->ContextMenu = 1;
}

// Newest first, without the entries marked for deletion.
void m_AddRecent(CMenuPlus* popup)
{
    const int count = m_Recent_GetRecordCount();
    for (int i = 0; i < count; ++i) {
        SRECENTITEM* record = m_Recent_GetRecord(i);
        record->Shown = 0;
        record->MenuPos = 0;
    }
    int listed = 0;
    for (int i = count - 1; i >= 0 && listed < kMenuMaxHistory; --i) {
        SRECENTITEM* record = m_Recent_GetRecord(i);
        if (record->DeleteMark) continue;
        SMENUITEM item;
        m_HistoryItem(&item, kMenuRecentFirstId + i, PathFindFileNameW(record->Path), *record, i);
        if (popup->m_InsertItem(&item, -1, 0) < 0) break;
        record->Shown = 1;
        record->MenuPos = ++listed;
    }
}

void m_PlayTimeText(wchar_t* out, int size, const SRECENTITEM& record)
{
    const double hours = record.Minutes / 60.0;
    wchar_t time[32];
    (void)StringCchPrintfW(time, ARRAYSIZE(time),
                           record.Minutes < kMinutesWholeHours ? L"%.1fh" : L"%.0fh", hours);
    // A long name is cut; the menu cuts it anyway.
    (void)StringCchPrintfW(out, size, L"%s (%s)", PathFindFileNameW(record.Path), time);
}

// Pinned entries first, each group by play time, most first.
void m_AddMostPlayed(CMenuPlus* popup)
{
    static int s_Order[kRecentRecordCap];
    int count = 0;
    for (int i = 0; i < m_Recent_GetRecordCount() && count < kRecentRecordCap; ++i)
        if (!m_Recent_GetRecord(i)->DeleteMark) s_Order[count++] = i;
    std::stable_sort(s_Order, s_Order + count, [](int a, int b) {
        const SRECENTITEM* x = m_Recent_GetRecord(a);
        const SRECENTITEM* y = m_Recent_GetRecord(b);
        if ((x->Pin != 0) != (y->Pin != 0)) return y->Pin != 0;
        return x->Minutes < y->Minutes;
    });
    int listed = 0;
    int pinnedListed = 0;
    for (int k = count - 1; k >= 0 && listed < kMenuMaxHistory; --k) {
        const int i = s_Order[k];
        const SRECENTITEM& record = *m_Recent_GetRecord(i);
        if (!record.Pin && pinnedListed) {
            popup->m_InsertSeparator(-1);
            pinnedListed = 0;
        }
        wchar_t text[kMenuNameCap];
        m_PlayTimeText(text, ARRAYSIZE(text), record);
        SMENUITEM item;
        m_HistoryItem(&item, kMenuMostPlayedFirstId + i, text, record, i);
        if (popup->m_InsertItem(&item, -1, 0) < 0) break;
        if (record.Pin) pinnedListed = 1;
        ++listed;
    }
}

void m_FillHistory(CMenuPlus* popup, int mostPlayed)
{
    if (m_Recent_GetRecordCount() == 0) {
        m_Menu_AddNoteItem(popup, L"ファイルが保存されていません", -1);
        return;
    }
    if (g_Settings.Menu_Rct <= 0) return;
    if (mostPlayed)
        m_AddMostPlayed(popup);
    else
        m_AddRecent(popup);
}

void m_RenewHistory(UINT menuId)
{
    CMenuPlus* popup = m_Menu_Remembered(menuId);
    if (!popup) return;
    popup->m_DeleteAllItems();
    m_FillHistory(popup, menuId == 2324);
    popup->m_Refresh(0);
}

}  // namespace

CMenuPlus* m_Menu_BuildHistory(UINT menuId)
{
    const int mostPlayed = menuId == 2324 || menuId == 2325;
    m_Recent_ReadFile(0, 1);
    CMenuPlus* popup = m_Menu_CreatePopup(menuId, nullptr);
    if (!popup) return nullptr;
    if (menuId == 2323) m_Menu_AddCaption(popup, L"最近開いたファイル", 30);
    if (menuId == 2325) m_Menu_AddCaption(popup, L"再生時間の多いファイル", 31);
    m_FillHistory(popup, mostPlayed);
    if (menuId == 2322 || menuId == 2324) m_Menu_Remember(menuId, popup);
    return popup;
}

void m_Menu_UpdateRecent() { m_RenewHistory(2322); }

void m_Menu_UpdateMostPlayed() { m_RenewHistory(2324); }
