#include "base/DevicePath.h"

#include <wchar.h>

namespace {

// Paths here are at most MAX_PATH long; a device form is shorter still.
constexpr int kFullPathCap = MAX_PATH * 4;

bool IsSep(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// "\\.\" or "\\?\" (either slash).
bool HasPrefix(const wchar_t* path, wchar_t mark)
{
    return IsSep(path[0]) && IsSep(path[1]) && path[2] == mark && IsSep(path[3]);
}

// "X:\" after the prefix: a file path written in the long or device form.
bool IsDrivePath(const wchar_t* rest) { return IsLetter(rest[0]) && rest[1] == L':' && IsSep(rest[2]); }

bool IsFileNamespace(const wchar_t* rest)
{
    return IsDrivePath(rest) || (_wcsnicmp(rest, L"UNC", 3) == 0 && IsSep(rest[3])) ||
           _wcsnicmp(rest, L"Volume{", 7) == 0;
}

// CON, PRN, AUX, NUL, COM1..9, LPT1..9 and the console's own names, as the
// name's part before its first dot, trailing blanks and a colon left out.
bool IsDeviceName(const wchar_t* name)
{
    static const wchar_t* const kPlain[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    int len = 0;
    while (name[len] && name[len] != L'.' && name[len] != L':') ++len;
    while (len > 0 && name[len - 1] == L' ') --len;
    for (const wchar_t* plain : kPlain) {
        if (len == (int)wcslen(plain) && _wcsnicmp(name, plain, len) == 0) return true;
    }
    return len == 4 && (_wcsnicmp(name, L"COM", 3) == 0 || _wcsnicmp(name, L"LPT", 3) == 0) &&
           name[3] >= L'1' && name[3] <= L'9';
}

const wchar_t* LastName(const wchar_t* path)
{
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p) {
        if (IsSep(*p) || (*p == L':' && p == path + 1)) name = p + 1;
    }
    return name;
}

}  // namespace

bool m_IsDevicePath(const wchar_t* path)
{
    if (!path || !*path) return false;
    if (HasPrefix(path, L'.')) return !IsDrivePath(path + 4);
    if (HasPrefix(path, L'?')) return !IsFileNamespace(path + 4);
    if (IsDeviceName(LastName(path))) return true;
    // The system's own reading of the path, for forms the name test misses.
    wchar_t full[kFullPathCap];
    const DWORD n = GetFullPathNameW(path, kFullPathCap, full, nullptr);
    return n > 0 && n < kFullPathCap && HasPrefix(full, L'.');
}
