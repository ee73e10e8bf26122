// Small helpers the filter framework shares: a scoped critical-section
// lock and a bounded text copy.
#pragma once
#include <windows.h>
#include <wchar.h>

class CDsLock {
public:
    explicit CDsLock(CRITICAL_SECTION* section) : m_Section(section)
    {
        EnterCriticalSection(section);
    }
    ~CDsLock() { LeaveCriticalSection(m_Section); }
    CDsLock(const CDsLock&) = delete;
    CDsLock& operator=(const CDsLock&) = delete;

private:
    CRITICAL_SECTION* m_Section;
};

// Copies at most size - 1 characters and terminates; a null text gives "".
inline void m_Ds_CopyText(wchar_t* out, int size, const wchar_t* text)
{
    if (!out || size <= 0) return;
    out[0] = 0;
    if (text) wcsncat(out, text, static_cast<size_t>(size - 1));
}
