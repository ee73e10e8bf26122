// A scratch folder of real files for the file-data tests.
#pragma once
#include <windows.h>

#include <string>

#include "../support/TempFolder.h"

// The shared temp folder with the helpers these tests read and write by.
class CScratchFolder : public CTempFolder {
public:
    std::wstring operator/(const std::wstring& name) const { return Join(name); }
    const std::wstring& m_Get() const { return Path(); }

    static void m_WriteBytes(const std::wstring& path, const std::string& bytes)
    {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        CloseHandle(file);
    }
    // UTF-16LE with its byte-order mark, as the player and Python's
    // configparser (encoding "utf-16") write it.
    static void m_WriteUtf16(const std::wstring& path, const std::wstring& text)
    {
        std::string bytes = "\xFF\xFE";
        bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        m_WriteBytes(path, bytes);
    }
    static std::string m_ReadBytes(const std::wstring& path)
    {
        std::string bytes;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read)
            bytes.append(buffer, read);
        CloseHandle(file);
        return bytes;
    }
    static std::wstring m_ReadUtf16(const std::wstring& path)
    {
        const std::string bytes = m_ReadBytes(path);
        if (bytes.size() < 2) return L"";
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                            (bytes.size() - 2) / 2);
    }
    static bool m_Exists(const std::wstring& path)
    {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};
