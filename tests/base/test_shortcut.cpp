#include <doctest/doctest.h>

#include <objbase.h>
#include <string>

#include "base/PathUtil.h"
#include "base/Shortcut.h"

TEST_CASE("a shortcut made by m_CreateShortcut resolves to its target")
{
    REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"zv_lnk_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring target = folder + L"\\target.mp4";
    std::wstring link = folder + L"\\target.lnk";
    std::wstring notLink = folder + L"\\plain.lnk";
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    file = CreateFileW(notLink.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "not a link", 10, &written, nullptr);
    CloseHandle(file);

    CHECK(m_CreateShortcut(link.c_str(), target.c_str()) == 1);
    wchar_t resolved[kPathCap] = L"";
    CHECK(m_ResolveShortcut(link.c_str(), resolved) == 1);
    CHECK(lstrcmpiW(resolved, target.c_str()) == 0);
    CHECK(m_ResolveShortcut(link.c_str(), nullptr) == 1);

    CHECK(m_ResolveShortcut((folder + L"\\missing.lnk").c_str(), resolved) == 0);
    CHECK(std::wstring(resolved) == L"");
    CHECK(m_ResolveShortcut(notLink.c_str(), resolved) == 0);

    DeleteFileW(link.c_str());
    DeleteFileW(notLink.c_str());
    DeleteFileW(target.c_str());
    RemoveDirectoryW(folder.c_str());
    CoUninitialize();
}
