// Phase 1 of the upgrade: keys that moved to another section or changed
// form, rewritten in the file before it is loaded.
#include <wchar.h>

#include <initializer_list>

#include "app/SettingsUpgradeSteps.h"

namespace {

void m_MoveKey(const wchar_t* fromSection, const wchar_t* fromKey, const wchar_t* toSection,
               const wchar_t* toKey)
{
    wchar_t value[kSettingValueCap];
    if (!m_UpgradeReadKey(fromSection, fromKey, value)) return;
    m_WriteSettingText(toSection, toKey, value);
    m_UpgradeDeleteKey(fromSection, fromKey);
}

// Before 90679 the timer's start position was kept as [Timer] "Pos".
void m_TimerStartPosition()
{
    wchar_t start[kSettingValueCap], old[kSettingValueCap];
    m_ReadSettingText(L"Timer", L"StPos", L"", start);
    m_ReadSettingText(L"Timer", L"Pos", L"", old);
    if (start[0] || !old[0]) return;
    m_WriteSettingText(L"Timer", L"StPos", old);
    m_UpgradeDeleteKey(L"Timer", L"Pos");
}

// Before 90686 the full-screen keys lay in [Common] and the bars had a key
// per value.
void m_FullScreenKeys()
{
    m_MoveKey(L"Common", L"Mon", L"Fullscr", L"Mon");
    m_MoveKey(L"Common", L"Clip", L"Fullscr", L"Clip");
    m_MoveKey(L"Common", L"OvrFrm", L"Fullscr", L"Ovr");
    m_WriteSettingF(L"Fullscr", L"Ctrl", L"%d,%d", m_ReadSettingInt(L"Fullscr", L"Ttl", 0),
                    m_ReadSettingInt(L"Fullscr", L"Stt", 0));
    m_UpgradeDeleteKey(L"Fullscr", L"Ttl");
    m_UpgradeDeleteKey(L"Fullscr", L"Stt");
    m_WriteSettingF(
        L"Fullscr", L"CtrlAlp", L"%d,%d,%d", m_ReadSettingInt(L"Fullscr", L"CtlAlp", 100),
        m_ReadSettingInt(L"Fullscr", L"SttAlp", 50), m_ReadSettingInt(L"Fullscr", L"SttClr", 50));
    m_UpgradeDeleteKey(L"Fullscr", L"CtlAlp");
    m_UpgradeDeleteKey(L"Fullscr", L"SttAlp");
    m_UpgradeDeleteKey(L"Fullscr", L"SttClr");
}

// Before 90687 the colour dialog's custom colours were [Ctrl] "CustClr",
// with empty places between commas.
void m_CustomColours()
{
    wchar_t value[kSettingValueCap];
    if (!m_UpgradeReadKey(L"Ctrl", L"CustClr", value)) return;
    if (value[0]) {
        wchar_t joined[kSettingValueCap + 1] = L"/";
        int n = 1;
        for (const wchar_t* p = value; *p && n < kSettingValueCap; ++p) {
            if (*p == L',' && joined[n - 1] == L',') continue;
            joined[n++] = *p;
        }
        joined[n] = 0;
        m_WriteSettingText(L"Main", L"ClrDlg", joined);
    }
    m_UpgradeDeleteKey(L"Ctrl", L"CustClr");
}

// Before 90688 the options dialog kept its column widths in [Opt].
void m_ColumnKeys()
{
    m_WriteSettingText(L"Playlist", L"Clm", L"75,20");
    for (const wchar_t* key : {L"BindClm", L"MenuClm", L"RecClm", L"FltrClm", L"CapClm"})
        m_UpgradeDeleteKey(L"Opt", key);
}

}  // namespace

bool m_UpgradeReadKey(const wchar_t* section, const wchar_t* key, wchar_t (&out)[kSettingValueCap])
{
    m_ReadSettingText(section, key, L"-", out);
    return wcscmp(out, L"-") != 0;
}

void m_UpgradeDeleteKey(const wchar_t* section, const wchar_t* key)
{
    m_WriteSettingText(section, key, nullptr);
}

void m_UpgradeFileKeys(int version)
{
    if (version < 90679) m_TimerStartPosition();
    if (version < 90681) m_MoveKey(L"Common", L"Rct", L"Menu", L"Rct");
    if (version < 90686) m_FullScreenKeys();
    if (version < 90687) m_CustomColours();
    if (version < 90688) m_ColumnKeys();
}
