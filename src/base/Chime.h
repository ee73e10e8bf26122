// The chime: a short tone played on a DirectSound output device chosen by
// name, independent of the sound cues. The audio-device code plays it at
// level 0 to keep a chosen device awake.
#pragma once
#include <windows.h>
#include <dsound.h>

#include "base/ToneSynth.h"

constexpr int kChimeDeviceCap = 16;
constexpr int kChimeTextCap = 256;

struct SCHIMEDEVICE {
    GUID guid;
    wchar_t description[kChimeTextCap];
    wchar_t module[kChimeTextCap];
};

class CChime {
public:
    CChime() = default;
    CChime(const CChime&) = delete;
    CChime& operator=(const CChime&) = delete;
    ~CChime();

    // Lists the output devices (the primary driver left out); 1 or 0.
    int m_EnumDevices();
    // Opens the device whose description is the name (empty: the first)
    // for the main window; 1 or 0.
    int m_OpenByName(const wchar_t* name);
    // Opens the listed device and fills its buffer with the tone; 1 or 0.
    int m_OpenByIndex(int index, HWND window);
    // Builds the 500 Hz, 10 ms tone at the level (percent of full scale).
    int m_Synthesize(double level);
    // Plays the buffer once; 1 when it started.
    int m_Chime_Play();
    void m_Release();

    int m_IsOpened() const { return m_Opened; }
    int m_GetDeviceCount() const { return m_DeviceCount; }
    const SCHIMEDEVICE* m_GetDevice(int index) const;
    const STONEBUFFER* m_GetTone() const { return &m_Tone; }

private:
    static BOOL CALLBACK m_EnumProc(LPGUID guid, LPCWSTR description, LPCWSTR module,
                                    LPVOID context);
    int m_CreateBuffer();
    int m_FillBuffer();

    IDirectSound8* m_Sound = nullptr;
    IDirectSoundBuffer8* m_Buffer = nullptr;
    SCHIMEDEVICE m_Devices[kChimeDeviceCap] = {};
    int m_DeviceCount = 0;
    STONEPARAMS m_Params = {TONE_SINE, 500, 0.0, 10.0, 0.0, 1, 0};
    STONEBUFFER m_Tone = {};
    int m_Opened = 0;
};

extern CChime g_Chime;
