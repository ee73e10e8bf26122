#include "commands/MenuPresets.h"

#include <cstring>
#include <cwchar>

#include "base/ErrorLog.h"
#include "base/TextSearch.h"
#include "options/OptionMenuPage.h"
#include "settings/FunctionCatalog.h"
#include "settings/SettingsValue.h"

SMENUPRESETLIST g_MenuPresets[kMenuPresetKinds] = {{-1, {}}, {-1, {}}, {-1, {}}};

namespace {

const wchar_t kSection[] = L"Menu";
const wchar_t* const kKeys[kMenuPresetKinds] = {L"Size", L"Timer", L"Rate"};
const wchar_t* const kDefaults[kMenuPresetKinds] = {
    L"20,25|20,50|20,75|20,100|20,150|20,200|FF|22,360|22,540|22,720|22,900|FF|28",
    L"73,0|74,0|FF|76,1|76,5|76,15|76,60|FF|79",
    L"D,200|D,175|D,150|D,125|D,100|D,75|D,50|FF|F,1|F,-1",
};
const int kLabelEscapes = ESCAPE_COMMA | ESCAPE_BAR;

SMENUPRESETLIST s_Saved[kMenuPresetKinds] = {{-1, {}}, {-1, {}}, {-1, {}}};

bool IsKind(int kind) { return kind >= 0 && kind < kMenuPresetKinds; }

// The entries held, also for a count set past the capacity.
int HeldCount(const SMENUPRESETLIST& list)
{
    return list.Count < kMenuPresetCap ? list.Count : kMenuPresetCap;
}

bool IsNumberKind(UINT function)
{
    return m_Function_GetParamKind(nullptr, (int)function) == FUNC_PARAM_NUMBER;
}

void Replace(wchar_t* text, wchar_t from, wchar_t to)
{
    for (; *text; ++text) {
        if (*text == from) *text = to;
    }
}

// Leading hexadecimal digits; 0 when there are none or they overflow 32 bits.
UINT ParseFunctionId(const wchar_t* text)
{
    UINT value = 0;
    for (const wchar_t* p = text;; ++p) {
        int digit;
        if (*p >= L'0' && *p <= L'9')
            digit = *p - L'0';
        else if (*p >= L'a' && *p <= L'f')
            digit = *p - L'a' + 10;
        else if (*p >= L'A' && *p <= L'F')
            digit = *p - L'A' + 10;
        else
            return value;
        if (value > 0x0FFFFFFFu) return 0;
        value = (value << 4) | (UINT)digit;
    }
}

// "[-]id[,param[,label]]"; the text is at most one entry's length.
void ParseEntry(wchar_t* text, SMENUPRESET* entry)
{
    *entry = SMENUPRESET{};
    if (!text[0]) return;
    entry->Enabled = text[0] == L'-' ? 0 : 1;
    entry->Function = ParseFunctionId(text + (entry->Enabled ? 0 : 1));
    wchar_t* param = wcschr(text, L',');
    if (!param) return;
    *param++ = 0;
    wchar_t* label = wcschr(param, L',');
    if (label) *label++ = 0;
    if (IsNumberKind(entry->Function)) {
        entry->Param = m_LeadingInt(param);
    } else {
        m_CopyText(entry->Arg, kMenuPresetTextCap, param);
        Replace(entry->Arg, L';', L',');
    }
    if (label) m_EscapeText(false, kLabelEscapes, entry->Label, kMenuPresetTextCap, label);
}

// Splits the value at "|" into the list; a value ending with "|" has no
// empty last entry. The number of entries past the list's capacity.
int ParseValue(wchar_t* value, SMENUPRESETLIST& list)
{
    list.Count = 0;
    memset(list.Items, 0, sizeof(list.Items));
    if (!value[0]) return 0;
    int dropped = 0;
    for (wchar_t* piece = value;;) {
        wchar_t* bar = wcschr(piece, L'|');
        if (bar) *bar = 0;
        if (list.Count < kMenuPresetCap) {
            // Longer entries are cut before they are parsed.
            wchar_t text[kMenuPresetEntryTextCap];
            m_CopyText(text, kMenuPresetEntryTextCap, piece);
            ParseEntry(text, &list.Items[list.Count++]);
        } else {
            ++dropped;
        }
        if (!bar || !bar[1]) break;
        piece = bar + 1;
    }
    return dropped;
}

// "[-]ID,param[,label]" without trailing commas. A label that does not fit
// is cut between whole escapes, so it reads back as a plain prefix.
int FormatEntry(const SMENUPRESET& entry, wchar_t* out, int size)
{
    out[0] = 0;
    m_AppendF(out, size, L"%s%X,", entry.Enabled ? L"" : L"-", entry.Function);
    if (IsNumberKind(entry.Function)) {
        if (entry.Param != 0) m_AppendF(out, size, L"%d", entry.Param);
    } else {
        wchar_t arg[kMenuPresetTextCap];
        m_CopyText(arg, kMenuPresetTextCap, entry.Arg);
        Replace(arg, L',', L';');
        m_AppendF(out, size, L"%s", arg);
    }
    // An edited label may fill all its characters without a terminator.
    wchar_t label[kMenuPresetTextCap];
    m_CopyText(label, kMenuPresetTextCap, entry.Label);
    if (label[0]) {
        m_AppendF(out, size, L",");
        const int used = (int)wcslen(out);
        m_EscapeText(true, kLabelEscapes, out + used, size - used, label);
    }
    int length = (int)wcslen(out);
    while (length > 0 && out[length - 1] == L',') out[--length] = 0;
    return length;
}

void LogDropped(int kind, int dropped, const wchar_t* why)
{
    m_WriteLog(L"MENU_%d : Error / [Menu] %s : %d entries dropped (%s)", __LINE__, kKeys[kind],
               dropped, why);
}

}  // namespace

void m_MenuPresets_Read(int kind, int alsoSaved)
{
    if (!IsKind(kind)) return;
    wchar_t value[kSettingValueCap];
    m_ReadSettingText(kSection, kKeys[kind], kDefaults[kind], value);
    const int dropped = ParseValue(value, g_MenuPresets[kind]);
    if (dropped > 0) LogDropped(kind, dropped, L"list full");
    if (alsoSaved) m_MenuPresets_Copy(kind);
}

int m_MenuPresets_Write(int kind)
{
    if (!IsKind(kind) || g_MenuPresets[kind].Count < 0) return 0;
    const SMENUPRESETLIST& list = g_MenuPresets[kind];
    wchar_t value[kMenuPresetValueCap] = {};
    const int count = HeldCount(list);
    int length = 0, written = 0;
    for (; written < count; ++written) {
        wchar_t entry[kMenuPresetEntryTextCap];
        const int entryLength = FormatEntry(list.Items[written], entry, kMenuPresetEntryTextCap);
        const int needed = entryLength + (written > 0 ? 1 : 0);
        // A reader would meet a cut entry; this one and those after it stay out.
        if (length + needed >= kMenuPresetValueCap) break;
        if (written > 0) value[length++] = L'|';
        wmemcpy(value + length, entry, entryLength + 1);
        length += entryLength;
    }
    if (written < count) LogDropped(kind, count - written, L"value full");
    if (m_WriteSettingText(kSection, kKeys[kind], value)) return 1;
    m_WriteLog(L"MENU_%d : Error / WritePrivateProfileString() = %lu / [Menu] %s", __LINE__,
               GetLastError(), kKeys[kind]);
    return 0;
}

int m_MenuPresets_Compare(int kind)
{
    if (!IsKind(kind) || g_MenuPresets[kind].Count < 0) return 0;
    const SMENUPRESETLIST& working = g_MenuPresets[kind];
    const SMENUPRESETLIST& saved = s_Saved[kind];
    if (working.Count != saved.Count) return 1;
    return memcmp(working.Items, saved.Items, sizeof(SMENUPRESET) * HeldCount(working)) != 0;
}

void m_MenuPresets_Copy(int kind)
{
    if (!IsKind(kind)) return;
    s_Saved[kind] = g_MenuPresets[kind];
}

void m_MenuPresets_Revert()
{
    bool changed = false;
    for (int kind = 0; kind < kMenuPresetKinds; ++kind) {
        if (!m_MenuPresets_Compare(kind)) continue;
        g_MenuPresets[kind] = s_Saved[kind];
        changed = true;
    }
    if (changed) m_Option_SelectMenu(nullptr, -1, 1);
}
