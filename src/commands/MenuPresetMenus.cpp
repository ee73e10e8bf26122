// The size, timer and rate menus built from the preset lists, and the
// renewal of their checks while one is open.
#include <strsafe.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <cwchar>

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/WindowSize.h"
#include "commands/Executor.h"
#include "commands/MenuItemModel.h"
#include "commands/MenuPresets.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/PlaybackRate.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"
#include "timer/TimerMenuText.h"

namespace {

const UINT kMenuIds[kMenuPresetKinds] = {kMenuSizePresetsId, kMenuTimerPresetsId,
                                         kMenuRatePresetsId};
const UINT kFirstIds[kMenuPresetKinds] = {kMenuSizePresetFirstId, kMenuTimerPresetFirstId,
                                          kMenuRatePresetFirstId};
constexpr UINT kOriginalSizeId = 4306;

// The list of a kind, read first when it never was.
const SMENUPRESETLIST& List(int kind)
{
    if (g_MenuPresets[kind].Count < 0) m_MenuPresets_Read(kind, 1);
    return g_MenuPresets[kind];
}

int HeldCount(const SMENUPRESETLIST& list)
{
    return list.Count < kMenuPresetCap ? list.Count : kMenuPresetCap;
}

// Entries the menus show: enabled and not empty.
bool Shown(const SMENUPRESET& e) { return e.Enabled && e.Function != 0; }

void SetImage(SMENUITEM* item, int image)
{
    item->HasIcon = 1;
    item->IconIndex = static_cast<UINT>(image);
    item->IconColor = -1;
}

// The 64-bit data word at the start of the record's caller block.
void SetDataWord(SMENUITEM* item, UINT64 value) { memcpy(item->Block, &value, sizeof(value)); }

void AddCommand(CMenuPlus* popup, UINT id)
{
    SMENUITEM item;
    m_Menu_InitItem(&item, id, 1);
    popup->m_InsertItem(&item, -1, 0);
}

// An entry left out, or a separator (added here): no item of its own.
bool m_NoItemOfItsOwn(CMenuPlus* popup, const SMENUPRESET& e)
{
    if (!Shown(e)) return true;
    if (e.Function != kMenuPresetSeparator) return false;
    AddCommand(popup, kMenuSeparatorId);
    return true;
}

// The entry's own label, else the one made from its action, with the key
// text of the action after a TAB.
SMENUITEM EntryItem(const SMENUPRESET& e, UINT id, const wchar_t* keyArg)
{
    SMENUITEM item = {};
    // An edited label may fill all its characters without a terminator.
    wchar_t label[kMenuPresetTextCap];
    lstrcpynW(label, e.Label, kMenuPresetTextCap);
    if (label[0])
        lstrcpynW(item.Text, label, ARRAYSIZE(item.Text));
    else
        m_MenuPresets_Label(item.Text, ARRAYSIZE(item.Text), &e);
    if (keyArg) m_AppendBindingKeyName(item.Text, ARRAYSIZE(item.Text), e.Function, e.Param, keyArg);
    m_Menu_InitItem(&item, id, 0);
    return item;
}

// An entry's argument for its key text: a copy with its terminator.
void ArgText(const SMENUPRESET& e, wchar_t* out)
{
    lstrcpynW(out, e.Arg, kMenuPresetTextCap);
}

bool ParsePair(const wchar_t* text, int* first, int* second)
{
    const wchar_t* comma = wcschr(text, L',');
    if (!comma) return false;
    *first = (int)wcstol(text, nullptr, 10);
    *second = (int)wcstol(comma + 1, nullptr, 10);
    return true;
}

// ---- size

struct SSIZENOW {
    int Zoom;  // 10000 = 100 %
    int Width, Height;
    int OuterWidth, OuterHeight;
};

SSIZENOW SizeNow()
{
    SSIZENOW now = {m_GetZoomPercent(), 0, 0, 0, 0};
    RECT rc;
    if (m_GetVideoRect(&rc)) {
        now.Width = rc.right - rc.left;
        now.Height = rc.bottom - rc.top;
    }
    if (g_hWndMain && GetWindowRect(g_hWndMain, &rc)) {
        now.OuterWidth = rc.right - rc.left;
        now.OuterHeight = rc.bottom - rc.top;
    }
    return now;
}

// Full screen asked with the entry's argument is the one in use.
bool FullScreenInUse(const wchar_t* arg)
{
    return g_FullScreen && wcscmp(arg[0] ? arg : L"-1", g_FullScreenArg) == 0;
}

bool WindowSizeMatches(const wchar_t* arg, const SSIZENOW& now)
{
    int w = 0, h = 0;
    if (!ParsePair(arg, &w, &h)) w = (int)wcstol(arg, nullptr, 10);
    if (w <= 0 && h <= 0) return false;
    return (w <= 0 || w == now.OuterWidth) && (h <= 0 || h == now.OuterHeight);
}

// The image of a size entry's item and whether it is checked; 0 for a
// function without an image.
int SizeLook(const SMENUPRESET& e, const SSIZENOW& now, int* checked)
{
    wchar_t arg[kMenuPresetTextCap];
    ArgText(e, arg);
    const long long area = (long long)now.Width * now.Height;
    int w = 0, h = 0;
    switch (e.Function) {
        case 32:
            *checked = (long long)e.Param * 100 == now.Zoom;
            return 71;
        case 33:
            *checked = e.Param == now.Width;
            return 72;
        case 34:
            *checked = e.Param == now.Height;
            return 73;
        case 35:
            *checked = ParsePair(arg, &w, &h) && w == now.Width && h == now.Height;
            return 74;
        case 36:
            *checked = area > 0 && std::fabs((double)e.Param / (double)area - 1.0) <= 0.01;
            return 75;
        case 40:
            *checked = FullScreenInUse(arg);
            return 76;
        case 148:
            *checked = WindowSizeMatches(arg, now);
            return 77;
    }
    *checked = 0;
    return 0;
}

// The picture's aspect after its size, when its pixels are not square.
void AspectText(wchar_t* out, int size, int w, int h, int ax, int ay)
{
    static const struct {
        double Value;
        const wchar_t* Name;
    } kAspects[] = {{1.777777778, L"16:9"}, {1.333333333, L"4:3"}, {1.85, L"1.85:1"}};
    const double aspect = (double)ax / ay;
    out[0] = 0;
    if (std::fabs(aspect - (double)w / h) <= 0.001) return;
    for (const auto& a : kAspects) {
        if (std::fabs(aspect - a.Value) > 0.001) continue;
        (void)StringCchPrintfW(out, size, L" (%s)", a.Name);
        return;
    }
    (void)StringCchPrintfW(out, size, L" (%d:%d)", ax, ay);
}

// "ORIGINAL : WxH" and the picture's aspect when its pixels are not square.
void AddOriginalSize(CMenuPlus* popup, const SSIZENOW& now)
{
    int w = 0, h = 0, ax = 0, ay = 0;
    if (g_VideoRenderer) g_VideoRenderer->m_VR_GetNativeInfo(&w, &h, &ax, &ay);
    if (w <= 0 || h <= 0) return;
    if (ax <= 0 || ay <= 0) {
        ax = w;
        ay = h;
    }
    wchar_t aspect[40];
    AspectText(aspect, ARRAYSIZE(aspect), w, h, ax, ay);
    SMENUITEM item = {};
    (void)StringCchPrintfW(item.Text, ARRAYSIZE(item.Text), L"ORIGINAL : %dx%d%s", w, h, aspect);
    m_AppendBindingKeyName(item.Text, ARRAYSIZE(item.Text), 32, 0, nullptr);
    m_Menu_InitItem(&item, kOriginalSizeId, 0);
    SetImage(&item, 70);
    item.CheckKind = MENUCHECK_BOX;
    item.Checked = now.Zoom == 10000;
    AddCommand(popup, kMenuSeparatorId);
    popup->m_InsertItem(&item, -1, 0);
}

void FillSize(CMenuPlus* popup, const SMENUPRESETLIST& list)
{
    if (g_Settings.Menu_AddOpt) {
        AddCommand(popup, 4307);
        AddCommand(popup, kMenuSeparatorId);
    }
    const SSIZENOW now = SizeNow();
    for (int i = 0; i < HeldCount(list); ++i) {
        const SMENUPRESET& e = list.Items[i];
        if (m_NoItemOfItsOwn(popup, e)) continue;
        wchar_t arg[kMenuPresetTextCap];
        ArgText(e, arg);
        // The full-screen key is bound with "-1" for the default monitors.
        const wchar_t* keyArg = e.Function == 40 && !arg[0] ? L"-1" : arg;
        SMENUITEM item = EntryItem(e, kMenuSizePresetFirstId + i, keyArg);
        item.CheckKind = MENUCHECK_BOX;
        item.HasIcon = 1;
        SMENUITEMFLAGS flags = m_Menu_GetItemFlags(&item);
        flags.FlagWord = 1;
        m_Menu_SetItemFlags(&item, flags);
        int checked = 0;
        const int image = SizeLook(e, now, &checked);
        if (image) SetImage(&item, image);
        item.Checked = checked ? 1 : 0;
        popup->m_InsertItem(&item, -1, 0);
    }
    if (g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO) AddOriginalSize(popup, now);
}

// ---- timer

// Timer items: the image and whether the timer's state applies.
int TimerLook(const SMENUPRESET& e, bool* timerState, bool* toggle)
{
    *timerState = *toggle = false;
    switch (e.Function) {
        case 115:
            *timerState = *toggle = true;
            return 94;
        case 116:
            *timerState = *toggle = true;
            return 93;
        case 117:
            return e.Param ? 96 : 94;
        case 118:
            return e.Param ? 95 : 93;
        case 121:
            *timerState = true;
            return e.Param == 1 ? 94 : (e.Param == 2 ? 93 : 97);
    }
    return 0;
}

// Minutes as seconds, held in the int range.
int TimerValue(const SMENUPRESET& e)
{
    if (e.Function == 121) return e.Param;
    const long long s = e.Param * 60LL;
    return s > INT_MAX ? INT_MAX : (s < INT_MIN ? INT_MIN : (int)s);
}

void FillTimer(CMenuPlus* popup, const SMENUPRESETLIST& list)
{
    if (g_Settings.Menu_AddOpt) {
        AddCommand(popup, 4110);
        AddCommand(popup, kMenuSeparatorId);
    }
    for (int i = 0; i < HeldCount(list); ++i) {
        const SMENUPRESET& e = list.Items[i];
        if (m_NoItemOfItsOwn(popup, e)) continue;
        bool timerState, toggle;
        const int image = TimerLook(e, &timerState, &toggle);
        SMENUITEM item = EntryItem(e, kMenuTimerPresetFirstId + i, image ? L"" : nullptr);
        SetDataWord(&item, (UINT64)i);
        if (image) SetImage(&item, image);
        if (toggle) item.CheckKind = MENUCHECK_BOX;
        if (timerState) m_Timer_UpdateMenuItem(nullptr, &item, (int)e.Function, TimerValue(e));
        popup->m_InsertItem(&item, -1, 0);
    }
}

// ---- rate

void FillRate(CMenuPlus* popup, const SMENUPRESETLIST& list)
{
    AddCommand(popup, g_Settings.Menu_AddOpt ? 4317 : 4316);
    AddCommand(popup, kMenuSeparatorId);
    const int rate = m_Rate_Current();
    for (int i = 0; i < HeldCount(list); ++i) {
        const SMENUPRESET& e = list.Items[i];
        if (m_NoItemOfItsOwn(popup, e)) continue;
        const bool keyed = e.Function >= 13 && e.Function <= 15;
        SMENUITEM item = EntryItem(e, kMenuRatePresetFirstId + i, keyed ? L"" : nullptr);
        if (e.Function == 13) {
            item.CheckKind = MENUCHECK_RADIO;
            item.Checked = e.Param == rate;
        }
        popup->m_InsertItem(&item, -1, 0);
    }
}

// Reads, changes and stores back one item of an open popup.
template <class F>
void ChangeItem(CMenuPlus* popup, UINT id, F change)
{
    SMENUITEM item;
    if (!popup->m_GetItemById(&item, id)) return;
    change(&item);
    popup->m_SetItemById(&item, id, 0);
}

}  // namespace

CMenuPlus* m_MenuPresets_BuildMenu(int kind, CMenuPlus* popup, CMenuManager* manager)
{
    if (kind < 0 || kind >= kMenuPresetKinds) return nullptr;
    const SMENUPRESETLIST& list = List(kind);
    if (popup)
        popup->m_DeleteAllItems();
    else
        popup = m_Menu_CreatePopup(kMenuIds[kind], manager);
    if (!popup) return nullptr;
    if (kind == 0) FillSize(popup, list);
    if (kind == 1) FillTimer(popup, list);
    if (kind == 2) {
        FillRate(popup, list);
        m_Menu_Remember(kMenuRatePresetsId, popup);
    }
    return popup;
}

void m_Menu_UpdateSizeChecks(CMenuPlus* popup)
{
    if (!popup) return;
    const SMENUPRESETLIST& list = List(0);
    const SSIZENOW now = SizeNow();
    if (g_MediaOpen) m_Menu_SetItemChecked(popup, kOriginalSizeId, now.Zoom == 10000);
    for (int i = 0; i < HeldCount(list); ++i) {
        int checked = 0;
        if (SizeLook(list.Items[i], now, &checked))
            m_Menu_SetItemChecked(popup, kFirstIds[0] + i, checked);
    }
    popup->m_Refresh(0);
}

void m_Menu_UpdateTimerChecks(CMenuPlus* popup)
{
    if (!popup) return;
    const SMENUPRESETLIST& list = List(1);
    for (int i = 0; i < HeldCount(list); ++i) {
        const SMENUPRESET& e = list.Items[i];
        const int function = (int)e.Function;
        if (function != 115 && function != 116 && function != 121) continue;
        ChangeItem(popup, kFirstIds[1] + i, [&](SMENUITEM* item) {
            // The on- and off-timer items show whether they are armed, the
            // power item whether it can be chosen.
            SMENUITEM state = *item;
            m_Timer_UpdateMenuItem(nullptr, &state, function, TimerValue(e));
            if (function == 121)
                item->Disabled = state.Disabled;
            else
                item->Checked = state.Checked;
        });
    }
    popup->m_Refresh(0);
}

void m_Menu_UpdateRateChecksOf(CMenuPlus* popup)
{
    if (!popup) return;
    const SMENUPRESETLIST& list = List(2);
    const int rate = m_Rate_Current();
    for (int i = 0; i < HeldCount(list); ++i) {
        const SMENUPRESET& e = list.Items[i];
        if (e.Function == 13) m_Menu_SetItemChecked(popup, kFirstIds[2] + i, e.Param == rate);
    }
    // The caption shows the rate.
    m_Menu_ResetItem(popup, 4316, 0);
    m_Menu_ResetItem(popup, 4317, 0);
    popup->m_Refresh(0);
}

void m_Menu_UpdateRateChecks() { m_Menu_UpdateRateChecksOf(m_Menu_Remembered(kMenuRatePresetsId)); }
