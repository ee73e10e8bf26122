// The parameter texts of the property functions: "[=]number[,level]" for
// one group, "preset[,level]" for the balance presets and "level,key,step"
// for the general property command.
#include <stdlib.h>
#include <wchar.h>

#include "playback/VideoPropStep.h"

namespace {

constexpr int kFieldCap = 16;  // 15 characters and the terminator
constexpr int kFunctionBalancePreset = 143;

struct SFUNCTIONGROUP {
    int Function;
    int Bit;
};

const SFUNCTIONGROUP kFunctionGroups[] = {
    {129, VP_CONTRAST},   {130, VP_BRIGHTNESS}, {131, VP_HUE},
    {132, VP_SATURATION}, {133, VP_ASPECT},     {134, VP_CROP},
    {135, VP_RANGE},      {141, VP_BOOST},      {142, VP_BALANCE},
};

struct SKEYGROUP {
    const wchar_t* Key;
    int Bit;
};

const SKEYGROUP kKeyGroups[] = {
    {L"CON", VP_CONTRAST},   {L"BRI", VP_BRIGHTNESS}, {L"HUE", VP_HUE},
    {L"SAT", VP_SATURATION}, {L"AR", VP_ASPECT},      {L"CROP", VP_CROP},
    {L"RNG", VP_RANGE},      {L"BST", VP_BOOST},      {L"BLS", VP_BALANCE},
};

int m_GroupOfFunction(int id)
{
    for (const SFUNCTIONGROUP& g : kFunctionGroups) {
        if (g.Function == id) return g.Bit;
    }
    return 0;
}

int m_GroupOfKey(const wchar_t* key)
{
    for (const SKEYGROUP& g : kKeyGroups) {
        if (!wcscmp(g.Key, key)) return g.Bit;
    }
    return VP_CONTRAST;
}

// A leading decimal integer (blanks and a sign before it); false without
// a digit or beyond a million either way.
bool m_ReadInt(const wchar_t* text, int* out)
{
    wchar_t* end = nullptr;
    const long v = wcstol(text, &end, 10);
    if (end == text || v < -1000000 || v > 1000000) return false;
    *out = (int)v;
    return true;
}

// An empty level is the automatic one.
bool m_ReadLevel(const wchar_t* text, int* out)
{
    while (*text == L' ') ++text;
    if (!*text) {
        *out = VP_LEVEL_AUTO;
        return true;
    }
    return m_ReadInt(text, out) && *out >= VP_LEVEL_AUTO && *out <= VP_LEVEL_TEMP;
}

// The text up to the stop character, cut to 15 characters; the position
// after the stop, or null when there is none.
const wchar_t* m_Field(const wchar_t* text, wchar_t stop, wchar_t* out)
{
    int n = 0;
    while (text[n] && text[n] != stop) ++n;
    const int kept = n < kFieldCap - 1 ? n : kFieldCap - 1;
    wmemcpy(out, text, kept);
    out[kept] = 0;
    return text[n] == stop ? text + n + 1 : nullptr;
}

}  // namespace

void m_VideoProp_Function(int functionId, const wchar_t* text)
{
    if (!text || !text[0]) return;
    const int bit = m_GroupOfFunction(functionId);
    if (!bit && functionId != kFunctionBalancePreset) return;
    const bool set = text[0] == L'=';
    if (set) ++text;
    wchar_t number[kFieldCap], levelText[kFieldCap] = L"";
    const wchar_t* rest = m_Field(text, L',', number);
    if (rest) m_Field(rest, L',', levelText);
    int value = 0, level = 0;
    if (!m_ReadInt(number, &value) || !m_ReadLevel(levelText, &level)) return;
    if (functionId == kFunctionBalancePreset)
        m_VideoProp_BalancePreset(level, value);
    else if (set)
        m_VideoProp_SetValue(level, bit, value, 1);
    else
        m_VideoProp_Step(level, bit, value);
}

void m_VideoProp_Command(const wchar_t* text)
{
    if (!text) return;
    wchar_t levelText[kFieldCap], key[kFieldCap], stepText[kFieldCap];
    const wchar_t* rest = m_Field(text, L',', levelText);
    if (!rest) return;
    rest = m_Field(rest, L',', key);
    if (!rest) return;
    m_Field(rest, 0, stepText);
    int level = 0, step = 0;
    if (!m_ReadLevel(levelText, &level) || !m_ReadInt(stepText, &step)) return;
    m_VideoProp_Step(level, m_GroupOfKey(key), step);
}
