// Files dropped on the main window: one opens as any path does, several
// replace the playlist sorted by name; with Ctrl the playlist window adds.
#include <shellapi.h>

#include "app/StatusText.h"
#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "commands/CommandHandlers.h"
#include "commands/FileDialogs.h"
#include "commands/OpenCommands.h"
#include "commands/OpenPathKinds.h"
#include "library/RecentRecords.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kSortByFileName = 1;

// The dropped path into out (kPathCap characters); 0 when it is longer than
// a path may be: cut, it could name another file, so it is refused.
int m_DroppedPath(HDROP drop, UINT index, wchar_t* out)
{
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0) return 0;
    if (length > MAX_PATH) {
        wchar_t head[64];
        DragQueryFileW(drop, index, out, kPathCap);
        lstrcpynW(head, out, ARRAYSIZE(head));
        m_WriteLog(L"E1013 : パスが長すぎるため開けませんでした。(%u 文字) \"%s...\"", length,
                   head);
        return 0;
    }
    return DragQueryFileW(drop, index, out, kPathCap) == length;
}

void m_DropOne(HDROP drop)
{
    wchar_t path[kPathCap];
    // Refused as a path that names nothing is.
    if (!m_DroppedPath(drop, 0, path)) path[0] = 0;
    m_OpenFile(path, 1, 1, 0, 1, -1);
}

void m_DropSeveral(HDROP drop, UINT count)
{
    m_ChosenPaths_Begin(0);
    int refused = 0, overLimit = 0;
    wchar_t path[kPathCap];
    for (UINT i = 0; i < count; ++i) {
        if (!m_DroppedPath(drop, i, path)) {
            ++refused;
        } else if (g_Playlist.m_GetCount() >= kPlaylistTrackCap) {
            ++overLimit;
        } else {
            g_Playlist.m_AddPlayListFile(path, 0);
        }
    }
    for (UINT i = 0; i < count; ++i)
        if (m_DroppedPath(drop, i, path)) m_Recent_Add(path, 0);
    if (overLimit)
        m_WriteLog(L"E1010 : プレイリストの上限数(%d)を超えたのでファイルを追加できませんでした。",
                   kPlaylistTrackCap);
    g_Playlist.m_SortPlayList(kSortByFileName, 1, 0);
    const int opened = m_ChosenPaths_End(0);
    // Told after the open, which clears what the status bar showed.
    if (overLimit) {
        m_OSD_ShowText(L"ERR (MAX)", 1, 4000, -1, 100, -1, -1);
        m_PlaySoundCue(8);
    } else if (refused && !opened) {
        m_OpenMissing(1);
    } else if (refused) {
        m_OSD_ShowText(L"FILE````NOT````FOUND", 1, 4000, -1, 100, -1, -1);
    }
}

}  // namespace

void m_OnDropFiles(HDROP drop)
{
    if (!drop) return;
    if (GetKeyState(VK_CONTROL) < 0) {
        g_Playlist.m_OnDropFiles(drop);  // finishes the drop itself
        return;
    }
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 1)
        m_DropOne(drop);
    else if (count > 1)
        m_DropSeveral(drop, count);
    DragFinish(drop);
}
