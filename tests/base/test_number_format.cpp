#include <doctest/doctest.h>

#include <climits>
#include <cmath>
#include <string>

#include "base/NumberFormat.h"

namespace {

std::wstring FormatTime(int ms, int mode, int size = 64)
{
    wchar_t out[64] = L"?";
    m_FormatTime(out, size, ms, mode);
    return out;
}

std::wstring Thousands(INT64 value, int size = 64)
{
    wchar_t out[64] = L"?";
    m_FormatThousands(value, out, size);
    return out;
}

std::wstring Radix64(UINT64 value)
{
    wchar_t out[RADIX64_TEXT_SIZE] = L"?";
    m_Int64ToRadix64(value, out);
    return out;
}

}  // namespace

TEST_CASE("time texts in every mode")
{
    struct {
        int ms, mode;
        const wchar_t* expected;
    } cases[] = {
        {3725400, 1, L"62:05"},
        {3725400, 2, L"62:05"},
        {3725400, 3, L"1:02:05"},
        {3725400, 4, L"1:02:05"},
        {3725400, 5, L"01:02:05"},
        {65000, 3, L"1:05"},
        {65000, 4, L"01:05"},
        {65000, 5, L"00:01:05"},
        {5000, 2, L"00:05"},
        {59500, 1, L"1:00"},  // rounds to whole seconds
        {3725400, 11, L"62:05.400"},
        {3725400, 12, L"62:05.400"},
        {3725400, 13, L"1:02:05.400"},
        {3725400, 14, L"1:02:05.400"},
        {3725400, 15, L"01:02:05.400"},
        {3725400, 20, L"01:02:05.400"},
        {65432, 13, L"1:05.432"},
        {65432, 14, L"01:05.432"},
        {59999, 11, L"0:59.999"},  // truncated seconds, not rounded up
        {-61000, 4, L"-01:01"},
        {-1500, 13, L"-0:01.500"},
        {0, 3, L"0:00"},
        {1000, 0, L""},
        {1000, 6, L""},
        {1000, 10, L""},
        {1000, -1, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.ms);
        CAPTURE(c.mode);
        CHECK(FormatTime(c.ms, c.mode) == c.expected);
    }
}

TEST_CASE("time texts: the minus only when it fits, extremes, small outputs")
{
    CHECK(FormatTime(-61000, 4, 7) == L"-01:01");
    CHECK(FormatTime(-61000, 4, 6) == L"01:01");
    CHECK(FormatTime(61000, 4, 3) == L"01");
    // The most negative count formats without overflow.
    CHECK(FormatTime(INT_MIN, 5) == L"-596:31:24");
    CHECK(FormatTime(INT_MAX, 5) == L"596:31:24");
    wchar_t one[1] = {L'x'};
    CHECK(m_FormatTime(one, 1, 5000, 3) == 0);
    CHECK(one[0] == 0);
}

TEST_CASE("time text parsing")
{
    struct {
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"1:02:05.4", 3725400}, {L"62:05", 3725000}, {L"5.25", 5250}, {L"0:00.5", 500}, {L"", 0},
        {L"1:30:00", 5400000},   {L"2.9:10", 130000},  // minutes are whole numbers
        {L"99999999", INT_MAX},                        // clamped, not overflowed
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.text));
        CHECK(m_ParseTimeText(c.text) == c.expected);
    }
    for (int ms : {0, 999, 61001, 3725400, 86399999}) {
        CHECK(m_ParseTimeText(FormatTime(ms, 15).c_str()) == ms);
    }
}

TEST_CASE("thousands separators")
{
    CHECK(Thousands(-1234567) == L"-1,234,567");
    CHECK(Thousands(0) == L"0");
    CHECK(Thousands(999) == L"999");
    CHECK(Thousands(1000) == L"1,000");
    CHECK(Thousands(-100) == L"-100");
    CHECK(Thousands(LLONG_MIN) == L"-9,223,372,036,854,775,808");
    CHECK(m_FormatThousands(1234, nullptr, 0) == 0);
    CHECK(Thousands(1234, 6) == L"1,234");
    CHECK(Thousands(1234, 5) == L"");  // does not fit: empty, not cut
}

TEST_CASE("radix-64 texts and their round trip")
{
    CHECK(Radix64(0) == L"00000000");
    CHECK(Radix64(63) == L"0000000#");
    CHECK(Radix64(64) == L"00000010");
    CHECK(Radix64((1ull << 48) - 1) == L"########");
    CHECK(Radix64(1ull << 48) == L"100000000");
    CHECK(Radix64(~0ull) == L"F##########");
    for (UINT64 v : {0ull, 1ull, 63ull, 12345678901234ull, 1ull << 63, ~0ull}) {
        CAPTURE(v);
        CHECK(m_Radix64ToInt64(Radix64(v).c_str()) == v);
    }
    CHECK(m_Radix64ToInt64(L"10") == 64);
    CHECK(m_Radix64ToInt64(L"") == 0);
    // Only the first 11 characters count.
    CHECK(m_Radix64ToInt64(L"00000000001zzz") == 1);
    // Only the low byte of a character is compared with the alphabet.
    CHECK(m_Radix64ToInt64(L"\u0141") == 10);
    wchar_t small[8];
    CHECK(m_Int64ToRadix64(0, small, 8) == 0);
    CHECK(small[0] == 0);
}

TEST_CASE("rounding and decimals")
{
    CHECK(m_RoundToFewestDecimals(0.25, 0.001) == doctest::Approx(0.25));
    CHECK(m_RoundToFewestDecimals(1.0000001, 0.001) == 1.0);
    CHECK(m_RoundToFewestDecimals(-0.25, 0.001) == doctest::Approx(-0.25));
    CHECK(m_RoundToFewestDecimals(1234.0, 0.001) == 1234.0);
    CHECK(m_RoundToFewestDecimals(0.1 + 0.2, 0.001) == doctest::Approx(0.3).epsilon(1e-12));
    CHECK(m_RoundToFewestDecimals(1e-9, 0.001) == 0.0);
    CHECK(m_RoundToFewestDecimals(0.123456789123, 1e-12) == 0.123456789123);  // unchanged
    CHECK(std::isinf(m_RoundToFewestDecimals(INFINITY, 0.01)));  // returns, no endless loop

    CHECK(m_RoundToDecimals(1.23456, 2) == doctest::Approx(1.23));
    CHECK(m_RoundToDecimals(-2.5, 0) == -3.0);

    struct {
        double value;
        int decimals;
        const wchar_t* format;
    } cases[] = {
        {5, 0, L"%0.0f"},          {0.5, 1, L"%0.1f"},       {0.25, 2, L"%0.2f"},
        {0.125, 3, L"%0.3f"},      {0.1234567, 7, L"%0.3f"}, {1.00001, 0, L"%0.0f"},
        {0.12345678, 8, L"%0.3f"}, {1e-7, 0, L"%0.0f"},  // within 0.001 of 0
    };
    for (const auto& c : cases) {
        CAPTURE(c.value);
        CHECK(m_CountDecimals(c.value) == c.decimals);
        CHECK(std::wstring(m_GetDecimalsFormat(c.value)) == c.format);
    }
}

TEST_CASE("modulo, powers and array replacement")
{
    CHECK(m_PositiveModulo(-1, 5) == 4);
    CHECK(m_PositiveModulo(7, 5) == 2);
    CHECK(m_PositiveModulo(-5, 5) == 0);
    CHECK(m_PositiveModulo(7, -5) == -3);
    CHECK(m_PositiveModulo(3, 0) == 0);
    CHECK(m_PositiveModulo(INT_MIN, -1) == 0);

    CHECK(m_Pow(2, 10) == 1024.0);
    CHECK(m_Pow(2, -2) == 0.25);
    CHECK(m_Pow(5, 0) == 1.0);
    CHECK(m_Pow10(3) == 1000.0);
    CHECK(m_Pow10(-3) == doctest::Approx(0.001));

    int values[] = {4, 7, 9, 7};
    CHECK(m_ReplaceInIntArray(values, 4, 7, 0) == 1);
    CHECK((values[1] == 0 && values[3] == 7));
    CHECK(m_ReplaceInIntArray(values, 4, 42, 0) == -1);
    CHECK(m_ReplaceInIntArray(values, 0, 4, 0) == -1);
}
