#include "filedata/ResumeCheckText.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace {

constexpr int kCheckTextCap = 256;
// Room for the rows up to the cut and the one row that crosses it.
constexpr int kJoinCap = kCheckTextCap + kCheckRowCap + 16;

void m_Add(wchar_t* out, int* length, const wchar_t* text)
{
    const int n = lstrlenW(text);
    if (*length + n >= kJoinCap) return;
    wmemcpy(out + *length, text, n);
    *length += n;
    out[*length] = 0;
}

// The text ends at the last row boundary that keeps it within 255.
void m_CutBetweenRows(wchar_t* text, int* length)
{
    if (*length > kCheckTextCap - 1) {
        int cut = kCheckTextCap - 1;
        while (cut > 0 && text[cut] != L':') --cut;
        text[cut] = 0;
        *length = cut;
    }
    while (*length > 0 && text[*length - 1] == L':') text[--*length] = 0;
}

}  // namespace

void m_Resume_MaskRow(const UINT* flags, int count, wchar_t out[kCheckRowCap])
{
    out[0] = 0;
    int top = count - 1;
    while (top >= 0 && !flags[top]) --top;
    if (top < 0) return;
    // Digits from the highest set item down; only the lowest 127 are kept.
    const int digits = top / 4 + 1;
    const int kept = digits < kCheckRowCap - 1 ? digits : kCheckRowCap - 1;
    for (int d = 0; d < kept; ++d) {
        const int digit = kept - 1 - d;  // 0 is the lowest
        int value = 0;
        for (int bit = 0; bit < 4; ++bit) {
            const int item = digit * 4 + bit;
            if (item < count && flags[item]) value |= 1 << bit;
        }
        out[d] = L"0123456789ABCDEF"[value];
    }
    out[kept] = 0;
    // Cutting off the high digits may leave leading zeros.
    int lead = 0;
    while (out[lead] == L'0') ++lead;
    if (lead) memmove(out, out + lead, (kept - lead + 1) * sizeof(wchar_t));
}

void m_Resume_JoinCheckRows(int rowCount, PFNCHECKROW row, void* context, int checkBoxesOff,
                            wchar_t out[256])
{
    wchar_t text[kJoinCap] = {};
    int length = 0;
    if (checkBoxesOff) m_Add(text, &length, L"+");
    wchar_t current[kCheckRowCap];
    wchar_t next[kCheckRowCap];
    for (int k = 0; k < rowCount && length < kCheckTextCap; ++k) {
        row(k, current, context);
        if (k) m_Add(text, &length, L":");
        m_Add(text, &length, current);
        if (k == 0) continue;
        int run = 0;
        while (k + run + 1 < rowCount) {
            row(k + run + 1, next, context);
            if (wcscmp(next, current) != 0) break;
            ++run;
        }
        if (!run) continue;
        if (!current[0] && k + run == rowCount - 1) break;
        wchar_t count[16];
        _snwprintf(count, 15, L".%d", run);
        count[15] = 0;
        m_Add(text, &length, count);
        k += run;
    }
    m_CutBetweenRows(text, &length);
    lstrcpynW(out, text, kCheckTextCap);
}
