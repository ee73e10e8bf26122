// List files are not read or written yet: no list holds a resume record,
// and writing one does nothing.
#include "playlist/ListFileKeys.h"

int m_ListFile_FindTrackResume(const wchar_t*, wchar_t* text, int cap, UINT* folderListFlag,
                               UINT* listedFlag)
{
    if (text && cap > 0) text[0] = 0;
    if (folderListFlag) *folderListFlag = 0;
    if (listedFlag) *listedFlag = 0;
    return 0;
}

int m_ListFile_WriteTrackResume(const wchar_t*, const wchar_t*) { return 0; }

int m_ListFile_ReadListResume(const wchar_t*, wchar_t* text, int cap)
{
    if (text && cap > 0) text[0] = 0;
    return 0;
}

int m_ListFile_WriteListResume(const wchar_t*, const wchar_t*) { return 0; }
int m_ListFile_SaveList(const wchar_t*) { return 0; }
