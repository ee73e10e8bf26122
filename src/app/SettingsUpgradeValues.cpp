// Phase 0 of the upgrade: values whose meaning changed, corrected in the
// loaded settings and lists.
#include <stdio.h>
#include <stdlib.h>

#include "app/SettingsUpgradeSteps.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

// The parameter as the older file stored it: functions whose parameter is
// now a text kept it as a number, which reads into the argument text.
int m_StoredParam(const SFUNCTIONBIND& b)
{
    return b.Arg[0] ? (int)wcstol(b.Arg, nullptr, 10) : b.Param;
}

void m_SetArg(SFUNCTIONBIND& b, const wchar_t* text) { lstrcpynW(b.Arg, text, ARRAYSIZE(b.Arg)); }

// Boost (61) and balance (63) became the list functions 141 and 142, with
// the step as a signed text.
int m_BoostAndBalance()
{
    int changed = 0;
    for (int i = 0; i < m_nBindCount; ++i) {
        SFUNCTIONBIND& b = m_pBind[i];
        if (b.Function != 61 && b.Function != 63) continue;
        const int step = m_StoredParam(b);
        wchar_t text[16] = L"0";
        if (step) _snwprintf(text, 15, L"%+d", step);
        m_SetArg(b, text);
        b.Function = b.Function == 61 ? 141 : 142;
        b.Param = 0;
        changed = 1;
    }
    return changed;
}

// The second switch (no position kept) once also kept the check states and
// the streams from being stored; they have switches of their own now.
int m_FolderSwitches()
{
    int changed = 0;
    for (int i = 0; i < g_FolderSettingCount; ++i) {
        SFOLDERSETTING& f = g_FolderSettings[i];
        if (!f.Flags[1] || (f.Flags[3] && f.Flags[4])) continue;
        f.Flags[3] = f.Flags[4] = 1;
        changed = 1;
    }
    return changed;
}

int m_FirstCaptureName()
{
    if (g_CaptureCount < 1) return 0;
    if (!g_CaptureSettings[0].Name[0]) lstrcpynW(g_CaptureSettings[0].Name, L"DEFAULT", 64);
    return 1;
}

int m_LauncherIcons()
{
    if (!g_Settings.Lnch_Lbl[0]) return 0;
    g_Settings.Lnch_Ico = 0;
    return 1;
}

// The preview kinds 1..3 became two values; the jump-list preview moved
// from function 66 with parameter 4 to function 68.
int m_JumpListPreview()
{
    static const int kPrev[4][2] = {{0, 0}, {0, 1}, {0, 3}, {1, 0}};
    int changed = 0;
    const int old = g_Settings.Jumplist_Prev[0];
    if (old >= 1 && old <= 3) {
        g_Settings.Jumplist_Prev[0] = kPrev[old][0];
        g_Settings.Jumplist_Prev[1] = kPrev[old][1];
    }
    if (old != 0) changed = 1;
    for (int i = 0; i < m_nBindCount; ++i) {
        SFUNCTIONBIND& b = m_pBind[i];
        if (b.Function != 66 || m_StoredParam(b) != 4) continue;
        b.Function = 68;
        b.Param = 0;
        b.Arg[0] = 0;
        changed = 1;
    }
    return changed;
}

// Buttons with one-pixel gaps grew by the gaps.
int m_ButtonGaps()
{
    if (!g_Settings.Ctrl_Style[1]) return 0;
    g_Settings.Ctrl_Btn[0] += 2;
    g_Settings.Ctrl_Btn[1] += 2;
    return 1;
}

// Play-range moves (75 with 6 or 7) became function 76.
int m_PlayRangeMoves()
{
    int changed = 0;
    for (int i = 0; i < m_nBindCount; ++i) {
        SFUNCTIONBIND& b = m_pBind[i];
        const int param = b.Function == 75 ? m_StoredParam(b) : 0;
        if (param != 6 && param != 7) continue;
        b.Function = 76;
        b.Param = param;
        m_SetArg(b, param == 6 ? L"-1" : L"+1");
        changed = 1;
    }
    return changed;
}

}  // namespace

int m_UpgradeLoadedValues(int version)
{
    int changed = 0;
    if (version < 90646) {
        m_UpgradeDeleteKey(L"Menu", L"Size");
        m_UpgradeDeleteKey(L"Menu", L"Timer");
    }
    if (version < 90652) changed |= m_BoostAndBalance();
    if (version < 90660) m_UpgradeDeleteKey(L"Main", L"CapLastPath");
    if (version < 90661) changed |= m_FolderSwitches();
    if (version < 90670) changed |= m_FirstCaptureName();
    if (version < 90672) changed |= m_LauncherIcons();
    if (version < 90674) changed |= m_JumpListPreview();
    if (version < 90679) changed |= m_ButtonGaps();
    if (version < 90688) changed |= m_PlayRangeMoves();
    return changed;
}
