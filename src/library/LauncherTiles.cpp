#include "library/LauncherTiles.h"

#include "settings/CallTrace.h"

const wchar_t* m_Launcher_GetTilePath(int tile)
{
    m_TraceCall(L"m_Launcher_GetTilePath(%d)", tile);
    return nullptr;
}

void m_Launcher_RefreshLists(int bits, int now)
{
    m_TraceCall(L"m_Launcher_RefreshLists(%d,%d)", bits, now);
}

void m_Launcher_Redraw() { m_TraceCall(L"m_Launcher_Redraw()"); }

void m_Launcher_ResetFonts() { m_TraceCall(L"m_Launcher_ResetFonts()"); }

void m_Recent_CheckUnknownFolders() { m_TraceCall(L"m_Recent_CheckUnknownFolders()"); }
