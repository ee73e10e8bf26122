#include <doctest/doctest.h>

#include <string>

#include "base/StringEdit.h"

TEST_CASE("m_ReplaceString replaces, goes on after each replacement and stays in its buffer")
{
    struct Case {
        const wchar_t* text;
        const wchar_t* find;
        const wchar_t* repl;
        int max;
        int size;
        const wchar_t* expected;
        int count;
    };
    const Case cases[] = {
        {L"a;b;c", L";", L",", 0, 64, L"a,b,c", 2},
        {L"a;b;c", L";", L",", 1, 64, L"a,b;c", 1},
        {L"xax", L"x", L"xx", 0, 64, L"xxaxx", 2},  // replacement holds the search text
        {L"abcabc", L"abc", L"", 0, 64, L"", 2},
        {L"aXa", L"a", L"long", 0, 8, L"longXa", 1},  // the second would not fit
        {L"abc", L"", L"z", 0, 64, L"abc", 0},
        {L"abc", L"q", L"z", 0, 64, L"abc", 0},
    };
    for (const Case& c : cases) {
        wchar_t buffer[64];
        wcscpy(buffer, c.text);
        CAPTURE(std::wstring(c.text).size());
        CHECK(m_ReplaceString(buffer, c.size, c.find, c.repl, c.max) == c.count);
        CHECK(std::wstring(buffer) == c.expected);
    }
}

TEST_CASE("m_ReplaceStringNoCase replaces the first match and refuses growth beyond 255")
{
    wchar_t text[256] = L"Play MOVIE and movie";
    CHECK(m_ReplaceStringNoCase(text, L"movie", L"clip") == 1);
    CHECK(std::wstring(text) == L"Play clip and movie");
    CHECK(m_ReplaceStringNoCase(text, L"absent", L"x") == 0);

    std::wstring full(250, L'a');
    full += L"Xyz";  // 253 characters
    wcscpy(text, full.c_str());
    CHECK(m_ReplaceStringNoCase(text, L"xYZ", L"12345") == 1);  // exactly 255
    CHECK(wcslen(text) == 255);
    CHECK(m_ReplaceStringNoCase(text, L"5", L"67") == 0);  // would be 256
    CHECK(wcslen(text) == 255);
    CHECK(m_ReplaceStringNoCase(text, L"12345", L"z") == 1);  // shrinking always fits
    CHECK(std::wstring(text) == std::wstring(250, L'a') + L"z");
}

TEST_CASE("small in-place edits")
{
    wchar_t text[32];

    wcscpy(text, L",,,a,,b,");
    CHECK(m_CollapseDoubleCommas(text) == 3);
    CHECK(std::wstring(text) == L",a,b,");

    wcscpy(text, L"abcdef");
    CHECK(m_DropFirstChars(text) == 3);
    CHECK(std::wstring(text) == L"def");
    wcscpy(text, L"ab");
    CHECK(m_DropFirstChars(text) == 2);
    CHECK(std::wstring(text) == L"");

    wcscpy(text, L"xyz");
    wchar_t* moved = m_ShiftString(text, 2);
    CHECK(moved == text + 2);
    CHECK(std::wstring(moved) == L"xyz");
    CHECK(std::wstring(m_ShiftString(moved, -2)) == L"xyz");
}

TEST_CASE("m_PrependString inserts only when the whole result fits")
{
    wchar_t text[8] = L"1234";
    CHECK(m_PrependString(text, 8, L"ab") == 1);  // 6 + terminator
    CHECK(std::wstring(text) == L"ab1234");
    CHECK(m_PrependString(text, 8, L"cd") == 0);  // 8 + terminator
    CHECK(std::wstring(text) == L"ab1234");
    CHECK(m_PrependString(text, 8, L"c") == 1);
    CHECK(std::wstring(text) == L"cab1234");
}

TEST_CASE("trimming counts what it removes")
{
    wchar_t text[32];
    wcscpy(text, L" \t\v a b \r\n");
    CHECK(m_TrimBlanks(text) == 7);
    CHECK(std::wstring(text) == L"a b");
    wcscpy(text, L" \t\r\n");
    CHECK(m_TrimBlanks(text) == 4);
    CHECK(std::wstring(text) == L"");

    wcscpy(text, L"a,b,,,");
    CHECK(m_TrimRightChar(text, L',') == 3);
    CHECK(std::wstring(text) == L"a,b");

    wcscpy(text, L"line\r\n\n");
    CHECK(m_TrimRightNewlines(text) == 3);
    CHECK(std::wstring(text) == L"line");
    wcscpy(text, L"\r\n");
    CHECK(m_TrimRightNewlines(text) == 2);
    CHECK(std::wstring(text) == L"");
}

TEST_CASE("lower-casing")
{
    wchar_t text[8] = L"AbC1";
    m_ToLowerInPlace(text);
    CHECK(std::wstring(text) == L"abc1");

    // Accented and full-width letters whatever the locale; the text is longer
    // than one mapping piece.
    std::wstring upper = L"\u00C4\u00D6\uFF21";
    std::wstring lower = L"\u00E4\u00F6\uFF41";
    std::wstring longText, expected;
    for (int i = 0; i < 200; ++i) {
        longText += upper;
        expected += lower;
    }
    std::wstring buffer = longText;
    m_ToLowerInPlaceInvariant(buffer.data());
    CHECK(buffer == expected);
}
