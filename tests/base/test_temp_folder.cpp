#include <doctest/doctest.h>

#include <string>

#include "TempFolder.h"

namespace {

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadAll(const std::wstring& path)
{
    std::string bytes(64, '\0');
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    DWORD read = 0;
    ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

}  // namespace

TEST_CASE("each temp folder is its own and goes with everything in it")
{
    std::wstring first, second;
    {
        CTempFolder a;
        CTempFolder b;
        first = a.Path();
        second = b.Path();
        REQUIRE(!first.empty());
        CHECK(first != second);
        CHECK(first.back() == L'\\');
        CHECK(IsFolder(first));
        CHECK(IsFolder(second));

        const std::wstring file = a.MakeFile(L"data.bin", std::string("a\0b", 3));
        CHECK(file == a.Join(L"data.bin"));
        CHECK(ReadAll(file) == std::string("a\0b", 3));
        CHECK(a.MakeFile(L"no such folder\\x.txt").empty());

        // Nested folders and read-only files must not stop the removal.
        REQUIRE(CreateDirectoryW(a.Join(L"sub").c_str(), nullptr));
        REQUIRE(CreateDirectoryW(a.Join(L"sub\\deeper").c_str(), nullptr));
        const std::wstring locked = a.MakeFile(L"sub\\deeper\\locked.txt", "x");
        REQUIRE(!locked.empty());
        SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(a.Join(L"sub").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    CHECK(GetFileAttributesW(first.c_str()) == INVALID_FILE_ATTRIBUTES);
    CHECK(GetFileAttributesW(second.c_str()) == INVALID_FILE_ATTRIBUTES);
}
