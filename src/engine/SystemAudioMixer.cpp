// Mode 0: the master volume through the winmm mixer's speakers line.
#include "engine/SystemAudio.h"

#include <wchar.h>

#include "engine/SystemAudioMixer.h"
#include "playback/AudioDeviceName.h"

namespace {

// The speakers line's volume control of the open mixer.
bool m_SpeakersVolumeControl(HMIXER mixer, MIXERCONTROLW* control)
{
    MIXERLINEW line = {};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer);
    if (mixerGetLineInfoW(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    MIXERLINECONTROLSW controls = {};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(MIXERCONTROLW);
    controls.pamxctrl = control;
    return mixerGetLineControlsW(object, &controls,
                                 MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
           MMSYSERR_NOERROR;
}

MIXERCONTROLDETAILS m_OneChannel(const MIXERCONTROLW& control, MIXERCONTROLDETAILS_UNSIGNED* value)
{
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof(*value);
    details.paDetails = value;
    return details;
}

void m_TrimRight(wchar_t* text)
{
    size_t n = wcslen(text);
    while (n > 0 && text[n - 1] == L' ') text[--n] = 0;
}

}  // namespace

// The mixer whose name the configured device name begins with; mixer 0 when
// there is no name or no match.
UINT m_SysAudio_ChooseMixer()
{
    const UINT count = mixerGetNumDevs();
    if (!g_AudioDeviceName[0]) return 0;
    for (UINT i = 0; i < count; ++i) {
        MIXERCAPSW caps = {};
        if (mixerGetDevCapsW(i, &caps, sizeof(caps)) != MMSYSERR_NOERROR) continue;
        m_TrimRight(caps.szPname);
        if (caps.szPname[0] && wcsncmp(g_AudioDeviceName, caps.szPname, wcslen(caps.szPname)) == 0)
            return i;
    }
    return 0;
}

DWORD m_SysAudio_MixerSet(HMIXER mixer, DWORD volume)
{
    MIXERCONTROLW control = {};
    control.cbStruct = sizeof(control);
    if (!m_SpeakersVolumeControl(mixer, &control)) return 0;
    MIXERCONTROLDETAILS_UNSIGNED value = {m_SysAudio_ToMixer(volume)};
    MIXERCONTROLDETAILS details = m_OneChannel(control, &value);
    return mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
                   MMSYSERR_NOERROR
               ? 1
               : 0;
}

DWORD m_SysAudio_MixerGet(HMIXER mixer)
{
    MIXERCONTROLW control = {};
    control.cbStruct = sizeof(control);
    if (!m_SpeakersVolumeControl(mixer, &control)) return kSysAudioNotOpen;
    MIXERCONTROLDETAILS_UNSIGNED value = {};
    MIXERCONTROLDETAILS details = m_OneChannel(control, &value);
    if (mixerGetControlDetailsW(reinterpret_cast<HMIXEROBJ>(mixer), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return kSysAudioNotOpen;
    return m_SysAudio_FromMixer(value.dwValue);
}

DWORD m_SysAudio_ToMixer(DWORD volume)
{
    if (volume > 10000) volume = 10000;
    return static_cast<DWORD>(volume * 65535.0 / 10000.0 + 0.5);
}

DWORD m_SysAudio_FromMixer(DWORD value)
{
    if (value > 65535) value = 65535;
    return static_cast<DWORD>(value * 10000.0 / 65535.0 + 0.5);
}

DWORD m_SysAudio_FromScalar(float scalar)
{
    if (scalar < 0) scalar = 0;
    if (scalar > 1) scalar = 1;
    return static_cast<DWORD>(scalar * 10000.0 + 0.5);
}
