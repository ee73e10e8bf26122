// The bindings a settings file without [Bind] Count starts with.
#include "settings/SettingsListStore.h"
#include "settings/SettingsLists.h"

namespace {

struct SDefaultBind {
    int Enabled;
    int Function;
    int Param;
    const wchar_t* Arg;
    WORD Key;
    int Mouse;
};

// Mouse codes: 3 middle button, 4 and 5 wheel, 33 click in the video,
// 49 and 50 rocker gestures, 193 the first custom button.
const SDefaultBind kDefaults[kDefaultBindCount] = {
    {1, 1, -1, L"", 0x20, 33},     // play or pause: Space, click
    {1, 3, 0, L"", 0x24, 0},       // previous track: Home
    {1, 3, 1, L"", 0x23, 0},       // next track: End
    {1, 10, 0, L"", 0x21, 49},     // previous chapter: Page Up
    {1, 11, 0, L"", 0x22, 50},     // next chapter: Page Down
    {1, 5, -1, L"", 0x25, 0},      // seek back: Left
    {1, 5, 1, L"", 0x27, 0},       // seek forward: Right
    {1, 5, -2, L"", 0x125, 0},     // fast seek back: Shift+Left
    {1, 5, 2, L"", 0x127, 0},      // fast seek forward: Shift+Right
    {1, 49, 0, L"5", 0x26, 4},     // volume up: Up, wheel forward
    {1, 49, 0, L"-5", 0x28, 5},    // volume down: Down, wheel backward
    {1, 34, 360, L"", 0x31, 0},    // height 360: 1
    {1, 34, 540, L"", 0x32, 0},    // height 540: 2
    {1, 34, 720, L"", 0x33, 0},    // height 720: 3
    {1, 34, 900, L"", 0x34, 0},    // height 900: 4
    {1, 40, 0, L"-1", 0x35, 3},    // full screen: 5, middle button
    {0, 75, 2, L"", 0xDB, 0},      // play range start: [
    {0, 75, 3, L"", 0xDD, 0},      // play range end: ]
    {0, 75, -1, L"", 0xE2, 0},     // play range on or off
    {1, 64, 0, L"", 0x243, 0},     // capture: Ctrl+C
    {1, 53, -1, L"", 0x244, 193},  // next audio device: Ctrl+D
    {1, 66, -1, L"", 0x4A, 0},     // jump list: J
    {1, 88, -1, L"", 0x4C, 0},     // launcher: L
    {1, 81, 0, L"-1", 0x53, 0},    // options: S
    {1, 82, -1, L"", 0x50, 0},     // playlist: P
    {1, 83, -1, L"", 0x46, 0},     // favorites: F
    {1, 84, -1, L"", 0x54, 0},     // timer: T
    {1, 146, 0, L"", 0x258, 0},    // close the file: Ctrl+X
};

}  // namespace

void m_Bind_SetDefaults()
{
    delete[] m_pBind;
    m_pBind = m_List_New<SFUNCTIONBIND>(kDefaultBindCount);
    m_nBindCount = m_pBind ? kDefaultBindCount : 0;
    for (int i = 0; i < m_nBindCount; ++i) {
        const SDefaultBind& from = kDefaults[i];
        SFUNCTIONBIND& to = m_pBind[i];
        to.Enabled = from.Enabled;
        to.Function = from.Function;
        to.Param = from.Param;
        lstrcpynW(to.Arg, from.Arg, 32);
        to.Key = from.Key;
        to.Mouse = from.Mouse;
    }
}
