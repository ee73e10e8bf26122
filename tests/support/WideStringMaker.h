// Shows wide strings in failed checks: ASCII as it is, CR as '~' so line
// ends stay visible, anything else as '?'.
#pragma once
#include <string>

#include <doctest/doctest.h>

namespace doctest {
template <>
struct StringMaker<std::wstring> {
    static String convert(const std::wstring& text)
    {
        std::string out;
        for (wchar_t c : text) out += c == L'\r' ? '~' : c < 128 ? (char)c : '?';
        return String(out.c_str());
    }
};
}  // namespace doctest
