#include "settings/FolderPath.h"

#include <wchar.h>

namespace {

// The length without one trailing backslash (a root such as "C:\" keeps it).
int m_TrimmedLength(const wchar_t* path)
{
    int n = (int)wcslen(path);
    if (n > 3 && path[n - 1] == L'\\') --n;
    return n;
}

bool m_SameRun(const wchar_t* a, const wchar_t* b, int n)
{
    return n == 0 || CompareStringOrdinal(a, n, b, n, TRUE) == CSTR_EQUAL;
}

}  // namespace

int m_SamePath(const wchar_t* a, const wchar_t* b)
{
    if (!a || !b) return 0;
    const int n = m_TrimmedLength(a);
    return n == m_TrimmedLength(b) && m_SameRun(a, b, n) ? 1 : 0;
}

int m_PathUnderLength(const wchar_t* path, const wchar_t* folder)
{
    if (!path || !folder || !folder[0]) return -1;
    const int n = m_TrimmedLength(folder);
    if ((int)wcslen(path) < n || !m_SameRun(path, folder, n)) return -1;
    const wchar_t next = path[n];
    const bool boundary = next == 0 || next == L'\\' || folder[n - 1] == L'\\';
    return boundary ? n : -1;
}

int m_PathIsUnder(const wchar_t* path, const wchar_t* folder)
{
    return m_PathUnderLength(path, folder) >= 0 ? 1 : 0;
}
