#include "base/TextSearch.h"

#include <cwchar>
#include <cwctype>

namespace {

bool SameChar(wchar_t a, wchar_t b, bool caseSensitive)
{
    return a == b || (!caseSensitive && towlower(a) == towlower(b));
}

bool SameRun(const wchar_t* a, const wchar_t* b, size_t n, bool caseSensitive)
{
    for (size_t i = 0; i < n; ++i) {
        if (!SameChar(a[i], b[i], caseSensitive)) return false;
    }
    return true;
}

// Appends one or two characters while they fit whole before the terminator.
bool Put(wchar_t* out, int size, int& n, const wchar_t* chars, int count)
{
    if (n + count > size - 1) return false;
    for (int i = 0; i < count; ++i) out[n++] = chars[i];
    return true;
}

// Which character an escape letter stands for under the flags; 0 for none.
wchar_t Unescaped(wchar_t letter, int flags)
{
    if (letter == L'%') return L'%';
    if (letter == L'c' && (flags & ESCAPE_COMMA)) return L',';
    if (letter == L's' && (flags & ESCAPE_SLASH)) return L'/';
    if (letter == L'v' && (flags & ESCAPE_BAR)) return L'|';
    return 0;
}

// The escape letter of a character under the flags; 0 when kept as it is.
wchar_t EscapeLetter(wchar_t c, int flags)
{
    if (c == L'%') return L'%';
    if (c == L',' && (flags & ESCAPE_COMMA)) return L'c';
    if (c == L'/' && (flags & ESCAPE_SLASH)) return L's';
    if (c == L'|' && (flags & ESCAPE_BAR)) return L'v';
    return 0;
}

// Finds open + name + close in [from, end of text).
const wchar_t* FindDelimited(const wchar_t* from, wchar_t open, const wchar_t* name, wchar_t close)
{
    const size_t len = wcslen(name);
    for (const wchar_t* p = wcschr(from, open); p; p = wcschr(p + 1, open)) {
        if (wcsncmp(p + 1, name, len) == 0 && p[1 + len] == close) return p;
    }
    return nullptr;
}

int HexValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

UINT64 TakeHex(const int* digits, int& pos, int count)
{
    UINT64 v = 0;
    for (int i = 0; i < count; ++i) v = (v << 4) | (UINT64)digits[pos++];
    return v;
}

}  // namespace

const wchar_t* m_FindNoCase(const wchar_t* text, const wchar_t* part)
{
    if (!text || !part || !text[0] || !part[0]) return nullptr;
    const size_t n = wcslen(part);
    for (const wchar_t* p = text; *p; ++p) {
        if (SameRun(p, part, n, false)) return p;
    }
    return nullptr;
}

int m_StartsWith(const wchar_t* text, const wchar_t* prefix, bool caseSensitive)
{
    if (!text || !prefix) return 0;
    const size_t n = wcslen(prefix);
    return wcslen(text) >= n && SameRun(text, prefix, n, caseSensitive) ? 1 : 0;
}

int m_HasSuffix(const wchar_t* text, const wchar_t* suffix, bool caseSensitive)
{
    if (!text || !suffix || !text[0] || !suffix[0]) return 0;
    const size_t len = wcslen(text), n = wcslen(suffix);
    if (n > len) return 0;
    return SameRun(text + len - n, suffix, n, caseSensitive) ? 1 : 0;
}

int m_RemoveSuffix(wchar_t* text, const wchar_t* suffix, bool caseSensitive)
{
    if (!m_HasSuffix(text, suffix, caseSensitive)) return 0;
    text[wcslen(text) - wcslen(suffix)] = 0;
    return 1;
}

int m_ToCrLf(wchar_t* out, int size, const wchar_t* text)
{
    if (!out || size < 1) return 0;
    int n = 0;
    for (const wchar_t* p = text ? text : L""; *p; ++p) {
        if (*p == L'\r') continue;
        const bool ok = *p == L'\n' ? Put(out, size, n, L"\r\n", 2) : Put(out, size, n, p, 1);
        if (!ok) break;
    }
    out[n] = 0;
    return n;
}

// One pass in both directions, so that every text comes back unchanged
// from its encoding (a placeholder-based decoding can merge "%=%"-like
// sequences).
int m_EscapeText(bool encode, int flags, wchar_t* out, int size, const wchar_t* text)
{
    if (!out || size < 1) return 0;
    int n = 0;
    for (const wchar_t* p = text ? text : L""; *p; ++p) {
        wchar_t pair[2] = {L'%', 0};
        bool ok;
        if (encode) {
            pair[1] = EscapeLetter(*p, flags);
            ok = pair[1] ? Put(out, size, n, pair, 2) : Put(out, size, n, p, 1);
        } else {
            const wchar_t c = *p == L'%' && p[1] ? Unescaped(p[1], flags) : 0;
            if (c) ++p;
            ok = Put(out, size, n, c ? &c : p, 1);
        }
        if (!ok) break;
    }
    out[n] = 0;
    return n;
}

int m_ParseGuidHex(const wchar_t* text, GUID* out)
{
    if (!out) return 0;
    *out = GUID{};
    int digits[32];
    int count = 0;
    for (const wchar_t* p = text ? text : L""; *p && count < 32; ++p) {
        const int v = HexValue(*p);
        if (v >= 0) digits[count++] = v;
    }
    if (count < 32) return 0;
    int pos = 0;
    out->Data1 = (unsigned long)TakeHex(digits, pos, 8);
    out->Data2 = (unsigned short)TakeHex(digits, pos, 4);
    out->Data3 = (unsigned short)TakeHex(digits, pos, 4);
    for (int i = 0; i < 8; ++i) out->Data4[i] = (unsigned char)TakeHex(digits, pos, 2);
    return 1;
}

int m_GetIniValueFromText(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                          wchar_t* out, int size, const wchar_t* text)
{
    if (!out || size < 1) return 0;
    const wchar_t* header =
        text && section && key ? FindDelimited(text, L'[', section, L']') : nullptr;
    if (header) {
        const wchar_t* body = header + wcslen(section) + 2;
        const wchar_t* next = wcsstr(body, L"\n[");
        const wchar_t* end = next ? next : body + wcslen(body);
        const wchar_t* line = FindDelimited(body, L'\n', key, L'=');
        if (line && line < end) {
            const wchar_t* value = line + wcslen(key) + 2;
            const wchar_t* lf = wcschr(value, L'\n');
            const wchar_t* stop = lf && lf < end ? lf : end;
            if (stop > value && stop[-1] == L'\r' && stop == lf) --stop;
            int n = 0;
            for (const wchar_t* p = value; p < stop && n < size - 1; ++p) out[n++] = *p;
            out[n] = 0;
            return 1;
        }
    }
    int n = 0;
    for (const wchar_t* p = defaultValue ? defaultValue : L""; *p && n < size - 1; ++p) {
        out[n++] = *p;
    }
    out[n] = 0;
    return 0;
}

int m_ReadIniIntFromText(const wchar_t* section, const wchar_t* key, int defaultValue,
                         const wchar_t* text)
{
    wchar_t value[128];
    if (!m_GetIniValueFromText(section, key, nullptr, value, 128, text) || !value[0]) {
        return defaultValue;
    }
    return _wtoi(value);
}
