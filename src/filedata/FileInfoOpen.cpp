#include "filedata/FileInfoOpen.h"

#include "filedata/ChapterText.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/RelatedFiles.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

void m_FileData_LoadSubtitles(int show)
{
    if (g_Settings.File_St[0]) m_Subtitle_LoadRelated(show);
}

void m_FileData_ReadOnOpen()
{
    m_FileInfo_Clear(&g_FileInfo);
    int mode = -1;
    const int found = m_FileInfo_FindPath(g_FileInfoPath, kFileInfoPathCap, g_MediaPath,
                                          g_Settings.Common_ExtCap, 1, &mode);
    if (found) m_FileInfo_Read(g_FileInfoPath, &g_FileInfo);
    // Saves write the duration the engine reports.
    if (g_DurationMs > 0) g_FileInfo.Length = (UINT)g_DurationMs;
    if (!found) m_ChapterText_Import(g_MediaPath);
}

void m_FileData_OnClose()
{
    m_FileInfo_Clear(&g_FileInfo);
    g_FileInfoPath[0] = 0;
    m_Chapter_OnClose();
}
