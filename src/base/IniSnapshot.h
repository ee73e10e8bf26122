// An INI file read once into memory and answered as GetPrivateProfileStringW
// answers: reading a few hundred keys through the API opens and scans the
// file once per key.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CIniSnapshot {
public:
    // Reads the file (UTF-16LE or UTF-8 with their marks, else the ANSI code
    // page). A missing file gives an empty snapshot; 0 only when it exists
    // but cannot be read.
    int m_Load(const wchar_t* path);
    // Copies the value (cut to size - 1 characters); 0 when the key is absent.
    int m_GetString(const wchar_t* section, const wchar_t* key, wchar_t* out, int size) const;
    // The leading decimal integer of the value as GetPrivateProfileIntW gives
    // it; def when the key is absent.
    int m_GetInt(const wchar_t* section, const wchar_t* key, int def) const;

private:
    struct SEntry {
        std::wstring section;  // lower case
        std::wstring key;      // lower case
        std::wstring value;
    };
    const SEntry* m_Find(const wchar_t* section, const wchar_t* key) const;
    void m_Parse(const std::wstring& text);

    std::vector<SEntry> m_Entries;
};

// The decoded text of a file's bytes: UTF-16LE or UTF-8 by their byte-order
// marks, else the ANSI code page.
std::wstring m_DecodeTextBytes(const std::vector<char>& bytes);
