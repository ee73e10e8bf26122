#include <doctest/doctest.h>

#include <string>

#include "base/TextFit.h"

namespace {

// A screen-compatible DC with a fixed font, freed afterwards.
struct CTextDC {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    ~CTextDC()
    {
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    }
    int Width(const std::wstring& s)
    {
        RECT rc = {};
        DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &rc,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return rc.right - rc.left;
    }
};

}  // namespace

TEST_CASE("a text that fits is kept; too narrow empties it")
{
    CTextDC t;
    wchar_t buf[64] = L"Hello";
    const int w = t.Width(L"Hello");
    CHECK(m_FitTextToWidth(t.dc, w, buf, 64, L"..") == w);
    CHECK(std::wstring(buf) == L"Hello");

    CHECK(m_FitTextToWidth(t.dc, 0, buf, 64, L"..") == 0);
    CHECK(buf[0] == L'\0');

    wcscpy(buf, L"Hello world");
    CHECK(m_FitTextToWidth(t.dc, t.Width(L"...") - 1, buf, 64, L"...") == 0);  // suffix too wide
    CHECK(buf[0] == L'\0');

    wcscpy(buf, L"Hello world");
    CHECK(m_FitTextToWidth(t.dc, t.Width(L"..."), buf, 64, L"...") == t.Width(L"..."));
    CHECK(std::wstring(buf) == L"...");
}

TEST_CASE("cut at the longest prefix that fits with the suffix")
{
    CTextDC t;
    const std::wstring text = L"The quick brown fox jumps over the lazy dog";
    const wchar_t* suffixes[] = {L"..", L"...", nullptr};
    for (const wchar_t* suffix : suffixes) {
        const std::wstring s = suffix ? suffix : L"";
        for (int width = t.Width(s) + 1; width < t.Width(text); width += 7) {
            CAPTURE(width);
            wchar_t buf[128];
            wcscpy(buf, text.c_str());
            int got = m_FitTextToWidth(t.dc, width, buf, 128, suffix);
            std::wstring r(buf);
            REQUIRE(r.size() >= s.size());
            std::wstring prefix = r.substr(0, r.size() - s.size());
            CHECK(r.substr(prefix.size()) == s);
            CHECK(text.compare(0, prefix.size(), prefix) == 0);
            CHECK(got == t.Width(r));
            CHECK(got <= width);
            // One more character would not have fitted.
            CHECK(t.Width(text.substr(0, prefix.size() + 1)) + t.Width(s) > width);
        }
    }
}

TEST_CASE("the result stays inside a small buffer and keeps surrogate pairs whole")
{
    CTextDC t;
    wchar_t buf[8];
    wcscpy(buf, L"abcdefg");  // fills the buffer
    int got = m_FitTextToWidth(t.dc, t.Width(L"abcdef"), buf, 8, L"......");
    CHECK(wcslen(buf) <= 7);
    CHECK(got == t.Width(buf));

    // U+20BB7 is a surrogate pair; a cut right after its high half must drop it.
    std::wstring text = L"a\U00020BB7\U00020BB7\U00020BB7\U00020BB7";
    wchar_t pairBuf[32];
    for (int width = 1; width < t.Width(text); ++width) {
        wcscpy(pairBuf, text.c_str());
        m_FitTextToWidth(t.dc, width, pairBuf, 32, nullptr);
        size_t len = wcslen(pairBuf);
        CAPTURE(width);
        CHECK((len == 0 || !IS_HIGH_SURROGATE(pairBuf[len - 1])));
    }
}
