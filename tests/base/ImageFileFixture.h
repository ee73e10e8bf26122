// GDI+ for the length of a test, a private temporary folder, and whole-file
// reads and writes for tests of image files.
#pragma once
#include "GdiplusScope.h"
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <string>
#include <vector>

// A fresh folder under the temporary path, removed with its files.
class CTempFolder {
public:
    CTempFolder()
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        wchar_t name[MAX_PATH + 64];
        swprintf(name, MAX_PATH + 64, L"%lszv-img-%lu-%lu", base, GetCurrentProcessId(),
                 GetTickCount());
        m_Path = name;
        CreateDirectoryW(m_Path.c_str(), nullptr);
    }
    ~CTempFolder()
    {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((m_Path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((m_Path + L"\\" + data.cFileName).c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(m_Path.c_str());
    }
    std::wstring m_File(const wchar_t* name) const { return m_Path + L"\\" + name; }
    std::wstring m_Path;
};

inline std::vector<BYTE> ReadBytes(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    BYTE buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    fclose(f);
    return bytes;
}

inline void WriteBytes(const std::wstring& path, const BYTE* data, size_t size)
{
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return;
    if (size) fwrite(data, 1, size, f);
    fclose(f);
}

inline void WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    WriteBytes(path, bytes.data(), bytes.size());
}

// Source folder of the tests' data files, as a Windows path.
inline std::wstring TestDataPath(const wchar_t* name)
{
    std::string dir = ZV_TEST_DATA_DIR;
    std::wstring path = L"Z:";
    for (char c : dir) path += c == '/' ? L'\\' : wchar_t(c);
    return path + L"\\" + name;
}
