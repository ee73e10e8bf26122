// The software audio processing of the playback engine: gain, balance,
// left/right swap and channel mix on a buffer of interleaved samples, in
// the buffer's own format. Balance, swap and mix act on the first two
// channels (front left and right); gain on every channel. A format that
// cannot be processed passes through unchanged.
#pragma once
#include <windows.h>
#include <mmreg.h>

// Sample kinds; AUDIO_SAMPLE_NONE passes through.
enum {
    AUDIO_SAMPLE_NONE = 0,
    AUDIO_SAMPLE_U8 = 1,  // unsigned, 128 is silence
    AUDIO_SAMPLE_S16 = 2,
    AUDIO_SAMPLE_S24 = 3,  // packed, 3 bytes
    AUDIO_SAMPLE_S32 = 4,
    AUDIO_SAMPLE_F32 = 5,  // IEEE float, full scale 1.0
};

constexpr int kAudioMaxChannels = 8;

struct SAUDIOFORMAT {
    int Kind;        // AUDIO_SAMPLE_...
    int Channels;    // 1..kAudioMaxChannels
    int BlockAlign;  // bytes per frame of all channels
};

struct SAUDIOOPTIONS {
    int Gain;     // percent 0..300, 100 = unchanged
    int Mix;      // percent 0..100, 100 = both channels the mean
    int Swap;     // 1 = exchange left and right
    int Balance;  // -100..100, 0 = unchanged
};

// Two channels of 16 bits, the format assumed before the connected one is
// known.
SAUDIOFORMAT m_Audio_DefaultFormat();
// The format of a wave format block of size bytes (WAVEFORMATEX or
// WAVEFORMATEXTENSIBLE, PCM or float); kind NONE for anything else.
SAUDIOFORMAT m_Audio_FormatFromWave(const WAVEFORMATEX* wave, size_t size);
// Options held to their ranges.
SAUDIOOPTIONS m_Audio_ClampOptions(const SAUDIOOPTIONS& options);
// Processes the whole frames of the buffer in place; a partial frame at
// the end is left as it is. 1 when anything was processed, 0 when the
// buffer passed through.
int m_Audio_Process(BYTE* buffer, long length, const SAUDIOFORMAT& format,
                    const SAUDIOOPTIONS& options);
