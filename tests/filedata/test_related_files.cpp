#include <doctest/doctest.h>

#include <string.h>

#include <string>

#include "FileDataFixture.h"
#include "filedata/ChapterText.h"
#include "filedata/FileInfoItems.h"
#include "filedata/RelatedFiles.h"
#include "library/FolderSetting.h"
#include "settings/Settings.h"

namespace {

int Read(const std::wstring& path, SCHAPTERITEM* items)
{
    return m_ChapterText_Read(path.c_str(), items, -1);
}

}  // namespace

TEST_CASE("chapter texts in both layouts, with their faults and foreign files")
{
    CScratchFolder dir;
    const std::string longName(300, 'L');
    struct {
        const char* what;
        std::string text;
        int count;
        double starts[3];
        const wchar_t* names[3];
    } cases[] = {
        {"one-line, reverse order sorted",
         "00:05:00.000 Part 2\r\n00:00:00.000 Intro\r\n", 2, {0, 300}, {L"Intro", L"Part 2"}},
        {"paired, as exported",
         "CHAPTER01=00:00:00.000\nCHAPTER01NAME=Intro\nCHAPTER02=00:01:05.250\nCHAPTER02NAME=\xE7\xAC\xAC"
         "\xE4\xBA\x8C\xE7\xAB\xA0\n",
         2, {0, 65.25}, {L"Intro", L"\x7B2C\x4E8C\x7AE0"}},
        {"a fraction after the point", "00:00:05.5 a\n00:00:06.05 b\n00:00:07.123456 c", 3,
         {5.5, 6.05, 7.123}, {L"a", L"b", L"c"}},
        {"last line without a line break", "\xEF\xBB\xBF" "00:00:01.000 one\n00:00:02.000 two", 2,
         {1, 2}, {L"one", L"two"}},
        {"an over-long line is cut and the next is still read",
         "CHAPTER01=00:00:01.000\nCHAPTER01NAME=" + longName + "\nCHAPTER02=00:00:02.000\nCHAPTER02NAME=b\n",
         2, {1, 2}, {nullptr, L"b"}},
        {"a bracketed section first", "[CHAPTER]\n00:00:01.000 x\n", 0, {}, {}},
        {"ffmpeg metadata", ";FFMETADATA1\ntitle=x\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\n", 0, {},
         {}},
        {"a trailing empty line is no chapter", "CHAPTER01=00:00:03.000\nCHAPTER01NAME=x\n\n", 1, {3},
         {L"x"}},
    };
    for (auto& c : cases) {
        CAPTURE(c.what);
        const std::wstring path = dir / L"c.chapter.txt";
        CScratchFolder::m_WriteBytes(path, c.text);
        static SCHAPTERITEM items[kFileInfoItemCap];
        memset(items, 0, sizeof(items));
        CHECK(m_ChapterText_Read(path.c_str(), nullptr, -1) == c.count);
        REQUIRE(Read(path, items) == c.count);
        for (int i = 0; i < c.count; ++i) {
            CHECK(items[i].Start == doctest::Approx(c.starts[i]));
            if (c.names[i]) CHECK(wcscmp(items[i].Name, c.names[i]) == 0);
        }
        if (!c.names[0] && c.count) CHECK(wcslen(items[0].Name) == kChapterNameCap - 1);
    }

    // UTF-16 by its mark.
    const std::wstring utf16 = dir / L"u.txt";
    CScratchFolder::m_WriteUtf16(utf16, L"00:00:04.000 \x540D\r\n");
    static SCHAPTERITEM items[kFileInfoItemCap];
    REQUIRE(Read(utf16, items) == 1);
    CHECK(wcscmp(items[0].Name, L"\x540D") == 0);
    CHECK(m_ChapterText_Read((dir / L"missing.txt").c_str(), items, -1) == 0);
}

TEST_CASE("random bytes and a 10 MB chapter text are read safely")
{
    CScratchFolder dir;
    std::string noise(4096, 0);
    unsigned seed = 12345;
    for (char& b : noise) b = (char)((seed = seed * 1103515245 + 12345) >> 16);
    const std::wstring path = dir / L"noise.txt";
    CScratchFolder::m_WriteBytes(path, noise);
    static SCHAPTERITEM items[kFileInfoItemCap];
    CHECK(Read(path, items) <= kFileInfoItemCap);

    std::string big;
    big.reserve(10 << 20);
    while (big.size() < (10u << 20)) big += "00:00:01.000 name of a chapter\n";
    CScratchFolder::m_WriteBytes(path, big);
    CHECK(Read(path, items) == kFileInfoItemCap);
    CHECK(m_ChapterText_Read(path.c_str(), items, 5) == 5);
}

TEST_CASE("related subtitle files: listed extensions, hidden files, longer base names")
{
    CScratchFolder dir;
    lstrcpyW(g_Settings.File_StExt, L"idx:smi:sub:srt:psb:ssa:ass:usf:ssf");
    lstrcpyW(g_Settings.File_StSub, L"subs");
    g_Settings.File_StDir[0] = 0;
    const int on[4] = {1, 1, 1, 0};
    memcpy(g_Settings.File_St, on, sizeof(on));
    CreateDirectoryW((dir / L"subs").c_str(), nullptr);
    for (const wchar_t* name : {L"movie.mp4", L"movie.en.srt", L"Movie.EN.ass", L"movie.txt",
                                L"movie2.avi", L"movie2.srt", L"movie3.srt", L"subs\\movie.srt",
                                L"subs\\hidden.srt"})
        CScratchFolder::m_WriteBytes(dir / name, "x");
    CScratchFolder::m_WriteBytes(dir / L"movie.srt", "x");
    SetFileAttributesW((dir / L"movie.srt").c_str(), FILE_ATTRIBUTE_HIDDEN);

    CHECK(m_Subtitle_IsListedExt(L"a.SRT", 1) == 1);
    CHECK(m_Subtitle_IsListedExt(L"a.txt", 0) == 0);
    CHECK(m_Subtitle_IsListedExt(L"noext", 0) == 0);

    const std::wstring oldPath = dir / L"movie.mp4", newPath = dir / L"film.mp4";
    CHECK(m_Subtitle_RenameRelated(oldPath.c_str(), newPath.c_str(), 1) == 1);
    CHECK(CScratchFolder::m_Exists(dir / L"movie.en.srt"));  // only checked
    CHECK(m_Subtitle_RenameRelated(oldPath.c_str(), newPath.c_str(), 0) == 1);
    for (const wchar_t* name : {L"film.en.srt", L"film.EN.ass", L"subs\\film.srt", L"film3.srt",
                                L"movie.txt", L"movie2.srt", L"movie.srt"})
        CHECK_MESSAGE(CScratchFolder::m_Exists(dir / name), "missing ", std::string(name, name + wcslen(name)).c_str());
    CHECK_FALSE(CScratchFolder::m_Exists(dir / L"film2.srt"));

    // A target that exists already stops nothing else but fails the result.
    CScratchFolder::m_WriteBytes(dir / L"film.fr.srt", "x");
    CScratchFolder::m_WriteBytes(dir / L"movie.fr.srt", "x");
    CHECK(m_Subtitle_RenameRelated(oldPath.c_str(), newPath.c_str(), 1) == 0);
    g_Settings.File_StExt[0] = 0;
    CHECK(m_Subtitle_ParseExtList() == 0);
    CHECK(m_Subtitle_IsListedExt(L"a.srt", 0) == 0);
}

TEST_CASE("per-folder lookups over the [Rec] list")
{
    static SFOLDERSETTING entries[3] = {};
    entries[0].Flags[0] = 1;
    lstrcpyW(entries[0].Folder, L"C:\\Private");
    entries[1].Flags[1] = 1;
    lstrcpyW(entries[1].Folder, L"c:\\media\\");
    g_FolderSettings = entries;
    g_FolderSettingCount = 2;
    SFOLDERSETTING found;
    struct {
        const wchar_t* path;
        int find;
        int check;
    } cases[] = {
        {L"c:\\private\\a.avi", 1, 0},   {L"C:\\PRIVATE", 1, 0},   {L"C:\\Privateer\\a.avi", 0, 1},
        {L"C:\\Media\\b.mp4", 1, 1},     {L"", 0, 1},               {L"C:\\Private\\x.zvbm", 1, 0},
        {L"D:\\other\\c.mp4", 0, 1},
    };
    for (auto& c : cases) {
        CAPTURE(std::string(c.path, c.path + wcslen(c.path)));
        CHECK(m_FolderSetting_Find(c.path, &found) == c.find);
        CHECK(m_FolderSetting_Check(c.path, 1) == c.check);
    }
    m_FolderSetting_Find(L"C:\\Media\\b.mp4", &found);
    CHECK(found.Flags[1] == 1);
    // An entry without folder applies to every path.
    g_FolderSettingCount = 3;
    entries[2].Flags[0] = 1;
    CHECK(m_FolderSetting_Check(L"D:\\other\\c.mp4", 0) == 0);
    g_FolderSettings = nullptr;
    g_FolderSettingCount = 0;
}
