#include <doctest/doctest.h>

#include <string>

#include "TempFolder.h"
#include "base/FileFacts.h"
#include "base/TextSearch.h"
#include "jumplist/JumpListPath.h"
#include "playback/MediaPath.h"
#include "playlist/ScanThread.h"

namespace {

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FILETIME TimeOf(int year)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = 3;
    st.wDay = 14;
    st.wHour = 12;
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return ft;
}

void SetWriteTime(const std::wstring& path, FILETIME ft)
{
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

bool SameTime(FILETIME a, FILETIME b) { return CompareFileTime(&a, &b) == 0; }

void SetGlobalPath(wchar_t* global, const std::wstring& value)
{
    lstrcpynW(global, value.c_str(), MAX_PATH + 1);
}

DWORD WINAPI WaitForEvent(void* event)
{
    WaitForSingleObject((HANDLE)event, 10000);
    return 0;
}

DWORD WINAPI SleepBriefly(void*)
{
    Sleep(200);
    return 0;
}

}  // namespace

TEST_CASE("waiting for the scan thread")
{
    g_ScanThread = nullptr;
    CHECK(m_WaitScanThread() == 0);

    g_ScanThread = CreateThread(nullptr, 0, SleepBriefly, nullptr, 0, nullptr);
    const DWORD waited = m_WaitScanThread();
    CHECK(waited >= 100);
    CHECK(waited < 2000);
    // Already ended: at once.
    CHECK(m_WaitScanThread() == 0);
    CloseHandle(g_ScanThread);

    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_ScanThread = CreateThread(nullptr, 0, WaitForEvent, stop, 0, nullptr);
    const ULONGLONG start = GetTickCount64();
    CHECK(m_WaitScanThread() == 0xFFFFFFFF);
    CHECK(GetTickCount64() - start >= 5000);
    SetEvent(stop);
    WaitForSingleObject(g_ScanThread, 5000);
    CloseHandle(g_ScanThread);
    CloseHandle(stop);
    g_ScanThread = nullptr;
}

TEST_CASE("file sizes and write times")
{
    CTempFolder dir;
    const std::wstring file = dir.MakeFile(L"a.bin", std::string(1234, 'z'));
    const std::wstring empty = dir.MakeFile(L"empty.bin");
    CHECK(m_GetFileSize(file.c_str()) == 1234);
    CHECK(m_GetFileSize(empty.c_str()) == 0);
    CHECK(m_GetFileSize((dir.Path() + L"missing.bin").c_str()) == -1);
    CHECK(m_GetFileSize(dir.Path().c_str()) == -1);  // a folder is no file

    // A file held open for writing without read sharing cannot be measured.
    HANDLE held = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    CHECK(m_GetFileSize(file.c_str()) == -1);
    CloseHandle(held);

    SetWriteTime(file, TimeOf(2015));
    SetWriteTime(dir.Path(), TimeOf(2011));
    FILETIME ft = {};
    CHECK(m_GetFileWriteTime(file.c_str(), &ft) == 1);
    CHECK(SameTime(ft, TimeOf(2015)));
    CHECK(m_GetFileWriteTime(dir.Path().c_str(), &ft) == 1);  // folders work too
    CHECK(SameTime(ft, TimeOf(2011)));
    CHECK(m_GetFileWriteTime((dir.Path() + L"missing").c_str(), &ft) == 0);
}

TEST_CASE("media write time copied to its jump-list image")
{
    CTempFolder dir;
    const std::wstring media = dir.MakeFile(L"movie.mp4", std::string(10, 'z'));
    const std::wstring image = dir.MakeFile(L"movie.jpg", std::string(10, 'z'));
    SetWriteTime(media, TimeOf(2012));
    SetWriteTime(image, TimeOf(2020));
    SetGlobalPath(g_MediaPath, media);
    SetGlobalPath(g_JumpListPath, image);

    CHECK(m_CopyMediaTimeToImage() == 1);
    FILETIME ft;
    REQUIRE(m_GetFileWriteTime(image.c_str(), &ft));
    CHECK(SameTime(ft, TimeOf(2012)));

    SUBCASE("an image still held by its writer is retried")
    {
        SetWriteTime(image, TimeOf(2020));
        HANDLE held = CreateFileW(image.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        REQUIRE(held != INVALID_HANDLE_VALUE);
        HANDLE releaser = CreateThread(
            nullptr, 0,
            [](void* h) -> DWORD {
                Sleep(400);
                CloseHandle((HANDLE)h);
                return 0;
            },
            held, 0, nullptr);
        CHECK(m_CopyMediaTimeToImage() == 1);
        WaitForSingleObject(releaser, 5000);
        CloseHandle(releaser);
        REQUIRE(m_GetFileWriteTime(image.c_str(), &ft));
        CHECK(SameTime(ft, TimeOf(2012)));
    }
    SUBCASE("a missing image is not created")
    {
        const std::wstring missing = dir.Path() + L"none.jpg";
        SetGlobalPath(g_JumpListPath, missing);
        CHECK(m_CopyMediaTimeToImage() == 0);
        CHECK_FALSE(Exists(missing));
    }
    SUBCASE("no open media file")
    {
        g_MediaPath[0] = 0;
        CHECK(m_CopyMediaTimeToImage() == 0);
    }
    g_MediaPath[0] = 0;
    g_JumpListPath[0] = 0;
}

TEST_CASE("free space of the image folder")
{
    CTempFolder dir;
    SetGlobalPath(g_JumpListPath, dir.Path() + L"movie.jpg");
    CHECK(m_GetImageFolderFreeSpace() > 0);
    g_JumpListPath[0] = 0;
    CHECK(m_GetImageFolderFreeSpace() == 0);
    SetGlobalPath(g_JumpListPath, L"movie.jpg");  // no folder part
    CHECK(m_GetImageFolderFreeSpace() == 0);
    g_JumpListPath[0] = 0;
}

TEST_CASE("folder writability probe")
{
    CTempFolder dir;
    const std::wstring nested = dir.Path() + L"new\\deeper\\";
    CHECK(m_TestFolderWritable((nested + L"cap.jpg").c_str()) == 1);
    CHECK(Exists(nested));
    CHECK_FALSE(Exists(nested + L"writetest_0000"));

    // Taken names are skipped; the probe is removed again.
    dir.MakeFile(L"writetest_0000", "z");
    CHECK(m_TestFolderWritable((dir.Path() + L"x.jpg").c_str()) == 1);
    CHECK_FALSE(Exists(dir.Path() + L"writetest_0001"));
    for (int n = 1; n < 100; ++n) {
        wchar_t name[32];
        wsprintfW(name, L"writetest_%04d", n);
        dir.MakeFile(name);
    }
    CHECK(m_TestFolderWritable((dir.Path() + L"x.jpg").c_str()) == 0);

    // A level that is a file cannot become a folder.
    dir.MakeFile(L"plain", "z");
    CHECK(m_TestFolderWritable((dir.Path() + L"plain\\sub\\x.jpg").c_str()) == 0);
    CHECK_FALSE(Exists(dir.Path() + L"plain\\sub"));
    CHECK(m_TestFolderWritable(L"x.jpg") == 0);
    CHECK(m_TestFolderWritable(L"") == 0);
}

TEST_CASE("long paths with the stored letter case")
{
    CTempFolder dir;
    CreateDirectoryW((dir.Path() + L"Long Folder Name").c_str(), nullptr);
    const std::wstring file = dir.MakeFile(L"Long Folder Name\\Mixed Case File.txt", "z");
    wchar_t shortPath[MAX_PATH + 1];
    REQUIRE(GetShortPathNameW(file.c_str(), shortPath, MAX_PATH + 1) > 0);

    wchar_t out[MAX_PATH + 1];
    CHECK(m_GetLongPath(shortPath, out, MAX_PATH + 1) == 1);
    CHECK(m_HasSuffix(out, L"\\Long Folder Name\\Mixed Case File.txt", true));

    std::wstring lower = dir.Path() + L"long folder name\\mixed case file.txt";
    wchar_t inPlace[MAX_PATH + 1];
    lstrcpynW(inPlace, lower.c_str(), MAX_PATH + 1);
    CHECK(m_GetLongPath(inPlace, inPlace, MAX_PATH + 1) == 1);
    CHECK(m_HasSuffix(inPlace, L"\\Long Folder Name\\Mixed Case File.txt", true));

    const std::wstring missing = dir.Path() + L"missing.txt";
    CHECK(m_GetLongPath(missing.c_str(), out, MAX_PATH + 1) == 0);
    CHECK(std::wstring(out) == missing);
    CHECK(m_GetLongPath(missing.c_str(), out, 4) == 0);  // cut copy
    CHECK(std::wstring(out) == missing.substr(0, 3));
}

TEST_CASE("file filters by extension list and folder")
{
    struct {
        const wchar_t* path;
        int kind;
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"C:\\v\\a.mkv", 0, L"", 1},
        {L"C:\\v\\a.MKV", 3, L"mp4:mkv:avi", 1},
        {L"C:\\v\\a.mkv", 3, L"MP4:MKV", 1},
        {L"C:\\v\\a.mkv", 3, L"mp4:avi", 0},
        {L"C:\\v\\a.mkv", 3, L"mk", 0},
        {L"C:\\v\\a.mkv", 3, L"mkv2:xmkv", 0},
        {L"C:\\v\\a.tar.gz", 3, L"gz", 1},
        {L"C:\\v\\a.mkv", 3, L"", 0},
        {L"C:\\Video\\Sub\\a.mkv", 4, L"c:\\video", 1},
        {L"C:\\Video\\Sub\\a.mkv", 4, L"C:\\Video\\", 1},
        {L"C:\\Videos\\a.mkv", 4, L"C:\\Video", 0},  // a whole folder only
        {L"C:\\Video", 4, L"C:\\Video", 0},
        {L"C:\\v\\a.mkv", 1, L"mkv", 0},
        {L"C:\\v\\a.mkv", 5, L"C:\\v", 0},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.path));
        CAPTURE(c.kind);
        CAPTURE(std::wstring(c.text));
        CHECK(m_MatchFileFilter(c.path, c.kind, c.text) == c.expected);
    }
    std::wstring longItem(300, L'm');
    CHECK(m_MatchFileFilter((L"a." + longItem).c_str(), 3, (L"x:" + longItem).c_str()) == 0);
}
