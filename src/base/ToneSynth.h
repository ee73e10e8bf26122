// The short tones of the sound cues and the chime: one 16-bit mono tone at
// 48 kHz, faded in and out over a few periods, followed by an optional
// silent gap so that a looped buffer repeats with pauses.
#pragma once
#include <windows.h>

constexpr DWORD kToneSampleRate = 48000;

// Waveform bits; several are averaged.
enum {
    TONE_SINE = 1,
    TONE_SQUARE = 2,
    TONE_SAWTOOTH = 4,
};

struct STONEPARAMS {
    UINT waveforms;      // TONE_* bits
    UINT frequency;      // Hz
    double level;        // percent of full scale, 0..100
    double lengthMs;     // tone length
    double rampPeriods;  // edge-ramp length in periods of the tone
    UINT repeats;        // times the device plays the buffer
    UINT gapMs;          // silence after each tone when repeating
};

// One synthesised buffer; the owner frees it with m_FreeToneBuffer.
struct STONEBUFFER {
    UINT byteSize;
    short* samples;
};

// PCM, 1 channel, 48,000 samples/s, 16 bits.
void m_GetToneFormat(WAVEFORMATEX* format);

// Fills a record; the level is held within 0..100.
void m_SetToneParams(STONEPARAMS* params, UINT waveforms, UINT frequency, double lengthMs,
                     double level, double rampPeriods, UINT repeats, UINT gapMs);

// Synthesises the tone into the entry, freeing what it held first.
// 1, or 0 when the record gives no tone or memory runs out.
int m_SynthesizeTone(const STONEPARAMS* params, STONEBUFFER* entry);

void m_FreeToneBuffer(STONEBUFFER* entry);
