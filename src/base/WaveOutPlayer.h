// Plays one synthesised tone buffer at a time through waveOut, looping it
// the given number of times. The device stays open between tones; a tone
// asked for while another plays is dropped.
#pragma once
#include <windows.h>

#include "base/ToneSynth.h"

constexpr int kPlayerErrorCap = 256;

class CWaveOutPlayer {
public:
    CWaveOutPlayer() = default;
    CWaveOutPlayer(const CWaveOutPlayer&) = delete;
    CWaveOutPlayer& operator=(const CWaveOutPlayer&) = delete;
    ~CWaveOutPlayer() { m_Close(); }

    // Opens the default device; 1 or 0 (the error is kept).
    int m_Open();
    // Stops, gives back the buffer and closes; 1 when every step succeeded.
    int m_Close();
    // Starts the buffer, opening the device when needed: 1 started,
    // 0 refused (a tone still plays) or failed.
    int m_Play(const STONEBUFFER* entry, UINT repeats);
    // Frees the entry; a buffer the device still holds is taken back first.
    void m_FreeBuffer(STONEBUFFER* entry);

    int m_IsOpen() const { return m_Opened; }
    int m_IsPlaying() const { return m_Playing != 0; }
    HWAVEOUT m_GetDevice() const { return m_Device; }
    // The last failure as "Error : <call>() = 0x<code>", or empty.
    const wchar_t* m_GetLastError() const { return m_LastError; }
    void m_ClearLastError() { m_LastError[0] = 0; }

private:
    static void CALLBACK m_WaveOutProc(HWAVEOUT device, UINT msg, DWORD_PTR instance,
                                       DWORD_PTR param1, DWORD_PTR param2);
    void m_StoreError(const wchar_t* call, MMRESULT result);
    // Gives the header back to us once the device is done with it.
    int m_Unprepare();
    // Cuts the playing tone short and takes its buffer back.
    int m_Stop();

    HWAVEOUT m_Device = nullptr;
    WAVEHDR m_Header = {};
    int m_Opened = 0;
    int m_Prepared = 0;
    // Cleared by the device's callback thread at the end of a tone.
    volatile LONG m_Playing = 0;
    wchar_t m_LastError[kPlayerErrorCap] = {};
};
