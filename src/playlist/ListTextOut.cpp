#include "playlist/ListTextOut.h"

#include <string.h>
#include <wchar.h>

namespace {

bool m_WriteAll(HANDLE file, const void* data, DWORD bytes)
{
    DWORD done = 0;
    return bytes == 0 || (WriteFile(file, data, bytes, &done, nullptr) && done == bytes);
}

}  // namespace

CListTextOut::CListTextOut(SIZE_T cap)
{
    m_Buffer = (wchar_t*)HeapAlloc(GetProcessHeap(), 0, cap * sizeof(wchar_t));
    m_Cap = m_Buffer ? cap : 0;
    m_Failed = !m_Buffer;
}

CListTextOut::~CListTextOut()
{
    if (m_File != INVALID_HANDLE_VALUE) CloseHandle(m_File);
    if (m_Buffer) HeapFree(GetProcessHeap(), 0, m_Buffer);
}

bool CListTextOut::m_Open(const wchar_t* path)
{
    m_File =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_File == INVALID_HANDLE_VALUE || m_Cap < 2) {
        m_Failed = true;
        return false;
    }
    m_Buffer[0] = 0xFEFF;
    m_Length = 1;
    return true;
}

void CListTextOut::m_Flush()
{
    if (!m_Failed && m_File != INVALID_HANDLE_VALUE)
        m_Failed = !m_WriteAll(m_File, m_Buffer, (DWORD)(m_Length * sizeof(wchar_t)));
    m_Length = 0;
}

void CListTextOut::m_Add(const wchar_t* text)
{
    SIZE_T n = wcslen(text);
    const bool streaming = m_File != INVALID_HANDLE_VALUE;
    if (!streaming && m_Length + n + 1 > m_Cap) m_Failed = true;
    while (n > 0 && !m_Failed) {
        if (m_Length == m_Cap) m_Flush();
        SIZE_T take = m_Cap - m_Length < n ? m_Cap - m_Length : n;
        memcpy(m_Buffer + m_Length, text, take * sizeof(wchar_t));
        m_Length += take;
        text += take;
        n -= take;
    }
}

void CListTextOut::m_Key(const wchar_t* key, const wchar_t* value)
{
    m_Add(key);
    m_Add(L"=");
    m_Add(value);
    m_Add(L"\r\n");
}

bool CListTextOut::m_Finish()
{
    if (m_File == INVALID_HANDLE_VALUE) return false;
    m_Flush();
    const bool closed = CloseHandle(m_File) != 0;
    m_File = INVALID_HANDLE_VALUE;
    return closed && !m_Failed;
}

bool CListTextOut::m_WriteTo(const wchar_t* path) const
{
    if (m_Failed || m_File != INVALID_HANDLE_VALUE) return false;
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BYTE bom[2] = {0xFF, 0xFE};
    bool ok =
        m_WriteAll(file, bom, 2) && m_WriteAll(file, m_Buffer, (DWORD)(m_Length * sizeof(wchar_t)));
    return CloseHandle(file) && ok;
}
