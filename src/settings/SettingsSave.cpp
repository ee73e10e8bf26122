// Saving the settings block: each key whose fields differ from the copy is
// written in the form the loader reads, then the lists; the copies are
// refreshed and the other instances told when anything changed.
#include <cstring>

#include "base/StringEdit.h"
#include "commands/MenuPresets.h"
#include "settings/InstanceNotice.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsValue.h"

namespace {

const int* m_Ints(const BYTE* base, int offset)
{
    return reinterpret_cast<const int*>(base + offset);
}

bool m_KeyChanged(const SSETTINGKEY& k)
{
    const BYTE* live = m_SettingKey_Base(k, false);
    const BYTE* copy = m_SettingKey_Base(k, true);
    if (memcmp(live + k.Offset, copy + k.Offset, k.Size) != 0) return true;
    return k.Size2 && memcmp(live + k.Offset2, copy + k.Offset2, k.Size2) != 0;
}

int m_BitsValue(const int* f, int count)
{
    int v = 0;
    for (int i = 0; i < count; ++i) {
        if (f[i]) v |= 1 << i;
    }
    return v;
}

void m_FormatList(wchar_t* out, int cap, const int* f, int count)
{
    for (int i = 0; i < count; ++i) m_AppendF(out, cap, i ? L",%d" : L"%d", f[i]);
}

// The switch and its four bits share one value: an empty bit set with the
// switch on is kept as 16, a bit the four switches do not use.
int m_TipValue(const int* f, const int* bits)
{
    if (!f[0]) return 0;
    int v = m_BitsValue(bits, 4);
    return v ? v : 16;
}

void m_FormatMonitorAudio(wchar_t* out, int cap, const int* f, int count)
{
    m_AppendF(out, cap, L"%d", f[0]);
    for (int i = 1; i < count; ++i) m_AppendF(out, cap, f[i] ? L",%d" : L",", f[i]);
    m_TrimRightChar(out, L',');
}

void m_FormatButtonOrder(wchar_t* out, int cap, const int* codes, int count)
{
    for (int i = 0; i < count; ++i) m_AppendF(out, cap, L"%02X", codes[i] & 0xFF);
}

// "k,colour,colour" with absent (-1) colours left out: trailing ones
// dropped, an inner one written as an empty field.
void m_FormatOptionalColours(wchar_t* out, int cap, int k, const int* colours, int count)
{
    m_AppendF(out, cap, L"%d", k);
    int last = count - 1;
    while (last >= 0 && colours[last] == -1) --last;
    for (int i = 0; i <= last; ++i) {
        if (colours[i] == -1)
            m_AppendF(out, cap, L",");
        else
            m_AppendF(out, cap, L",%06X", colours[i] & 0xFFFFFF);
    }
}

// The key's value text in the form the loader reads.
void m_FormatKey(const SSETTINGKEY& k, const BYTE* base, wchar_t* out, int cap)
{
    const int* f = m_Ints(base, k.Offset);
    const int* f2 = m_Ints(base, k.Offset2);
    int n = k.Size / (int)sizeof(int);
    out[0] = 0;
    switch (k.Form) {
        case SF_INT:
        case SF_SWITCH:
            m_AppendF(out, cap, L"%d", f[0]);
            break;
        case SF_BITS:
            m_AppendF(out, cap, L"%d", m_BitsValue(f, n));
            break;
        case SF_TEXT:
            m_CopyText(out, cap, reinterpret_cast<const wchar_t*>(f));
            break;
        case SF_PAIR:
        case SF_LIST:
        case SF_LISTZ:
            m_FormatList(out, cap, f, n);
            break;
        case SF_HEX:
            m_AppendF(out, cap, L"%08X", f[0]);
            break;
        case SF_RGB:
            m_AppendF(out, cap, L"%06X", m_ColorrefToRgbText(f[0]));
            break;
        case SF_CLR:
            m_FormatOptionalColours(out, cap, (f[0] & 3) | (f[1] ? 4 : 0), f + 2, 2);
            break;
        case SF_KCLR:
            m_AppendF(out, cap, L"%d,%08X", f[0], f[1]);
            break;
        case SF_MENUCLR:
            m_AppendF(out, cap, L"%d,%08X,%08X", f[0], f[1], f[2]);
            break;
        case SF_LBL:
            m_AppendF(out, cap, f[1] ? L"%d,1" : L"%d", f[0]);
            break;
        case SF_SPF:
            m_AppendF(out, cap, L"%d/%ls", m_BitsValue(f, 3), reinterpret_cast<const wchar_t*>(f2));
            break;
        case SF_FSMON:
            m_AppendF(out, cap, f[1] > 0 ? L"%d-%d" : L"%d", f[0], f[1]);
            break;
        case SF_MONAUD:
            m_FormatMonitorAudio(out, cap, f, n);
            break;
        case SF_BTNODR:
            m_FormatButtonOrder(out, cap, f, m_Clamp(f2[0], 0, n));
            break;
        case SF_OVERSCAN:
            m_FormatList(out, cap, f2, 4);
            break;
        case SF_TIP:
            m_AppendF(out, cap, L"%d", m_TipValue(f, f2));
            break;
        default:
            break;
    }
}

// A list section: written when forced or changed; a changed list becomes
// the new snapshot. 1 when it had changed.
int m_SaveList(int (*changed)(), int (*write)(int), void (*snapshot)(int), int force)
{
    int wasChanged = changed();
    write(force);
    if (wasChanged) snapshot(1);
    return wasChanged;
}

void m_SaveMenuPresets(int force)
{
    for (int kind = 0; kind < 3; ++kind) {
        if (force || m_MenuPresets_Compare(kind)) m_MenuPresets_Write(kind);
    }
}

// [Prop]: the default video properties against their copy.
void m_SaveVideoProps(int force)
{
    const SVIDEOPROPSET& p = g_VideoPropDefault;
    const SVIDEOPROPSET& c = g_VideoPropDefaultCopy;
    if (force || p.ProcAmpOn != c.ProcAmpOn || p.ProcAmpKind != c.ProcAmpKind ||
        memcmp(p.ProcAmp, c.ProcAmp, sizeof(p.ProcAmp)) != 0) {
        wchar_t text[kProcAmpTextCap];
        m_ProcAmp_Format(text, kProcAmpTextCap, p.ProcAmp, p.ProcAmpKind, 1);
        m_WriteSettingF(L"Prop", L"PrcAmp", L"%d,%ls", p.ProcAmpOn, text);
    }
    if (force || p.AspectOn != c.AspectOn) m_WriteSettingF(L"Prop", L"AR", L"%d", p.AspectOn);
    if (force || p.CropOn != c.CropOn) m_WriteSettingF(L"Prop", L"Crop", L"%d", p.CropOn);
    if (force || p.RangeMode != c.RangeMode || p.RangePercent != c.RangePercent)
        m_WriteSettingF(L"Prop", L"Rng", L"%d,%d", p.RangeMode, 10000 - p.RangePercent);
    if (force || p.BoostOn != c.BoostOn || p.Boost != c.Boost)
        m_WriteSettingF(L"Prop", L"Bst", L"%d,%d", p.BoostOn, p.Boost);
    if (force || p.BalanceOn != c.BalanceOn || p.Balance != c.Balance)
        m_WriteSettingF(L"Prop", L"Blc", L"%d,%d", p.BalanceOn, p.Balance - 100);
}

// Saver steps between the keys; 1 when a list had changed.
int m_SaveStep(int step, int force)
{
    switch (step) {
        case SAVE_STEP_REC:
            return m_SaveList(m_FolderSetting_Changed, m_FolderSetting_Write,
                              m_FolderSetting_Snapshot, force);
        case SAVE_STEP_CAP:
            return m_SaveList(m_Capture_Changed, m_Capture_Write, m_Capture_Snapshot, force);
        case SAVE_STEP_FILTER:
            return m_SaveList(m_Filter_Changed, m_Filter_Write, m_Filter_Snapshot, force);
        case SAVE_STEP_MENU_PRESETS:
            m_SaveMenuPresets(force);
            return 0;
        case SAVE_STEP_BIND:
            m_Bind_Write(force);
            return m_Bind_CopyList(0) != 0;
        case SAVE_STEP_PROP:
            m_SaveVideoProps(force);
            return 0;
        default:
            return 0;
    }
}

void m_SaveKey(const SSETTINGKEY& k, int force)
{
    if ((k.Flags & KEY_NOSAVE) || (!force && !m_KeyChanged(k))) return;
    wchar_t value[kSettingValueCap];
    m_FormatKey(k, m_SettingKey_Base(k, false), value, kSettingValueCap);
    m_WriteSettingText(k.Section, k.Key, value);
}

// Brings the copies up to date; 1 when any differed.
int m_RefreshCopies()
{
    int changed = 0;
    if (memcmp(&g_Settings, &g_SettingsCopy, sizeof(SSETTINGS)) != 0) {
        g_SettingsCopy = g_Settings;
        changed = 1;
    }
    if (memcmp(&g_VideoPropDefault, &g_VideoPropDefaultCopy, sizeof(SVIDEOPROPSET)) != 0) {
        g_VideoPropDefaultCopy = g_VideoPropDefault;
        changed = 1;
    }
    for (int kind = 0; kind < 3; ++kind) {
        if (!m_MenuPresets_Compare(kind)) continue;
        m_MenuPresets_Copy(kind);
        changed = 1;
    }
    return changed;
}

}  // namespace

int m_SaveSettings(int force, int mask)
{
    (void)mask;
    CSettingsFileWrite batch;
    int changed = 0;
    for (int i = 0; i < g_SettingKeyCount; ++i) {
        const SSETTINGKEY& k = g_SettingKeys[i];
        if (k.Section)
            m_SaveKey(k, force);
        else
            changed |= m_SaveStep(k.Form, force);
    }
    changed |= m_RefreshCopies();
    if (changed) m_NotifyOtherInstances(1, 1);
    return changed;
}
