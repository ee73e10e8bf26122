#include "base/SoundCue.h"

#include <strsafe.h>

#include "base/ErrorLog.h"
#include "settings/Settings.h"

namespace {

struct SCUEROW {
    UINT frequency;
    double lengthMs;
    double baseLevel;  // percent at cue volume 25
    double rampPeriods;
    UINT repeats;
    UINT gapMs;
};

const SCUEROW kCues[kSoundCueCount] = {
    {2000, 50, 3.0, 2, 1, 0}, {262, 50, 6.0, 2, 3, 50},  {262, 50, 6.0, 2, 1, 0},
    {2000, 50, 2.5, 2, 1, 0}, {2000, 50, 2.5, 2, 2, 70}, {622, 5, 8.0, 2, 1, 0},
    {622, 2.5, 6.0, 2, 1, 0}, {622, 5, 10.0, 2, 2, 100}, {262, 50, 2.0, 2, 1, 0},
    {262, 50, 2.0, 2, 2, 50}, {440, 8, 4.0, 2, 1, 0},    {370, 10, 4.0, 2, 1, 0},
    {311, 10, 4.0, 2, 1, 0},  {440, 40, 2.5, 2, 1, 0},   {220, 12, 6.0, 1, 1, 0},
};

STONEBUFFER s_Cache[kSoundCueCount];
int s_CacheVolume = 50;

}  // namespace

CWaveOutPlayer* m_SoundCue_GetPlayer()
{
    static CWaveOutPlayer s_Player;
    return &s_Player;
}

const STONEBUFFER* m_SoundCue_GetCached(int cue)
{
    return cue >= 0 && cue < kSoundCueCount ? &s_Cache[cue] : nullptr;
}

int m_SoundCue_GetParams(int cue, int volume, STONEPARAMS* params)
{
    if (cue < 0 || cue >= kSoundCueCount) return 0;
    const SCUEROW& row = kCues[cue];
    m_SetToneParams(params, TONE_SINE, row.frequency, row.lengthMs, row.baseLevel * volume / 25.0,
                    row.rampPeriods, row.repeats, row.gapMs);
    return 1;
}

int m_SoundCue_Play(int cue, int volume)
{
    CWaveOutPlayer* player = m_SoundCue_GetPlayer();
    if (volume != s_CacheVolume || cue == -1) {
        for (STONEBUFFER& entry : s_Cache) player->m_FreeBuffer(&entry);
        s_CacheVolume = volume;
    }
    STONEPARAMS params;
    if (!m_SoundCue_GetParams(cue, volume, &params)) return 0;
    STONEBUFFER* entry = &s_Cache[cue];
    if (!entry->samples && !m_SynthesizeTone(&params, entry)) return 0;
    return player->m_Play(entry, params.repeats);
}

void m_PlaySoundCue(int cue)
{
    // With [Main] "Test" every cue leaves a line, so that a test can hear it.
    if (g_Settings.Main_Test && cue >= 0) {
        wchar_t line[24];
        if (SUCCEEDED(StringCchPrintfW(line, 24, L"CUE : %d", cue))) m_AppendLogLine(line);
    }
    if (cue == -1) {
        m_SoundCue_Play(-1, 50);
        return;
    }
    if (!g_Settings.Common_Beep[0]) return;
    m_SoundCue_Play(cue, g_Settings.Common_Beep[1]);
}
