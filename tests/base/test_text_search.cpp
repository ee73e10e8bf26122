#include <doctest/doctest.h>

#include <string>

#include "base/TextSearch.h"

namespace {

std::wstring Escape(bool encode, int flags, const wchar_t* text, int size = 256)
{
    wchar_t out[256] = L"?";
    m_EscapeText(encode, flags, out, size, text);
    return out;
}

std::wstring IniValue(const wchar_t* section, const wchar_t* key, const wchar_t* text,
                      int* found = nullptr, int size = 128)
{
    wchar_t out[128] = L"?";
    const int r = m_GetIniValueFromText(section, key, L"dflt", out, size, text);
    if (found) *found = r;
    return out;
}

}  // namespace

TEST_CASE("finding and prefix tests, with and without case")
{
    const wchar_t* text = L"Hello World";
    CHECK(m_FindNoCase(text, L"wORLD") == text + 6);
    CHECK(m_FindNoCase(text, L"o") == text + 4);
    CHECK(m_FindNoCase(text, L"xyz") == nullptr);
    CHECK(m_FindNoCase(text, L"") == nullptr);
    CHECK(m_FindNoCase(L"", L"a") == nullptr);
    CHECK(m_FindNoCase(L"ab", L"abc") == nullptr);

    CHECK(m_StartsWith(L"DirectVobSub (auto)", L"directvobsub", false) == 1);
    CHECK(m_StartsWith(L"DirectVobSub (auto)", L"directvobsub", true) == 0);
    CHECK(m_StartsWith(L"Direct", L"DirectVobSub", false) == 0);
    CHECK(m_StartsWith(L"C:\\Video\\a.mp4", L"c:\\video\\", false) == 1);
}

TEST_CASE("suffix tests and suffix removal")
{
    struct {
        const wchar_t* text;
        const wchar_t* suffix;
        bool caseSensitive;
        int expected;
    } cases[] = {
        {L"movie.MP4", L".mp4", false, 1}, {L"movie.MP4", L".mp4", true, 0},
        {L"movie.mp4", L".mp4", true, 1},  {L".mp4", L".mp4", true, 1},
        {L"mp4", L".mp4", false, 0},       {L"", L".mp4", false, 0},
        {L"movie", L"", false, 0},         {L"movie.mp4", L".avi", false, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.text));
        CAPTURE(std::wstring(c.suffix));
        CHECK(m_HasSuffix(c.text, c.suffix, c.caseSensitive) == c.expected);
        CHECK(m_EndsWithNoCase(c.text, c.suffix, c.caseSensitive) == c.expected);
        wchar_t buf[32];
        wcscpy(buf, c.text);
        CHECK(m_EndsWith(buf, c.suffix, c.caseSensitive) == c.expected);
        const size_t cut = c.expected ? wcslen(c.suffix) : 0;
        CHECK(std::wstring(buf) == std::wstring(c.text).substr(0, wcslen(c.text) - cut));
    }
    CHECK(m_EndsWithNoCase(L"a.chapter.TXT", L".chapter.txt") == 1);
}

TEST_CASE("line feeds to CR LF, bounded")
{
    wchar_t out[16];
    CHECK(m_ToCrLf(out, 16, L"a\nb\r\nc\r") == 7);
    CHECK(std::wstring(out) == L"a\r\nb\r\nc");
    // A pair that does not fit whole is left out, never half written.
    CHECK(m_ToCrLf(out, 3, L"a\nb") == 1);
    CHECK(std::wstring(out) == L"a");
    CHECK(m_ToCrLf(out, 4, L"a\nb") == 3);
    CHECK(std::wstring(out) == L"a\r\n");
    CHECK(m_ToCrLf(out, 1, L"abc") == 0);
    CHECK(out[0] == 0);
}

TEST_CASE("escaping separators and restoring them")
{
    CHECK(Escape(true, ESCAPE_COMMA, L"a,b") == L"a%cb");
    CHECK(Escape(false, ESCAPE_COMMA, L"a%cb") == L"a,b");
    CHECK(Escape(true, ESCAPE_COMMA, L"%c") == L"%%c");
    CHECK(Escape(false, ESCAPE_COMMA, L"%%c") == L"%c");
    CHECK(Escape(true, ESCAPE_COMMA | ESCAPE_BAR, L"a/b|c,d") == L"a/b%vc%cd");
    CHECK(Escape(true, ESCAPE_COMMA | ESCAPE_SLASH | ESCAPE_BAR, L"/|,") == L"%s%v%c");
    // Unflagged escapes stay as they are when decoding.
    CHECK(Escape(false, ESCAPE_COMMA, L"%s%v%c%") == L"%s%v,%");

    // Every text comes back whole, including ones that look like the
    // placeholder of a two-step decoding.
    const wchar_t* texts[] = {L"%=%", L"=%%=", L"a%=%b,c", L"%%%", L"=%=", L"100%,/|"};
    for (const wchar_t* t : texts) {
        CAPTURE(std::wstring(t));
        const std::wstring encoded = Escape(true, 7, t);
        CHECK(Escape(false, 7, encoded.c_str()) == t);
    }
    // Cut to size, never in the middle of an escape.
    CHECK(Escape(true, ESCAPE_COMMA, L"ab,c", 4) == L"ab");
    CHECK(Escape(true, ESCAPE_COMMA, L"ab,c", 5) == L"ab%c");
}

TEST_CASE("GUIDs from hexadecimal texts")
{
    GUID g;
    CHECK(m_ParseGuidHex(L"{93A22E7A-5091-45EF-BA61-6DA26156A5D0}", &g) == 1);
    CHECK(g.Data1 == 0x93A22E7Au);
    CHECK(g.Data2 == 0x5091);
    CHECK(g.Data3 == 0x45EF);
    CHECK((g.Data4[0] == 0xBA && g.Data4[1] == 0x61 && g.Data4[7] == 0xD0));
    CHECK(m_ParseGuidHex(L"93a22e7a509145efba616da26156a5d0ffff", &g) == 1);
    CHECK(g.Data1 == 0x93A22E7Au);
    CHECK(m_ParseGuidHex(L"{93A22E7A-5091-45EF-BA61-6DA26156A5D}", &g) == 0);
    CHECK(IsEqualGUID(g, GUID{}));
    CHECK(m_ParseGuidHex(nullptr, &g) == 0);
}

TEST_CASE("INI values from a text held in memory")
{
    const wchar_t* text =
        L"[Main]\r\nVer=90690\r\nName=Zen\r\nEmpty=\r\n"
        L"[Bind]\nKey=0x41\nName=Other\n[Last]\nTail=end";
    int found = 0;
    CHECK(IniValue(L"Main", L"Ver", text, &found) == L"90690");
    CHECK(found == 1);
    CHECK(IniValue(L"Main", L"Name", text) == L"Zen");    // CR dropped
    CHECK(IniValue(L"Bind", L"Name", text) == L"Other");  // its own section's key
    CHECK(IniValue(L"Last", L"Tail", text) == L"end");    // up to the end of the text
    CHECK(IniValue(L"Main", L"Empty", text, &found) == L"");
    CHECK(found == 1);
    CHECK(IniValue(L"Main", L"Key", text, &found) == L"dflt");  // lies in a later section
    CHECK(found == 0);
    CHECK(IniValue(L"main", L"Ver", text, &found) == L"dflt");  // case-sensitive
    CHECK(IniValue(L"Nope", L"Ver", text) == L"dflt");
    CHECK(IniValue(L"Main", L"Ve", text) == L"dflt");             // a whole key only
    CHECK(IniValue(L"Main", L"Ver", text, &found, 4) == L"906");  // cut to size - 1

    wchar_t out[8] = L"?";
    CHECK(m_GetIniValueFromText(L"X", L"Y", nullptr, out, 8, text) == 0);
    CHECK(out[0] == 0);

    CHECK(m_ReadIniIntFromText(L"Main", L"Ver", 7, text) == 90690);
    CHECK(m_ReadIniIntFromText(L"Main", L"Empty", 7, text) == 7);
    CHECK(m_ReadIniIntFromText(L"Main", L"Missing", 7, text) == 7);
    CHECK(m_ReadIniIntFromText(L"Main", L"Name", 7, text) == 0);  // not a number
}
