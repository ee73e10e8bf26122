#include "filedata/FileInfo.h"

#include <string.h>

SFILEINFO g_FileInfo;
wchar_t g_FileInfoPath[MAX_PATH + 1];

void m_FileInfo_Clear(SFILEINFO* info)
{
    if (info) memset(info, 0, sizeof(*info));
}
