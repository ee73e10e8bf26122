// The audio output devices of the audio menu, a device item's own menu and
// its assignment numbers.
#include <windows.h>

#include <strsafe.h>
#include <wchar.h>

#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceWait.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

int g_MenuDeviceNumber = -1;

namespace {

// Device ids run 34879..34893: the options menu's ids follow soon after.
constexpr int kMenuMaxDevices = 15;
constexpr UINT kDeviceNumberFirstId = kMenuAssignNoneId;

const SAUDIODEVICE* m_Device(int number)
{
    if (number < 1 || number > g_AudioDevices.Count || number > kAudioDeviceCap) return nullptr;
    return &g_AudioDevices.Items[number - 1];
}

int m_IsConfigured(const SAUDIODEVICE& d)
{
    return g_Settings.Common_Audio[0] && wcscmp(d.Name, g_Settings.Common_Audio) == 0;
}

int m_IsInUse(const SAUDIODEVICE& d)
{
    return g_AudioDeviceName[0] && wcscmp(d.Name, g_AudioDeviceName) == 0;
}

int m_IsAwaited(const SAUDIODEVICE& d)
{
    return g_AudioDeviceWait.Waiting && wcscmp(d.Name, g_AudioDeviceWait.Name) == 0;
}

// A wait longer than [Common] "AudDsc" allows has ended.
int m_WaitExpired()
{
    const int longest = g_Settings.Common_AudDsc[2];
    const DWORD began = g_AudioDeviceWait.Tick;
    return longest > 0 && began && (GetTickCount() - began) / 1000 > static_cast<DWORD>(longest);
}

void m_AppendFlags(wchar_t* flags, int size, const SAUDIODEVICE& d)
{
    // The offset comes first, into the empty text.
    if (d.Offset) (void)StringCchPrintfW(flags, size, L"[%+d%%]", d.Offset);
    if (m_IsConfigured(d)) (void)StringCchCatW(flags, size, L"[DEF]");
    if (d.Skip) (void)StringCchCatW(flags, size, L"[SKIP]");
    if (d.Lock) (void)StringCchCatW(flags, size, L"[Lock]");
    if (m_IsAwaited(d)) (void)StringCchCatW(flags, size, L"[Wait]");
}

void m_DefaultItem(SMENUITEM* item)
{
    wchar_t text[kMenuNameCap];
    m_Menu_FormatAudioDevice(text, ARRAYSIZE(text), 0, 1);
    m_Menu_NewListItem(item, kMenuDeviceDefaultId, text);
    item->CheckKind = MENUCHECK_RADIO;
    item->Checked = g_AudioDeviceName[0] == 0;
    item->ContextMenu = 1;
}

void m_DeviceItem(SMENUITEM* item, int number)
{
    const SAUDIODEVICE& d = *m_Device(number);
    int checked = m_IsInUse(d);
    if (!d.Present && m_IsAwaited(d)) {
        if (m_WaitExpired())
            m_AudioDevice_ClearWait();
        else
            checked = 1;
    }
    wchar_t text[kMenuNameCap];
    m_Menu_FormatAudioDevice(text, ARRAYSIZE(text), number, 1);
    m_Menu_NewListItem(item, kMenuDeviceFirstId + number - 1, text);
    item->CheckKind = MENUCHECK_RADIO;
    item->Disabled = d.Present ? 0 : 1;
    item->Checked = checked ? 1 : 0;
    item->ContextMenu = 1;
}

// Inserts or replaces one item; the next position.
int m_PutItem(CMenuPlus* popup, const SMENUITEM& item, int append, int position)
{
    if (!append) {
        popup->m_SetItemById(&item, item.Id, 0);
        return position;
    }
    const int at = popup->m_InsertItem(&item, position, 0);
    return position < 0 || at < 0 ? position : at + 1;
}

void m_SetChecked(CMenuPlus* popup, UINT id, int checked)
{
    m_Menu_SetItemChecked(popup, id, checked);
}

void m_DefaultStates(CMenuPlus* popup)
{
    m_SetChecked(popup, 4458, g_Settings.Common_Audio[0] == 0);
    m_SetChecked(popup, 4456, g_AudioDeviceName[0] == 0);
}

void m_DeviceStates(CMenuPlus* popup, const SAUDIODEVICE& d)
{
    m_SetChecked(popup, 4459, d.Skip);
    m_SetChecked(popup, 4460, d.Lock);
    m_SetChecked(popup, 4458, m_IsConfigured(d));
    m_SetChecked(popup, 4456, m_IsInUse(d));
    m_SetChecked(popup, 4468, m_IsAwaited(d));
    if (d.Present) return;
    if (g_MediaOpen) {
        m_Menu_DisableItem(popup, 4456);
        m_Menu_DisableItem(popup, 4458);
        m_Menu_MarkReservedDevice(popup);
    } else {
        m_Menu_DisableItem(popup, 4468);
    }
}

}  // namespace

void m_Menu_FormatAudioDevice(wchar_t* out, int size, int index, int withFlags)
{
    if (!out || size <= 0) return;
    out[0] = 0;
    if (index == 0) {
        (void)StringCchPrintfW(out, size, L"0 : %s", L"システムデフォルト");
        if (withFlags && !g_Settings.Common_Audio[0]) (void)StringCchCatW(out, size, L" [DEF]");
        return;
    }
    const SAUDIODEVICE* d = m_Device(index);
    if (!d) return;
    if (d->Number > 0)
        (void)StringCchPrintfW(out, size, L"%d : %s", d->Number, d->Name);
    else
        (void)StringCchCopyW(out, size, d->Name);
    if (!withFlags) return;
    wchar_t flags[64] = L"";
    m_AppendFlags(flags, ARRAYSIZE(flags), *d);
    if (!flags[0]) return;
    (void)StringCchCatW(out, size, L" ");
    (void)StringCchCatW(out, size, flags);
}

void m_Menu_UpdateAudioDevices(CMenuPlus* popup, int append, int position)
{
    if (!popup) return;
    // Enumerates again only when the table was marked changed.
    m_AudDev_Enumerate();
    SMENUITEM item;
    m_DefaultItem(&item);
    position = m_PutItem(popup, item, append, position);
    const int count = g_AudioDevices.Count < kMenuMaxDevices ? g_AudioDevices.Count : kMenuMaxDevices;
    for (int number = 1; number <= count; ++number) {
        m_DeviceItem(&item, number);
        position = m_PutItem(popup, item, append, position);
    }
    if (!append) popup->m_Refresh(0);
}

CMenuPlus* m_Menu_BuildDeviceItemMenu()
{
    static const UINT kDefaultIds[] = {4456, 255, 4458};
    static const UINT kDeviceIds[] = {4456, 4468, 255, 4458, 4459, 4460,
                                      4463, 255,  4461, 255, 4457, 4467};
    if (g_MenuDeviceNumber == 0) {
        CMenuPlus* popup = m_Menu_CreateFromIds(kDefaultIds, ARRAYSIZE(kDefaultIds), 4462);
        if (!popup) return nullptr;
        m_DefaultStates(popup);
        popup->m_Refresh(0);
        return popup;
    }
    const SAUDIODEVICE* d = m_Device(g_MenuDeviceNumber);
    // A device that went from the list since its item was shown has no menu.
    if (!d) return nullptr;
    CMenuPlus* popup = m_Menu_CreatePopup(4462, nullptr);
    if (!popup) return nullptr;
    for (UINT id : kDeviceIds)
        if (!(d->Present && (id == 4467 || id == 4468))) m_Menu_AddCommand(popup, id, -1);
    m_DeviceStates(popup, *d);
    popup->m_Refresh(0);
    return popup;
}

CMenuPlus* m_Menu_BuildDeviceNumbers()
{
    const SAUDIODEVICE* d = m_Device(g_MenuDeviceNumber);
    if (!d) return nullptr;
    CMenuPlus* popup = m_Menu_CreatePopup(4463, nullptr);
    if (!popup) return nullptr;
    for (int number = 0; number < kAudioDeviceNumberCap; ++number) {
        wchar_t text[8];
        (void)StringCchPrintfW(text, ARRAYSIZE(text), L"%d", number);
        SMENUITEM item;
        m_Menu_NewListItem(&item, kDeviceNumberFirstId + number, number ? text : L"なし");
        item.CheckKind = MENUCHECK_RADIO;
        item.Checked = d->Number == number;
        popup->m_InsertItem(&item, -1, 0);
        if (number == 0) popup->m_InsertSeparator(-1);
    }
    return popup;
}
