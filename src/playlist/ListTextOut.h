// A list file's text written in one go, so that a list is never written key
// by key (each profile write rewrites the file): either built whole in
// memory and written later, or streamed into the file through the buffer.
#pragma once
#include <windows.h>

class CListTextOut {
public:
    // The buffer's capacity in characters: the whole text when built in
    // memory, a block when streaming.
    explicit CListTextOut(SIZE_T cap);
    ~CListTextOut();
    CListTextOut(const CListTextOut&) = delete;
    CListTextOut& operator=(const CListTextOut&) = delete;

    // Streams into a new file from here on (UTF-16LE with a BOM); false
    // when it cannot be created.
    bool m_Open(const wchar_t* path);
    void m_Add(const wchar_t* text);
    // "key=value" and a line break.
    void m_Key(const wchar_t* key, const wchar_t* value);
    // Streaming: writes the rest and closes; false when the file was not
    // written whole.
    bool m_Finish();
    // In memory: the BOM and the text as UTF-16LE; false when anything did
    // not fit or the file could not be written whole.
    bool m_WriteTo(const wchar_t* path) const;

private:
    void m_Flush();

    wchar_t* m_Buffer = nullptr;
    SIZE_T m_Cap = 0;
    SIZE_T m_Length = 0;
    bool m_Failed = false;
    HANDLE m_File = INVALID_HANDLE_VALUE;
};
