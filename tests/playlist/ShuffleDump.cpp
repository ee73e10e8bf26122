// Prints the shuffle order the player builds, for its behaviour test to hold
// against the reference: ShuffleDump <list path> <count>... writes one line
// "count seed entries..." per count, the seed in hex.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <vector>

#include "base/Crc64.h"
#include "playlist/Shuffle.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 2;
    const uint64_t seed = m_Crc64String(argv[1]);
    for (int a = 2; a < argc; ++a) {
        const int n = _wtoi(argv[a]);
        std::vector<int> table(static_cast<size_t>(m_Shuffle_Passes(n)) * (n > 0 ? n : 0) + 1);
        const int size = m_Shuffle_Compute(n, seed, table.data());
        printf("%d %016llX", n, static_cast<unsigned long long>(seed));
        for (int i = 0; i < size; ++i) printf(" %d", table[i]);
        printf("\n");
    }
    return 0;
}
