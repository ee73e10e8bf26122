#include <doctest/doctest.h>

#include <string>

#include "base/FileNameText.h"

TEST_CASE("m_FindInvalidFileNameChar")
{
    struct Case {
        const wchar_t* text;
        int start, withBackslash, wrap, expected;
    };
    const Case cases[] = {
        {L"plain name.mp4", 0, 1, 1, -1},
        {L"a\"b", 0, 0, 0, 1},
        {L"a*b", 0, 0, 0, 1},
        {L"a/b", 0, 0, 0, 1},
        {L"a:b", 0, 0, 0, 1},
        {L"a<b", 0, 0, 0, 1},
        {L"a>b", 0, 0, 0, 1},
        {L"a?b", 0, 0, 0, 1},
        {L"a|b", 0, 0, 0, 1},
        {L"a\\b", 0, 0, 0, -1},
        {L"a\\b", 0, 1, 0, 1},
        {L"a*bc?", 2, 0, 0, 4},
        {L"a*bcd", 2, 0, 0, -1},
        {L"a*bcd", 2, 0, 1, 1},  // wraps to the start
        {L"a*b", 10, 0, 0, 1},   // beyond the text: from 0
        {L"xy*", 10, 0, 1, 2},
        {L"a*b", -3, 0, 0, 1},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.text).size());
        CAPTURE(c.start);
        CHECK(m_FindInvalidFileNameChar(c.text, c.start, c.withBackslash, c.wrap) == c.expected);
    }
}

TEST_CASE("m_FindNonAnsiChar")
{
    CHECK(m_FindNonAnsiChar(L"plain ascii", 64, 0) == -1);
    if (GetACP() == CP_UTF8) return;  // every character survives a UTF-8 code page
    // A snowman exists in no single-byte or Japanese code page.
    const wchar_t* text = L"ab\u2603d\u2603";
    CHECK(m_FindNonAnsiChar(text, 64, 0) == 2);
    CHECK(m_FindNonAnsiChar(text, 64, 3) == 4);
    CHECK(m_FindNonAnsiChar(L"ab\u2603d", 64, 3) == 2);    // wraps
    CHECK(m_FindNonAnsiChar(text, 2, 0) == -1);            // only below size
    CHECK(m_FindNonAnsiChar(L"a\U0001F600", 64, 0) == 1);  // a surrogate pair
}

namespace {

std::wstring Split(const wchar_t* text, int capacity = 32)
{
    wchar_t* words[32];
    int count = m_SplitTitleWords(text, words, capacity);
    std::wstring joined;
    for (int i = 0; i < count; ++i) {
        if (i) joined += L'|';
        joined += words[i];
    }
    m_FreeTitleWords(words, count);
    return joined;
}

}  // namespace

TEST_CASE("m_SplitTitleWords cuts a title into pieces that join back into it")
{
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"[Sub] Name \u7B2C01\u8A71.mp4", L"[Sub] |Name |\u7B2C01\u8A71|.mp4"},
        {L"Show (2020 cut) #12", L"Show |(2020 cut) |#12"},
        {L"Ep#x", L"Ep|#x"},
        {L"a # b", L"a |# |b"},
        {L"x\uFF031", L"x|\uFF031"},
        {L"abc[de f]gh", L"abc|[de f]gh"},
        {L"\u300C\u304B \u304E\u300D\u3067\u3059", L"\u300C\u304B \u304E\u300D\u3067\u3059"},
        {L"[unclosed text", L"[unclosed text"},
        {L"  x", L" | |x"},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.text).size());
        CHECK(Split(c.text) == c.expected);
    }
    CHECK(Split(L"a b c d", 2) == L"a |b c d");  // the last piece takes the rest
    CHECK(Split(L"") == L"");
    wchar_t* words[1];
    CHECK(m_SplitTitleWords(L"", words, 1) == 0);
}
