// The check-state text of a resume record read back into track and chapter
// unchecked flags, and the check boxes that show them.
#include "playlist/Playlist.h"

#include "filedata/ResumeCheckText.h"

namespace {

// Hexadecimal digit value, 0 for any other character.
UINT m_HexValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return 0;
}

// Digit position p sets items 4p..4p+3 from its bits, the last digit first.
// A text longer than a row keeps its last 127 digits, as the builder does.
void m_SetFlags(const wchar_t* digits, int length, UINT* flags, int cap)
{
    const int first = length > kCheckRowCap - 1 ? length - (kCheckRowCap - 1) : 0;
    for (int i = length - 1, p = 0; i >= first; --i, ++p) {
        const UINT value = m_HexValue(digits[i]);
        for (int bit = 0; bit < 4; ++bit) {
            const int item = p * 4 + bit;
            if (item < cap) flags[item] = (value >> bit) & 1;
        }
    }
}

// Decimal repeat count after a ".", bounded so that it cannot overflow.
int m_ReadRepeat(const wchar_t* text, int length)
{
    int value = 0;
    for (int i = 0; i < length && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > kPlaylistTrackCap) return kPlaylistTrackCap;
    }
    return value;
}

void m_ApplyGroup(const wchar_t* group, int length, int g, STRACKINFO* tracks, int count,
                  int* repeat)
{
    *repeat = 0;
    if (g == 0) {
        // Track flags live in the records; gather them through a row.
        static UINT s_Flags[kPlaylistTrackCap];
        for (int k = 0; k < count; ++k) s_Flags[k] = tracks[k].Unchecked;
        m_SetFlags(group, length, s_Flags, count);
        for (int k = 0; k < count; ++k) tracks[k].Unchecked = s_Flags[k];
        return;
    }
    int hexLength = 0;
    while (hexLength < length && group[hexLength] != L'.') ++hexLength;
    if (hexLength < length) *repeat = m_ReadRepeat(group + hexLength + 1, length - hexLength - 1);
    const int t = g - 1;
    if (t >= count) return;
    m_SetFlags(group, hexLength, tracks[t].ChapterUnchecked, kFileInfoItemCap);
    int digits = hexLength < kCheckRowCap - 1 ? hexLength : kCheckRowCap - 1;
    int items = digits * 4 < kFileInfoItemCap ? digits * 4 : kFileInfoItemCap;
    for (int r = 1; r <= *repeat && t + r < count; ++r)
        memcpy(tracks[t + r].ChapterUnchecked, tracks[t].ChapterUnchecked, items * sizeof(UINT));
}

}  // namespace

void CPlaylist::m_ParseCheckString(LPCWSTR text, STRACKINFO* tracks, int count, int* modeOut)
{
    *modeOut = 0;
    if (!text || !text[0]) return;
    *modeOut = 1;
    if (text[0] == L'+') {
        *modeOut = 0;
        ++text;
    }
    int g = 0;
    while (*text) {
        int length = 0;
        while (text[length] && text[length] != L':') ++length;
        int repeat = 0;
        m_ApplyGroup(text, length, g, tracks, count, &repeat);
        g += repeat + 1;
        text += length;
        if (*text == L':') ++text;
    }
}

void CPlaylist::m_ApplyCheckString(LPCWSTR checks)
{
    int mode = 0;
    m_ParseCheckString(checks, m_Tracks, m_Count, &mode);
    if (mode) {
        m_CountCheckedTracks();
        for (int i = 0; i < m_Count; ++i) m_CountCheckedChapters(i);
    } else {
        m_CheckedTracks = m_Count;
    }
    m_SetCheckMode(mode);
}
