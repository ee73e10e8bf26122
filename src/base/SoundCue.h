// The sound cues: fifteen short synthesised tones that confirm user
// actions, built on first use for the cue volume and played one at a time.
#pragma once
#include <windows.h>

#include "base/ToneSynth.h"
#include "base/WaveOutPlayer.h"

constexpr int kSoundCueCount = 15;

// Plays the cue at the cue volume while [Common] "Beep" is on. Cue -1
// frees every cached cue whatever the settings say.
void m_PlaySoundCue(int cue);

// Builds (when needed) and plays cue 0..14 at the volume (0..100); -1 only
// frees the cache. 1 when the cue started.
int m_SoundCue_Play(int cue, int volume);

// The record of the cue at the volume; 0 for a cue number out of range.
int m_SoundCue_GetParams(int cue, int volume, STONEPARAMS* params);
// The cached buffer of the cue (null samples when not built).
const STONEBUFFER* m_SoundCue_GetCached(int cue);
// The player all cues go through.
CWaveOutPlayer* m_SoundCue_GetPlayer();
