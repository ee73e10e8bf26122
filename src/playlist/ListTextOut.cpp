#include "playlist/ListTextOut.h"

#include <string.h>
#include <wchar.h>

CListTextOut::CListTextOut(SIZE_T cap)
{
    m_Buffer = (wchar_t*)HeapAlloc(GetProcessHeap(), 0, cap * sizeof(wchar_t));
    m_Cap = m_Buffer ? cap : 0;
}

CListTextOut::~CListTextOut()
{
    if (m_Buffer) HeapFree(GetProcessHeap(), 0, m_Buffer);
}

void CListTextOut::m_Add(const wchar_t* text)
{
    SIZE_T n = wcslen(text);
    if (!m_Buffer || m_Length + n + 1 > m_Cap) {
        m_Overflow = true;
        return;
    }
    memcpy(m_Buffer + m_Length, text, n * sizeof(wchar_t));
    m_Length += n;
}

void CListTextOut::m_Key(const wchar_t* key, const wchar_t* value)
{
    m_Add(key);
    m_Add(L"=");
    m_Add(value);
    m_Add(L"\r\n");
}

bool CListTextOut::m_WriteTo(const wchar_t* path) const
{
    if (m_Overflow || !m_Buffer) return false;
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BYTE bom[2] = {0xFF, 0xFE};
    DWORD done = 0, body = 0;
    DWORD bytes = (DWORD)(m_Length * sizeof(wchar_t));
    bool ok = WriteFile(file, bom, 2, &done, nullptr) && done == 2 &&
              (bytes == 0 || (WriteFile(file, m_Buffer, bytes, &body, nullptr) && body == bytes));
    return CloseHandle(file) && ok;
}
