// What the list-file tests share: the error log's folder and file bytes.
#pragma once
#include <windows.h>

#include <string>

#include "TempFolder.h"
#include "settings/IniPath.h"

// The error log lies beside the executable path, fixed at its first entry:
// every case of a program shares one folder for it.
struct SLogFolder {
    CTempFolder folder;
    SLogFolder() { lstrcpynW(g_ExePath, folder.Join(L"Zentavio.exe").c_str(), MAX_PATH + 1); }
};

inline std::string m_ReadBytes(const std::wstring& path)
{
    std::string out;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return out;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read) out.append(buffer, read);
    CloseHandle(file);
    return out;
}

// Text as UTF-16 with its byte-order mark.
inline std::string m_Utf16(const std::wstring& text, bool bigEndian = false)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        char lo = (char)(c & 0xFF), hi = (char)(c >> 8);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}
