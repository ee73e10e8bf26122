#include "commands/CommandHandlers.h"

#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "playback/PlayPause.h"
#include "commands/StreamSelect.h"

namespace {
constexpr UINT kMenuPlayPause = 4186;
constexpr UINT kMenuStop = 4187;
// "デフォルトに設定" of the stream submenu, under both of its ids.
constexpr UINT kMenuStreamDefault = 4353;
constexpr UINT kMenuStreamDefaultItem = 4354;
}  // namespace

// Until the menu commands are built, play/pause, stop and the streams'
// default.
LRESULT m_OnMenuCommand(WPARAM code, LPARAM notify)
{
    const SMENUNOTIFY* block = reinterpret_cast<const SMENUNOTIFY*>(notify);
    if (!block || !block->Popup) return 0;
    if (code != MENUCODE_CHOSEN) return 1;
    if (block->ItemId == kMenuPlayPause)
        m_PlayPause(-1);
    else if (block->ItemId == kMenuStop)
        m_Stop();
    else if (block->ItemId == kMenuStreamDefault || block->ItemId == kMenuStreamDefaultItem)
        m_Stream_StoreDefault();
    return 1;
}
