#include <doctest/doctest.h>

#include <stdlib.h>

#include "base/SoundCue.h"
#include "base/ToneSynth.h"

namespace {

// A cue synthesised at a volume into a buffer of its own.
struct SCueTone {
    STONEPARAMS params = {};
    STONEBUFFER buffer = {};
    SCueTone(int cue, int volume)
    {
        REQUIRE(m_SoundCue_GetParams(cue, volume, &params) == 1);
        REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);
    }
    ~SCueTone() { m_FreeToneBuffer(&buffer); }
    int count() const { return (int)(buffer.byteSize / 2); }
    int peak(int from, int to) const
    {
        int top = 0;
        for (int i = from; i < to; i++)
            top = abs(buffer.samples[i]) > top ? abs(buffer.samples[i]) : top;
        return top;
    }
};

}  // namespace

TEST_CASE("cue buffers: length, silent gap and repeats")
{
    struct {
        int cue, toneSamples, bytes;
        UINT repeats;
    } cases[] = {
        {0, 2400, 4800, 1},  {1, 2400, 9600, 3},  {2, 2400, 4800, 1}, {3, 2400, 4800, 1},
        {4, 2400, 11520, 2}, {5, 240, 480, 1},    {6, 120, 240, 1},   {7, 240, 10080, 2},
        {8, 2400, 4800, 1},  {9, 2400, 9600, 2},  {10, 384, 768, 1},  {11, 480, 960, 1},
        {12, 480, 960, 1},   {13, 1920, 3840, 1}, {14, 576, 1152, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.cue);
        SCueTone tone(c.cue, 25);
        CHECK(tone.buffer.byteSize == (UINT)c.bytes);
        CHECK(tone.params.repeats == c.repeats);
        CHECK(tone.params.waveforms == (UINT)TONE_SINE);
        // The tone sounds up to its end and the gap after it is silent.
        CHECK(tone.peak(c.toneSamples / 4, c.toneSamples * 3 / 4) > 0);
        CHECK(tone.peak(c.toneSamples, tone.count()) == 0);
        // Faded in from and out to silence.
        CHECK(tone.buffer.samples[0] == 0);
        CHECK(tone.buffer.samples[c.toneSamples - 1] == 0);
    }
}

TEST_CASE("cue levels scale with the cue volume and stay within full scale")
{
    // 3 % at volume 25 is 3.6 % at volume 30: amplitude 1,180.
    SCueTone cue0(0, 30);
    CHECK(cue0.params.level == doctest::Approx(3.6));
    CHECK(cue0.peak(0, cue0.count()) <= 1180);
    CHECK(cue0.peak(0, cue0.count()) >= 1178);

    struct {
        int cue, volume;
        double level;
    } cases[] = {{7, 30, 12.0}, {7, 100, 40.0}, {1, 0, 0.0}, {7, 300, 100.0}, {7, -10, 0.0}};
    for (const auto& c : cases) {
        CAPTURE(c.cue);
        CAPTURE(c.volume);
        SCueTone tone(c.cue, c.volume);
        CHECK(tone.params.level == doctest::Approx(c.level));
        CHECK(tone.peak(0, tone.count()) <= (int)(c.level * 327.67 + 0.5));
    }
    // Full scale does not wrap around.
    SCueTone loud(0, 1000);
    CHECK(loud.peak(0, loud.count()) >= 32760);
}

TEST_CASE("edge ramps span the ramp periods, at most half the tone")
{
    // Cue 14: 220 Hz, one period of 218 samples.  Cue 6: 2.5 ms (120
    // samples), two periods would be 154: held to 60.
    struct {
        int cue, tone, ramp;
    } cases[] = {{14, 576, 218}, {6, 120, 60}, {0, 2400, 48}};
    for (const auto& c : cases) {
        CAPTURE(c.cue);
        SCueTone tone(c.cue, 100);
        const int a = (int)(tone.params.level * 327.67 + 0.5);
        for (int i = 0; i < c.ramp; i++) {
            CHECK(abs(tone.buffer.samples[i]) <= a * i / c.ramp);
            CHECK(abs(tone.buffer.samples[c.tone - 1 - i]) <= a * i / c.ramp);
        }
        // Past the ramps the tone reaches its full amplitude.
        if (c.tone > 2 * c.ramp) CHECK(tone.peak(c.ramp, c.tone - c.ramp) >= a - 2);
    }
}

TEST_CASE("square and sawtooth shapes alternate every 48,000 / f samples and are averaged")
{
    STONEPARAMS params;
    STONEBUFFER buffer = {};
    const int a = 16384;  // level 50
    m_SetToneParams(&params, TONE_SQUARE, 1000, 10.0, 50.0, 0.0, 1, 0);
    REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);
    CHECK(buffer.samples[0] == a);
    CHECK(buffer.samples[47] == a);
    CHECK(buffer.samples[48] == -a);
    CHECK(buffer.samples[96] == a);

    m_SetToneParams(&params, TONE_SAWTOOTH, 1000, 10.0, 50.0, 0.0, 1, 0);
    REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);
    CHECK(buffer.samples[0] == -a);
    CHECK(buffer.samples[24] == 0);
    CHECK(buffer.samples[48] == a);

    m_SetToneParams(&params, TONE_SQUARE | TONE_SAWTOOTH, 1000, 10.0, 50.0, 0.0, 1, 0);
    REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);
    CHECK(buffer.samples[0] == 0);
    CHECK(buffer.samples[24] == a / 2);
    m_FreeToneBuffer(&buffer);
}

TEST_CASE("records that give no tone leave the entry empty")
{
    STONEPARAMS params;
    STONEBUFFER buffer = {};
    m_SetToneParams(&params, TONE_SINE, 500, 10.0, 150.0, 0.0, 1, 0);
    CHECK(params.level == 100.0);  // held within 0..100
    REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);

    struct {
        UINT frequency;
        double lengthMs;
    } cases[] = {{0, 10.0}, {500, 0.0}, {500, -5.0}, {500, 1e9}};
    for (const auto& c : cases) {
        CAPTURE(c.frequency);
        CAPTURE(c.lengthMs);
        m_SetToneParams(&params, TONE_SINE, c.frequency, c.lengthMs, 50.0, 2.0, 1, 0);
        CHECK(m_SynthesizeTone(&params, &buffer) == 0);
        CHECK(buffer.samples == nullptr);
        CHECK(buffer.byteSize == 0);
    }
    // A frequency above the sample rate still gives a buffer.
    m_SetToneParams(&params, TONE_SINE | TONE_SQUARE, 60000, 1.0, 50.0, 2.0, 1, 0);
    CHECK(m_SynthesizeTone(&params, &buffer) == 1);
    m_FreeToneBuffer(&buffer);
}
