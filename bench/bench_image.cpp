// The two hot paths of image composition against copying the same pixels
// with memcpy in the same run: "over" blending of a 1920x1080 image onto an
// opaque one, and area-average shrinking of it to 320x180.
#include "BenchTiming.h"
#include <windows.h>

#include "base/ArgbImage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRepetitions = 31;

// Deterministic content: alpha runs through every value with some noise,
// colours are noise. Copied into the image row by row.
void m_FillPicture(CArgbImage& img, uint32_t seed, bool opaque)
{
    for (int y = 0; y < kHeight; ++y) {
        uint32_t* row = img.m_Row(y);
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const uint32_t alpha = opaque ? 255 : ((x + y) & 0xFF) ^ (seed >> 29);
            row[x] = alpha << 24 | (seed >> 8);
        }
    }
}

struct STimes {
    std::vector<double> ours, copy;
};

// Times one pass of memcpy over the picture's bytes.
double m_TimeCopy(void* to, const void* from)
{
    const double t0 = m_Now();
    std::memcpy(to, from, static_cast<size_t>(kWidth) * kHeight * 4);
    return m_Now() - t0;
}

void m_Report(const char* name, const STimes& t, double goal)
{
    const double ours = m_Median(t.ours), copy = m_Median(t.copy);
    std::printf("%s: %.2fx of memcpy (goal <= %.0fx; %.2f ms vs %.2f ms for %dx%d pixels)\n", name,
                ours / copy, goal, ours * 1000.0, copy * 1000.0, kWidth, kHeight);
}

}  // namespace

int main()
{
    CArgbImage source, backdrop, target, shrunk;
    if (!source.m_Create(nullptr, kWidth, kHeight, 32) ||
        !backdrop.m_Create(nullptr, kWidth, kHeight, 32) ||
        !target.m_Create(nullptr, kWidth, kHeight, 32)) {
        std::printf("image: FAILED (no image of %dx%d)\n", kWidth, kHeight);
        return 1;
    }
    m_FillPicture(source, 12345u, false);
    m_FillPicture(backdrop, 777u, true);
    std::vector<uint32_t> copyTarget(static_cast<size_t>(kWidth) * kHeight);

    STimes blend, shrink;
    // Alternate the operation and its baseline so drift in machine speed
    // hits both alike; the untimed copies restore the inputs.
    for (int r = 0; r < kRepetitions; ++r) {
        target.m_CopyFrom(&backdrop);
        double t0 = m_Now();
        target.m_Draw(&source, 1);
        blend.ours.push_back(m_Now() - t0);
        blend.copy.push_back(m_TimeCopy(copyTarget.data(), source.m_Bits));

        shrunk.m_CopyFrom(&source);
        t0 = m_Now();
        const int resized = shrunk.m_Resize(320, 180, 0);
        shrink.ours.push_back(m_Now() - t0);
        shrink.copy.push_back(m_TimeCopy(copyTarget.data(), source.m_Bits));
        if (!resized || shrunk.m_Width != 320 || shrunk.m_Height != 180) {
            std::printf("area_average_shrink: FAILED (no 320x180 result)\n");
            return 1;
        }
    }
    // The blend must equal the per-pixel formula; spot-check a diagonal.
    for (int i = 0; i < kHeight; ++i) {
        const int x = i * kWidth / kHeight, y = i;
        if (target.m_Row(y)[x] != m_BlendOver(backdrop.m_Row(y)[x], source.m_Row(y)[x], 255)) {
            std::printf("blend_over: FAILED (pixel %d,%d differs from m_BlendOver)\n", x, y);
            return 1;
        }
    }
    m_Report("blend_over 1920x1080", blend, 4.0);
    m_Report("area_average_shrink 1920x1080 -> 320x180", shrink, 6.0);
    return 0;
}
