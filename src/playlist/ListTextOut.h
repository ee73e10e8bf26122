// A list file's text built in memory and written in one step, so that a
// list is never written key by key (each profile write rewrites the file).
#pragma once
#include <windows.h>

// A growing text with a fixed capacity set at the start.
class CListTextOut {
public:
    explicit CListTextOut(SIZE_T cap);
    ~CListTextOut();
    CListTextOut(const CListTextOut&) = delete;
    CListTextOut& operator=(const CListTextOut&) = delete;

    void m_Add(const wchar_t* text);
    // "key=value" and a line break.
    void m_Key(const wchar_t* key, const wchar_t* value);
    // The BOM and the text as UTF-16LE; false when anything did not fit or
    // the file could not be written whole.
    bool m_WriteTo(const wchar_t* path) const;

private:
    wchar_t* m_Buffer = nullptr;
    SIZE_T m_Cap = 0;
    SIZE_T m_Length = 0;
    bool m_Overflow = false;
};
