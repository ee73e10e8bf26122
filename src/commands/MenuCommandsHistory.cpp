// The history items (recent and most-played entries and their item menu),
// the favorites items and the launcher's item menu.
#include "commands/MenuCommands.h"

#include <shlwapi.h>

#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "commands/OpenCommands.h"
#include "library/Favorites.h"
#include "library/LauncherCommands.h"
#include "library/RecentRecords.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "settings/CallTrace.h"

namespace {

constexpr UINT kMenuIdHistoryItem = 4596;

bool m_IsEntry(int index) { return index >= 0 && index < m_Recent_GetRecordCount(); }

void m_RemoveMarked()
{
    if (m_Recent_RemoveMarked()) g_MenuHistoryEntry = -1;
    g_MenuHistoryMarked = 0;
}

// Opens the path replacing the list (0), adds it (1), or adds it and plays
// it without replacing, scanning the durations (2).
void m_OpenPath(const wchar_t* path, int how)
{
    HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (how == 0) {
        m_OpenFile(path, 1, 1, 0, 1, -1);
    } else {
        const int before = g_Playlist.m_GetCount();
        if (g_Playlist.m_AddPlayListFile(path, 1) && how == 2) {
            m_OpenPlayListFile(before, 0, 1, 1, 0);
            m_StartScanThread();
        }
    }
    SetCursor(old);
}

int m_HowByKeys()
{
    if (m_IsKeyDown(VK_CONTROL)) return 1;
    return m_IsKeyDown(VK_SHIFT) ? 2 : 0;
}

void m_CopyEntry(int index, int nameOnly)
{
    const wchar_t* path = m_Recent_GetRecordPath(index);
    const wchar_t* text = nameOnly ? PathFindFileNameW(path) : path;
    m_PlaySoundCue(text[0] && m_CopyTextToClipboard(g_hWndMain, text) ? 3 : 8);
}

// The criteria of the delete-history menu that the records can tell.
void m_MarkByCriterion(UINT id)
{
    for (int i = 0; i < m_Recent_GetRecordCount(); ++i) {
        if (m_Recent_GetDeleteMark(i)) continue;
        const int state = m_Recent_GetRecordState(i);
        bool mark = id == 4608;
        if (id == 4609) mark = state == RECENT_MISSING;
        if (id == 4610 && state == RECENT_UNTESTED) {
            wchar_t folder[MAX_PATH + 1];
            lstrcpynW(folder, m_Recent_GetRecordPath(i), MAX_PATH + 1);
            mark = PathRemoveFileSpecW(folder) && !PathIsDirectoryW(folder);
        }
        if (mark) {
            m_Recent_SetDeleteMark(i, 1);
            g_MenuHistoryMarked = 1;
        }
    }
    // Play times and classifications are the history store's to tell.
    if (id == 4611 || (id >= 4612 && id <= 4616)) m_TraceCall(L"m_Recent_MarkBy(%u)", id);
}

// A path joins the favorites as a media file; the favorites menus and the
// launcher are renewed after the command.
void m_AddFavorite(const wchar_t* path)
{
    if (g_Favorite.m_GetCount() >= kFavoriteCap) {
        wchar_t text[64];
        wsprintfW(text, L"ERROR : ADD````FAVO````ITEM (%d`/`%d)", g_Favorite.m_GetCount(),
                  kFavoriteCap);
        m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
        m_PlaySoundCue(1);
        return;
    }
    if (!g_Favorite.m_Append(FAVO_MEDIAFILE, path)) return;
    m_PlaySoundCue(3);
    g_MenuFavoritesChanged = 1;
}

void m_DeleteAllAsked()
{
    const int answer = MessageBoxW(g_hWndMain, L"全ての履歴を削除しますか？", L"ZENTAVIO",
                                   MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION);
    if (answer == IDYES) m_MarkByCriterion(4608);
}

int m_EntryCommand(const SMENUCHOICE& c, int entry)
{
    // Kept aside: removing the marked entries moves the others.
    wchar_t path[MAX_PATH + 1];
    lstrcpynW(path, m_Recent_GetRecordPath(entry), MAX_PATH + 1);
    switch (c.Id) {
        case 4596:
        case 4597:
        case 4598:
            m_RemoveMarked();
            m_OpenPath(path, c.Id == 4596 ? m_HowByKeys() : (c.Id == 4597 ? 2 : 1));
            return 1;
        case 4599:
            m_Recent_SetDeleteMark(entry, 1);
            g_MenuHistoryMarked = 1;
            m_PlaySoundCue(5);
            return 1;
        case 4600:
            m_AddFavorite(path);
            return 1;
        case 4602:
            m_Recent_TogglePin(entry);
            m_PlaySoundCue(5);
            return 1;
        case 4604:
        case 4605:
            m_TraceCall(c.Id == 4604 ? L"m_Recent_ResumeAction(%d)" : L"m_Recent_SearchFolder(%d)",
                        entry);
            return 1;
        case 4635:
        case 4636:
            m_CopyEntry(entry, c.Id == 4635);
            return 1;
        case 4637:
            m_TraceCall(L"m_ShowInExplorer()");
            return 1;
    }
    return 0;
}

bool m_IsEntryItem(UINT id)
{
    return (id >= 4596 && id <= 4605) || (id >= 4635 && id <= 4637);
}

}  // namespace

int m_MenuCmd_History(const SMENUCHOICE& c)
{
    if (c.Id == 4603) {
        m_TraceCall(L"m_Recent_CheckExistence()");
        return 1;
    }
    if (c.Id == 4608) {
        m_DeleteAllAsked();
        return 1;
    }
    if (c.Id >= 4609 && c.Id <= 4616) {
        m_MarkByCriterion(c.Id);
        return 1;
    }
    if (c.Id >= 4646 && c.Id <= 4660) {
        // The favorites item menu comes with the favorites window.
        if (c.Id == 4650 && g_MediaOpen) m_AddFavorite(g_MediaPath);
        return 1;
    }
    if (!m_IsEntryItem(c.Id)) return 0;
    if (m_IsEntry(g_MenuHistoryEntry)) m_EntryCommand(c, g_MenuHistoryEntry);
    return 1;
}

// A recent or most-played entry: closing the menu (or the toggle state, or
// the middle button) opens it; the delete gesture marks it, state 3 pins
// it, the plain form of a plain choice opens its item menu.
int m_MenuCmd_HistoryEntry(const SMENUCHOICE& c, int entry)
{
    if (!m_IsEntry(entry)) return 1;
    if (c.Closes || c.SelState == MENUSEL_TOGGLE || c.Mode == 2) {
        wchar_t path[MAX_PATH + 1];
        lstrcpynW(path, m_Recent_GetRecordPath(entry), MAX_PATH + 1);
        m_RemoveMarked();
        m_OpenPath(path, m_HowByKeys());
    } else if (m_MenuCmd_IsDelete(c)) {
        m_Recent_SetDeleteMark(entry, 1);
        g_MenuHistoryMarked = 1;
        m_PlaySoundCue(5);
    } else if (c.SelState == MENUSEL_MARK) {
        m_Recent_TogglePin(entry);
        m_PlaySoundCue(5);
    } else if (c.SelState == MENUSEL_PLAIN && c.Mode == 1) {
        g_MenuHistoryEntry = entry;
        m_MenuCmd_OpenItemMenu(c, kMenuIdHistoryItem);
    }
    return 1;
}

// A favorites item opens its path when chosen; -1 for an id past the
// records.
int m_MenuCmd_FavoriteItem(const SMENUCHOICE& c, int index)
{
    const SFAVORITEITEM* item = g_Favorite.m_GetItem(index);
    if (!item) return -1;
    if ((c.Closes || c.SelState == MENUSEL_TOGGLE) && item->Type != FAVO_SUBMENU) {
        wchar_t path[MAX_PATH + 1];
        lstrcpynW(path, item->Path, MAX_PATH + 1);
        m_OpenPath(path, m_HowByKeys());
    }
    return 1;
}

int m_MenuCmd_Launcher(const SMENUCHOICE& c)
{
    if (c.Id < 9474 || c.Id > 9496) return 0;
    m_Launcher_ItemCommand(static_cast<int>(c.Id), c.Mode);
    return 1;
}
