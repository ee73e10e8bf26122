#include "base/WaveOutPlayer.h"

#include <stdio.h>

void CALLBACK CWaveOutPlayer::m_WaveOutProc(HWAVEOUT, UINT msg, DWORD_PTR instance, DWORD_PTR,
                                            DWORD_PTR)
{
    // Runs on a system thread: it may touch nothing but the flag.
    if (msg == WOM_DONE) InterlockedExchange(&((CWaveOutPlayer*)instance)->m_Playing, 0);
}

void CWaveOutPlayer::m_StoreError(const wchar_t* call, MMRESULT result)
{
    _snwprintf_s(m_LastError, kPlayerErrorCap, _TRUNCATE, L"Error : %s() = 0x%08X", call,
                 (unsigned)result);
}

int CWaveOutPlayer::m_Open()
{
    if (m_Opened) return 1;
    WAVEFORMATEX format;
    m_GetToneFormat(&format);
    HWAVEOUT device = nullptr;
    const MMRESULT result = waveOutOpen(&device, WAVE_MAPPER, &format, (DWORD_PTR)m_WaveOutProc,
                                        (DWORD_PTR)this, CALLBACK_FUNCTION);
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutOpen", result);
        return 0;
    }
    m_Device = device;
    m_Opened = 1;
    return 1;
}

int CWaveOutPlayer::m_Unprepare()
{
    if (!m_Prepared) return 1;
    const MMRESULT result = waveOutUnprepareHeader(m_Device, &m_Header, sizeof(m_Header));
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutUnprepareHeader", result);
        return 0;
    }
    m_Prepared = 0;
    InterlockedExchange(&m_Playing, 0);
    return 1;
}

int CWaveOutPlayer::m_Stop()
{
    int ok = 1;
    const MMRESULT result = waveOutReset(m_Device);
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutReset", result);
        ok = 0;
    }
    return m_Unprepare() && ok;
}

int CWaveOutPlayer::m_Close()
{
    if (!m_Opened) return 1;
    int ok = m_Stop();
    const MMRESULT result = waveOutClose(m_Device);
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutClose", result);
        ok = 0;
    }
    m_Device = nullptr;
    m_Opened = 0;
    m_Prepared = 0;
    InterlockedExchange(&m_Playing, 0);
    return ok;
}

int CWaveOutPlayer::m_Play(const STONEBUFFER* entry, UINT repeats)
{
    if (!entry || !entry->samples || !entry->byteSize) return 0;
    if (!m_Open()) return 0;
    if (m_Playing) return 0;
    // The device has returned the last tone (WOM_DONE). Wine's waveOut keeps
    // the read offset of a looped tone past its end and would start the next
    // tone there, reading beyond its buffer: a reset starts every tone on a
    // clean device.
    if (m_Prepared && !m_Stop()) return 0;

    InterlockedExchange(&m_Playing, 1);
    m_Header = {};
    m_Header.lpData = (LPSTR)entry->samples;
    m_Header.dwBufferLength = entry->byteSize;
    m_Header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
    m_Header.dwLoops = repeats;
    MMRESULT result = waveOutPrepareHeader(m_Device, &m_Header, sizeof(m_Header));
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutPrepareHeader", result);
        // Nothing was queued: later tones must not be refused for it.
        InterlockedExchange(&m_Playing, 0);
        return 0;
    }
    m_Prepared = 1;
    result = waveOutWrite(m_Device, &m_Header, sizeof(m_Header));
    if (result != MMSYSERR_NOERROR) {
        m_StoreError(L"waveOutWrite", result);
        // Kept prepared when this fails too, so that the next tone retries.
        if (waveOutUnprepareHeader(m_Device, &m_Header, sizeof(m_Header)) == MMSYSERR_NOERROR)
            m_Prepared = 0;
        InterlockedExchange(&m_Playing, 0);
        return 0;
    }
    return 1;
}

void CWaveOutPlayer::m_FreeBuffer(STONEBUFFER* entry)
{
    if (!entry->samples) return;
    const int held = m_Prepared && m_Header.lpData == (LPSTR)entry->samples;
    if (held && !m_Stop()) {
        // The device did not give it back: losing the memory is safer than
        // freeing it under a device that may still read it.
        entry->samples = nullptr;
        entry->byteSize = 0;
        return;
    }
    m_FreeToneBuffer(entry);
}
