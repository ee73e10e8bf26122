// Loading the settings block from the INI by groups. Every key first takes
// its default, then what the file holds in the key's form.
#include <climits>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "base/NumberList.h"
#include "controls/Statusbar.h"
#include "playback/PlayState.h"
#include "playback/ProcAmpRange.h"
#include "playback/VideoPropApply.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsValue.h"

SSETTINGS g_Settings;
SSETTINGS g_SettingsCopy;
SVIDEOPROPSET g_VideoPropDefaultCopy;
STIMERSETTINGS g_TimerSettings;
int g_PlaylistChap;

namespace {

int* m_Ints(BYTE* base, int offset) { return reinterpret_cast<int*>(base + offset); }
wchar_t* m_Text(BYTE* base, int offset) { return reinterpret_cast<wchar_t*>(base + offset); }

// After each comma one hexadecimal colour, up to count of them.
void m_ParseColours(const wchar_t* text, int* out, int count)
{
    const wchar_t* p = text;
    for (int i = 0; i < count; ++i) {
        p = wcschr(p, L',');
        if (!p) return;
        out[i] = m_HexValue(++p);
    }
}

// The colours of a "k,colour,colour" value; an absent or empty field is -1.
void m_ParseOptionalColours(const wchar_t* text, int* out, int count)
{
    const wchar_t* p = text;
    for (int i = 0; i < count; ++i) {
        out[i] = -1;
        if (p) p = wcschr(p, L',');
        if (p && iswxdigit(*++p)) out[i] = m_HexValue(p);
    }
}

// [Menu] "Clr": the text and background colours after the mode; a colour
// that is absent or not hexadecimal keeps its light-on-dark default.
void m_ParseMenuColours(const wchar_t* text, int* out)
{
    static const DWORD kDefaults[2] = {0xFFD2D2D2u, 0xFF383838u};
    const wchar_t* p = text;
    for (int i = 0; i < 2; ++i) {
        out[i] = static_cast<int>(kDefaults[i]);
        if (p) p = wcschr(p, L',');
        if (p && iswxdigit(*++p)) out[i] = m_HexValue(p);
    }
}

void m_ParsePair(const wchar_t* text, int* f)
{
    f[0] = m_LeadingInt(text);
    const wchar_t* comma = wcschr(text, L',');
    if (comma) f[1] = m_LeadingInt(comma + 1);
}

void m_ParseSpf(const wchar_t* text, int* flags, wchar_t* folder, int cap)
{
    int v = m_LeadingInt(text);
    for (int i = 0; i < 3; ++i) flags[i] = (v >> i) & 1;
    const wchar_t* slash = wcschr(text, L'/');
    m_CopyText(folder, cap, slash ? slash + 1 : L"");
}

// "n" or "n-m": the "-" counts only past the first character.
void m_ParseMonitorPair(const wchar_t* text, int* f)
{
    f[0] = m_LeadingInt(text);
    const wchar_t* dash = text[0] ? wcschr(text + 1, L'-') : nullptr;
    f[1] = dash ? m_LeadingInt(dash + 1) : 0;
}

void m_ParseMonitorAudio(const wchar_t* text, int* f, int count)
{
    f[0] = m_LeadingInt(text);
    const wchar_t* comma = wcschr(text, L',');
    if (comma) m_ParseIntList(comma + 1, f + 1, count - 1, 0);
}

// Two hexadecimal digits per code; the first pair that is not stops.
void m_ParseButtonOrder(const wchar_t* text, int* codes, int cap, int* count)
{
    int n = 0;
    while (n < cap && iswxdigit(text[2 * n]) && iswxdigit(text[2 * n + 1])) {
        wchar_t pair[3] = {text[2 * n], text[2 * n + 1], 0};
        codes[n++] = m_HexValue(pair);
    }
    *count = n;
}

void m_ParseCustomButtons(const wchar_t* text, int* f)
{
    f[0] = m_Clamp(m_LeadingInt(text), 3, 6);
    const wchar_t* comma = wcschr(text, L',');
    f[1] = comma ? m_HexValue(comma + 1) : 3;
}

void m_ParseTask(const wchar_t* text, int* f, wchar_t* out, int cap)
{
    f[0] = m_LeadingInt(text);
    const wchar_t* comma = wcschr(text, L',');
    m_CopyText(out, cap, comma ? comma + 1 : L"");
}

void m_ParseBits(int value, int* f, int count)
{
    for (int i = 0; i < count; ++i) f[i] = (value >> i) & 1;
}

// The text in the key's form. isValue: it came from the file, not from the
// default (the over-scan switch and the progress colour tell the two apart).
void m_ParseKey(const SSETTINGKEY& k, BYTE* base, const wchar_t* text, bool isValue)
{
    int* f = m_Ints(base, k.Offset);
    int n = k.Size / (int)sizeof(int);
    int* f2 = m_Ints(base, k.Offset2);
    switch (k.Form) {
        case SF_INT:
            f[0] = m_LeadingInt(text);
            break;
        case SF_SWITCH:
            f[0] = m_LeadingInt(text) != 0;
            break;
        case SF_BITS:
            m_ParseBits(m_LeadingInt(text), f, n);
            break;
        case SF_TEXT:
            m_CopyText(m_Text(base, k.Offset), k.Size / 2, text);
            break;
        case SF_PAIR:
        case SF_LBL:
            m_ParsePair(text, f);
            break;
        case SF_LIST:
            m_ParseIntList(text, f, n, 0);
            break;
        case SF_LISTZ:
            m_ParseIntList(text, f, n, 1);
            break;
        case SF_HEX:
            f[0] = m_HexValue(text);
            break;
        case SF_RGB:
            f[0] = m_RgbTextToColorref(m_HexValue(text));
            break;
        case SF_CLR:
            f[0] = m_LeadingInt(text) & 3;
            f[1] = (m_LeadingInt(text) >> 2) & 1;
            m_ParseOptionalColours(text, f + 2, 2);
            break;
        case SF_KCLR:
            f[0] = m_LeadingInt(text);
            m_ParseColours(text, f + 1, n - 1);
            break;
        case SF_MENUCLR:
            f[0] = m_LeadingInt(text);
            m_ParseMenuColours(text, f + 1);
            break;
        case SF_SPF:
            m_ParseSpf(text, f, m_Text(base, k.Offset2), k.Size2 / 2);
            break;
        case SF_FSMON:
            m_ParseMonitorPair(text, f);
            break;
        case SF_MONAUD:
            m_ParseMonitorAudio(text, f, n);
            break;
        case SF_BTNODR:
            m_ParseButtonOrder(text, f, n, f2);
            break;
        case SF_CTMBTN:
            m_ParseCustomButtons(text, f);
            break;
        case SF_OVERSCAN:
            f[0] = isValue ? m_LeadingInt(text) : 0;
            m_ParseIntList(text, f2, 4, 0);
            break;
        case SF_TIP:
            f[0] = m_LeadingInt(text) != 0;
            m_ParseBits(m_LeadingInt(text), f2, k.Size2 / (int)sizeof(int));
            break;
        case SF_TASK:
            m_ParseTask(text, f, m_Text(base, k.Offset2), k.Size2 / 2);
            break;
        case SF_STTPOS:
            f2[0] = isValue && text[0] != 0;
            f[0] = f2[0] ? m_HexValue(text) : 0;
            break;
        default:
            break;
    }
    // A setting kept in two fields.
    if (k.Form == SF_INT && k.Size2) f2[0] = f[0];
}

// Seconds to milliseconds, held where the product fits.
void m_SecondsToMs(int* f, int count)
{
    for (int i = 0; i < count; ++i) f[i] = m_Clamp(f[i], INT_MIN / 1000, INT_MAX / 1000) * 1000;
}

void m_LoadKey(const SSETTINGKEY& k)
{
    BYTE* base = m_SettingKey_Base(k, false);
    memset(base + k.Offset, 0, k.Size);
    if (k.Size2) memset(base + k.Offset2, 0, k.Size2);
    m_ParseKey(k, base, m_SettingKey_Default(k), false);
    wchar_t value[kSettingValueCap];
    if (m_ReadSettingValue(k.Section, k.Key, value)) m_ParseKey(k, base, value, true);
    if (k.Flags & KEY_SECONDS) m_SecondsToMs(m_Ints(base, k.Offset), k.Size / (int)sizeof(int));
}

void m_LoadKeys(int group)
{
    for (int i = 0; i < g_SettingKeyCount; ++i) {
        const SSETTINGKEY& k = g_SettingKeys[i];
        if (k.Section && k.Group == group) m_LoadKey(k);
    }
}

// [Prop]: the default video properties.
void m_LoadVideoProps()
{
    SVIDEOPROPSET& p = g_VideoPropDefault;
    wchar_t value[kSettingValueCap];
    m_ReadSettingText(L"Prop", L"PrcAmp", L"1", value);
    p.ProcAmpOn = m_LeadingInt(value);
    const wchar_t* comma = wcschr(value, L',');
    wchar_t procAmp[kProcAmpTextCap];
    m_CopyText(procAmp, kProcAmpTextCap, comma ? comma + 1 : L"");
    m_ProcAmp_Parse(procAmp, p.ProcAmp, &p.ProcAmpKind);
    p.AspectOn = m_ReadSettingInt(L"Prop", L"AR", 1);
    p.CropOn = m_ReadSettingInt(L"Prop", L"Crop", 1);

    int pair[2] = {1, 0};
    m_ReadSettingText(L"Prop", L"Rng", L"1,0", value);
    p.RangeMode = m_LeadingInt(value);
    long long percent = 10000;
    if ((comma = wcschr(value, L',')) != nullptr) percent = 10000LL - m_LeadingInt(comma + 1);
    p.RangePercent = percent >= 1000 && percent <= 10000 ? (int)percent : 10000;

    m_ReadSettingText(L"Prop", L"Bst", L"1,100", value);
    pair[1] = 100;
    m_ParsePair(value, pair);
    p.BoostOn = pair[0];
    p.Boost = m_Clamp(pair[1], 0, 300);

    m_ReadSettingText(L"Prop", L"Blc", L"1,0", value);
    pair[1] = 0;
    m_ParsePair(value, pair);
    p.BalanceOn = pair[0];
    p.Balance = m_Clamp(pair[1], -100, 100) + 100;

    m_ProcAmp_BuildRange(&g_ProcAmpRange, p.ProcAmpKind);
    if (!g_MediaOpen || !g_VideoPropFile.BoostOn) g_AudioBoost = p.BoostOn ? p.Boost : 100;
}

// [Ctrl] SttPosClr takes effect at once on the status bars.
void m_ApplyProgressColour()
{
    if (g_Settings.Ctrl_SttPosClrSet) {
        g_FullScreenStatusBar.m_SetProgressColor((DWORD)g_Settings.Ctrl_SttPosClr);
        g_StatusBar.m_SetProgressColor((DWORD)g_Settings.Ctrl_SttPosClr);
        return;
    }
    DWORD alpha = (DWORD)m_Clamp(255 * g_Settings.Fullscr_CtrlAlp[2] / 100, 0, 255);
    g_FullScreenStatusBar.m_SetProgressColor((alpha << 24) | 0xFF0000);
}

// Values far out of range that later code would take as sizes or counts.
struct SCLAMP {
    int Offset;
    int Count;
    int Min;
    int Max;
};

#define CLAMP(f, lo, hi)                                                               \
    {                                                                                  \
        (int)offsetof(SSETTINGS, f), (int)(sizeof(SSETTINGS::f) / sizeof(int)), lo, hi \
    }
const SCLAMP kClamps[] = {
    CLAMP(Common_MvLog, 0, 32),     CLAMP(Jumplist_PrevArea, 10, 100),
    CLAMP(Jumplist_Size, 0, 16384), CLAMP(Jumplist_IdxSize, 0, 16384),
    CLAMP(Jumplist_Qt, 0, 100),     CLAMP(Jumplist_IdxQt, 0, 100),
    CLAMP(Menu_Rct, 0, INT_MAX),    CLAMP(Lnch_Ht, 0, INT_MAX),
    CLAMP(Osc_SizeTi, 0, INT_MAX),  CLAMP(Osc_SizeTm, 0, INT_MAX),
    CLAMP(Ctrl_Ico, 0, INT_MAX),    CLAMP(Ctrl_Btn, 0, INT_MAX),
};
#undef CLAMP

void m_ApplyClamps(int group)
{
    for (const SCLAMP& c : kClamps) {
        const SSETTINGKEY* key = nullptr;
        for (int i = 0; i < g_SettingKeyCount && !key; ++i) {
            if (g_SettingKeys[i].Section && g_SettingKeys[i].Offset == c.Offset)
                key = &g_SettingKeys[i];
        }
        if (!key || key->Group != group) continue;
        int* f = m_Ints(reinterpret_cast<BYTE*>(&g_Settings), c.Offset);
        for (int i = 0; i < c.Count; ++i) f[i] = m_Clamp(f[i], c.Min, c.Max);
    }
}

void m_CorrectJumplist()
{
    SSETTINGS& s = g_Settings;
    if (s.Jumplist_MaxBlk > 48 || s.Jumplist_MaxBlk < 0) s.Jumplist_MaxBlk = 48;
    s.Jumplist_Blk = m_Clamp(s.Jumplist_Blk, 0, s.Jumplist_MaxBlk);
    s.Jumplist_Blk2 = m_Clamp(s.Jumplist_Blk2, 0, s.Jumplist_MaxBlk);
}

// What a group reads beside its keys of the block.
void m_LoadGroupExtras(int group)
{
    switch (group) {
        case SETTINGS_GROUP_FILTER:
            m_Filter_Read();
            break;
        case SETTINGS_GROUP_JUMPLIST:
            m_CorrectJumplist();
            m_Capture_Read();
            m_FolderSetting_Read();
            break;
        case SETTINGS_GROUP_CTRL:
            g_PlaylistChap = m_ReadSettingInt(L"Playlist", L"Chap", 2);
            m_ApplyProgressColour();
            break;
        case SETTINGS_GROUP_BIND:
            m_Bind_Read();
            break;
        case SETTINGS_GROUP_PROP:
            m_LoadVideoProps();
            break;
        default:
            break;
    }
}

const int kGroupOrder[] = {0x10, 0x200, 0x2, 0x8, 0x20, 0x4, 0x400, 0x100, 0x800, 0x1000};

}  // namespace

void m_LoadSettings(int mask)
{
    CSettingsReadScope scope;
    for (int group : kGroupOrder) {
        if (!(mask & group)) continue;
        m_LoadKeys(group);
        m_ApplyClamps(group);
        m_LoadGroupExtras(group);
    }
}
