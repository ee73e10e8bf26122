// The player's volume and the device balance, and their way to the engine;
// mute and the system master volume beside them.
#pragma once
#include <windows.h>

// The engine's volume (hundredths of a dB, -10000..0) of a player volume
// (hundredths of a percent, 0..10000), on a fourth-root curve.
long m_Volume_EngineValue(int volume);
// Sets the volume (held within 0..10000), stops a volume fade, hands it to
// the engine with a file open, moves the volume slider and, with show,
// shows it. Returns the stored volume.
int m_Volume_ShowText(int volume, int show);
// Hands the volume to the engine (the lowest while muted); returns what it
// handed, -1 without one.
long m_Volume_ToEngine(int volume);
// "%0.0f", "%0.1f" or "%0.2f" of value / 100 (decimals 0, 1, other) into a
// shared buffer.
const wchar_t* m_Volume_FormatPercent(int value, int decimals);
// What every volume text carries beside the level, as it stands.
struct SVOLUMETEXTFACTS;
void m_Volume_ReadTextFacts(SVOLUMETEXTFACTS* f);
// With [Main] "Test" on, logs a printf-style (wide %s) line.
void m_Volume_Trace(const wchar_t* format, ...);

// The balance (-100..100) of the output device in use from [Balance]: its
// name as key, else "Default"; a key that is not a number counts as absent.
int m_Balance_ReadForDevice();
// Hands the device balance to the engine.
void m_Balance_ApplyDevice();
// The stored volume and the device balance to the engine of a file just
// opened, before it runs.
void m_Volume_ApplyOnOpen();

// Muted: the engine gets the lowest volume, the stored volume stays.
extern int g_Mute;
void m_Mute_Set(int on);

// The system master volume (0..10000): opened once; Get gives -1 when it
// cannot be read, Set 1 when the level was set.
int m_SysVol_Open();
void m_SysVol_Close();
int m_SysVol_Get();
int m_SysVol_Set(int level);
