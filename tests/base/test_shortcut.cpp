#include <doctest/doctest.h>

#include <objbase.h>
#include <string>

#include "TempFolder.h"
#include "base/PathUtil.h"
#include "base/Shortcut.h"

TEST_CASE("a shortcut made by m_CreateShortcut resolves to its target")
{
    REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    CTempFolder folder;
    std::wstring target = folder.MakeFile(L"target.mp4");
    std::wstring link = folder.Join(L"target.lnk");
    std::wstring notLink = folder.MakeFile(L"plain.lnk", "not a link");

    CHECK(m_CreateShortcut(link.c_str(), target.c_str()) == 1);
    wchar_t resolved[kPathCap] = L"";
    CHECK(m_ResolveShortcut(link.c_str(), resolved) == 1);
    CHECK(lstrcmpiW(resolved, target.c_str()) == 0);
    CHECK(m_ResolveShortcut(link.c_str(), nullptr) == 1);

    CHECK(m_ResolveShortcut(folder.Join(L"missing.lnk").c_str(), resolved) == 0);
    CHECK(std::wstring(resolved) == L"");
    CHECK(m_ResolveShortcut(notLink.c_str(), resolved) == 0);
    CoUninitialize();
}
