#include "filedata/ResumeValue.h"

#include <math.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/Crc64.h"
#include "playback/VideoProps.h"
#include "settings/SettingsLists.h"

namespace {

constexpr int kFieldCap = 256;  // a longer field ends the reading
constexpr int kFieldCount = 9;

int m_Excluded(const SFOLDERSETTING* folder, int flag) { return folder && folder->Flags[flag]; }

// Appends printf-style text, never past the value's capacity.
void m_Append(wchar_t* out, const wchar_t* format, ...)
{
    const size_t used = wcslen(out);
    if (used >= kResumeValueCap - 1) return;
    va_list args;
    va_start(args, format);
    _vsnwprintf(out + used, kResumeValueCap - 1 - used, format, args);
    va_end(args);
    out[kResumeValueCap - 1] = 0;
}

void m_AppendRatio(wchar_t* out, int x, int y)
{
    if (y == 1000)
        m_Append(out, L"%d:", x);
    else
        m_Append(out, L"%d:%d", x, y);
}

void m_FormatPosition(const SRESUMEINFO* r, wchar_t* out)
{
    if (r->Position == 0) return;
    if (r->Position == -1) {
        m_Append(out, L"-1");
        return;
    }
    const int tenths = static_cast<int>(trunc(r->Position / 100.0 + 0.5));
    if (tenths % 10 == 0)
        m_Append(out, L"%d", tenths / 10);
    else
        m_Append(out, L"%0.1f", tenths / 10.0);
}

void m_FormatEntry(const SRESUMEINFO* r, wchar_t* out)
{
    if (r->Track > 0) m_Append(out, L"%d", r->Track + 1);
    if (r->ShufflePass > 0) m_Append(out, L"/%d", r->ShufflePass + 1);
}

void m_FormatRange(const SRESUMEINFO* r, wchar_t* out)
{
    if (r->RangeMode == 2) {
        for (int i = 0; i < 4; ++i) {
            if (i) m_Append(out, L":");
            if (r->RangeRect[i] > 0) m_Append(out, L"%d", r->RangeRect[i]);
        }
        return;
    }
    if (r->RangeMode == 1) {
        m_Append(out, L"%d", 10000 - r->RangeValue);
        if (!r->CropOn) return;
        m_Append(out, L"/");
    }
    if (r->CropOn) m_AppendRatio(out, r->CropX, r->CropY);
}

void m_FormatField(const SRESUMEINFO* r, int field, wchar_t* out)
{
    switch (field) {
        case 0:
            if (r->PositionOn) m_FormatPosition(r, out);
            break;
        case 1:
            if (r->PositionOn) m_FormatEntry(r, out);
            break;
        case 2:
            if (r->CheckOn) m_Append(out, L"%s", r->CheckText);
            break;
        case 3:
            if (r->StreamOn) m_Append(out, L"%s", r->StreamMask);
            break;
        case 4:
            if (r->ProcAmpOn) {
                wchar_t text[kProcAmpTextCap] = {};
                m_ProcAmp_Format(text, kProcAmpTextCap, r->ProcAmp, r->ProcAmpKind, 1);
                m_Append(out, L"%s", text);
            }
            break;
        case 5:
            if (r->AspectOn) m_AppendRatio(out, r->AspectX, r->AspectY);
            break;
        case 6:
            m_FormatRange(r, out);
            break;
        case 7:
            if (r->BoostOn) m_Append(out, L"%d", r->Boost);
            break;
        case 8:
            if (r->BalanceOn) m_Append(out, L"%d", r->Balance - 100);
            break;
    }
}

// "x:y", y 1000 when missing or 0.
void m_ParseRatio(const wchar_t* text, int* x, int* y)
{
    *x = _wtoi(text);
    const wchar_t* colon = wcschr(text, L':');
    *y = colon ? _wtoi(colon + 1) : 0;
    if (*y == 0) *y = 1000;
}

void m_ParseRange(const wchar_t* f, SRESUMEINFO* r)
{
    int colons = 0;
    for (const wchar_t* p = f; *p; ++p) colons += *p == L':';
    if (colons >= 3) {
        r->RangeMode = 2;
        const wchar_t* p = f;
        for (int i = 0; i < 4; ++i) {
            r->RangeRect[i] = _wtoi(p);
            const wchar_t* next = wcschr(p, L':');
            p = next ? next + 1 : p + wcslen(p);
        }
        return;
    }
    const wchar_t* slash = wcschr(f, L'/');
    const wchar_t* colon = wcschr(f, L':');
    if (slash || !colon) {
        const int value = 10000 - _wtoi(f);
        r->RangeMode = 1;
        r->RangeValue = (value < 1000 || value > 10000) ? 10000 : value;
        if (!slash || !wcschr(slash + 1, L':')) return;
        r->CropOn = 1;
        m_ParseRatio(slash + 1, &r->CropX, &r->CropY);
        return;
    }
    r->CropOn = 1;
    m_ParseRatio(f, &r->CropX, &r->CropY);
}

void m_ParseEntry(const wchar_t* f, SRESUMEINFO* r)
{
    const int n = _wtoi(f);
    if (n > 0) r->Track = n - 1;
    const wchar_t* slash = wcschr(f, L'/');
    if (slash) r->ShufflePass = _wtoi(slash + 1) - 1;
    r->PositionOn = 1;
}

void m_ParseField(int field, const wchar_t* f, SRESUMEINFO* r)
{
    switch (field) {
        case 0:
            r->Position = wcscmp(f, L"-1") == 0
                              ? -1
                              : static_cast<int>(trunc(wcstod(f, nullptr) * 1000.0 + 0.5));
            r->PositionOn = 1;
            break;
        case 1:
            m_ParseEntry(f, r);
            break;
        case 2:
            lstrcpynW(r->CheckText, f, kResumeCheckTextCap - 1);
            r->CheckOn = 1;
            break;
        case 3:
            lstrcpynW(r->StreamMask, f, kResumeStreamTextCap);
            r->StreamOn = 1;
            break;
        case 4:
            m_ProcAmp_Parse(f, r->ProcAmp, &r->ProcAmpKind);
            r->ProcAmpOn = 1;
            break;
        case 5:
            r->AspectOn = 1;
            if (wcschr(f, L':')) m_ParseRatio(f, &r->AspectX, &r->AspectY);
            break;
        case 6:
            m_ParseRange(f, r);
            break;
        case 7:
            r->Boost = _wtoi(f);
            r->BoostOn = 1;
            break;
        case 8:
            r->Balance = _wtoi(f) + 100;
            r->BalanceOn = 1;
            break;
    }
}

int m_FieldExcluded(int field, const SFOLDERSETTING* folder)
{
    if (field <= 1) return m_Excluded(folder, FOLDERSET_POSITION);
    if (field == 2) return m_Excluded(folder, FOLDERSET_CHECK);
    if (field == 3) return m_Excluded(folder, FOLDERSET_STREAM);
    return m_Excluded(folder, FOLDERSET_SETTINGS);
}

void m_CopyPosition(SRESUMEINFO* to, const SRESUMEINFO* from)
{
    to->PositionOn = from->PositionOn;
    to->Track = from->Track;
    to->Position = from->Position;
    to->ShufflePass = from->ShufflePass;
}

void m_CopySettingsPart(SRESUMEINFO* to, const SRESUMEINFO* from)
{
    const size_t begin = offsetof(SRESUMEINFO, ProcAmpOn);
    const size_t end = offsetof(SRESUMEINFO, ShufflePass);
    memcpy(reinterpret_cast<char*>(to) + begin, reinterpret_cast<const char*>(from) + begin,
           end - begin);
}

}  // namespace

void m_Resume_FormatValue(const SRESUMEINFO* record, wchar_t out[kResumeValueCap])
{
    out[0] = 0;
    for (int field = 0; field < kFieldCount; ++field) {
        if (field) m_Append(out, L",");
        m_FormatField(record, field, out);
    }
    size_t n = wcslen(out);
    while (n > 0 && out[n - 1] == L',') out[--n] = 0;
}

int m_Resume_ParseRecord(const wchar_t* text, SRESUMEINFO* record, const SFOLDERSETTING* folder)
{
    if (!text || !text[0]) return 0;
    record->HasData = 1;
    const wchar_t* p = text;
    for (int field = 0; field < kFieldCount; ++field) {
        const wchar_t* comma = wcschr(p, L',');
        const size_t length = comma ? size_t(comma - p) : wcslen(p);
        if (length >= kFieldCap) break;
        wchar_t f[kFieldCap];
        wmemcpy(f, p, length);
        f[length] = 0;
        if (length && !m_FieldExcluded(field, folder)) m_ParseField(field, f, record);
        if (!comma) break;
        p = comma + 1;
    }
    return 1;
}

UINT64 m_Resume_GetKey(const wchar_t* path)
{
    if (!path || !path[0]) return 0;
    size_t end = wcslen(path);
    if (path[end - 1] == L'\\' || path[end - 1] == L'/') --end;
    size_t begin = end;
    while (begin > 0 && path[begin - 1] != L'\\' && path[begin - 1] != L'/') --begin;
    if (begin == end || end - begin > MAX_PATH) return 0;
    wchar_t name[MAX_PATH + 1];
    wmemcpy(name, path + begin, end - begin);
    name[end - begin] = 0;
    CharUpperBuffW(name, static_cast<DWORD>(end - begin));
    return m_Crc64String(name);
}

int m_Resume_HasAny(const SRESUMEINFO* r)
{
    return r->PositionOn || r->CheckOn || r->StreamOn || r->ProcAmpOn || r->AspectOn || r->CropOn ||
           r->RangeMode > 0 || r->BoostOn || r->BalanceOn;
}

int m_Resume_HasSettings(const SRESUMEINFO* r)
{
    return r->ProcAmpOn || r->AspectOn || r->CropOn || r->RangeMode > 0 || r->BoostOn ||
           r->BalanceOn;
}

int m_Resume_HasSettingValues(const SRESUMEINFO* r)
{
    const size_t begin = offsetof(SRESUMEINFO, ProcAmpOn);
    const size_t end = offsetof(SRESUMEINFO, ShufflePass);
    const char* bytes = reinterpret_cast<const char*>(r);
    for (size_t at = begin; at + 4 <= end; at += 4) {
        UINT32 word;
        memcpy(&word, bytes + at, 4);
        if (word) return 1;
    }
    return 0;
}

int m_Resume_CopySettings(SRESUMEINFO* to, const SRESUMEINFO* from)
{
    int copied = 0;
    if (from->ProcAmpOn) {
        to->ProcAmpOn = 1;
        to->ProcAmpKind = from->ProcAmpKind;
        memcpy(to->ProcAmp, from->ProcAmp, sizeof(to->ProcAmp));
        copied = 1;
    }
    if (from->AspectOn) {
        to->AspectOn = 1;
        to->AspectX = from->AspectX;
        to->AspectY = from->AspectY;
        copied = 1;
    }
    if (from->CropOn) {
        to->CropOn = 1;
        to->CropX = from->CropX;
        to->CropY = from->CropY;
        copied = 1;
    }
    if (from->RangeMode > 0) {
        to->RangeMode = from->RangeMode;
        to->RangeValue = from->RangeValue;
        memcpy(to->RangeRect, from->RangeRect, sizeof(to->RangeRect));
        copied = 1;
    }
    if (from->BoostOn) {
        to->BoostOn = 1;
        to->Boost = from->Boost;
        copied = 1;
    }
    if (from->BalanceOn) {
        to->BalanceOn = 1;
        to->Balance = from->Balance;
        copied = 1;
    }
    return copied;
}

int m_Resume_Merge(SRESUMEINFO* to, const SRESUMEINFO* from, const SFOLDERSETTING* folder)
{
    if (!m_Excluded(folder, FOLDERSET_POSITION)) m_CopyPosition(to, from);
    if (!m_Excluded(folder, FOLDERSET_CHECK)) {
        to->CheckOn = from->CheckOn;
        memcpy(to->CheckText, from->CheckText, sizeof(to->CheckText));
    }
    if (!m_Excluded(folder, FOLDERSET_STREAM)) {
        to->StreamOn = from->StreamOn;
        memcpy(to->StreamMask, from->StreamMask, sizeof(to->StreamMask));
    }
    if (!m_Excluded(folder, FOLDERSET_SETTINGS)) m_CopySettingsPart(to, from);
    to->HasData = m_Resume_HasAny(to) ? 1 : 0;
    return static_cast<int>(to->HasData);
}

int m_Resume_Differs(const SRESUMEINFO* a, const SRESUMEINFO* b)
{
    return memcmp(a, b, sizeof(*a)) != 0;
}
