#include <windows.h>

#include <cstring>

#include "commands/MenuItemModel.h"
#include "commands/MenuTooltips.h"
#include "playback/PlaybackEvents.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

// Bits of a look row.
enum : UINT {
    LOOK_SUBMENU = 0x1,
    LOOK_TOGGLE = 0x2,
    LOOK_RADIO = 0x4,
    LOOK_CAPTION = 0x8,
    LOOK_TIP = 0x10,
    LOOK_CLOSE = 0x20,
    LOOK_CHAIN = 0x40,  // close-chain value 1
    LOOK_PATH = 0x80,
    LOOK_DIM = 0x100,
    LOOK_VALUE = 0x200,  // value flag of a caption
    LOOK_PLAIN = 0x400,  // plain shortcut column
    LOOK_BOLD = 0x800,
    LOOK_HIDDEN = 0x1000,
};

constexpr int NO_IMAGE = -1;

// One row of static looks for the ids First..Last; Image -1: none.
struct SLOOKROW {
    UINT First, Last;
    UINT Bits;
    int Image;
};

const SLOOKROW kLooks[] = {
    {240, 240, LOOK_SUBMENU, NO_IMAGE},
    {250, 250, LOOK_TOGGLE, 62},
    {2049, 2054, LOOK_HIDDEN, NO_IMAGE},
    {2305, 2305, LOOK_SUBMENU, 85},
    {2306, 2306, LOOK_SUBMENU, 40},
    {2307, 2307, LOOK_SUBMENU, 41},
    {2309, 2309, LOOK_SUBMENU, NO_IMAGE},
    {2310, 2310, LOOK_SUBMENU, 43},
    {2311, 2311, LOOK_SUBMENU, 48},
    {2312, 2312, LOOK_SUBMENU, 26},
    {2314, 2314, LOOK_SUBMENU, 83},
    {2315, 2316, LOOK_SUBMENU, NO_IMAGE},
    {2317, 2317, LOOK_SUBMENU, 47},
    {2318, 2318, LOOK_SUBMENU, 33},
    {2319, 2319, LOOK_SUBMENU, 32},
    {2322, 2322, LOOK_SUBMENU, 30},
    {2323, 2323, LOOK_SUBMENU, NO_IMAGE},
    {2324, 2324, LOOK_SUBMENU, 31},
    {2325, 2325, LOOK_SUBMENU, NO_IMAGE},
    {2326, 2326, LOOK_SUBMENU, 44},
    {2327, 2328, LOOK_SUBMENU, NO_IMAGE},
    {2330, 2330, LOOK_SUBMENU, 7},
    {2332, 2332, LOOK_SUBMENU, 49},
    {2334, 2334, LOOK_SUBMENU, 41},
    {2335, 2335, LOOK_SUBMENU, 50},
    {2336, 2336, LOOK_SUBMENU, 51},
    {2337, 2337, LOOK_SUBMENU, NO_IMAGE},
    {2338, 2338, LOOK_SUBMENU, 52},
    {2339, 2339, LOOK_SUBMENU, NO_IMAGE},
    {2340, 2340, LOOK_SUBMENU, 82},
    {2343, 2343, LOOK_SUBMENU, NO_IMAGE},
    {2345, 2345, LOOK_SUBMENU, NO_IMAGE},
    {2403, 2403, LOOK_SUBMENU, NO_IMAGE},
    {4097, 4097, LOOK_TOGGLE, 53},
    {4098, 4098, 0, 49},
    {4099, 4103, LOOK_TOGGLE, NO_IMAGE},
    {4105, 4105, LOOK_TOGGLE, 49},
    {4106, 4106, LOOK_TOGGLE, 33},
    {4107, 4107, LOOK_TOGGLE, 32},
    {4108, 4109, LOOK_TOGGLE, 48},
    {4110, 4110, 0, 49},
    {4127, 4127, LOOK_CLOSE | LOOK_CHAIN, 6},
    {4128, 4130, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4138, 4138, LOOK_TOGGLE, NO_IMAGE},
    {4139, 4139, LOOK_TOGGLE | LOOK_TIP, NO_IMAGE},
    {4140, 4141, LOOK_TOGGLE | LOOK_TIP, 17},
    {4143, 4143, LOOK_TOGGLE, NO_IMAGE},
    {4145, 4145, LOOK_TIP, NO_IMAGE},
    {4156, 4156, LOOK_CLOSE | LOOK_CHAIN, 45},
    {4157, 4158, 0, 42},
    {4159, 4159, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4160, 4161, 0, 42},
    {4162, 4162, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4163, 4163, LOOK_CAPTION | LOOK_PATH, NO_IMAGE},
    {4164, 4164, LOOK_CAPTION, NO_IMAGE},
    {4165, 4165, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4216, 4216, LOOK_CAPTION, 57},
    {4217, 4217, LOOK_TOGGLE, NO_IMAGE},
    {4221, 4223, LOOK_RADIO, NO_IMAGE},
    {4224, 4224, LOOK_CAPTION | LOOK_VALUE, 58},
    {4225, 4225, LOOK_CAPTION | LOOK_VALUE, 57},
    {4227, 4227, LOOK_TOGGLE | LOOK_TIP, NO_IMAGE},
    {4236, 4236, LOOK_CAPTION | LOOK_DIM, 26},
    {4246, 4246, LOOK_CAPTION | LOOK_DIM | LOOK_TIP, 51},
    {4257, 4257, LOOK_TIP, NO_IMAGE},
    {4287, 4287, LOOK_CLOSE, 81},
    {4288, 4288, 0, 42},
    {4291, 4291, LOOK_BOLD, 47},
    {4293, 4293, 0, 42},
    {4295, 4295, 0, 49},
    {4307, 4307, 0, 49},
    {4317, 4317, 0, 49},
    {4346, 4346, LOOK_TOGGLE, NO_IMAGE},
    {4351, 4351, LOOK_CAPTION, 44},
    {4357, 4357, LOOK_TOGGLE, NO_IMAGE},
    {4358, 4358, LOOK_CAPTION | LOOK_TIP, 50},
    {4377, 4377, 0, 4},
    {4396, 4396, LOOK_CAPTION, 51},
    {4399, 4399, 0, 4},
    {4402, 4402, LOOK_TOGGLE, NO_IMAGE},
    {4406, 4406, LOOK_CAPTION, 52},
    {4408, 4408, 0, 4},
    {4431, 4431, LOOK_TOGGLE, NO_IMAGE},
    {4435, 4435, LOOK_CAPTION, 49},
    {4436, 4440, LOOK_RADIO, NO_IMAGE},
    {4442, 4445, LOOK_TOGGLE | LOOK_TIP, NO_IMAGE},
    {4446, 4446, LOOK_TOGGLE, NO_IMAGE},
    {4455, 4455, LOOK_CAPTION, 57},
    {4456, 4456, LOOK_BOLD | LOOK_TIP, NO_IMAGE},
    {4457, 4457, 0, 42},
    {4458, 4460, LOOK_TOGGLE | LOOK_TIP, NO_IMAGE},
    {4461, 4461, LOOK_TIP, NO_IMAGE},
    {4463, 4463, LOOK_SUBMENU | LOOK_TIP, NO_IMAGE},
    {4467, 4467, 0, 6},
    {4468, 4468, LOOK_TIP, NO_IMAGE},
    {4486, 4486, LOOK_CAPTION, 82},
    {4496, 4497, LOOK_TOGGLE, NO_IMAGE},
    {4498, 4498, 0, 49},
    {4599, 4599, 0, 6},
    {4602, 4602, LOOK_TOGGLE, NO_IMAGE},
    {4604, 4604, LOOK_CLOSE | LOOK_TIP, NO_IMAGE},
    {4605, 4605, LOOK_CLOSE | LOOK_TIP, 61},
    {4607, 4607, LOOK_SUBMENU, NO_IMAGE},
    {4608, 4608, LOOK_CLOSE | LOOK_CHAIN | LOOK_PLAIN, NO_IMAGE},
    {4609, 4616, LOOK_PLAIN, NO_IMAGE},
    {4633, 4633, LOOK_SUBMENU, 41},
    {4634, 4634, LOOK_CAPTION | LOOK_PATH, NO_IMAGE},
    {4635, 4636, 0, 42},
    {4637, 4637, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4649, 4649, 0, 6},
    {4656, 4656, LOOK_SUBMENU, 41},
    {4657, 4657, LOOK_CAPTION | LOOK_PATH, NO_IMAGE},
    {4658, 4659, 0, 42},
    {4660, 4660, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {4696, 4697, 0, 49},
    {4698, 4698, LOOK_TOGGLE, 83},
    {4699, 4699, LOOK_TOGGLE | LOOK_CLOSE, NO_IMAGE},
    {4700, 4700, LOOK_TOGGLE, 69},
    {4702, 4702, LOOK_CLOSE, 1},
    {4703, 4703, LOOK_CLOSE, NO_IMAGE},
    {4706, 4706, LOOK_TOGGLE | LOOK_CLOSE, NO_IMAGE},
    {4717, 4719, LOOK_CLOSE, NO_IMAGE},
    {4746, 4746, 0, 68},
    {4748, 4748, 0, 68},
    {9473, 9473, LOOK_TOGGLE | LOOK_CLOSE, NO_IMAGE},
    {9475, 9475, 0, 6},
    {9478, 9478, 0, 6},
    {9479, 9479, LOOK_TOGGLE, NO_IMAGE},
    {9486, 9486, LOOK_CAPTION | LOOK_PATH, NO_IMAGE},
    {9487, 9488, 0, 42},
    {9489, 9489, LOOK_CLOSE | LOOK_CHAIN, NO_IMAGE},
    {9490, 9490, LOOK_CLOSE | LOOK_TIP, NO_IMAGE},
    {9491, 9491, LOOK_CLOSE | LOOK_TIP, 61},
    {9495, 9496, LOOK_TOGGLE | LOOK_TIP, 46},
};

const SLOOKROW* m_FindLook(UINT id)
{
    for (const SLOOKROW& row : kLooks)
        if (id >= row.First && id <= row.Last) return &row;
    return nullptr;
}

void m_SetImage(SMENUITEM* item, int image, int second)
{
    item->HasIcon = 1;
    item->IconIndex = static_cast<UINT>(image);
    item->IconColor = second;
}

void m_ApplyLookRow(SMENUITEM* item, const SLOOKROW& row, SMENUITEMFLAGS* flags)
{
    if (row.Bits & LOOK_HIDDEN) item->Kind = kMenuKindHidden;
    if (row.Bits & LOOK_CAPTION) item->Kind = MENUKIND_HEADING;
    if (row.Image != NO_IMAGE) {
        m_SetImage(item, row.Image, -1);
        item->CheckKind = MENUCHECK_NONE;
    }
    if (row.Bits & LOOK_SUBMENU) item->HasSubmenu = 1;
    if (row.Bits & LOOK_TOGGLE) item->CheckKind = MENUCHECK_BOX;
    if (row.Bits & LOOK_RADIO) item->CheckKind = MENUCHECK_RADIO;
    if (row.Bits & LOOK_CLOSE) item->CloseAlways = 1;
    if (row.Bits & LOOK_CHAIN) item->RunAfterClose = 1;
    if (row.Bits & LOOK_PLAIN) item->PlainShortcut = 1;
    if (row.Bits & LOOK_BOLD) item->Bold = 1;
    if (row.Bits & LOOK_DIM) item->Faint = 1;
    if (row.Bits & LOOK_TIP) flags->TooltipWanted = 1;
    if (row.Bits & LOOK_PATH) flags->PathFlag = 1;
    if (row.Bits & LOOK_VALUE) flags->ValueFlag = 1;
}

// Looks that the row table cannot say: second images, radio groups, value
// columns, caption colours and the size word.
void m_ApplySpecialLook(SMENUITEM* item, UINT id, SMENUITEMFLAGS* flags)
{
    static const int kRepeatImages[5] = {25, 26, 27, 28, 29};
    static const int kRangeImages[5] = {25, 26, 37, 38, 29};
    if (id == 4097) item->IconColor = 54;
    if (id == 4140 || id == 4141) item->IconSize = 16;
    if (id >= 4237 && id <= 4241) {
        item->CheckKind = MENUCHECK_RADIO;
        item->RadioGroup = 1;
        m_SetImage(item, kRepeatImages[id - 4237], -1);
    }
    if (id >= 4247 && id <= 4251) {
        item->CheckKind = MENUCHECK_RADIO;
        item->RadioGroup = 2;
        m_SetImage(item, kRangeImages[id - 4247], -1);
    }
    if (id == 4226 || id == 4461) {
        item->ExtraPart = 1;
        item->ExtraWidth = id == 4226 ? 60 : 56;
    }
    if (id == 4458) flags->FlagWord = 1;
    if (id == 4256) {
        item->CheckKind = MENUCHECK_BOX;
        flags->TwoImage = 1;
        flags->TooltipWanted = 1;
        // The pair swaps while the monitor is kept on; the temporary
        // inversion has a pair of its own.
        const int first = m_PowerSaving_IsTempOn() ? 65 : 55;
        if (g_MainWindowState.nPowerSaving)
            m_SetImage(item, first + 1, first);
        else
            m_SetImage(item, first, first + 1);
    }
    if (g_Settings.Menu_ClrSep) {
        if (id == 4358) item->AccentColor = 0xdc785050;
        if (id == 4396) item->AccentColor = 0xdc506478;
        if (id == 4406) item->AccentColor = 0xdc647850;
    }
}

}  // namespace

int g_OptionMenuPages[kMenuOptionPageItems] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

SMENUITEMFLAGS m_Menu_GetItemFlags(const SMENUITEM* item)
{
    SMENUITEMFLAGS flags = {};
    if (item) memcpy(&flags, item->Block + kMenuItemFlagsOffset, sizeof(flags));
    return flags;
}

void m_Menu_SetItemFlags(SMENUITEM* item, const SMENUITEMFLAGS& flags)
{
    if (item) memcpy(item->Block + kMenuItemFlagsOffset, &flags, sizeof(flags));
}

void m_Menu_SetItemStyle(SMENUITEM* item, UINT commandId)
{
    if (!item) return;
    // A text the caller put there (a dynamic list's) stays unless the id has
    // a name of its own.
    const wchar_t* name = m_GetCommandName(commandId);
    if (*name) lstrcpynW(item->Text, name, ARRAYSIZE(item->Text));
    if (commandId == kMenuSeparatorId || commandId == kMenuThinSeparatorId) {
        item->Kind = commandId == kMenuSeparatorId ? MENUKIND_SEPARATOR : MENUKIND_THINSEPARATOR;
        return;
    }
    SMENUITEMFLAGS flags = m_Menu_GetItemFlags(item);
    if (const SLOOKROW* row = m_FindLook(commandId)) m_ApplyLookRow(item, *row, &flags);
    m_ApplySpecialLook(item, commandId, &flags);
    if (commandId >= kMenuOptionPageFirstId && commandId <= kMenuOptionPageLastId) {
        const int page = g_OptionMenuPages[commandId - kMenuOptionPageFirstId];
        if (page >= 0) m_SetImage(item, page + 80, -1);
        item->CheckKind = MENUCHECK_RADIO;
    }
    if (commandId >= kMenuVolumeFirstId && commandId <= kMenuVolumeLastId)
        item->CheckKind = MENUCHECK_RADIO;
    // Value 2 of [Common] "Tip" switches the menus' tooltips.
    if (!m_Menu_TipGroupOn(kTipGroupCommands)) flags.TooltipWanted = 0;
    m_Menu_SetItemFlags(item, flags);
}
