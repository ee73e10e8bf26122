#include <doctest/doctest.h>

#include "base/Crc64.h"

#include <cstring>
#include <vector>

namespace {

// Bit-at-a-time CRC-64/WE, independent of the table code under test.
uint64_t BitwiseCrc64(const uint8_t* p, size_t n)
{
    uint64_t crc = ~0ull;
    for (size_t i = 0; i < n; ++i) {
        crc ^= static_cast<uint64_t>(p[i]) << 56;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & (1ull << 63)) ? (crc << 1) ^ 0x42F0E1EBA9EA3693ull : crc << 1;
    }
    return ~crc;
}

}  // namespace

TEST_CASE("CRC-64/WE check values")
{
    CHECK(m_Crc64Bytes("123456789", 9) == 0x62EC59E3F1A4F00Aull);
    CHECK(m_Crc64String(L"movie.mp4") == 0x385A50BD24F2CEE7ull);
    CHECK(m_Crc64String(L"") == 0);
    CHECK(m_Crc64String(nullptr) == 0);
    CHECK(m_Crc64Bytes(nullptr, 5) == 0);
}

TEST_CASE("CRC-64 of a text covers its UTF-16LE bytes, Japanese included")
{
    const wchar_t* texts[] = {L"a", L"C:\\Users\\me\\Videos\\clip_00042.mp4",
                              L"\u6620\u753B\u30D5\u30A1\u30A4\u30EB.mkv"};
    for (const wchar_t* text : texts) {
        std::vector<uint8_t> bytes;
        for (const wchar_t* c = text; *c; ++c) {
            bytes.push_back(static_cast<uint8_t>(*c & 0xFF));
            bytes.push_back(static_cast<uint8_t>(*c >> 8));
        }
        CHECK(m_Crc64String(text) == BitwiseCrc64(bytes.data(), bytes.size()));
    }
    CHECK(m_Crc64String(L"movie.mp4") != m_Crc64String(L"Movie.mp4"));
}

TEST_CASE("every length and alignment matches the bitwise reference")
{
    // Lengths around the 8-byte blocks, at every offset, so both the block
    // path and the tail are exercised on unaligned data.
    uint8_t buffer[80];
    uint32_t seed = 12345;
    for (uint8_t& b : buffer) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<uint8_t>(seed >> 24);
    }
    for (size_t offset = 0; offset < 8; ++offset)
        for (size_t len = 0; len + offset <= sizeof buffer; ++len) {
            CAPTURE(offset);
            CAPTURE(len);
            REQUIRE(m_Crc64Bytes(buffer + offset, len) == BitwiseCrc64(buffer + offset, len));
        }
}
