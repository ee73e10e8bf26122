// A list file's whole text, read in one pass and decoded to UTF-16, and the
// INI-style lookup of .zvpl files done on that text the way the profile API
// reads a file: names without case, the first duplicate wins, blanks
// trimmed, one pair of quotes removed.
#pragma once
#include <windows.h>

// How the bytes are decoded.
enum {
    LISTTEXT_PROFILE = 0,  // UTF-16LE with a BOM, else the ANSI code page
    LISTTEXT_M3U = 1,      // BOMs for UTF-8, UTF-16LE and UTF-16BE; else UTF-8 when
                           // the file is .m3u8 or its bytes are valid UTF-8, else ANSI
};

constexpr DWORD kListTextByteCap = 16 * 1024 * 1024;

class CListText {
public:
    CListText() = default;
    ~CListText();
    CListText(const CListText&) = delete;
    CListText& operator=(const CListText&) = delete;

    // 0 when the file cannot be read or is larger than kListTextByteCap.
    int m_Load(const wchar_t* path, int mode);
    wchar_t* m_Text() { return m_Buffer; }
    int m_Length() const { return m_Length_; }

private:
    void m_Release();

    void* m_Block = nullptr;  // the heap block that holds the text
    SIZE_T m_BlockCap = 0;
    wchar_t* m_Buffer = nullptr;
    int m_Length_ = 0;
};

struct SPROFILEKEY {
    const wchar_t* Name;
    const wchar_t* Value;
};

struct SPROFILESECTION {
    const wchar_t* Name;
    int TrackNumber;   // n of "TRACK_n", else 0
    int LegacyNumber;  // n of the legacy list's "TRACKn", else 0
    int FirstKey;
    int KeyCount;
};

constexpr int kProfileSectionCap = 4096;
constexpr int kProfileKeyCap = 32768;

class CListProfile {
public:
    CListProfile() = default;
    ~CListProfile();
    CListProfile(const CListProfile&) = delete;
    CListProfile& operator=(const CListProfile&) = delete;

    // Reads and indexes the file; 0 when it cannot be read.
    int m_Load(const wchar_t* path);
    // m_Load in its two steps, for a reader that looks at the text as read
    // (m_RawText, until m_Parse splits it) while the index is built.
    int m_Read(const wchar_t* path);
    int m_Parse();
    const wchar_t* m_RawText() { return m_File.m_Text(); }
    // The value, or null when the section or key is missing.
    const wchar_t* m_Find(const wchar_t* section, const wchar_t* key) const;
    const wchar_t* m_FindTrack(int number, const wchar_t* key) const;
    // The value copied (cut to cap), or the default when missing.
    void m_GetString(const wchar_t* section, const wchar_t* key, const wchar_t* def, wchar_t* out,
                     int cap) const;
    int m_GetInt(const wchar_t* section, const wchar_t* key, int def) const;
    // The highest n of the "TRACK_n" sections present.
    int m_MaxTrackNumber() const { return m_MaxTrack; }
    int m_SectionTotal() const { return m_SectionCount; }
    // Sections (0..m_SectionTotal()-1) and their keys in file order, for a
    // rewrite that keeps what it does not change.
    const SPROFILESECTION* m_Section(int i) const { return &m_Sections[i]; }
    const SPROFILEKEY* m_Key(int i) const { return &m_Keys[i]; }
    int m_TextLength() const { return m_File.m_Length(); }
    int m_MaxLegacyNumber() const { return m_MaxLegacy; }
    // The smallest n at or above from of the "TRACK_n" (legacy: "TRACKn")
    // sections present, 0 when none: readers step over absent numbers
    // instead of walking a COUNT of billions.
    int m_NextTrackNumber(int from, int legacy) const;

private:
    int m_Reserve();
    void m_Index();
    void m_AddLine(wchar_t* line);
    const wchar_t* m_KeyIn(const SPROFILESECTION* section, const wchar_t* key) const;

    CListText m_File;
    // One block holds the sections, the keys and, for each track number up
    // to the section capacity, its first section (-1 none).
    void* m_Block = nullptr;
    SIZE_T m_BlockCap = 0;
    SPROFILESECTION* m_Sections = nullptr;
    SPROFILEKEY* m_Keys = nullptr;
    int* m_TrackFirst = nullptr;
    int m_SectionCap = 0;
    int m_KeyCap = 0;
    int m_SectionCount = 0;
    int m_KeyCount = 0;
    int m_MaxTrack = 0;
    int m_MaxLegacy = 0;
};

// Copies with a cap (cut, always terminated).
void m_ListText_Copy(wchar_t* out, int cap, const wchar_t* text);
