#include "engine/AudioProcess.h"
#include <math.h>
#include <string.h>
#include <stdint.h>

namespace {

// Bytes per sample of each kind.
constexpr int kSampleBytes[] = {0, 1, 2, 3, 4, 4};

// The subformats of WAVE_FORMAT_EXTENSIBLE we process: the wave format
// tag in the first field of the base GUID.
bool IsSubFormat(const GUID& guid, WORD tag)
{
    static const BYTE tail[8] = {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    return guid.Data1 == tag && guid.Data2 == 0x0000 && guid.Data3 == 0x0010 &&
           memcmp(guid.Data4, tail, sizeof(tail)) == 0;
}

// The effective format tag: the subformat's for the extensible form.
WORD EffectiveTag(const WAVEFORMATEX* wave, size_t size)
{
    if (wave->wFormatTag != WAVE_FORMAT_EXTENSIBLE) return wave->wFormatTag;
    if (size < sizeof(WAVEFORMATEXTENSIBLE) || wave->cbSize < 22) return 0;
    const GUID& sub = reinterpret_cast<const WAVEFORMATEXTENSIBLE*>(wave)->SubFormat;
    if (IsSubFormat(sub, WAVE_FORMAT_PCM)) return WAVE_FORMAT_PCM;
    if (IsSubFormat(sub, WAVE_FORMAT_IEEE_FLOAT)) return WAVE_FORMAT_IEEE_FLOAT;
    return 0;
}

int KindOf(WORD tag, int bits)
{
    if (tag == WAVE_FORMAT_IEEE_FLOAT) return bits == 32 ? AUDIO_SAMPLE_F32 : AUDIO_SAMPLE_NONE;
    if (tag != WAVE_FORMAT_PCM) return AUDIO_SAMPLE_NONE;
    switch (bits) {
        case 8:
            return AUDIO_SAMPLE_U8;
        case 16:
            return AUDIO_SAMPLE_S16;
        case 24:
            return AUDIO_SAMPLE_S24;
        case 32:
            return AUDIO_SAMPLE_S32;
        default:
            return AUDIO_SAMPLE_NONE;
    }
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

// ---- sample access --------------------------------------------------------

// Integer samples as signed values around 0 with a symmetric full scale.
struct SIntKind {
    int64_t Low, High, Full;
};

SIntKind IntRange(int kind)
{
    switch (kind) {
        case AUDIO_SAMPLE_U8:
            return {-128, 127, 127};
        case AUDIO_SAMPLE_S16:
            return {-32768, 32767, 32767};
        case AUDIO_SAMPLE_S24:
            return {-8388608, 8388607, 8388607};
        default:
            return {INT32_MIN, INT32_MAX, INT32_MAX};
    }
}

int64_t ReadInt(const BYTE* p, int kind)
{
    switch (kind) {
        case AUDIO_SAMPLE_U8:
            return static_cast<int64_t>(p[0]) - 128;
        case AUDIO_SAMPLE_S16:
            return static_cast<int16_t>(p[0] | (p[1] << 8));
        case AUDIO_SAMPLE_S24: {
            int32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
            return (v & 0x800000) ? v - 0x1000000 : v;
        }
        default: {
            uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
            return static_cast<int32_t>(v);
        }
    }
}

void WriteInt(BYTE* p, int kind, int64_t value)
{
    SIntKind range = IntRange(kind);
    if (value < range.Low) value = range.Low;
    if (value > range.High) value = range.High;
    if (kind == AUDIO_SAMPLE_U8) {
        p[0] = static_cast<BYTE>(value + 128);
        return;
    }
    uint32_t v = static_cast<uint32_t>(static_cast<int32_t>(value));
    for (int i = 0; i < kSampleBytes[kind]; i++) p[i] = static_cast<BYTE>(v >> (8 * i));
}

float ReadFloat(const BYTE* p)
{
    float v;
    memcpy(&v, p, sizeof(v));
    return v;
}

void WriteFloat(BYTE* p, double value)
{
    float v = static_cast<float>(value);
    memcpy(p, &v, sizeof(v));
}

// ---- the three steps, on one value type -----------------------------------
// Integer divisions truncate toward 0; float ones are exact.

template <class T>
void Balance(T& left, T& right, int b)
{
    if (b == -100) {
        right = left;
    } else if (b == 100) {
        left = right;
    } else if (b < 0) {
        int k = b + 100;
        right = ((100 - k) * left + k * right) / 100;
    } else if (b > 0) {
        left = (b * right + (100 - b) * left) / 100;
    }
}

template <class T>
void SwapMix(T& left, T& right, int swap, int m)
{
    if (swap) {
        T t = left;
        left = right;
        right = t;
    }
    if (m >= 100) {
        left = right = (left + right) / 2;
    } else if (m > 0) {
        T l = (m * right + (100 - m) * left) / 100;
        T r = ((100 - m) * right + m * left) / 100;
        left = l;
        right = r;
    }
}

// Boost bends samples toward full scale and never past it.
double Boost(double s, double full, int gain)
{
    double e = 1.0 / ((gain - 100) / 100.0);
    if (s > full) s = full;
    if (s < -full) s = -full;
    if (s > 0) return s + pow(s / full, e) * (full - s);
    return s - pow(s / -full, e) * (s + full);
}

int64_t GainInt(int64_t s, int64_t full, int gain)
{
    if (gain > 100) return static_cast<int64_t>(Boost(static_cast<double>(s), full, gain));
    return s * gain / 100;
}

double GainFloat(double s, int gain) { return gain > 100 ? Boost(s, 1.0, gain) : s * gain / 100.0; }

// ---- frames ---------------------------------------------------------------

void ProcessIntFrame(BYTE* frame, const SAUDIOFORMAT& f, const SAUDIOOPTIONS& o)
{
    int bytes = kSampleBytes[f.Kind];
    if (f.Channels >= 2 && (o.Balance || o.Swap || o.Mix)) {
        int64_t l = ReadInt(frame, f.Kind), r = ReadInt(frame + bytes, f.Kind);
        if (o.Balance) Balance<int64_t>(l, r, o.Balance);
        if (o.Swap || o.Mix) SwapMix<int64_t>(l, r, o.Swap, o.Mix);
        WriteInt(frame, f.Kind, l);
        WriteInt(frame + bytes, f.Kind, r);
    }
    if (o.Gain == 100) return;
    int64_t full = IntRange(f.Kind).Full;
    for (int c = 0; c < f.Channels; c++) {
        BYTE* p = frame + c * bytes;
        WriteInt(p, f.Kind, GainInt(ReadInt(p, f.Kind), full, o.Gain));
    }
}

void ProcessFloatFrame(BYTE* frame, const SAUDIOFORMAT& f, const SAUDIOOPTIONS& o)
{
    if (f.Channels >= 2 && (o.Balance || o.Swap || o.Mix)) {
        double l = ReadFloat(frame), r = ReadFloat(frame + 4);
        if (o.Balance) Balance<double>(l, r, o.Balance);
        if (o.Swap || o.Mix) SwapMix<double>(l, r, o.Swap, o.Mix);
        WriteFloat(frame, l);
        WriteFloat(frame + 4, r);
    }
    if (o.Gain == 100) return;
    for (int c = 0; c < f.Channels; c++) {
        BYTE* p = frame + c * 4;
        WriteFloat(p, GainFloat(ReadFloat(p), o.Gain));
    }
}

bool Processable(const SAUDIOFORMAT& f)
{
    return f.Kind > AUDIO_SAMPLE_NONE && f.Kind <= AUDIO_SAMPLE_F32 && f.Channels >= 1 &&
           f.Channels <= kAudioMaxChannels && f.BlockAlign == f.Channels * kSampleBytes[f.Kind];
}

}  // namespace

SAUDIOFORMAT m_Audio_DefaultFormat() { return {AUDIO_SAMPLE_S16, 2, 4}; }

SAUDIOFORMAT m_Audio_FormatFromWave(const WAVEFORMATEX* wave, size_t size)
{
    SAUDIOFORMAT none = {AUDIO_SAMPLE_NONE, 0, 0};
    if (!wave || size < sizeof(PCMWAVEFORMAT)) return none;
    SAUDIOFORMAT f = {KindOf(EffectiveTag(wave, size), wave->wBitsPerSample), wave->nChannels,
                      wave->nBlockAlign};
    return Processable(f) ? f : none;
}

SAUDIOOPTIONS m_Audio_ClampOptions(const SAUDIOOPTIONS& o)
{
    return {Clamp(o.Gain, 0, 300), Clamp(o.Mix, 0, 100), o.Swap ? 1 : 0,
            Clamp(o.Balance, -100, 100)};
}

int m_Audio_Process(BYTE* buffer, long length, const SAUDIOFORMAT& format,
                    const SAUDIOOPTIONS& options)
{
    if (!buffer || length <= 0 || !Processable(format)) return 0;
    SAUDIOOPTIONS o = m_Audio_ClampOptions(options);
    if (o.Gain == 100 && !o.Balance && !o.Swap && !o.Mix) return 0;
    long frames = length / format.BlockAlign;
    for (long i = 0; i < frames; i++) {
        BYTE* frame = buffer + i * format.BlockAlign;
        if (format.Kind == AUDIO_SAMPLE_F32)
            ProcessFloatFrame(frame, format, o);
        else
            ProcessIntFrame(frame, format, o);
    }
    return frames > 0 ? 1 : 0;
}
