#include "playlist/Shuffle.h"

#include <stdlib.h>

#include "base/Crc64.h"
#include "playlist/Playlist.h"

int* g_ShuffleOrder;
int g_ShuffleSize;
int g_ShufflePass;
int g_ShuffleCount;
uint64_t g_ShuffleSeed;

namespace {

struct SSHUFFLESHAPE {
    int n;
    int passes;
    int band;   // entries per band
    int bands;  // bands per pass
};

SSHUFFLESHAPE m_ShapeOf(int n)
{
    SSHUFFLESHAPE s = {n, m_Shuffle_Passes(n), 0, 0};
    s.band = n < 8 ? 2 : (n / 8 > 3 ? n / 8 : 3);
    s.bands = (n + s.band - 1) / s.band;
    return s;
}

int m_Below(int q, int n) { return q == 0 ? n - 1 : q - 1; }

// Late places of the pass before weigh up to 200, so that an entry played
// late in one pass is not played early in the next.
int m_BandPenalty(const SSHUFFLESHAPE& s, int place)
{
    return (place / s.band) * 200 / (s.bands - 1);
}

void m_ScoreFirstPass(const int* table, int k, int* penalty, int n)
{
    for (int i = 0; i < k; ++i) penalty[table[i]] += 200;
    if (k == 0) return;
    const int q = table[k - 1];
    penalty[(q + 1) % n] += 100;
    penalty[(q + 2) % n] += 20;
    penalty[m_Below(q, n)] += 10;
}

void m_ScoreLaterPass(const SSHUFFLESHAPE& s, const int* table, int p, int k, int* penalty)
{
    const int n = s.n;
    const int base = p * n;
    for (int i = 0; i < k; ++i) penalty[table[base + i]] += 1000;
    if (s.bands >= 2) {
        for (int i = 0; i < n; ++i) penalty[table[base - n + i]] += m_BandPenalty(s, i);
        if (p == s.passes - 1) {
            const int halved = (table[0] - 1 + n) % n;
            for (int i = 0; i < n; ++i) {
                const int t = table[i];
                const int v = m_BandPenalty(s, i);
                penalty[t] += t == halved ? v / 2 : v;
            }
        }
    }
    // The same pair again soon weighs more than the same pair passes later.
    const int q = table[base + k - 1];
    for (int j = base - 2; j >= 0; --j) {
        if (table[j] != q) continue;
        const int d = p - j / n;
        const int spread = d < s.passes - d ? d : s.passes - d;
        penalty[table[j + 1]] += 10 * (11 - spread);
    }
    penalty[(q + 1) % n] += 200;
    penalty[(q + 2) % n] += 10;
    penalty[m_Below(q, n)] += 20;
    if (k == 0) penalty[q] += 1000;
}

// The r-th of the entries with the least penalty, r taken from the seed.
int m_Choose(const int* penalty, int n, uint64_t seed, int k)
{
    int least = 99999;
    int count = 0;
    for (int i = 0; i < n; ++i) {
        if (penalty[i] < least) {
            least = penalty[i];
            count = 1;
        } else if (penalty[i] == least) {
            ++count;
        }
    }
    if (count == 0) return -1;
    int r = static_cast<int>((seed >> (k % 32)) % static_cast<uint64_t>(count));
    for (int i = 0; i < n; ++i) {
        if (penalty[i] != least) continue;
        if (r-- == 0) return i;
    }
    return -1;
}

}  // namespace

int m_Shuffle_Passes(int n)
{
    if (n < 3) return 0;
    if (n <= 4) return 3;
    if (n <= 9) return 4;
    if (n <= 29) return 5;
    if (n <= 59) return 4;
    if (n <= 119) return 3;
    return 2;
}

int m_Shuffle_Compute(int n, uint64_t seed, int* out)
{
    const SSHUFFLESHAPE s = m_ShapeOf(n);
    if (!s.passes || !out) return 0;
    const int size = s.passes * n;
    for (int i = 0; i < size; ++i) out[i] = -1;
    int* penalty = static_cast<int*>(malloc(sizeof(int) * n));
    if (!penalty) return 0;
    for (int p = 0; p < s.passes; ++p) {
        for (int k = 0; k < n; ++k) {
            for (int i = 0; i < n; ++i) penalty[i] = 0;
            if (p == 0)
                m_ScoreFirstPass(out, k, penalty, n);
            else
                m_ScoreLaterPass(s, out, p, k, penalty);
            out[p * n + k] = m_Choose(penalty, n, seed, k);
        }
    }
    free(penalty);
    for (int i = 0; i < size; ++i)
        if (out[i] < 0) out[i] = 0;
    return size;
}

void m_Shuffle_Free()
{
    if (!g_ShuffleOrder) return;
    free(g_ShuffleOrder);
    g_ShuffleOrder = nullptr;
    g_ShuffleSize = 0;
    g_ShufflePass = 0;
}

void m_Shuffle_Build(int force)
{
    const uint64_t seed = m_Crc64String(g_ListPath);
    const int n = g_Playlist.m_GetCount();
    if (!force && n == g_ShuffleCount && seed == g_ShuffleSeed) return;
    m_Shuffle_Free();
    if (n < 3) return;
    g_ShuffleCount = n;
    g_ShuffleSeed = seed;
    int* table = static_cast<int*>(malloc(sizeof(int) * m_Shuffle_Passes(n) * n));
    if (!table) return;
    const int size = m_Shuffle_Compute(n, seed, table);
    if (!size) {
        free(table);
        return;
    }
    g_ShuffleOrder = table;
    g_ShuffleSize = size;
}
