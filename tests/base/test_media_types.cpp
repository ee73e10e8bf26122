#include <doctest/doctest.h>

#include <string>

#include "TempFolder.h"
#include "base/MediaTypes.h"
#include "playlist/PlaylistState.h"
#include "settings/IniPath.h"

namespace {

const wchar_t kBuiltIn[] =
    L"mp4:avi:wmv:mpg:aac:mp3:wma:wave:wav:m4a:mpeg:m2v:ts:mts:m2t:m2ts:mov:webm:ac3:m4v:mp4v:"
    L"mpv4:flv:mkv:divx:ogm:ogg:oga:flac:rm:rmvb:asf:aiff:dts:vob:pva:tp:tpr:hdmov:qt:3g2:3gp:"
    L"3gpp:3gp2:ogv:amv:mka:wv:mpc:rma:ra:ram:mpe:m1v:mpv2:mp2v:m2p:evo:mod:ofr:ofs:ape:aplc:"
    L"alac:amr:it:mo3:mtm:s3m:umx:xm:iso:img:";

std::wstring ReadUserExt()
{
    wchar_t text[1024] = {};
    GetPrivateProfileStringW(L"Main", L"SptExt", L"", text, 1024, g_IniPath);
    return text;
}

// Every built-in extension, each checked playable; the number that were not.
int UnplayableBuiltIns()
{
    int failures = 0;
    std::wstring list = kBuiltIn;
    size_t from = 0;
    for (size_t colon; (colon = list.find(L':', from)) != std::wstring::npos; from = colon + 1) {
        if (m_IsPlayableExt(list.substr(from, colon - from).c_str(), 0) != 1) ++failures;
    }
    return failures;
}

// A settings file of its own with the given [Main] "SptExt" (none when
// null), the tables rebuilt from it.
struct SUserExtFixture {
    CTempFolder folder;
    explicit SUserExtFixture(const wchar_t* userExt = nullptr)
    {
        lstrcpynW(g_IniPath, folder.Join(L"Zentavio.ini").c_str(), MAX_PATH + 1);
        if (userExt) WritePrivateProfileStringW(L"Main", L"SptExt", userExt, g_IniPath);
        m_IsPlayableExt(nullptr, 1);
    }
    ~SUserExtFixture() { g_IniPath[0] = 0; }
};

}  // namespace

TEST_CASE("built-in tables answer by extension, with or without dot, in any case")
{
    SUserExtFixture fixture;
    struct Case {
        const wchar_t* ext;
        int playable;
        int audio;
    };
    const Case cases[] = {
        {L"MKV", 1, 0},  {L".mkv", 1, 0}, {L"mkv", 1, 0},  {L".Mp3", 1, 1},
        {L"flac", 1, 1}, {L"ALAC", 1, 1}, {L"exe", -1, 0}, {L".DLL", -1, 0},
        {L"txt", -1, 0}, {L"", 0, 0},     {L".", 0, 0},    {L"xyz", 0, 0},
        {L"zvbm", 0, 0}, {L"mp", 0, 0},   {L"mp44", 0, 0}, {L"..mp4", 0, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.ext).size());
        CHECK(m_IsPlayableExt(c.ext, 0) == c.playable);
        CHECK(m_IsAudioExt(c.ext) == c.audio);
    }
    CHECK(m_IsPlayableExt(nullptr, 0) == 0);
    CHECK(m_IsAudioExt(nullptr) == 0);
    CHECK(UnplayableBuiltIns() == 0);
    CHECK(m_IsPlayableFile(L"C:\\Videos\\clip.AVI") == 1);
    CHECK(m_IsPlayableFile(L"C:\\Videos.mp4\\readme") == 0);
    CHECK(m_IsPlayableFile(L"C:\\Videos\\setup.exe") == -1);
    CHECK(m_IsPlayableFile(nullptr) == 0);
}

TEST_CASE("the user's extensions are playable, never audio-only, never over an excluded one")
{
    SUserExtFixture fixture(L"xyz:exe::abcdefghij:last");
    CHECK(m_IsPlayableExt(L"XYZ", 0) == 1);
    CHECK(m_IsAudioExt(L"xyz") == 0);
    CHECK(m_IsPlayableExt(L"exe", 0) == -1);
    CHECK(m_IsPlayableExt(L"abcdefg", 0) == 1);  // cut to 7 characters
    CHECK(m_IsPlayableExt(L"abcdefghij", 0) == 0);
    CHECK(m_IsPlayableExt(L"last", 0) == 0);  // no closing colon
    CHECK(UnplayableBuiltIns() == 0);

    // Without a rebuild the tables keep what they were built from.
    WritePrivateProfileStringW(L"Main", L"SptExt", L"new:", g_IniPath);
    CHECK(m_IsPlayableExt(L"new", 0) == 0);
    CHECK(m_IsPlayableExt(L"new", 1) == 1);
    CHECK(m_IsPlayableExt(L"xyz", 0) == 0);
}

TEST_CASE("the playable table holds 128 entries: user additions past that are dropped")
{
    std::wstring user;
    for (int i = 0; i < 60; ++i) user += L"u" + std::to_wstring(100 + i) + L":";
    SUserExtFixture fixture(user.c_str());
    CHECK(m_IsPlayableExt(L"u154", 0) == 1);  // the 55th addition fills the table
    CHECK(m_IsPlayableExt(L"u155", 0) == 0);
    CHECK(UnplayableBuiltIns() == 0);
}

TEST_CASE("m_AddPlayableExt writes the key and rebuilds")
{
    SUserExtFixture fixture;
    CHECK(m_AddPlayableExt(L".abc") == 1);
    CHECK(m_AddPlayableExt(L"def") == 1);
    CHECK(ReadUserExt() == L"abc:def:");
    CHECK(m_IsPlayableExt(L"abc", 0) == 1);
    CHECK(m_IsPlayableExt(L"DEF", 0) == 1);
    CHECK(m_IsAudioExt(L"abc") == 0);
    CHECK(UnplayableBuiltIns() == 0);

    const wchar_t* refused[] = {nullptr, L"", L".", L"ABC", L"mkv", L"exe", L"abcdefgh"};
    for (const wchar_t* ext : refused) CHECK(m_AddPlayableExt(ext) == 0);
    CHECK(ReadUserExt() == L"abc:def:");
}

TEST_CASE("m_AddPlayableExt keeps an earlier entry that lacked its closing colon")
{
    SUserExtFixture fixture(L"zzz");
    CHECK(m_AddPlayableExt(L"abc") == 1);
    CHECK(ReadUserExt() == L"zzz:abc:");
    CHECK(m_IsPlayableExt(L"abc", 0) == 1);
}

TEST_CASE("m_AddPlayableExt refuses what would not fit in the key")
{
    std::wstring user;
    while (user.size() < 505) user += L"q:";  // duplicates: the text is long, the table is not
    SUserExtFixture fixture(user.c_str());
    CHECK(m_AddPlayableExt(L"abcdef") == 0);
    CHECK(ReadUserExt() == user);
    CHECK(m_AddPlayableExt(L"ab") == 1);
}

TEST_CASE("playlist, bookmark and file kinds")
{
    SUserExtFixture fixture;
    struct Case {
        const wchar_t* ext;
        int playlist;
        int kind;
    };
    const Case cases[] = {
        {L".zvpl", 1, 2}, {L".M3U", 1, 2}, {L".m3u8", 1, 2}, {L"m3u", 0, 0},  {L".zvbm", 0, 3},
        {L".ZVBM", 0, 3}, {L".mp4", 0, 1}, {L".exe", 0, 0},  {L".xyz", 0, 0}, {L"", 0, 0},
    };
    for (const Case& c : cases) {
        CHECK(m_IsPlaylistExt(c.ext) == c.playlist);
        CHECK(m_GetExtKind(c.ext) == c.kind);
    }
    CHECK(m_GetFileKind(L"D:\\Lists\\mine.ZvBm") == 3);
    CHECK(m_GetFileKind(L"D:\\Lists\\mine.m3u8") == 2);
    CHECK(m_GetFileKind(L"D:\\clip.webm") == 1);
    CHECK(m_GetFileKind(L"D:\\notes.txt") == 0);
    CHECK(m_GetFileKind(L"D:\\no extension") == 0);

    lstrcpynW(g_ListPath, L"D:\\Lists\\mine.M3U8", MAX_PATH + 1);
    CHECK(m_IsPlaylistOpen() == 1);
    lstrcpynW(g_ListPath, L"D:\\clip.mp4", MAX_PATH + 1);
    CHECK(m_IsPlaylistOpen() == 0);
    g_ListPath[0] = 0;
    CHECK(m_IsPlaylistOpen() == 0);
}

TEST_CASE("folder search: depth, hidden files and counts")
{
    SUserExtFixture fixture;
    CTempFolder tree;
    REQUIRE(!tree.Path().empty());
    std::wstring deep;
    for (int level = 1; level <= 6; ++level) {
        deep += L"d" + std::to_wstring(level) + L"\\";
        REQUIRE(CreateDirectoryW(tree.Join(deep).c_str(), nullptr));
    }
    const std::wstring root = tree.Path();
    const std::wstring level1 = tree.Join(L"d1");

    SUBCASE("a hidden media file does not count, a hidden folder is searched")
    {
        const std::wstring clip = tree.MakeFile(L"clip.mp4");
        REQUIRE(SetFileAttributesW(clip.c_str(), FILE_ATTRIBUTE_HIDDEN));
        tree.MakeFile(L"notes.txt");
        CHECK(m_FolderHasPlayable(root.c_str(), 0) == 0);
        REQUIRE(SetFileAttributesW(level1.c_str(), FILE_ATTRIBUTE_HIDDEN));
        tree.MakeFile(L"d1\\song.mp3");
        CHECK(m_FolderHasPlayable(root.c_str(), 1) == 1);
        CHECK(m_FolderHasPlayable(root.c_str(), 0) == 0);
    }
    SUBCASE("a file five levels down is found with depth 5, six levels down is not")
    {
        tree.MakeFile(deep + L"six.mkv");
        CHECK(m_FolderHasPlayable(root.c_str(), 5) == 0);
        CHECK(m_FolderHasPlayable(level1.c_str(), 5) == 1);
        CHECK(m_FolderHasPlayable(level1.c_str(), 4) == 0);
        std::wstring noSlash = root.substr(0, root.size() - 1);
        CHECK(m_FolderHasPlayable(noSlash.c_str(), 6) == 1);
    }
    SUBCASE("counts: playable files directly inside, subfolders holding anything within 5 levels")
    {
        tree.MakeFile(L"a.mp4");
        tree.MakeFile(L"b.AVI");
        tree.MakeFile(L"c.exe");
        REQUIRE(CreateDirectoryW(tree.Join(L"empty").c_str(), nullptr));
        REQUIRE(CreateDirectoryW(tree.Join(L"other").c_str(), nullptr));
        tree.MakeFile(L"other\\x.flac");
        tree.MakeFile(deep.substr(0, deep.size() - 3) + L"five.ts");  // d1..d5
        int files = -1, folders = -1;
        CHECK(m_CountPlayableInFolder(root.c_str(), 0, &files, &folders) == 1);
        CHECK(files == 2);
        CHECK(folders == 2);  // d1 (five levels) and other; not empty

        CHECK(m_CountPlayableInFolder(tree.Join(L"empty").c_str(), 0, &files, nullptr) == 0);
        CHECK(files == 0);
        CHECK(m_CountPlayableInFolder(level1.c_str(), 0, &files, &folders) == 1);
        CHECK(files == 0);
        CHECK(folders == 1);
    }
    SUBCASE("a missing folder holds nothing")
    {
        int files = -1, folders = -1;
        CHECK(m_FolderHasPlayable(tree.Join(L"none").c_str(), 5) == 0);
        CHECK(m_CountPlayableInFolder(tree.Join(L"none").c_str(), 0, &files, &folders) == 0);
        CHECK(files == 0);
        CHECK(folders == 0);
        CHECK(m_FolderHasPlayable(nullptr, 5) == 0);
    }
}

namespace {

struct SReader {
    volatile LONG stop = 0;
    LONG misses = 0;
    LONG reads = 0;
};

DWORD WINAPI ReadWhileRebuilding(void* param)
{
    SReader* reader = static_cast<SReader*>(param);
    while (!reader->stop) {
        // The last built-in entry and a user one: the first to be missing
        // from a table caught half refilled.
        if (m_IsPlayableExt(L"img", 0) != 1 || m_IsPlayableExt(L"xyz", 0) != 1 ||
            m_IsAudioExt(L"alac") != 1)
            ++reader->misses;
        ++reader->reads;
    }
    return 0;
}

}  // namespace

TEST_CASE("a thread asking while the tables are rebuilt always finds a whole table")
{
    SUserExtFixture fixture(L"xyz:");
    SReader reader;
    HANDLE thread = CreateThread(nullptr, 0, ReadWhileRebuilding, &reader, 0, nullptr);
    REQUIRE(thread);
    for (int i = 0; i < 2000; ++i) m_IsPlayableExt(nullptr, 1);
    InterlockedExchange(&reader.stop, 1);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CHECK(reader.reads > 0);
    CHECK(reader.misses == 0);
}
