// The lists are kept as their stored text until the preset menus are built:
// what is read is written back unchanged.
#include "commands/MenuPresets.h"

#include <wchar.h>

#include "settings/IniPath.h"

namespace {

constexpr int kKinds = 3;
constexpr int kValueCap = 1024;

const wchar_t* const kKeys[kKinds] = {L"Size", L"Timer", L"Rate"};
const wchar_t* const kDefaults[kKinds] = {
    L"20,25|20,50|20,75|20,100|20,150|20,200|FF|22,360|22,540|22,720|22,900|FF|28",
    L"73,0|74,0|FF|76,1|76,5|76,15|76,60|FF|79",
    L"D,200|D,175|D,150|D,125|D,100|D,75|D,50|FF|F,1|F,-1",
};

struct SPresetText {
    bool Read;
    wchar_t Working[kValueCap];
    wchar_t Saved[kValueCap];
};

SPresetText s_Lists[kKinds];

bool IsKind(int kind) { return kind >= 0 && kind < kKinds; }

}  // namespace

void m_MenuPresets_Read(int kind, int alsoSaved)
{
    if (!IsKind(kind)) return;
    SPresetText& list = s_Lists[kind];
    GetPrivateProfileStringW(L"Menu", kKeys[kind], kDefaults[kind], list.Working, kValueCap,
                             g_IniPath);
    list.Read = true;
    if (alsoSaved) m_MenuPresets_Copy(kind);
}

int m_MenuPresets_Compare(int kind)
{
    if (!IsKind(kind) || !s_Lists[kind].Read) return 0;
    return wcscmp(s_Lists[kind].Working, s_Lists[kind].Saved) != 0;
}

void m_MenuPresets_Copy(int kind)
{
    if (!IsKind(kind)) return;
    wcscpy(s_Lists[kind].Saved, s_Lists[kind].Working);
}

void m_MenuPresets_Write(int kind)
{
    if (!IsKind(kind) || !s_Lists[kind].Read) return;
    WritePrivateProfileStringW(L"Menu", kKeys[kind], s_Lists[kind].Working, g_IniPath);
}
