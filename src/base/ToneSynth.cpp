#include "base/ToneSynth.h"

#include <math.h>
#include <stdlib.h>

namespace {

// Longest buffer accepted, tone and gap together (10 s).
const double kMaxSamples = 10.0 * kToneSampleRate;

int m_Amplitude(double level) { return (int)(level * 32767.0 / 100.0 + 0.5); }

// One sample of each waveform the record asks for, averaged. run is the
// length in samples of one half of the square and sawtooth shapes.
int m_ToneSample(const STONEPARAMS* params, int i, int amplitude, int run)
{
    const int sign = (i / run) % 2 ? -1 : 1;
    int sum = 0, count = 0;
    if (params->waveforms & TONE_SINE) {
        sum += (int)(sin(i * 6.2831853 * params->frequency / kToneSampleRate) * amplitude);
        count++;
    }
    if (params->waveforms & TONE_SQUARE) {
        sum += sign * amplitude;
        count++;
    }
    if (params->waveforms & TONE_SAWTOOTH) {
        sum += sign * (-amplitude + (int)(2.0 * amplitude * (i % run) / run));
        count++;
    }
    if (count <= 1) return sum;
    return (int)lround((double)sum / count);
}

// Linear fades over the first and last ramp samples of the tone.
void m_ApplyRamps(short* samples, int tone, int ramp)
{
    for (int i = 0; i < ramp; i++) {
        samples[i] = (short)(samples[i] * i / ramp);
        samples[tone - 1 - i] = (short)(samples[tone - 1 - i] * i / ramp);
    }
}

}  // namespace

void m_GetToneFormat(WAVEFORMATEX* format)
{
    *format = {};
    format->wFormatTag = WAVE_FORMAT_PCM;
    format->nChannels = 1;
    format->nSamplesPerSec = kToneSampleRate;
    format->wBitsPerSample = 16;
    format->nBlockAlign = 2;
    format->nAvgBytesPerSec = kToneSampleRate * 2;
}

void m_SetToneParams(STONEPARAMS* params, UINT waveforms, UINT frequency, double lengthMs,
                     double level, double rampPeriods, UINT repeats, UINT gapMs)
{
    params->waveforms = waveforms;
    params->frequency = frequency;
    params->lengthMs = lengthMs;
    params->level = level < 0.0 ? 0.0 : (level > 100.0 ? 100.0 : level);
    params->rampPeriods = rampPeriods;
    params->repeats = repeats;
    params->gapMs = gapMs;
}

int m_SynthesizeTone(const STONEPARAMS* params, STONEBUFFER* entry)
{
    m_FreeToneBuffer(entry);
    if (params->frequency == 0 || !(params->lengthMs > 0.0)) return 0;
    const double gap = params->repeats >= 2 ? params->gapMs : 0.0;
    const double total = kToneSampleRate * (params->lengthMs + gap) / 1000.0;
    if (!(total >= 1.0) || total > kMaxSamples) return 0;
    const int count = (int)total;
    const int tone = (int)(kToneSampleRate * params->lengthMs / 1000.0);
    short* samples = (short*)calloc(count, sizeof(short));
    if (!samples) return 0;

    const double level =
        params->level < 0.0 ? 0.0 : (params->level > 100.0 ? 100.0 : params->level);
    const int amplitude = m_Amplitude(level);
    const int period = (int)(kToneSampleRate / params->frequency);
    const int run = period > 0 ? period : 1;
    for (int i = 0; i < tone; i++) samples[i] = (short)m_ToneSample(params, i, amplitude, run);

    const double rampLength = params->rampPeriods > 0.0 ? period * params->rampPeriods : 0.0;
    const int ramp = rampLength < tone / 2 ? (int)rampLength : tone / 2;
    m_ApplyRamps(samples, tone, ramp);

    entry->samples = samples;
    entry->byteSize = (UINT)count * sizeof(short);
    return 1;
}

void m_FreeToneBuffer(STONEBUFFER* entry)
{
    free(entry->samples);
    entry->samples = nullptr;
    entry->byteSize = 0;
}
