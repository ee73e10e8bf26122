#include "base/Crc64.h"

#include <cstring>
#include <cwchar>

namespace {

constexpr uint64_t kCrc64Poly = 0x42F0E1EBA9EA3693ull;

// Table k holds the remainder of a byte followed by k zero bytes, so that
// eight bytes are folded in with eight independent look-ups.
struct SCrc64Tables {
    uint64_t t[8][256];
};

constexpr SCrc64Tables m_MakeCrc64Tables()
{
    SCrc64Tables tables{};
    for (int b = 0; b < 256; ++b) {
        uint64_t r = static_cast<uint64_t>(b) << 56;
        for (int bit = 0; bit < 8; ++bit) r = (r & (1ull << 63)) ? (r << 1) ^ kCrc64Poly : r << 1;
        tables.t[0][b] = r;
    }
    for (int k = 1; k < 8; ++k)
        for (int b = 0; b < 256; ++b) {
            const uint64_t prev = tables.t[k - 1][b];
            tables.t[k][b] = (prev << 8) ^ tables.t[0][prev >> 56];
        }
    return tables;
}

constexpr SCrc64Tables kCrc64 = m_MakeCrc64Tables();
static_assert(kCrc64.t[0][1] == kCrc64Poly, "CRC-64 table");

}  // namespace

uint64_t m_Crc64Bytes(const void* data, size_t size)
{
    const auto* p = static_cast<const uint8_t*>(data);
    if (!p) return 0;
    uint64_t crc = ~0ull;
    while (size >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        // MSB first: the first byte of the block meets the register's top byte.
        crc ^= __builtin_bswap64(word);
        crc = kCrc64.t[7][crc >> 56] ^ kCrc64.t[6][(crc >> 48) & 0xFF] ^
              kCrc64.t[5][(crc >> 40) & 0xFF] ^ kCrc64.t[4][(crc >> 32) & 0xFF] ^
              kCrc64.t[3][(crc >> 24) & 0xFF] ^ kCrc64.t[2][(crc >> 16) & 0xFF] ^
              kCrc64.t[1][(crc >> 8) & 0xFF] ^ kCrc64.t[0][crc & 0xFF];
        p += 8;
        size -= 8;
    }
    for (; size > 0; --size, ++p) crc = (crc << 8) ^ kCrc64.t[0][(crc >> 56) ^ *p];
    return ~crc;
}

uint64_t m_Crc64String(const wchar_t* text)
{
    if (!text) return 0;
    // wchar_t is UTF-16 in little-endian memory on this platform.
    return m_Crc64Bytes(text, std::wcslen(text) * sizeof(wchar_t));
}
