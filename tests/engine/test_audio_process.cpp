#include <doctest/doctest.h>

#include "engine/AudioProcess.h"

#include <math.h>
#include <stdint.h>
#include <string.h>
#include <vector>

namespace {

// ---- 16-bit stereo: exact values --------------------------------------------

struct SPair {
    int16_t L, R;
};

SPair Run16(SPair in, SAUDIOOPTIONS options)
{
    int16_t buffer[2] = {in.L, in.R};
    m_Audio_Process(reinterpret_cast<BYTE*>(buffer), sizeof(buffer), m_Audio_DefaultFormat(),
                    options);
    return {buffer[0], buffer[1]};
}

// ---- any format: samples as fractions of full scale -----------------------------

const int kBytes[] = {0, 1, 2, 3, 4, 4};
const double kFull[] = {0, 127, 32767, 8388607, 2147483647, 1};

struct SFrames {
    SAUDIOFORMAT Format;
    std::vector<BYTE> Data;

    SFrames(int kind, int channels, int frames)
        : Format{kind, channels, channels * kBytes[kind]},
          Data(static_cast<size_t>(frames * channels * kBytes[kind]))
    {
        for (int f = 0; f < frames; f++)
            for (int c = 0; c < channels; c++) Set(f, c, 0);
    }
    BYTE* At(int frame, int channel)
    {
        return Data.data() + frame * Format.BlockAlign + channel * kBytes[Format.Kind];
    }
    void Set(int frame, int channel, double fraction)
    {
        BYTE* p = At(frame, channel);
        if (Format.Kind == AUDIO_SAMPLE_F32) {
            float v = static_cast<float>(fraction);
            memcpy(p, &v, 4);
            return;
        }
        int64_t v = llround(fraction * kFull[Format.Kind]);
        if (Format.Kind == AUDIO_SAMPLE_U8) v += 128;
        for (int i = 0; i < kBytes[Format.Kind]; i++) p[i] = static_cast<BYTE>(v >> (8 * i));
    }
    double Get(int frame, int channel)
    {
        BYTE* p = At(frame, channel);
        if (Format.Kind == AUDIO_SAMPLE_F32) {
            float v;
            memcpy(&v, p, 4);
            return v;
        }
        int64_t v = 0;
        for (int i = 0; i < kBytes[Format.Kind]; i++) v |= static_cast<int64_t>(p[i]) << (8 * i);
        int bits = 8 * kBytes[Format.Kind];
        if (Format.Kind == AUDIO_SAMPLE_U8)
            v -= 128;
        else if (v & (int64_t(1) << (bits - 1)))
            v -= int64_t(1) << bits;
        return v / kFull[Format.Kind];
    }
    int Process(SAUDIOOPTIONS options)
    {
        return m_Audio_Process(Data.data(), static_cast<long>(Data.size()), Format, options);
    }
};

// Two steps of the coarsest format (8 bits) are within tolerance.
constexpr double kTolerance = 2.0 / 127;

bool Near(double value, double expected) { return fabs(value - expected) < kTolerance; }

const int kKinds[] = {AUDIO_SAMPLE_U8, AUDIO_SAMPLE_S16, AUDIO_SAMPLE_S24, AUDIO_SAMPLE_S32,
                      AUDIO_SAMPLE_F32};

WAVEFORMATEX Wave(WORD tag, int channels, int bits)
{
    WAVEFORMATEX w = {};
    w.wFormatTag = tag;
    w.nChannels = static_cast<WORD>(channels);
    w.wBitsPerSample = static_cast<WORD>(bits);
    w.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    w.nSamplesPerSec = 48000;
    w.nAvgBytesPerSec = w.nSamplesPerSec * w.nBlockAlign;
    return w;
}

WAVEFORMATEXTENSIBLE Extensible(WORD subTag, int channels, int bits)
{
    WAVEFORMATEXTENSIBLE x = {};
    x.Format = Wave(WAVE_FORMAT_EXTENSIBLE, channels, bits);
    x.Format.cbSize = 22;
    x.Samples.wValidBitsPerSample = static_cast<WORD>(bits);
    x.SubFormat = {subTag, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
    return x;
}

}  // namespace

TEST_CASE("16-bit stereo gives the exact values of the integer formulas")
{
    struct {
        SPair In;
        SAUDIOOPTIONS Options;
        SPair Out;
    } cases[] = {
        {{16384, -16384}, {200, 0, 0, 0}, {24575, -24575}},  // boost with e = 1
        {{32767, -32767}, {200, 0, 0, 0}, {32767, -32767}},  // full scale stays
        {{16384, 0}, {300, 0, 0, 0}, {27968, 0}},            // square-root curve
        {{-3, 1001}, {50, 0, 0, 0}, {-1, 500}},              // truncated toward 0
        {{1234, -99}, {0, 0, 0, 0}, {0, 0}},                 // gain 0 silences
        {{1000, 0}, {100, 0, 0, 30}, {700, 0}},              // balance right
        {{1000, 0}, {100, 0, 0, -30}, {1000, 300}},          // balance left
        {{1000, -5}, {100, 0, 0, -100}, {1000, 1000}},       // left copied right
        {{1000, -5}, {100, 0, 0, 100}, {-5, -5}},            // right copied left
        {{3, -4}, {100, 100, 0, 0}, {0, 0}},                 // mean, truncated
        {{1000, 0}, {100, 25, 1, 0}, {250, 750}},            // swap first, then mix
        {{1000, 0}, {100, 0, 1, 0}, {0, 1000}},              // swap alone
        {{-32768, 32767}, {100, 100, 0, 0}, {0, 0}},         // no overflow in the sum
    };
    for (const auto& c : cases) {
        SPair out = Run16(c.In, c.Options);
        CAPTURE(c.In.L);
        CAPTURE(c.Options.Gain);
        CAPTURE(c.Options.Balance);
        CHECK(out.L == c.Out.L);
        CHECK(out.R == c.Out.R);
    }
}

TEST_CASE("every sample format is processed in its own width")
{
    for (int kind : kKinds) {
        CAPTURE(kind);
        SFrames buf(kind, 2, 3);
        buf.Set(0, 0, 0.5);
        buf.Set(1, 0, 0.5);
        buf.Set(1, 1, -0.25);
        buf.Set(2, 1, 0.5);
        CHECK(buf.Process({100, 0, 0, 30}) == 1);
        CHECK(Near(buf.Get(0, 0), 0.35));
        CHECK(Near(buf.Get(0, 1), 0.0));
        CHECK(Near(buf.Get(1, 0), 0.275));
        CHECK(Near(buf.Get(1, 1), -0.25));
        CHECK(Near(buf.Get(2, 0), 0.15));
        CHECK(buf.Process({50, 100, 0, 0}) == 1);  // mean, then half
        CHECK(Near(buf.Get(1, 0), 0.00625));
        CHECK(Near(buf.Get(1, 1), 0.00625));
        CHECK(Near(buf.Get(2, 0), 0.1625));
        CHECK(Near(buf.Get(2, 1), 0.1625));

        SFrames loud(kind, 2, 1);
        loud.Set(0, 0, 0.5);
        loud.Set(0, 1, -1.0);
        loud.Process({200, 0, 0, 0});
        CHECK(Near(loud.Get(0, 0), 0.75));
        CHECK(loud.Get(0, 1) >= -1.0 - kTolerance);
        CHECK(loud.Get(0, 1) <= -1.0 + kTolerance);
    }
}

TEST_CASE("balance, swap and mix act on the front pair only, gain on all channels")
{
    for (int kind : kKinds) {
        for (int channels = 1; channels <= kAudioMaxChannels; channels++) {
            CAPTURE(kind);
            CAPTURE(channels);
            SFrames buf(kind, channels, 2);
            for (int f = 0; f < 2; f++)
                for (int c = 0; c < channels; c++) buf.Set(f, c, 0.1 * (c + 1) * (f ? -1 : 1));
            buf.Process({100, 0, 1, 0});  // swap
            for (int f = 0; f < 2; f++) {
                double sign = f ? -1 : 1;
                if (channels >= 2) {
                    CHECK(Near(buf.Get(f, 0), 0.2 * sign));
                    CHECK(Near(buf.Get(f, 1), 0.1 * sign));
                } else {
                    CHECK(Near(buf.Get(f, 0), 0.1 * sign));
                }
                for (int c = 2; c < channels; c++) CHECK(Near(buf.Get(f, c), 0.1 * (c + 1) * sign));
            }
            buf.Process({50, 0, 0, 0});
            for (int c = 2; c < channels; c++) CHECK(Near(buf.Get(0, c), 0.05 * (c + 1)));
            CHECK(Near(buf.Get(1, 0), (channels >= 2 ? -0.1 : -0.05)));
        }
    }
}

TEST_CASE("8-bit audio is treated as unsigned bytes, not as 16-bit pairs")
{
    BYTE stereo[4] = {128 + 100, 128, 128 - 50, 128 + 20};  // two frames
    SAUDIOFORMAT f = {AUDIO_SAMPLE_U8, 2, 2};
    m_Audio_Process(stereo, 4, f, {100, 0, 0, -100});  // left copied right
    CHECK(stereo[0] == 228);
    CHECK(stereo[1] == 228);
    CHECK(stereo[2] == 78);
    CHECK(stereo[3] == 78);
    BYTE silence[2] = {128, 128};
    m_Audio_Process(silence, 2, f, {300, 50, 1, 40});
    CHECK(silence[0] == 128);
    CHECK(silence[1] == 128);
}

TEST_CASE("formats that cannot be processed are recognised as such")
{
    struct {
        WAVEFORMATEX Wave;
        int Kind;
    } cases[] = {
        {Wave(WAVE_FORMAT_PCM, 2, 16), AUDIO_SAMPLE_S16},
        {Wave(WAVE_FORMAT_PCM, 1, 8), AUDIO_SAMPLE_U8},
        {Wave(WAVE_FORMAT_PCM, 8, 24), AUDIO_SAMPLE_S24},
        {Wave(WAVE_FORMAT_PCM, 6, 32), AUDIO_SAMPLE_S32},
        {Wave(WAVE_FORMAT_IEEE_FLOAT, 2, 32), AUDIO_SAMPLE_F32},
        {Wave(WAVE_FORMAT_IEEE_FLOAT, 2, 64), AUDIO_SAMPLE_NONE},
        {Wave(WAVE_FORMAT_PCM, 2, 12), AUDIO_SAMPLE_NONE},
        {Wave(WAVE_FORMAT_PCM, 9, 16), AUDIO_SAMPLE_NONE},
        {Wave(WAVE_FORMAT_PCM, 0, 16), AUDIO_SAMPLE_NONE},
        {Wave(WAVE_FORMAT_ADPCM, 2, 4), AUDIO_SAMPLE_NONE},
        {Wave(0x2000 /* AC-3 */, 6, 16), AUDIO_SAMPLE_NONE},
    };
    for (auto& c : cases) {
        CAPTURE(c.Wave.wFormatTag);
        CAPTURE(c.Wave.nChannels);
        CAPTURE(c.Wave.wBitsPerSample);
        SAUDIOFORMAT f = m_Audio_FormatFromWave(&c.Wave, sizeof(c.Wave));
        CHECK(f.Kind == c.Kind);
        if (c.Kind != AUDIO_SAMPLE_NONE) CHECK(f.Channels == c.Wave.nChannels);
    }
    WAVEFORMATEX odd = Wave(WAVE_FORMAT_PCM, 2, 16);
    odd.nBlockAlign = 6;  // does not match 2 x 16 bits
    CHECK(m_Audio_FormatFromWave(&odd, sizeof(odd)).Kind == AUDIO_SAMPLE_NONE);
    CHECK(m_Audio_FormatFromWave(&odd, 10).Kind == AUDIO_SAMPLE_NONE);
    CHECK(m_Audio_FormatFromWave(nullptr, 64).Kind == AUDIO_SAMPLE_NONE);
}

TEST_CASE("the extensible form is read by its subformat")
{
    WAVEFORMATEXTENSIBLE pcm = Extensible(WAVE_FORMAT_PCM, 6, 24);
    SAUDIOFORMAT f = m_Audio_FormatFromWave(&pcm.Format, sizeof(pcm));
    CHECK(f.Kind == AUDIO_SAMPLE_S24);
    CHECK(f.Channels == 6);
    CHECK(f.BlockAlign == 18);
    WAVEFORMATEXTENSIBLE flt = Extensible(WAVE_FORMAT_IEEE_FLOAT, 8, 32);
    CHECK(m_Audio_FormatFromWave(&flt.Format, sizeof(flt)).Kind == AUDIO_SAMPLE_F32);
    WAVEFORMATEXTENSIBLE other = Extensible(0x0092, 2, 16);
    CHECK(m_Audio_FormatFromWave(&other.Format, sizeof(other)).Kind == AUDIO_SAMPLE_NONE);
    // A block too short to hold the subformat.
    CHECK(m_Audio_FormatFromWave(&pcm.Format, sizeof(WAVEFORMATEX)).Kind == AUDIO_SAMPLE_NONE);
}

TEST_CASE("audio that cannot be processed passes through unchanged")
{
    std::vector<BYTE> original(64);
    for (size_t i = 0; i < original.size(); i++) original[i] = static_cast<BYTE>(i * 37 + 11);
    SAUDIOFORMAT unusable[] = {
        {AUDIO_SAMPLE_NONE, 2, 4},
        {AUDIO_SAMPLE_S16, 9, 18},
        {AUDIO_SAMPLE_S16, 2, 6},
        {AUDIO_SAMPLE_S24, 0, 0},
        {7, 2, 8},
    };
    for (const SAUDIOFORMAT& f : unusable) {
        std::vector<BYTE> data = original;
        CHECK(m_Audio_Process(data.data(), static_cast<long>(data.size()), f, {250, 50, 1, 30}) ==
              0);
        CHECK(data == original);
    }
    // Neutral options leave even a usable buffer alone.
    std::vector<BYTE> data = original;
    CHECK(m_Audio_Process(data.data(), 64, m_Audio_DefaultFormat(), {100, 0, 0, 0}) == 0);
    CHECK(data == original);
    CHECK(m_Audio_Process(nullptr, 64, m_Audio_DefaultFormat(), {50, 0, 0, 0}) == 0);
    CHECK(m_Audio_Process(data.data(), -4, m_Audio_DefaultFormat(), {50, 0, 0, 0}) == 0);
}

TEST_CASE("a partial frame at the end of a buffer is left as it is")
{
    int16_t buffer[5] = {1000, 2000, 3000, 4000, 5000};  // two frames and a half
    CHECK(m_Audio_Process(reinterpret_cast<BYTE*>(buffer), sizeof(buffer), m_Audio_DefaultFormat(),
                          {50, 0, 0, 0}) == 1);
    CHECK(buffer[3] == 2000);
    CHECK(buffer[4] == 5000);
    BYTE tiny[3] = {1, 2, 3};  // less than one frame
    CHECK(m_Audio_Process(tiny, 3, m_Audio_DefaultFormat(), {50, 0, 0, 0}) == 0);
    CHECK(tiny[0] == 1);
}

TEST_CASE("options outside their ranges are held to them")
{
    SAUDIOOPTIONS o = m_Audio_ClampOptions({1000, -20, 7, 150});
    CHECK(o.Gain == 300);
    CHECK(o.Mix == 0);
    CHECK(o.Swap == 1);
    CHECK(o.Balance == 100);
    o = m_Audio_ClampOptions({-5, 400, 0, -999});
    CHECK(o.Gain == 0);
    CHECK(o.Mix == 100);
    CHECK(o.Balance == -100);
    // A wild balance behaves as full right, never overflows.
    SPair out = Run16({1000, -2000}, {100, 0, 0, 5000});
    CHECK(out.L == -2000);
    CHECK(out.R == -2000);
}
