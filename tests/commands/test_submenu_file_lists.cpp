// The file menus built from the player's state in memory: chapter, range
// and marker texts, the volume steps, the seek-bar, chapter, range, marker,
// all-files and playlist menus, their limits, and the updates of an open
// popup.
#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <strsafe.h>
#include <memory>
#include <string>
#include <vector>

#include "../settings/SettingsFixture.h"
#include "TempFolder.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/ToolWindowPlacement.h"
#include "commands/MenuItemData.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

using PopupPtr = std::unique_ptr<CMenuPlus>;

constexpr UINT kNoImage = static_cast<UINT>(-1);

struct CListsFixture : CSettingsFixture {
    CListsFixture()
    {
        Reset();
        g_PlaylistView.bNumber = 1;
        g_PlaylistView.bExtension = 1;
        g_PlaylistView.bOmit = 0;
    }
    ~CListsFixture() { Reset(); }
    void Reset()
    {
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_CheckMode = 0;
        g_MediaOpen = 0;
        g_PlayStarted = 0;
        g_PlayHeld = 0;
        g_PlayingChapters = nullptr;
        g_ChapterCount = 0;
        g_CurrentChapter = 0;
        g_PlaylistChap = 2;
        g_PlayRangeOn = 0;
        g_PlayRangeIndex = -1;
        g_DurationMs = 0;
        m_FileInfo_Clear(&g_FileInfo);
        g_PlayingTrack = -1;
        g_ListType = 0;
        g_ListPath[0] = 0;
        g_ListModified = 0;
    }
    // A playing file with the chapters given as start and length in seconds.
    void Chapters(std::vector<std::pair<double, double>> list)
    {
        m_Chapters.assign(list.size(), SCHAPTERITEM{});
        for (size_t i = 0; i < list.size(); ++i) {
            m_Chapters[i].Start = list[i].first;
            m_Chapters[i].Length = list[i].second;
        }
        g_MediaOpen = 1;
        g_PlayingChapters = m_Chapters.data();
        g_ChapterCount = static_cast<int>(list.size());
    }
    static STRACKINFO& Track(const wchar_t* path, INT64 ms)
    {
        g_Playlist.m_AppendTrack(path);
        STRACKINFO& t = *g_Playlist.m_GetTrack(g_Playlist.m_GetCount() - 1);
        t.Milliseconds = ms;
        return t;
    }
    static void Ranges(STRACKINFO& t, int count)
    {
        t.Ranges = new SPLAYRANGEITEM[count]();
        t.RangeCount = count;
        for (int k = 0; k < count; ++k) t.Ranges[k] = {k * 1000, k * 1000 + 500, {}};
    }
    std::vector<SCHAPTERITEM> m_Chapters;
};

PopupPtr Build(UINT menuId) { return PopupPtr(m_Menu_BuildFileList(menuId)); }

std::vector<UINT> Ids(const CMenuPlus* popup)
{
    std::vector<UINT> ids;
    for (int i = 0; popup && i < popup->m_GetItemCount(); ++i)
        ids.push_back(popup->m_GetItemIdAt(i));
    return ids;
}

SMENUITEM ItemAt(const CMenuPlus* popup, int index)
{
    SMENUITEM it = {};
    popup->m_GetItem(&it, index);
    return it;
}

SMENUITEM ItemById(const CMenuPlus* popup, UINT id)
{
    SMENUITEM it = {};
    REQUIRE(popup->m_GetItemById(&it, id));
    return it;
}

std::wstring Text(const CMenuPlus* popup, UINT id) { return ItemById(popup, id).Text; }

std::wstring ChapterText(int index)
{
    wchar_t out[kMenuNameCap];
    m_Menu_FormatChapterText(out, kMenuNameCap, index);
    return out;
}

}  // namespace

TEST_CASE_FIXTURE(CListsFixture, "chapter texts by Chap, below and from one hour")
{
    const struct {
        int mode, index;
        const wchar_t* text;
    } shortFile[] = {
        {0, 1, L"2, CHAPTER 2\t1:05"},          {1, 1, L"2, CHAPTER 2\t1:00"},
        {2, 1, L"2, CHAPTER 2 (1:00)\t1:05"},   {3, 1, L"2, [01:05] CHAPTER 2\t1:00"},
        {7, 2, L"3, [02:05] CHAPTER 3\t16:40"}, {2, 2, L"3, CHAPTER 3 (16:40)\t2:05"},
    };
    Chapters({{0, 65.4}, {65.4, 59.6}, {125.0, 1000.0}});
    for (const auto& c : shortFile) {
        CAPTURE(c.mode);
        g_PlaylistChap = c.mode;
        CHECK(ChapterText(c.index) == c.text);
    }
    // The last chapter starts after one hour: every start of mode 3 has hours.
    const struct {
        int mode, index;
        const wchar_t* text;
    } longFile[] = {
        {0, 1, L"2, CHAPTER 2\t1:00:00"},           {1, 0, L"1, CHAPTER 1\t1:00:00"},
        {2, 1, L"2, CHAPTER 2 (1:02:05)\t1:00:00"}, {3, 0, L"1, [0:00:00] CHAPTER 1\t1:00:00"},
        {3, 2, L"3, [2:02:06] CHAPTER 3\t0:10"},
    };
    Chapters({{0, 3600.4}, {3600.4, 3725.2}, {7325.6, 10}});
    for (const auto& c : longFile) {
        CAPTURE(c.mode);
        g_PlaylistChap = c.mode;
        CHECK(ChapterText(c.index) == c.text);
    }
    // One named chapter names them all by their own names.
    lstrcpynW(m_Chapters[1].Name, L"オープニング", kChapterNameCap);
    g_PlaylistChap = 1;
    CHECK(ChapterText(1) == L"2, オープニング\t1:02:05");
    CHECK(ChapterText(0) == L"1, \t1:00:00");
    // Outside the list, or without a file: empty.
    CHECK(ChapterText(3) == L"");
    g_MediaOpen = 0;
    CHECK(ChapterText(0) == L"");
}

TEST_CASE_FIXTURE(CListsFixture,
                  "volume menu: 100 down to 0, item 50 checked from 49.5 % to below 50.5 %")
{
    PopupPtr p = Build(2309);
    REQUIRE(p);
    std::vector<UINT> want = {4224};
    for (int percent = 100; percent >= 0; percent -= 10)
        want.push_back(kMenuVolumeFirstId + percent);
    CHECK(Ids(p.get()) == want);
    CHECK(m_Menu_Remembered(2309) == p.get());
    const struct {
        int volume, checked;
    } cases[] = {{4949, 0}, {4950, 1}, {5049, 1}, {5050, 0}};
    for (const auto& c : cases) {
        CAPTURE(c.volume);
        g_MainWindowState.nVolume = c.volume;
        PopupPtr q = Build(2309);
        const SMENUITEM it = ItemById(q.get(), kMenuVolumeFirstId + 50);
        CHECK(std::wstring(it.Text) == L"50%");
        CHECK(it.CheckKind == MENUCHECK_RADIO);
        CHECK(it.Checked == static_cast<UINT>(c.checked));
    }
}

TEST_CASE_FIXTURE(CListsFixture, "range and marker menus: texts, open ends, the active range")
{
    g_MediaOpen = 1;
    g_DurationMs = 3725000;
    g_FileInfo.RangeCount = 2;
    g_FileInfo.Ranges[0] = {1000, 61000, {}};
    g_FileInfo.Ranges[1] = {-1, -1, L"全体"};
    g_FileInfo.MarkerCount = 2;
    g_FileInfo.Markers[0] = {5000, {}};
    g_FileInfo.Markers[1] = {3725000, L"終わり"};
    g_PlayRangeOn = 1;
    g_PlayRangeIndex = 1;

    PopupPtr ranges = Build(2336);
    REQUIRE(ranges);
    CHECK(Ids(ranges.get()) ==
          std::vector<UINT>{2050, 37168, 37169, 255, 2337, 255, 4402, 4400, 4401, 4399, 255, 2345});
    CHECK(Text(ranges.get(), 37168) == L"1, 0:01 - 1:01\t1:00");
    CHECK(Text(ranges.get(), 37169) == L"2, 0:00 - 1:02:05(En) / 全体\t1:02:05");
    const SMENUITEM active = ItemById(ranges.get(), 37169);
    CHECK(active.CheckKind == MENUCHECK_RADIO);
    CHECK(active.Checked == 1);
    CHECK(active.PlainShortcut == 1);
    CHECK(m_Menu_GetItemHover(&active) == 1);
    CHECK(ItemById(ranges.get(), 37168).Checked == 0);
    CHECK(m_Menu_Remembered(2336) == ranges.get());

    PopupPtr markers = Build(2338);
    REQUIRE(markers);
    CHECK(Ids(markers.get()) == std::vector<UINT>{2051, 37368, 37369, 255, 2339, 255, 4408});
    CHECK(Text(markers.get(), 37368) == L"1, 0:05");
    CHECK(Text(markers.get(), 37369) == L"2, 1:02:05 / 終わり");
    // No markers: no items and no separator for them.
    g_FileInfo.MarkerCount = 0;
    PopupPtr empty = Build(2338);
    CHECK(Ids(empty.get()) == std::vector<UINT>{2051, 2339, 255, 4408});
}

TEST_CASE_FIXTURE(CListsFixture,
                  "seek-bar menu: each list closed by a thin separator only when it has items")
{
    PopupPtr none = Build(2333);
    REQUIRE(none);
    REQUIRE(none->m_GetItemCount() == 1);
    CHECK(std::wstring(ItemAt(none.get(), 0).Text) == L"ファイルが開かれていません");
    CHECK(ItemAt(none.get(), 0).Disabled == 1);

    g_MediaOpen = 1;
    const std::vector<UINT> bare = {4358, 2049, 4357, 4377, 4396, 2050, 4402, 4400, 4401, 4399,
                                    253,  2345, 4406, 2051, 4408, 255,  4426, 4427, 255,  4431};
    PopupPtr p = Build(2333);
    CHECK(Ids(p.get()) == bare);

    Chapters({{0, 10}, {10, 10}});
    g_DurationMs = 20000;
    g_FileInfo.RangeCount = 1;
    g_FileInfo.Ranges[0] = {0, 5000, {}};
    g_FileInfo.MarkerCount = 1;
    g_FileInfo.Markers[0] = {7000, {}};
    p = Build(2333);
    const std::vector<UINT> full = {4358,  2049,  36768, 36769, 253,  4357, 4377, 4396, 2050,
                                    37168, 253,   4402,  4400,  4401, 4399, 253,  2345, 4406,
                                    2051,  37368, 253,   4408,  255,  4426, 4427, 255,  4431};
    CHECK(Ids(p.get()) == full);
    CHECK(m_Menu_Remembered(2333) == p.get());

    // The open menu follows: the lists go with their separators and come back.
    g_ChapterCount = 0;
    g_FileInfo.RangeCount = 0;
    g_FileInfo.MarkerCount = 0;
    m_Menu_UpdateSeekBarMenu();
    CHECK(Ids(p.get()) == bare);
    Chapters({{0, 10}, {10, 10}});
    g_FileInfo.RangeCount = 1;
    g_FileInfo.MarkerCount = 1;
    m_Menu_UpdateSeekBarMenu();
    CHECK(Ids(p.get()) == full);
}

TEST_CASE_FIXTURE(CListsFixture, "chapter menu: playing image, hover words and check kinds")
{
    PopupPtr none = Build(2335);
    REQUIRE(none);
    CHECK(none->m_MenuId == 0u);
    REQUIRE(none->m_GetItemCount() == 1);
    CHECK(std::wstring(ItemAt(none.get(), 0).Text) == L"ファイルが開かれていません");

    Chapters({{0, 10}, {10, 10}, {20, 10}});
    g_Playlist.m_AppendTrack(L"C:\\v\\a.mp4");
    g_PlayingTrack = 0;
    g_Playlist.m_GetTrack(0)->ChapterUnchecked[2] = 1;
    g_CurrentChapter = 1;
    g_PlayStarted = 1;
    PopupPtr p = Build(2335);
    CHECK(Ids(p.get()) == std::vector<UINT>{4358, 2049, 36768, 36769, 36770, 255, 4357, 4377});
    const struct {
        UINT id, image;
        int hover;
    } cases[] = {{36768, kNoImage, -1}, {36769, 1, 1}, {36770, kNoImage, 1}};
    for (const auto& c : cases) {
        CAPTURE(c.id);
        const SMENUITEM it = ItemById(p.get(), c.id);
        CHECK(it.HasIcon == 1);
        CHECK(it.IconIndex == c.image);
        CHECK(it.IconSize == 18u);
        CHECK(it.PlainShortcut == 1);
        CHECK(m_Menu_GetItemHover(&it) == c.hover);
        CHECK(it.CheckKind == 3u);
    }
    // Held: image 2; with check boxes a toggle that is off for an excluded chapter.
    g_PlayHeld = 1;
    g_Playlist.m_CheckMode = 1;
    m_Menu_UpdateChapters(p.get(), 1, 0);
    CHECK(ItemById(p.get(), 36769).IconIndex == 2u);
    CHECK(ItemById(p.get(), 36768).CheckKind == MENUCHECK_BOX);
    CHECK(ItemById(p.get(), 36768).Checked == 1);
    CHECK(ItemById(p.get(), 36770).Checked == 0);
    // A single chapter keeps hover word 1.
    Chapters({{0, 10}});
    p = Build(2335);
    const SMENUITEM only = ItemById(p.get(), 36768);
    CHECK(m_Menu_GetItemHover(&only) == 1);
}

TEST_CASE_FIXTURE(CListsFixture,
                  "playlist menu: caption by list type, row texts, playing image, check mode")
{
    PopupPtr empty = Build(2318);
    REQUIRE(empty);
    CHECK(Ids(empty.get()) == std::vector<UINT>{0, 255, 4346});
    CHECK(std::wstring(ItemAt(empty.get(), 0).Text) ==
          L"プレイリストにファイルが登録されていません");
    CHECK(ItemAt(empty.get(), 0).Disabled == 1);

    Track(L"C:\\v\\a.mp4", 65000);
    Track(L"C:\\v\\b.mkv", 3725000).Unchecked = 1;
    Track(L"C:\\v\\c.avi", 0);
    g_ListType = LIST_ZVPL;
    lstrcpynW(g_ListPath, L"C:\\lists\\my.zvpl", MAX_PATH + 1);
    g_ListModified = 1;
    g_MediaOpen = 1;
    g_PlayStarted = 1;
    g_PlayingTrack = 1;
    PopupPtr p = Build(2318);
    CHECK(Ids(p.get()) == std::vector<UINT>{35768, 2052, 35769, 35770, 35771, 255, 4346});
    const SMENUITEM caption = ItemById(p.get(), 35768);
    CHECK(std::wstring(caption.Text) == L" *my.zvpl");
    CHECK(caption.Kind == static_cast<UINT>(MENUKIND_HEADING));
    CHECK(caption.IconIndex == 33u);
    CHECK(Text(p.get(), 35769) == L"1, a.mp4\t1:05");
    CHECK(Text(p.get(), 35770) == L"2, b.mkv\t1:02:05");
    CHECK(Text(p.get(), 35771) == L"3, c.avi");
    const SMENUITEM playing = ItemById(p.get(), 35770);
    CHECK(playing.IconIndex == 1u);
    CHECK(playing.IconSize == 18u);
    CHECK(playing.PlainShortcut == 1);
    CHECK(m_Menu_GetItemHover(&playing) == 1);
    CHECK(playing.CheckKind == 3u);
    CHECK(ItemById(p.get(), 35769).IconIndex == kNoImage);
    CHECK(m_Menu_Remembered(2318) == p.get());

    // Paused and in check mode, renewed in place.
    g_PlayHeld = 1;
    g_Playlist.m_CheckMode = 1;
    m_Menu_UpdatePlaylist(p.get(), 1, 0);
    CHECK(ItemById(p.get(), 35770).IconIndex == 2u);
    CHECK(ItemById(p.get(), 35770).CheckKind == MENUCHECK_BOX);
    CHECK(ItemById(p.get(), 35770).Checked == 0);
    CHECK(ItemById(p.get(), 35769).Checked == 1);

    const struct {
        UINT type;
        const wchar_t* path;
        const wchar_t* caption;  // null: none
    } captions[] = {{LIST_FOLDERLIST, L"C:\\music\\jazz", L" jazz (ZVPL)"},
                    {LIST_UNSAVED, L"", L"PLAYLIST"},
                    {LIST_SINGLE, L"C:\\v\\a.mp4", nullptr}};
    for (const auto& c : captions) {
        CAPTURE(c.type);
        g_ListType = c.type;
        lstrcpynW(g_ListPath, c.path, MAX_PATH + 1);
        PopupPtr q = Build(2318);
        if (c.caption)
            CHECK(Text(q.get(), 35768) == c.caption);
        else
            CHECK(q->m_GetItemIdAt(0) == static_cast<UINT>(kMenuAnchorTracks));
    }
}

TEST_CASE_FIXTURE(CListsFixture,
                  "1000 tracks all listed; the 1000th keeps the id it shares with chapter 0")
{
    for (int i = 0; i < kPlaylistTrackCap; ++i) {
        wchar_t path[32];
        StringCchPrintfW(path, 32, L"C:\\v\\%d.mp4", i);
        Track(path, 0);
    }
    g_ListType = LIST_ZVPL;
    PopupPtr p = Build(2318);
    REQUIRE(p);
    const int count = p->m_GetItemCount();
    REQUIRE(count == kPlaylistTrackCap + 4);
    CHECK(p->m_GetItemIdAt(count - 3) == kMenuChapterFirstId);
    CHECK(Text(p.get(), kMenuChapterFirstId) == L"1000, 999.mp4");
    CHECK(p->m_GetItemIdAt(count - 1) == 4346u);
    // Listing again after the anchor keeps every track and what follows.
    m_Menu_UpdatePlaylist(p.get(), 0, 0);
    CHECK(p->m_GetItemCount() == count);
    CHECK(p->m_GetItemIdAt(count - 1) == 4346u);
}

TEST_CASE_FIXTURE(CListsFixture, "lists stop at their limits")
{
    std::vector<std::pair<double, double>> many(250, {0.0, 1.0});
    for (size_t i = 0; i < many.size(); ++i) many[i].first = static_cast<double>(i);
    Chapters(many);
    // A count beyond the record's room is read only as far as the room goes.
    g_FileInfo.RangeCount = 500;
    g_FileInfo.MarkerCount = 500;
    PopupPtr p = Build(2333);
    const std::vector<UINT> ids = Ids(p.get());
    const auto within = [&](UINT first) {
        int n = 0;
        for (UINT id : ids) n += id >= first && id < first + 200 ? 1 : 0;
        return n;
    };
    CHECK(within(kMenuChapterFirstId) == kMenuMaxMarks);
    CHECK(within(kMenuRangeFirstId) == kMenuMaxMarks);
    CHECK(within(kMenuMarkerFirstId) == kMenuMaxMarks);
    CHECK(ChapterText(kMenuMaxMarks) == L"");

    // All files: 300 entries at most, over two tracks.
    STRACKINFO& a = Track(L"C:\\v\\a.mp4", 60000);
    Ranges(a, kMenuMaxMarks);
    STRACKINFO& b = Track(L"C:\\v\\b.mp4", 60000);
    Ranges(b, kMenuMaxMarks);
    PopupPtr all = Build(2337);
    REQUIRE(all);
    CHECK(all->m_GetItemCount() == 2 + kMenuMaxAllFiles);
    const SMENUITEM last = ItemAt(all.get(), all->m_GetItemCount() - 1);
    CHECK(last.Id == kMenuAllRangesFirstId + kMenuMaxAllFiles - 1);
    CHECK(m_Menu_GetItemData(&last) == 1000u + (kMenuMaxAllFiles - kMenuMaxMarks - 1));
}

TEST_CASE_FIXTURE(CListsFixture,
                  "all files: a caption per track with entries, data words, none gives no menu")
{
    STRACKINFO& a = Track(L"C:\\v\\a.mp4", 60000);
    Ranges(a, 2);
    Track(L"C:\\v\\b.mp4", 60000);
    STRACKINFO& c = Track(L"C:\\v\\c.avi", 90000);
    Ranges(c, 1);
    c.Ranges[0] = {-1, -1, {}};
    g_PlayingTrack = 2;
    PopupPtr p = Build(2337);
    REQUIRE(p);
    CHECK(Ids(p.get()) == std::vector<UINT>{0, 37768, 37769, 0, 37770});
    const SMENUITEM first = ItemAt(p.get(), 0);
    CHECK(std::wstring(first.Text) == L"01, a.mp4");
    CHECK(first.Kind == static_cast<UINT>(MENUKIND_HEADING));
    CHECK(first.HasIcon == 0);
    const SMENUITEM third = ItemAt(p.get(), 3);
    CHECK(std::wstring(third.Text) == L"03, c.avi");
    CHECK(third.HasIcon == 1);
    CHECK(third.IconIndex == 1u);
    const SMENUITEM open = ItemById(p.get(), 37770);
    CHECK(std::wstring(open.Text) == L"1, 0:00 - 1:30(En)\t1:30");
    CHECK(open.PlainShortcut == 1);
    CHECK(m_Menu_GetItemData(&open) == 2000u);
    const SMENUITEM second = ItemById(p.get(), 37769);
    CHECK(m_Menu_GetItemData(&second) == 1u);
    // Markers: no track has any.
    CHECK(m_Menu_BuildFileList(2339) == nullptr);
    CHECK(m_Menu_BuildFileList(2340) == nullptr);
}

TEST_CASE_FIXTURE(CListsFixture, "stream menu without an engine says so")
{
    g_MediaOpen = 1;
    PopupPtr p = Build(2326);
    REQUIRE(p);
    REQUIRE(p->m_GetItemCount() == 1);
    CHECK(std::wstring(ItemAt(p.get(), 0).Text) == L"ストリームが取得できませんでした");
    CHECK(ItemAt(p.get(), 0).Disabled == 1);
    // The seek-bar menu then has no stream part.
    PopupPtr bar = Build(2333);
    CHECK(bar->m_GetItemIdAt(0) == 4358u);
}

namespace {

// The test source module, registered for this test's prefix while it lives.
class CTestSourceModule {
public:
    CTestSourceModule()
    {
        wchar_t path[MAX_PATH];
        const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring dll(path, n);
        dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"TestSourceFilter.dll";
        m_Module = LoadLibraryW(dll.c_str());
        if (m_Module) m_Registered = SUCCEEDED(m_Call("DllRegisterServer"));
    }
    ~CTestSourceModule()
    {
        if (m_Registered) m_Call("DllUnregisterServer");
        if (m_Module) FreeLibrary(m_Module);
    }
    bool m_Ready() const { return m_Registered; }

private:
    HRESULT m_Call(const char* name)
    {
        using Fn = HRESULT(WINAPI*)();
        auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_Module, name)));
        return fn ? fn() : E_FAIL;
    }
    HMODULE m_Module = nullptr;
    bool m_Registered = false;
};

bool WriteClip(const std::wstring& path, const char* text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(strlen(text));
    const BOOL ok = WriteFile(file, text, size, &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

}  // namespace

TEST_CASE_FIXTURE(CListsFixture,
                  "stream menu of the test source: kind prefixes dropped, images by kind")
{
    REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    CTestSourceModule module;
    REQUIRE(module.m_Ready());
    CTempFolder folder;
    const std::wstring clip = folder.Join(L"streams.zvsrc");
    const char* desc =
        "ZVSRC\nduration 10\npicture 64 36 FFFFFF 25\n"
        "stream video 0 0 1 V: Main\n"
        "stream audio 1033 1 1 A: English\n"
        "stream audio 1041 1 0 Japanese\n"
        "stream subtitle 1041 2 1 S: Signs\n";
    REQUIRE(WriteClip(clip, desc));
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 64, 36, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    {
        CVideoRenderer engine;
        g_VideoRenderer = &engine;
        engine.m_VR_SetWindows(window, window);
        const HRESULT hr = engine.m_VR_Open(clip.c_str(), 4, L"", 15);
        CAPTURE(hr);
        REQUIRE(SUCCEEDED(hr));
        g_MediaOpen = 1;

        PopupPtr p = Build(2326);
        CHECK(Ids(p.get()) == std::vector<UINT>{2053, 35168, 35169, 35170, 35171, 255, 4354});
        const struct {
            UINT id;
            const wchar_t* text;
            UINT image, group, checked;
        } cases[] = {{35168, L"Main", 20, 1, 1},
                     {35169, L"English", 21, 2, 1},
                     {35170, L"Japanese", 21, 2, 0},
                     {35171, L"Signs", 22, 3, 1}};
        for (const auto& c : cases) {
            CAPTURE(c.id);
            const SMENUITEM it = ItemById(p.get(), c.id);
            CHECK(std::wstring(it.Text) == c.text);
            CHECK(it.HasIcon == 1);
            CHECK(it.IconIndex == c.image);
            CHECK(it.IconSize == 20u);
            CHECK(it.CheckKind == MENUCHECK_RADIO);
            CHECK(it.RadioGroup == c.group);
            CHECK(it.Checked == c.checked);
        }
        // Two audio streams: the seek-bar menu ends its stream part with 253 and 4354.
        PopupPtr bar = Build(2333);
        const std::vector<UINT> ids = Ids(bar.get());
        REQUIRE(ids.size() > 9);
        CHECK(std::vector<UINT>(ids.begin(), ids.begin() + 9) ==
              std::vector<UINT>{4351, 2053, 35168, 35169, 35170, 35171, 253, 4354, 4358});
        engine.m_VR_Close();

        // 20 streams: the first 16 are listed.
        std::string many = "ZVSRC\nduration 10\npicture 64 36 FFFFFF 25\nstream video 0 0 1 V\n";
        for (int i = 1; i < 20; ++i) many += "stream other 0 " + std::to_string(i + 5) + " 1 X\n";
        REQUIRE(WriteClip(clip, many.c_str()));
        REQUIRE(SUCCEEDED(engine.m_VR_Open(clip.c_str(), 4, L"", 15)));
        PopupPtr capped = Build(2326);
        CHECK(capped->m_GetItemCount() == kMenuMaxStreams + 3);
        CHECK(capped->m_GetItemIdAt(kMenuMaxStreams) == kMenuStreamFirstId + kMenuMaxStreams - 1);
        CHECK(ItemById(capped.get(), kMenuStreamFirstId + 1).IconIndex == 23u);
        engine.m_VR_Close();
        g_VideoRenderer = nullptr;
    }
    DestroyWindow(window);
    CoUninitialize();
}
