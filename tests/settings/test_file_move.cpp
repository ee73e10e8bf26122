#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "library/RecentRecords.h"
#include "playlist/PlaylistTracks.h"
#include "settings/FileMove.h"

namespace {

// The history on, with nothing read yet.
void Start(int size)
{
    g_Settings.Common_MvLog = size;
    m_FileMove_Forget();
}

std::wstring Entry(int i)
{
    return std::wstring(g_FileMoves[i].OldPath) + L"/" + g_FileMoves[i].NewPath;
}

// Files and folders made below the fixture's folder, removed afterwards.
class CTree {
public:
    explicit CTree(const wchar_t* root) : m_Root(root) {}
    ~CTree()
    {
        for (auto it = m_Made.rbegin(); it != m_Made.rend(); ++it) {
            if (!DeleteFileW(it->c_str())) RemoveDirectoryW(it->c_str());
        }
    }
    std::wstring Path(const std::wstring& relative) const { return m_Root + L"\\" + relative; }
    std::wstring Folder(const std::wstring& relative)
    {
        const std::wstring path = Path(relative);
        CreateDirectoryW(path.c_str(), nullptr);
        m_Made.push_back(path);
        return path;
    }
    std::wstring File(const std::wstring& relative)
    {
        const std::wstring path = Path(relative);
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
        m_Made.push_back(path);
        return path;
    }

private:
    std::wstring m_Root;
    std::vector<std::wstring> m_Made;
};

}  // namespace

TEST_CASE("a move is recorded as the highest folder that moved")
{
    CSettingsFixture ini;
    Start(5);
    struct {
        const wchar_t* Old;
        const wchar_t* New;
        int Parents;
        const wchar_t* Entry;  // null: nothing recorded
    } cases[] = {
        {L"D:\\Movies\\a\\clip.mp4", L"E:\\Archive\\a\\clip.mp4", 0, L"D:\\Movies/E:\\Archive"},
        {L"D:\\In\\clip.mp4", L"D:\\In\\renamed.mp4", 0, L"D:\\In\\clip.mp4/D:\\In\\renamed.mp4"},
        {L"D:\\Show\\S1\\", L"E:\\TV\\S1\\", 0, L"D:\\Show/E:\\TV"},
        {L"D:\\x\\one.mp4", L"E:\\y\\two.mp4", 1, L"D:\\x/E:\\y"},
        {L"D:\\same\\a.mp4", L"d:\\SAME\\A.mp4", 0, nullptr},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.Old));
        const int before = g_FileMoveCount;
        CHECK(m_FileMove_Record(c.Old, c.New, 0, c.Parents) == (c.Entry ? 1 : 0));
        if (c.Entry) CHECK(Entry(g_FileMoveCount - 1) == c.Entry);
        if (!c.Entry) CHECK(g_FileMoveCount == before);
    }
}

TEST_CASE("the history keeps MvLog entries, and an equal move becomes the newest")
{
    CSettingsFixture ini;
    Start(2);
    CHECK(m_FileMove_Record(L"C:\\a\\f", L"D:\\a\\g", 0, 0) == 1);
    CHECK(m_FileMove_Record(L"C:\\b\\f", L"D:\\b\\g", 0, 0) == 1);
    // the same move, written in other letter cases, is the same entry
    CHECK(m_FileMove_Record(L"c:\\A\\F", L"d:\\a\\G", 0, 0) == 1);
    REQUIRE(g_FileMoveCount == 2);
    CHECK(Entry(1) == L"C:\\a\\f/D:\\a\\g");
    CHECK(m_FileMove_Record(L"C:\\a\\f", L"D:\\a\\g", 1, 0) == 0);  // already the newest
    CHECK(ini.Get(L"FileMove", L"Count") == L"<none>");

    CHECK(m_FileMove_Record(L"C:\\c\\f", L"D:\\c\\g", 1, 0) == 1);
    REQUIRE(g_FileMoveCount == 2);
    CHECK(Entry(0) == L"C:\\a\\f/D:\\a\\g");
    CHECK(ini.Get(L"FileMove", L"Count") == L"2");
    CHECK(ini.Get(L"FileMove", L"1") == L"C:\\c\\f/D:\\c\\g");

    CHECK(m_FileMove_MoveToEnd(0) == 1);
    CHECK(Entry(1) == L"C:\\a\\f/D:\\a\\g");
    CHECK(m_FileMove_MoveToEnd(1) == 0);
    CHECK(m_FileMove_MoveToEnd(-1) == 0);
}

TEST_CASE("reading caps the count, keeps the third text; writing removes keys past Count")
{
    CSettingsFixture ini;
    std::wstring text = L"[FileMove]\r\nCount=40\r\n0=C:\\a/D:\\a/note\r\n";
    for (int i = 1; i < 40; ++i)
        text += std::to_wstring(i) + L"=C:\\" + std::to_wstring(i) + L"/D:\\x\r\n";
    ini.Write(text.c_str());
    Start(0);
    m_FileMove_Read();
    CHECK(g_FileMoveCount == 0);  // off: not read

    Start(32);
    m_FileMove_Read();
    REQUIRE(g_FileMoveCount == kFileMoveCap);
    CHECK(std::wstring(g_FileMoves[0].Third) == L"note");
    g_FileMoveCount = 3;
    m_FileMove_Write();
    CHECK(ini.Get(L"FileMove", L"Count") == L"3");
    CHECK(ini.Get(L"FileMove", L"0") == L"C:\\a/D:\\a/note");
    CHECK(ini.Get(L"FileMove", L"3") == L"<none>");
    CHECK(ini.Get(L"FileMove", L"39") == L"<none>");
}

TEST_CASE("a path whose names stay alike for 32 cuts is not recorded")
{
    CSettingsFixture ini;
    Start(5);
    std::wstring tail;
    for (int i = 0; i < 33; ++i) tail += L"\\a";
    CHECK(m_FileMove_Record((L"C:\\x" + tail).c_str(), (L"D:\\y" + tail).c_str(), 0, 0) == 0);
    tail.resize(tail.size() - 4);
    CHECK(m_FileMove_Record((L"C:\\x" + tail).c_str(), (L"D:\\y" + tail).c_str(), 0, 0) == 1);
}

TEST_CASE("a missing file is found under the folder it moved to, only when it is there")
{
    CSettingsFixture ini;
    CTree tree(ini.Folder());
    tree.Folder(L"New");
    const std::wstring there = tree.File(L"New\\there.mp4");
    const std::wstring oldFolder = tree.Path(L"Old");
    Start(5);
    REQUIRE(m_FileMove_Record((oldFolder + L"\\there.mp4").c_str(), there.c_str(), 0, 0) == 1);
    CHECK(Entry(0) == oldFolder + L"/" + tree.Path(L"New"));

    wchar_t out[261] = L"";
    int index = -1;
    CHECK(m_FileMove_Find(out, 261, (oldFolder + L"\\there.mp4").c_str(), &index) == 1);
    CHECK(out == there);
    CHECK(index == 0);
    // letter case does not matter to Windows, so not to finding either
    CHECK(m_FileMove_Find(out, 261, (tree.Path(L"OLD") + L"\\THERE.mp4").c_str(), nullptr) == 1);
    CHECK(m_FileMove_Find(out, 261, (oldFolder + L"\\gone.mp4").c_str(), nullptr) == 0);
    // a folder whose name only begins like the moved one did not move
    tree.File(L"New2.mp4");
    CHECK(m_FileMove_Find(out, 261, (oldFolder + L"2.mp4").c_str(), nullptr) == 0);

    g_Settings.Common_MvLog = 0;
    CHECK(m_FileMove_Find(out, 261, (oldFolder + L"\\there.mp4").c_str(), nullptr) == 0);
}

TEST_CASE("relinking missing tracks through the history of recent files")
{
    CSettingsFixture ini;
    CTree tree(ini.Folder());
    tree.Folder(L"Archive");
    tree.Folder(L"Archive\\Show");
    tree.Folder(L"Other");
    const std::wstring moved1 = tree.File(L"Archive\\Show\\01.mp4");
    const std::wstring moved2 = tree.File(L"Archive\\Show\\02.mp4");
    const std::wstring unrelated = tree.File(L"Other\\intro.mp4");
    const std::wstring old1 = tree.Path(L"Show\\01.mp4");
    const std::wstring old2 = tree.Path(L"Show\\02.mp4");
    const std::wstring oldIntro = tree.Path(L"Show\\intro.mp4");
    Start(8);
    m_Playlist_ClearTracks();
    m_Recent_ClearRecords();
    g_ListModified = 0;
    for (const std::wstring& t : {old1, old2, oldIntro}) m_Playlist_AddTrack(t.c_str());
    // intro.mp4 of another folder was played before the track's own file
    for (const std::wstring& r : {unrelated, oldIntro, old1, moved1}) m_Recent_AddRecord(r.c_str());

    SUBCASE("the moved folder is recorded and every track in it found")
    {
        m_FileMove_RelinkPlaylist();
        CHECK(m_Playlist_GetTrackPath(0) == moved1);
        CHECK(m_Playlist_GetTrackPath(1) == moved2);
        CHECK(m_Playlist_GetTrackPath(2) == oldIntro);  // not taken for another file's name
        CHECK(g_ListModified == 1);
        CHECK(ini.Get(L"FileMove", L"Count") == L"1");
        // the highest folder that moved: the fixture's folder into Archive
        CHECK(ini.Get(L"FileMove", L"0") ==
              std::wstring(ini.Folder()) + L"/" + tree.Path(L"Archive"));
        CHECK(m_Recent_GetRecordState(3) == RECENT_EXISTS);
    }
    SUBCASE("a file of the list itself is not another track's new place")
    {
        m_Playlist_ClearTracks();
        m_Playlist_AddTrack(tree.Path(L"Gone\\intro.mp4").c_str());
        m_Playlist_AddTrack(unrelated.c_str());
        m_Recent_ClearRecords();
        m_Recent_AddRecord(unrelated.c_str());
        m_FileMove_RelinkPlaylist();
        CHECK(m_Playlist_GetTrackPath(0) == tree.Path(L"Gone\\intro.mp4"));
        CHECK(g_ListModified == 0);
        CHECK(ini.Get(L"FileMove", L"Count") == L"<none>");
    }
    SUBCASE("nothing while the history is off")
    {
        g_Settings.Common_MvLog = 0;
        m_FileMove_RelinkPlaylist();
        CHECK(m_Playlist_GetTrackPath(0) == old1);
        CHECK(g_ListModified == 0);
    }
    m_Playlist_ClearTracks();
    m_Recent_ClearRecords();
}
