#include "playback/VideoProps.h"

#include <wchar.h>

#include "base/NumberFormat.h"

SVIDEOPROPSET g_VideoPropDefault;
SVIDEOPROPSET g_VideoPropFile;
SVIDEOPROPSET g_VideoPropTrack;
SVIDEOPROPSET g_VideoPropTemp;
SVIDEOPROPSET g_VideoPropNone;
int g_TrackPropsInUse;
int g_TrackPropsDirty;

namespace {

const wchar_t kKindLetters[] = L"XINA";

const int kDefaultPositions[4][4] = {
    {1000, 1000, 1800, 1000},
    {100, 1000, 1800, 100},
    {90, 100, 180, 100},
    {100, 1000, 180, 100},
};

int m_KindIndex(int kind) { return kind >= 0 && kind <= 3 ? kind : 0; }

int m_KindOfLetter(wchar_t c)
{
    for (int i = 0; i < 4; ++i) {
        if (kKindLetters[i] == c) return i;
    }
    return -1;
}

}  // namespace

void m_ProcAmp_DefaultPositions(int kind, int out[4])
{
    for (int i = 0; i < 4; ++i) out[i] = kDefaultPositions[m_KindIndex(kind)][i];
}

int m_ProcAmp_Format(wchar_t* out, int size, const int positions[4], int kind, int forceLetter)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    int k = m_KindIndex(kind);
    bool isDefault = true;
    UINT64 packed = 0;
    for (int i = 0; i < 4; ++i) {
        if (positions[i] != kDefaultPositions[k][i]) isDefault = false;
        packed = (packed << 12) | (UINT64)(positions[i] & 0xFFF);
    }
    if (isDefault && !(forceLetter && k != 0)) return 0;
    if (size < 2) return 0;
    out[0] = kKindLetters[k];
    out[1] = 0;
    if (isDefault) return 1;
    int len = m_Int64ToRadix64(packed, out + 1, size - 1);
    if (len == 0) out[0] = 0;
    return len == 0 ? 0 : len + 1;
}

// Eight digits of the radix-64 alphabet at most (48 bits).
bool m_ValidDigits(const wchar_t* text)
{
    static const wchar_t kAlphabet[] =
        L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz*#";
    int n = 0;
    for (; text[n]; ++n) {
        if (n >= 8 || !wcschr(kAlphabet, text[n])) return false;
    }
    return true;
}

void m_ProcAmp_Parse(const wchar_t* text, int positions[4], int* kind)
{
    int k = 0;
    if (!text) text = L"";
    const int letter = text[0] ? m_KindOfLetter(text[0]) : 0;
    if (letter > 0) k = letter;
    if (kind) *kind = k;
    // An unknown letter or digits of no packed set: the kind's defaults.
    if (letter < 0 || !text[0] || !m_ValidDigits(text + 1) || !text[1]) {
        m_ProcAmp_DefaultPositions(k, positions);
        return;
    }
    ++text;
    UINT64 packed = m_Radix64ToInt64(text);
    for (int i = 3; i >= 0; --i) {
        positions[i] = (int)(packed & 0xFFF);
        packed >>= 12;
    }
}
