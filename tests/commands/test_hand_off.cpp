#include <doctest/doctest.h>

#include <objbase.h>
#include <string>

#include "TempFolder.h"
#include "base/HandOff.h"
#include "base/Shortcut.h"
#include "commands/OpenCommands.h"
#include "playlist/Playlist.h"

namespace {

// How deep a chain of nested scopes goes before one is refused.
int m_AllowedDepth(int depth)
{
    CHandOffScope scope;
    if (!scope.m_Allowed()) return depth;
    return m_AllowedDepth(depth + 1);
}

}  // namespace

TEST_CASE("hand-offs stop after 8 in a row and count again once unwound")
{
    CHECK(m_AllowedDepth(0) == kHandOffCap);
    CHECK(m_AllowedDepth(0) == kHandOffCap);
    CHandOffScope one;
    CHECK(one.m_Allowed());
    CHECK(m_AllowedDepth(1) == kHandOffCap);
}

TEST_CASE("shortcuts that name each other add nothing and end")
{
    REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    CTempFolder folder;
    const std::wstring self = folder.MakeFile(L"self.lnk");
    REQUIRE(m_CreateShortcut(self.c_str(), self.c_str()) == 1);
    const std::wstring a = folder.MakeFile(L"a.lnk"), b = folder.MakeFile(L"b.lnk");
    REQUIRE(m_CreateShortcut(a.c_str(), b.c_str()) == 1);
    REQUIRE(m_CreateShortcut(b.c_str(), a.c_str()) == 1);
    const std::wstring media = folder.MakeFile(L"clip.wav", "RIFF");
    const std::wstring good = folder.Join(L"good.lnk");
    REQUIRE(m_CreateShortcut(good.c_str(), media.c_str()) == 1);

    g_Playlist.m_ClearPlayList();
    CHECK(g_Playlist.m_AddPlayListFile(self.c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_AddPlayListFile(a.c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_GetCount() == 0);
    // The limit leaves ordinary shortcuts alone afterwards.
    CHECK(g_Playlist.m_AddPlayListFile(good.c_str(), 0) == TRUE);
    CHECK(g_Playlist.m_GetCount() == 1);
    g_Playlist.m_ClearPlayList();
    CoUninitialize();
}
