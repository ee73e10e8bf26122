#include "commands/FileTool.h"

#include <shlwapi.h>

#include "app/MainWindow.h"
#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "playback/MediaPath.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistState.h"
#include "settings/CallTrace.h"

namespace {

// The open list item for 1 to 3, the open media file for 4 to 6; null when
// that is not open.
const wchar_t* m_ToolPath(int value)
{
    if (value <= 3) return g_ListType != LIST_NONE && g_ListPath[0] ? g_ListPath : nullptr;
    return g_MediaOpen && g_MediaPath[0] ? g_MediaPath : nullptr;
}

void m_CopyCase(int value, int nameOnly)
{
    const wchar_t* path = m_ToolPath(value);
    const wchar_t* text = path && nameOnly ? PathFindFileNameW(path) : path;
    const int copied = text && text[0] && m_CopyTextToClipboard(g_hWndMain, text);
    m_PlaySoundCue(copied ? 3 : 8);
}

}  // namespace

// The chapter export dialog comes with its own part.
void m_ShowChapExpDlg() { m_TraceCall(L"m_ShowChapExpDlg()"); }

void m_FileTool(int value)
{
    switch (value) {
        case 1:
        case 4:
            m_CopyCase(value, 1);
            return;
        case 2:
        case 5:
            m_CopyCase(value, 0);
            return;
        case 3:
        case 6:
            if (!m_ToolPath(value)) {
                m_PlaySoundCue(8);
                return;
            }
            break;
        case 7:
            // The export reads the position: playback holds while the
            // dialog is up.
            m_SetHold(1, 1);
            m_ShowChapExpDlg();
            return;
    }
    // The rename dialog and Explorer come with their own parts.
    m_TraceCall(L"m_FileTool(%d)", value);
}
