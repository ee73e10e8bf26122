// The audio device items: the device list of the audio menu and the item
// menu of one device (select, configure, skip, lock, offset, number, wait).
#include "commands/MenuCommands.h"

#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "app/MainWindow.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceLock.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AudioDeviceWait.h"
#include "settings/CallTrace.h"
#include "settings/Settings.h"
#include "settings/SettingsValue.h"

namespace {

constexpr UINT kMenuIdDeviceItem = 4462;
constexpr UINT kMenuIdAudio = 2329;

SAUDIODEVICE* m_Record(int number)
{
    const int index = m_MenuCmd_DeviceRecord(number);
    return index >= 0 ? &g_AudioDevices.Items[index] : nullptr;
}

void m_RenewDeviceList()
{
    m_Menu_UpdateAudioDevices(m_Menu_Remembered(kMenuIdAudio), 0, -1);
}

// [Common] "Audio": choosing the configured device again clears it; the
// default entry clears it, refused when already clear.
void m_ConfigureCommand(const SAUDIODEVICE* device)
{
    wchar_t* audio = g_Settings.Common_Audio;
    if (!device) {
        if (!audio[0]) {
            m_PlaySoundCue(8);
            return;
        }
        audio[0] = 0;
    } else if (lstrcmpiW(audio, device->Name) == 0) {
        audio[0] = 0;
    } else {
        lstrcpynW(audio, device->Name, kSettingDeviceCap);
    }
    m_WriteSettingText(L"Common", L"Audio", audio);
}

void m_OffsetCommand(const SMENUCHOICE& c, SAUDIODEVICE* device)
{
    const int value = m_MenuCmd_StepOffset(device->Offset, c.SelState, c.Mode);
    if (value == device->Offset) return;
    device->Offset = value;
    m_AudDev_Write();
    if (c.Popup) m_Menu_UpdateItem(c.Popup, c.Id, 1);
}

void m_WaitCommand(const SAUDIODEVICE* device)
{
    if (g_AudioDeviceWait.Waiting && lstrcmpiW(g_AudioDeviceWait.Name, device->Name) == 0)
        m_AudioDevice_ClearWait();
    else
        m_AudioDevice_SetWait(device->Name, 0, 0);
}

// The commands of the item menu that need a remembered device.
int m_DeviceItemCommand(const SMENUCHOICE& c, SAUDIODEVICE* device, int index)
{
    switch (c.Id) {
        case 4457:
            m_PlaySoundCue(m_CopyTextToClipboard(g_hWndMain, device->Name) ? 3 : 8);
            return 1;
        case 4459:
            m_AudDev_SetSkip(index, !device->Skip);
            m_AudDev_Write();
            return 1;
        case 4460:
            device->Lock = !device->Lock;
            m_AudDev_Write();
            if (g_Settings.Common_AudLk[0] >= 1) m_AudDev_SelectCurrent();
            return 1;
        case 4461:
            m_OffsetCommand(c, device);
            return 1;
        case 4467:
            device->DeleteMark = 1;
            m_PlaySoundCue(5);
            return 1;
        case 4468:
            m_WaitCommand(device);
            return 1;
    }
    if (c.Id >= kMenuAssignNoneId && c.Id <= kMenuAssignNoneId + 9) {
        m_AudDev_SetNumber(index, static_cast<int>(c.Id - kMenuAssignNoneId));
        m_AudDev_Write();
        m_RenewDeviceList();
        return 1;
    }
    return 0;
}

bool m_IsDeviceItem(UINT id)
{
    return (id >= 4456 && id <= 4461) || id == 4467 || id == 4468 ||
           (id >= kMenuAssignNoneId && id <= kMenuAssignNoneId + 9);
}

}  // namespace

int m_MenuCmd_DeviceRecord(int number)
{
    if (number < 1 || number > g_AudioDevices.Count || number > kAudioDeviceCap) return -1;
    return number - 1;
}

// 4227: state 8 zeroes every device's offset; otherwise the volume per
// device switches, which the device table does not keep yet.
static void m_OffsetsCommand(const SMENUCHOICE& c)
{
    if (c.SelState != MENUSEL_RESET) {
        m_TraceCall(L"m_AudDev_ToggleVolumePerDevice()");
        return;
    }
    for (int i = 0; i < g_AudioDevices.Count && i < kAudioDeviceCap; ++i)
        g_AudioDevices.Items[i].Offset = 0;
    m_AudDev_Write();
    m_PlaySoundCue(3);
}

int m_MenuCmd_Devices(const SMENUCHOICE& c)
{
    if (c.Id == 4227) {
        m_OffsetsCommand(c);
        return 1;
    }
    if (!m_IsDeviceItem(c.Id)) return 0;
    const int number = g_MenuDeviceNumber;
    SAUDIODEVICE* device = m_Record(number);
    // A device that is no longer listed does nothing; the default entry
    // (number 0) only selects and configures.
    if (c.Id == 4456) {
        if (number == 0 || device) m_AudioDevice_Select(device ? device->Name : L"", 1, 1);
    } else if (c.Id == 4458) {
        if (number == 0 || device) m_ConfigureCommand(device);
    } else if (device) {
        m_DeviceItemCommand(c, device, m_MenuCmd_DeviceRecord(number));
    }
    return 1;
}

// The device list: the plain form of a plain choice opens the device's
// item menu, any other choice selects it.
int m_MenuCmd_DeviceListItem(const SMENUCHOICE& c, int number)
{
    SAUDIODEVICE* device = m_Record(number);
    if (number != 0 && !device) return 1;
    if (c.SelState == MENUSEL_PLAIN && c.Mode == 1) {
        g_MenuDeviceNumber = number;
        m_MenuCmd_OpenItemMenu(c, kMenuIdDeviceItem);
        return 1;
    }
    m_AudioDevice_Select(device ? device->Name : L"", 1, 1);
    return 1;
}
