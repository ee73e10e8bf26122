#include "commands/SubmenuBuilder.h"

#include <cwchar>

// Until the file lists are in, they list nothing.
int m_Menu_AddStreamItems(CMenuPlus*, int) { return 0; }
int m_Menu_AddChapterItems(CMenuPlus*, int) { return 0; }
int m_Menu_AddRangeItems(CMenuPlus*, int) { return 0; }
int m_Menu_AddMarkerItems(CMenuPlus*, int) { return 0; }
int m_Menu_AddTrackItems(CMenuPlus*, int) { return 0; }
void m_Menu_FormatChapterText(wchar_t* out, int size, int)
{
    if (out && size > 0) out[0] = L'\0';
}
CMenuPlus* m_Menu_BuildFileList(UINT) { return nullptr; }
