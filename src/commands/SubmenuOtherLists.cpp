#include "commands/SubmenuBuilder.h"

int g_MenuDeviceNumber = -1;

// Until the other lists are in, they have no popup.
CMenuPlus* m_Menu_BuildOtherList(UINT) { return nullptr; }
void m_Menu_UpdateMostPlayed() {}
void m_Menu_UpdateRecent() {}
void m_Menu_UpdateAudioDevices(CMenuPlus*, int, int) {}
void m_Menu_FormatAudioDevice(wchar_t* out, int size, int, int)
{
    if (out && size > 0) out[0] = L'\0';
}
void m_Menu_ShowFilterProperties(int) {}
