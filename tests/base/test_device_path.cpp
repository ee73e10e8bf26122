#include <doctest/doctest.h>

#include <string>

#include "base/DevicePath.h"

TEST_CASE("paths that name a device or a pipe are told from files without opening them")
{
    struct Case {
        const wchar_t* path;
        bool device;
    };
    const Case cases[] = {
        {L"COM1", true},
        {L"com9", true},
        {L"COM1:", true},
        {L"NUL", true},
        {L"nul.avi", true},
        {L"CON", true},
        {L"PRN", true},
        {L"AUX", true},
        {L"LPT1", true},
        {L"CONIN$", true},
        {L"C:\\media\\COM1.avi", true},
        {L"Z:\\tmp\\nul ", true},
        {L"\\\\.\\COM1", true},
        {L"\\\\.\\pipe\\x", true},
        {L"//./pipe/x", true},
        {L"\\\\.\\PhysicalDrive0", true},
        {L"\\\\?\\GLOBALROOT\\Device\\Null", true},
        {L"\\\\.\\C:\\media\\a.avi", false},
        {L"\\\\?\\C:\\media\\a.avi", false},
        {L"\\\\?\\UNC\\srv\\share\\a.avi", false},
        {L"C:\\media\\COM10.avi", false},
        {L"C:\\media\\COM0", false},
        {L"C:\\media\\console.avi", false},
        {L"C:\\media\\NULL.avi", false},
        {L"C:\\COM1dir\\a.avi", false},
        {L"Z:\\tmp\\a.avi", false},
        {L"\\\\srv\\share\\a.avi", false},
        {L"a.avi", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.path, c.path + wcslen(c.path)));
        CHECK(m_IsDevicePath(c.path) == c.device);
    }
    CHECK_FALSE(m_IsDevicePath(nullptr));
}
