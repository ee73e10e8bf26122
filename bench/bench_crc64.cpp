// m_Crc64String against the plainest table-driven byte loop over the same
// UTF-16LE bytes, on typical media paths.
#include "BenchTiming.h"
#include <windows.h>

#include "base/Crc64.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

constexpr int kPaths = 100000;
constexpr int kPathChars = 160;
constexpr int kRepetitions = 15;

struct SPath {
    wchar_t text[kPathChars];
};

uint64_t g_ByteTable[256];

void m_InitByteTable()
{
    for (int b = 0; b < 256; ++b) {
        uint64_t r = static_cast<uint64_t>(b) << 56;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & (1ull << 63)) ? (r << 1) ^ 0x42F0E1EBA9EA3693ull : r << 1;
        g_ByteTable[b] = r;
    }
}

__attribute__((noinline)) uint64_t m_BaselineCrc64(const wchar_t* text)
{
    const auto* p = reinterpret_cast<const uint8_t*>(text);
    const size_t size = std::wcslen(text) * sizeof(wchar_t);
    uint64_t crc = ~0ull;
    for (size_t i = 0; i < size; ++i) crc = (crc << 8) ^ g_ByteTable[(crc >> 56) ^ p[i]];
    return ~crc;
}

// Deterministic paths of the usual shape and length spread.
void m_MakePaths(std::vector<SPath>& paths)
{
    static const wchar_t* const users[] = {L"taro", L"hanako", L"Administrator", L"media"};
    static const wchar_t* const folders[] = {L"Anime\\2023", L"Movies", L"Family\\Summer trip",
                                             L"Downloads\\Lectures\\Physics"};
    static const wchar_t* const exts[] = {L"mp4", L"mkv", L"avi", L"m2ts", L"webm"};
    uint32_t seed = 20240611u;
    for (int i = 0; i < kPaths; ++i) {
        seed = seed * 1664525u + 1013904223u;
        swprintf(paths[i].text, kPathChars, L"C:\\Users\\%ls\\Videos\\%ls\\clip_%05d.%ls",
                 users[seed >> 30], folders[(seed >> 28) & 3], i, exts[(seed >> 8) % 5]);
    }
}

double m_Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER freq)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(freq.QuadPart);
}

template <typename F>
double m_TimePass(const std::vector<SPath>& paths, F crc, uint64_t* sum)
{
    LARGE_INTEGER freq, from, to;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&from);
    uint64_t acc = 0;
    for (const SPath& p : paths) acc ^= crc(p.text);
    QueryPerformanceCounter(&to);
    *sum = acc;
    return m_Seconds(from, to, freq);
}

}  // namespace

int main()
{
    m_InitByteTable();
    std::vector<SPath> paths(kPaths);
    m_MakePaths(paths);

    std::vector<double> ours, baseline;
    uint64_t sumOurs = 0, sumBase = 0;
    // Alternate the two so that drift in machine speed hits both alike.
    for (int r = 0; r < kRepetitions; ++r) {
        ours.push_back(m_TimePass(paths, m_Crc64String, &sumOurs));
        baseline.push_back(m_TimePass(paths, m_BaselineCrc64, &sumBase));
    }
    if (sumOurs != sumBase) {
        std::printf("crc64_string: FAILED (results differ from the baseline)\n");
        return 1;
    }
    const double tOurs = m_Median(ours), tBase = m_Median(baseline);
    std::printf("crc64_string: %.2fx of baseline (goal <= 1.5x; %.2f ms vs %.2f ms per %d paths)\n",
                tOurs / tBase, tOurs * 1000.0, tBase * 1000.0, kPaths);
    return 0;
}
