#include "base/Chime.h"

#include <string.h>
#include <wchar.h>

#include "app/MainWindow.h"

namespace {

const GUID kIidDirectSoundBuffer8 = {
    0x6825A449, 0x7524, 0x4D82, {0x92, 0x0F, 0x50, 0xE3, 0x6A, 0xB3, 0xAB, 0x1E}};

}  // namespace

CChime g_Chime;

CChime::~CChime()
{
    m_Release();
    m_FreeToneBuffer(&m_Tone);
}

const SCHIMEDEVICE* CChime::m_GetDevice(int index) const
{
    return index >= 0 && index < m_DeviceCount ? &m_Devices[index] : nullptr;
}

BOOL CALLBACK CChime::m_EnumProc(LPGUID guid, LPCWSTR description, LPCWSTR module, LPVOID context)
{
    // The primary driver comes without a GUID.
    if (!guid || !description || !description[0]) return TRUE;
    CChime* chime = (CChime*)context;
    if (chime->m_DeviceCount >= kChimeDeviceCap) return FALSE;
    SCHIMEDEVICE& device = chime->m_Devices[chime->m_DeviceCount++];
    device.guid = *guid;
    wcsncpy_s(device.description, description, _TRUNCATE);
    wcsncpy_s(device.module, module ? module : L"", _TRUNCATE);
    return chime->m_DeviceCount < kChimeDeviceCap;
}

int CChime::m_EnumDevices()
{
    m_DeviceCount = 0;
    return SUCCEEDED(DirectSoundEnumerateW(m_EnumProc, this)) ? 1 : 0;
}

int CChime::m_OpenByName(const wchar_t* name)
{
    if (!m_EnumDevices()) return 0;
    for (int i = 0; i < m_DeviceCount; i++) {
        if (!name || !name[0] || wcscmp(m_Devices[i].description, name) == 0)
            return m_OpenByIndex(i, g_hWndMain);
    }
    return 0;
}

int CChime::m_Synthesize(double level)
{
    m_SetToneParams(&m_Params, TONE_SINE, 500, 10.0, level, 0.0, 1, 0);
    return m_SynthesizeTone(&m_Params, &m_Tone);
}

int CChime::m_CreateBuffer()
{
    WAVEFORMATEX format;
    m_GetToneFormat(&format);
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(desc);
    // The tone's length in bytes, rounded up.
    desc.dwBufferBytes = (DWORD)((m_Params.lengthMs * format.nAvgBytesPerSec + 999.0) / 1000.0);
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* first = nullptr;
    if (FAILED(m_Sound->CreateSoundBuffer(&desc, &first, nullptr))) return 0;
    const HRESULT hr = first->QueryInterface(kIidDirectSoundBuffer8, (void**)&m_Buffer);
    first->Release();
    if (FAILED(hr)) m_Buffer = nullptr;
    return m_Buffer ? 1 : 0;
}

// Copies the tone into the whole buffer; what the tone does not fill stays
// silent.
int CChime::m_FillBuffer()
{
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD size1 = 0, size2 = 0;
    if (FAILED(m_Buffer->Lock(0, 0, &part1, &size1, &part2, &size2, DSBLOCK_ENTIREBUFFER)))
        return 0;
    const DWORD toneBytes = m_Tone.samples ? m_Tone.byteSize : 0;
    const DWORD copied = toneBytes < size1 ? toneBytes : size1;
    if (copied) memcpy(part1, m_Tone.samples, copied);
    memset((char*)part1 + copied, 0, size1 - copied);
    if (part2) memset(part2, 0, size2);
    return SUCCEEDED(m_Buffer->Unlock(part1, size1, part2, size2)) ? 1 : 0;
}

int CChime::m_OpenByIndex(int index, HWND window)
{
    m_Release();
    if (index < 0 || index >= m_DeviceCount) return 0;
    if (FAILED(DirectSoundCreate8(&m_Devices[index].guid, &m_Sound, nullptr))) {
        m_Sound = nullptr;
        return 0;
    }
    if (FAILED(m_Sound->SetCooperativeLevel(window, DSSCL_NORMAL)) || !m_CreateBuffer() ||
        !m_FillBuffer()) {
        m_Release();
        return 0;
    }
    m_Opened = 1;
    return 1;
}

int CChime::m_Chime_Play()
{
    if (!m_Buffer) return 0;
    return SUCCEEDED(m_Buffer->Play(0, 0, 0)) ? 1 : 0;
}

void CChime::m_Release()
{
    if (m_Buffer) m_Buffer->Release();
    m_Buffer = nullptr;
    if (m_Sound) m_Sound->Release();
    m_Sound = nullptr;
    m_Opened = 0;
}
