#include "settings/SettingsMain.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

#include "app/MainWindow.h"
#include "base/Dpi.h"
#include "base/IniFile.h"
#include "base/NumberList.h"
#include "base/UiLook.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

SMAINWINDOWSTATE g_MainWindowState;
SMAINWINDOWSTATE g_MainWindowStateCopy;
int g_MainSavePending;

namespace {

int s_VersionAtStart;
bool s_StartupDone;

const wchar_t kMain[] = L"Main";
// "Rpt": repeat mode OFF..SHUFFLE, play-range repeat mode OFF..ALL.
constexpr int kRepeatModeLast = 4;
constexpr int kRangeRepeatModeLast = 3;

bool m_IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A decimal number in hundredths, rounded to the nearest; read without the
// C locale so that a decimal comma of the user's locale does not cut it.
int m_ParseHundredths(const wchar_t* p)
{
    while (*p == L' ' || *p == L'\t') ++p;
    bool negative = *p == L'-';
    if (*p == L'+' || *p == L'-') ++p;
    long long whole = 0;
    for (; m_IsDigit(*p); ++p) {
        if (whole < 10000000) whole = whole * 10 + (*p - L'0');
    }
    int fraction = 0, scale = 10;
    if (*p == L'.') {
        for (++p; m_IsDigit(*p) && scale > 0; ++p, scale /= 10) fraction += (*p - L'0') * scale;
        if (scale == 0 && m_IsDigit(*p) && *p >= L'5') ++fraction;
    }
    long long value = whole * 100 + fraction;
    return (int)(negative ? -value : value);
}

void m_ReadTime(SMAINWINDOWSTATE& s)
{
    wchar_t value[kSettingValueCap];
    m_ReadSettingText(kMain, L"Time", L"4", value);
    s.nTimeMode = m_LeadingInt(value);
    const wchar_t* comma = wcschr(value, L',');
    int bits = comma ? m_HexValue(comma + 1) : 0;
    for (int i = 0; i < 5; ++i) s.nTimeFlags[i] = (bits >> i) & 1;
}

// "0" or "1" (maximised) in a window; "2[,monitor[-sub]]" in full screen.
void m_ReadWindowMode(SMAINWINDOWSTATE& s)
{
    wchar_t value[kSettingValueCap];
    m_ReadSettingText(kMain, L"Wnd", L"0", value);
    int mode = m_LeadingInt(value);
    s.nWindowMode = mode == 2 ? 2 : 1;
    s.bMaximized = mode == 1;
    s.nFullMonitor = s.nFullSub = 0;
    if (mode != 2) return;
    const wchar_t* comma = wcschr(value, L',');
    if (!comma) return;
    s.nFullMonitor = m_LeadingInt(comma + 1);
    const wchar_t* dash = wcschr(comma + 1, L'-');
    if (dash && dash != comma + 1) s.nFullSub = m_LeadingInt(dash + 1);
}

void m_ReadList(const wchar_t* key, const wchar_t* def, int* out, int count)
{
    wchar_t value[kSettingValueCap];
    m_ParseIntList(def, out, count, 1);
    if (m_ReadSettingValue(kMain, key, value)) m_ParseIntList(value, out, count, 0);
}

void m_ReadLauncherTimer(SMAINWINDOWSTATE& s)
{
    wchar_t value[kSettingValueCap];
    m_ReadSettingText(kMain, L"LtTmr", L"-60", value);
    s.nLauncherTimer = m_LeadingInt(value);
    const wchar_t* comma = wcschr(value, L',');
    s.bLauncherTimerOn = comma ? m_LeadingInt(comma + 1) != 0 : 0;
}

// ---- writers of the groups ----

void m_WriteVersion(int force)
{
    const SSETTINGS& st = g_Settings;
    if (force || s_VersionAtStart != kSettingsVersion)
        m_WriteSettingF(kMain, L"Ver", L"%d", kSettingsVersion);
    if (!force) return;
    if (st.Main_Fst != 0) m_WriteSettingF(kMain, L"Fst", L"%d", st.Main_Fst);
    if (st.Main_Test > 0) m_WriteSettingF(kMain, L"Test", L"%d", st.Main_Test);
    if (st.Main_Lgcy != 0) m_WriteSettingF(kMain, L"Lgcy", L"%d", st.Main_Lgcy);
    if (st.Main_ErrLog != 0) m_WriteSettingF(kMain, L"ErrLog", L"%d", st.Main_ErrLog);
}

void m_WritePanels(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"Ctrl", L"%d,%d,%d,%d", s.nCtrl[0], s.nCtrl[1], s.nCtrl[2], s.nCtrl[3]);
    m_WriteSettingF(kMain, L"HdBtn", L"%d", s.nHideButtons);
}

// Hundredths as a decimal number with no more decimals than it needs.
void m_WriteVolume(const SMAINWINDOWSTATE& s)
{
    long long v = s.nVolume;
    const wchar_t* sign = v < 0 ? L"-" : L"";
    if (v < 0) v = -v;
    int whole = (int)(v / 100), cents = (int)(v % 100);
    if (cents == 0)
        m_WriteSettingF(kMain, L"Vol", L"%ls%d", sign, whole);
    else if (cents % 10 == 0)
        m_WriteSettingF(kMain, L"Vol", L"%ls%d.%d", sign, whole, cents / 10);
    else
        m_WriteSettingF(kMain, L"Vol", L"%ls%d.%02d", sign, whole, cents);
}

void m_WriteRepeat(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"Rpt", L"%d,%d", s.nRepeat, s.nRangeRepeat);
}

void m_WriteTime(const SMAINWINDOWSTATE& s)
{
    int bits = 0;
    for (int i = 0; i < 5; ++i) {
        if (s.nTimeFlags[i]) bits |= 1 << i;
    }
    if (bits)
        m_WriteSettingF(kMain, L"Time", L"%d,%X", s.nTimeMode, bits);
    else
        m_WriteSettingF(kMain, L"Time", L"%d", s.nTimeMode);
}

void m_WriteWindow(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"Top", L"%d", s.nTopMost);
    m_WriteSettingF(kMain, L"Pow", L"%d", s.nPower);
    if (s.nWindowMode != 2) {
        m_WriteSettingText(kMain, L"Wnd", s.bMaximized ? L"1" : L"0");
    } else if (s.nFullMonitor == g_Settings.Fullscr_Mon[0] &&
               s.nFullSub == g_Settings.Fullscr_Mon[1]) {
        m_WriteSettingText(kMain, L"Wnd", L"2");
    } else if (s.nFullSub > 0) {
        m_WriteSettingF(kMain, L"Wnd", L"2,%d-%d", s.nFullMonitor, s.nFullSub);
    } else {
        m_WriteSettingF(kMain, L"Wnd", L"2,%d", s.nFullMonitor);
    }
}

void m_WritePlaylist(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"List", L"%d", s.nPlaylistWindow);
}

void m_WriteLauncher(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"Mon", L"%d", s.nPowerSaving);
    m_WriteSettingF(kMain, L"LtRate", L"%d", s.nLauncherRate);
    m_WriteSettingF(kMain, L"LtTmr", s.bLauncherTimerOn ? L"%d,1" : L"%d", s.nLauncherTimer);
}

void m_WriteLauncherRoot(const SMAINWINDOWSTATE& s)
{
    m_WriteSettingF(kMain, L"LnchRt", L"%d", s.nLauncherRoot);
}

// Each group: its mask bits, the fields it writes and its writer.
struct SMAINGROUP {
    int Mask;
    int First;
    int End;
    void (*Write)(const SMAINWINDOWSTATE&);
};

#define SPAN(a, b) (int)offsetof(SMAINWINDOWSTATE, a), (int)offsetof(SMAINWINDOWSTATE, b)
const SMAINGROUP kGroups[] = {
    {MAIN_GROUP_PANELS, SPAN(nCtrl, nVolume), m_WritePanels},
    {MAIN_GROUP_VOLUME, SPAN(nVolume, nRepeat), m_WriteVolume},
    {MAIN_GROUP_REPEAT, SPAN(nRepeat, nTimeMode), m_WriteRepeat},
    {MAIN_GROUP_TIME, SPAN(nTimeMode, nTopMost), m_WriteTime},
    {MAIN_GROUP_WINDOW, SPAN(nTopMost, nPlaylistWindow), m_WriteWindow},
    {MAIN_GROUP_PLAYLIST, SPAN(nPlaylistWindow, nPowerSaving), m_WritePlaylist},
    {MAIN_GROUP_LAUNCHER, SPAN(nPowerSaving, nLauncherRoot), m_WriteLauncher},
    {0xF0, (int)offsetof(SMAINWINDOWSTATE, nLauncherRoot), (int)sizeof(SMAINWINDOWSTATE),
     m_WriteLauncherRoot},
};
#undef SPAN

void m_WriteGroup(const SMAINGROUP& g, int force)
{
    BYTE* live = reinterpret_cast<BYTE*>(&g_MainWindowState);
    BYTE* copy = reinterpret_cast<BYTE*>(&g_MainWindowStateCopy);
    int size = g.End - g.First;
    if (!force && memcmp(live + g.First, copy + g.First, size) == 0) return;
    g.Write(g_MainWindowState);
    if (!force) memcpy(copy + g.First, live + g.First, size);
}

// The main window's restored rectangle without its invisible border.
void m_TakeWindowRect(SMAINWINDOWSTATE& s)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!g_hWndMain || !GetWindowPlacement(g_hWndMain, &wp)) return;
    RECT rc = wp.rcNormalPosition;
    int dpi = m_GetWindowDpiPercent(g_hWndMain);
    m_AdjustRectForBorder(&rc, 1, 0, dpi);
    s.nLeft = rc.left;
    s.nTop = rc.top;
    s.nWidth = rc.right - rc.left;
    s.nHeight = rc.bottom - rc.top;
    s.nDpiPercent = dpi;
}

}  // namespace

void m_Settings_ReadMain()
{
    CSettingsReadScope scope;
    SMAINWINDOWSTATE& s = g_MainWindowState;
    s_VersionAtStart = m_ReadSettingInt(kMain, L"Ver", 0);
    int pos[4];
    m_ReadList(L"Pos", L"-1,-1,855,555", pos, 4);
    s.nLeft = pos[0];
    s.nTop = pos[1];
    s.nWidth = pos[2];
    s.nHeight = pos[3];
    s.nDpiPercent = 100;
    m_ReadList(L"Ctrl", L"1,1,1,1", s.nCtrl, 4);
    s.nTopMost = m_ReadSettingInt(kMain, L"Top", 0);
    s.nPower = m_ReadSettingInt(kMain, L"Pow", 10000);
    s.nPowerSaving = m_ReadSettingInt(kMain, L"Mon", 0);
    int repeat[2];
    m_ReadList(L"Rpt", L"1,1", repeat, 2);
    // A mode out of range would otherwise wrap to some other mode.
    s.nRepeat = repeat[0] >= 0 && repeat[0] <= kRepeatModeLast ? repeat[0] : 1;
    s.nRangeRepeat = repeat[1] >= 0 && repeat[1] <= kRangeRepeatModeLast ? repeat[1] : 1;
    m_ReadTime(s);
    s.nHideButtons = m_ReadSettingInt(kMain, L"HdBtn", 3);
    m_ReadWindowMode(s);
    s.nPlaylistWindow = m_ReadSettingInt(kMain, L"List", 0);
    s.nLauncherRoot = m_ReadSettingInt(kMain, L"LnchRt", -1);
    s.nLauncherRate = m_ReadSettingInt(kMain, L"LtRate", 150);
    m_ReadLauncherTimer(s);

    wchar_t value[kSettingValueCap];
    m_ReadSettingText(kMain, L"Vol", L"30", value);
    m_Volume_ShowText(m_ParseHundredths(value), 0);
}

void m_Settings_WriteMain(int force, int mask)
{
    if (g_hWndMain) KillTimer(g_hWndMain, kMainSaveTimerId);
    g_MainSavePending = 0;
    CSettingsFileWrite batch;
    if (mask & MAIN_GROUP_VERSION) m_WriteVersion(force);
    if (mask & MAIN_GROUP_PLACEMENT) {
        int hold = g_Settings.Common_HoldPos;
        if (hold || force) m_Settings_WritePlacement(hold ? force : 1, hold);
    }
    for (const SMAINGROUP& g : kGroups) {
        if (mask & g.Mask) m_WriteGroup(g, force);
    }
}

void m_Settings_ScheduleSave(int mask)
{
    if (!s_StartupDone || !g_hWndMain) return;
    g_MainSavePending |= mask;
    // Without the timer the groups are written at once rather than lost.
    if (!SetTimer(g_hWndMain, kMainSaveTimerId, kMainSaveDelayMs, nullptr))
        m_Settings_WriteMain(0, g_MainSavePending);
}

void m_Settings_WritePlacement(int force, int fromWindow)
{
    SMAINWINDOWSTATE& s = g_MainWindowState;
    SMAINWINDOWSTATE& c = g_MainWindowStateCopy;
    if (fromWindow) m_TakeWindowRect(s);
    if (!force && s.nLeft == c.nLeft && s.nTop == c.nTop && s.nWidth == c.nWidth &&
        s.nHeight == c.nHeight)
        return;
    CSettingsFileWrite batch;
    RECT rc = {s.nLeft, s.nTop, s.nWidth, s.nHeight};
    m_WriteIniRect(kMain, L"Pos", &rc);
    c.nLeft = s.nLeft;
    c.nTop = s.nTop;
    c.nWidth = s.nWidth;
    c.nHeight = s.nHeight;
    c.nDpiPercent = s.nDpiPercent;
}

void m_Settings_SnapshotMain() { g_MainWindowStateCopy = g_MainWindowState; }

void m_Settings_SetStartupDone() { s_StartupDone = true; }
