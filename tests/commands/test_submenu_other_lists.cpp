// The other dynamic menus built by id: history lists, audio devices and a
// device's own menus, jump-list layouts, capture presets, assign chapter,
// options pages and the graph's filters with their property-page thread.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../settings/SettingsFixture.h"
#include "../support/GdiplusScope.h"
#include "commands/MenuItemData.h"
#include "commands/CommandHandlers.h"
#include "commands/MenuCommands.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuFilters.h"
#include "controls/MenuMessages.h"
#include "controls/MenuPlus.h"
#include "filedata/ChapterTracking.h"
#include "jumplist/JumpListLayouts.h"
#include "jumplist/JumpListState.h"
#include "library/Favorites.h"
#include "library/RecentRecords.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceWait.h"
#include "playback/PlayState.h"

namespace {

// The main window the popups are made for.
HWND MainStandIn()
{
    static HWND s_Main = nullptr;
    if (s_Main) return s_Main;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvListsTestMain";
    RegisterClassExW(&wc);
    s_Main = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             wc.hInstance, nullptr);
    return s_Main;
}

struct CListsFixture : CSettingsFixture {
    CGdiplusScope m_Gdiplus;
    CListsFixture()
    {
        g_hWndMain = MainStandIn();
        g_Settings.Common_Tip = 15;
        g_Settings.Menu_Rct = 25;
        g_Settings.Common_AudDsc[2] = 60;
        Reset();
    }
    ~CListsFixture()
    {
        for (CMenuPlus* popup : m_Popups) delete popup;
        Reset();
    }
    static void Reset()
    {
        m_pBind = nullptr;
        m_nBindCount = 0;
        g_MediaOpen = 0;
        g_MediaKind = 0;
        g_ChapterCount = 0;
        g_PlayingChapters = nullptr;
        g_JumpListShown = g_JumpListEmpty = 0;
        g_JumpListViewState.BlockChapter = -1;
        g_JumpListLayoutCount = 0;
        g_CaptureSettings = nullptr;
        g_CaptureCount = 0;
        g_AudioDevices = SAUDIODEVICES{};
        g_AudioDeviceName[0] = 0;
        m_AudioDevice_ClearWait();
        g_MenuDeviceNumber = -1;
        m_Recent_ClearRecords();
        m_Menu_ReleaseFilters();
    }
    CMenuPlus* Build(UINT menuId)
    {
        CMenuPlus* popup = m_Menu_BuildOtherList(menuId);
        if (popup) m_Popups.push_back(popup);
        return popup;
    }
    std::vector<CMenuPlus*> m_Popups;
};

std::vector<SMENUITEM> Items(const CMenuPlus* popup)
{
    std::vector<SMENUITEM> items;
    for (int i = 0; popup && i < popup->m_GetItemCount(); ++i) {
        SMENUITEM item;
        if (popup->m_GetItem(&item, i)) items.push_back(item);
    }
    return items;
}

std::vector<UINT> Ids(const CMenuPlus* popup)
{
    std::vector<UINT> ids;
    for (const SMENUITEM& item : Items(popup)) ids.push_back(item.Id);
    return ids;
}

SMENUITEM ItemOf(const CMenuPlus* popup, UINT id)
{
    SMENUITEM item = {};
    REQUIRE(popup->m_GetItemById(&item, id));
    return item;
}

std::wstring Format(int index, int withFlags)
{
    wchar_t text[128];
    m_Menu_FormatAudioDevice(text, ARRAYSIZE(text), index, withFlags);
    return text;
}

void AddDevice(const wchar_t* name, int number, int present)
{
    SAUDIODEVICE& d = g_AudioDevices.Items[g_AudioDevices.Count++];
    d = SAUDIODEVICE{};
    lstrcpynW(d.Name, name, ARRAYSIZE(d.Name));
    d.Number = number;
    d.Present = present;
}

SFUNCTIONBIND Bind(int function, int param, const wchar_t* arg, WORD key)
{
    SFUNCTIONBIND b = {};
    b.Enabled = 1;
    b.Function = function;
    b.Param = param;
    lstrcpynW(b.Arg, arg, ARRAYSIZE(b.Arg));
    b.Key = key;
    return b;
}

void AddRecord(const wchar_t* path, int minutes = 0, int pin = 0)
{
    REQUIRE(m_Recent_AddRecord(path));
    SRECENTITEM* record = m_Recent_GetRecord(m_Recent_GetRecordCount() - 1);
    record->Minutes = minutes;
    record->Pin = pin;
}

}  // namespace

TEST_CASE_FIXTURE(CListsFixture, "audio device texts with their flags")
{
    AddDevice(L"Speakers", 1, 1);
    AddDevice(L"Headphones", 0, 1);
    AddDevice(L"HDMI", 3, 0);
    struct SCASE {
        int Offset, Skip, Lock;
        const wchar_t* Configured;
        const wchar_t* Awaited;
        const wchar_t* Expected;
    };
    const SCASE cases[] = {
        {0, 0, 0, L"", L"", L"1 : Speakers"},
        {10, 0, 0, L"", L"", L"1 : Speakers [+10%]"},
        {-5, 0, 0, L"", L"", L"1 : Speakers [-5%]"},
        {0, 0, 0, L"Speakers", L"", L"1 : Speakers [DEF]"},
        {0, 1, 0, L"", L"", L"1 : Speakers [SKIP]"},
        {0, 0, 1, L"", L"", L"1 : Speakers [Lock]"},
        {0, 0, 0, L"", L"Speakers", L"1 : Speakers [Wait]"},
        {25, 1, 1, L"Speakers", L"Speakers", L"1 : Speakers [+25%][DEF][SKIP][Lock][Wait]"},
        {0, 0, 0, L"HDMI", L"HDMI", L"1 : Speakers"},
    };
    for (const SCASE& c : cases) {
        CAPTURE(c.Expected);
        SAUDIODEVICE& d = g_AudioDevices.Items[0];
        d.Offset = c.Offset;
        d.Skip = c.Skip;
        d.Lock = c.Lock;
        lstrcpynW(g_Settings.Common_Audio, c.Configured, ARRAYSIZE(g_Settings.Common_Audio));
        m_AudioDevice_ClearWait();
        if (c.Awaited[0]) m_AudioDevice_SetWait(c.Awaited, 0, 1);
        CHECK(Format(1, 1) == c.Expected);
        CHECK(Format(1, 0) == L"1 : Speakers");
    }
    // Without a number the name stands alone; the default names [DEF] only
    // while no device is configured.
    CHECK(Format(2, 1) == L"Headphones");
    g_Settings.Common_Audio[0] = 0;
    CHECK(Format(0, 1) == L"0 : システムデフォルト [DEF]");
    CHECK(Format(0, 0) == L"0 : システムデフォルト");
    lstrcpynW(g_Settings.Common_Audio, L"HDMI", 8);
    CHECK(Format(0, 1) == L"0 : システムデフォルト");
    // Devices that are not in the table give no text.
    CHECK(Format(4, 1).empty());
    CHECK(Format(15, 1).empty());
    CHECK(Format(-1, 1).empty());
}

TEST_CASE_FIXTURE(CListsFixture, "the device list after its anchor, renewed in place")
{
    CMenuPlus popup;
    m_Menu_AddCommand(&popup, 4216, -1);
    m_Menu_AddCommand(&popup, kMenuAnchorDevices, -1);
    m_Menu_AddCommand(&popup, 255, -1);
    AddDevice(L"Speakers", 1, 1);
    AddDevice(L"USB", 2, 0);
    AddDevice(L"HDMI", 3, 0);
    lstrcpynW(g_AudioDeviceName, L"Speakers", 16);
    // USB is awaited within the wait time, HDMI since long ago.
    m_AudioDevice_SetWait(L"USB", 0, 1);

    m_Menu_UpdateAudioDevices(&popup, 1, m_Menu_AfterAnchor(&popup, kMenuAnchorDevices));
    CHECK(Ids(&popup) == std::vector<UINT>{4216, kMenuAnchorDevices, 34878, 34879, 34880, 34881, 255});
    const SMENUITEM def = ItemOf(&popup, 34878);
    CHECK(std::wstring(def.Text) == L"0 : システムデフォルト [DEF]");
    CHECK(def.CheckKind == MENUCHECK_RADIO);
    CHECK(def.Checked == 0);
    CHECK(def.ContextMenu == 1);
    CHECK(ItemOf(&popup, 34879).Checked == 1);
    CHECK(ItemOf(&popup, 34879).Disabled == 0);
    const SMENUITEM usb = ItemOf(&popup, 34880);
    CHECK(usb.Disabled == 1);
    CHECK(usb.Checked == 1);
    CHECK(std::wstring(usb.Text) == L"2 : USB [Wait]");

    // The wait outlived [Common] "AudDsc": it ends and the item is left
    // unchecked.
    g_AudioDeviceWait.Tick = GetTickCount() - 120000;
    g_AudioDeviceName[0] = 0;
    m_Menu_UpdateAudioDevices(&popup, 0, -1);
    CHECK(popup.m_GetItemCount() == 7);
    CHECK(ItemOf(&popup, 34880).Checked == 0);
    CHECK(std::wstring(ItemOf(&popup, 34880).Text) == L"2 : USB");
    CHECK(g_AudioDeviceWait.Waiting == 0);
    CHECK(ItemOf(&popup, 34878).Checked == 1);
    CHECK(ItemOf(&popup, 34879).Checked == 0);
}

TEST_CASE_FIXTURE(CListsFixture, "at most 15 devices take item ids")
{
    for (int i = 0; i < 20; ++i) {
        wchar_t name[16];
        wsprintfW(name, L"Device %d", i + 1);
        AddDevice(name, 0, 1);
    }
    CMenuPlus popup;
    m_Menu_UpdateAudioDevices(&popup, 1, -1);
    const std::vector<UINT> ids = Ids(&popup);
    REQUIRE(ids.size() == 16u);
    CHECK(ids.front() == 34878u);
    CHECK(ids.back() == 34893u);
    CHECK(std::wstring(ItemOf(&popup, 34893).Text) == L"Device 15");
    m_Menu_UpdateAudioDevices(nullptr, 1, -1);
}

TEST_CASE_FIXTURE(CListsFixture, "a device item's menu and its assignment numbers")
{
    AddDevice(L"Speakers", 2, 1);
    AddDevice(L"USB", 0, 0);
    g_AudioDevices.Items[0].Skip = 1;
    lstrcpynW(g_Settings.Common_Audio, L"Speakers", 16);

    g_MenuDeviceNumber = 0;
    CMenuPlus* menu = Build(4462);
    REQUIRE(menu);
    CHECK(Ids(menu) == std::vector<UINT>{4456, 255, 4458});
    CHECK(ItemOf(menu, 4456).Checked == 1);
    CHECK(ItemOf(menu, 4458).Checked == 0);
    CHECK(Build(4463) == nullptr);

    g_MenuDeviceNumber = 1;
    menu = Build(4462);
    REQUIRE(menu);
    CHECK(Ids(menu) ==
          std::vector<UINT>{4456, 255, 4458, 4459, 4460, 4463, 255, 4461, 255, 4457});
    CHECK(ItemOf(menu, 4459).Checked == 1);
    CHECK(ItemOf(menu, 4460).Checked == 0);
    CHECK(ItemOf(menu, 4458).Checked == 1);
    CHECK(ItemOf(menu, 4456).Checked == 0);
    CMenuPlus* numbers = Build(4463);
    REQUIRE(numbers);
    const std::vector<SMENUITEM> rows = Items(numbers);
    REQUIRE(rows.size() == 11u);
    CHECK(std::wstring(rows[0].Text) == L"なし");
    CHECK(rows[0].Id == 4476u);
    CHECK(rows[1].Kind == static_cast<UINT>(MENUKIND_SEPARATOR));
    CHECK(std::wstring(rows[10].Text) == L"9");
    CHECK(rows[10].Id == 4485u);
    for (size_t i = 0; i < rows.size(); ++i) {
        CAPTURE(i);
        CHECK(rows[i].Checked == (rows[i].Id == 4478u ? 1u : 0u));
    }

    // An absent device awaited while a file is open: only reserving stays.
    g_MenuDeviceNumber = 2;
    g_MediaOpen = 1;
    m_AudioDevice_SetWait(L"USB", 0, 1);
    menu = Build(4462);
    REQUIRE(menu);
    CHECK(Ids(menu) == std::vector<UINT>{4456, 4468, 255, 4458, 4459, 4460, 4463, 255, 4461, 255,
                                         4457, 4467});
    CHECK(ItemOf(menu, 4456).Disabled == 1);
    CHECK(ItemOf(menu, 4458).Disabled == 1);
    CHECK(ItemOf(menu, 4456).Bold == 0);
    CHECK(ItemOf(menu, 4468).Bold == 1);
    CHECK(ItemOf(menu, 4468).Checked == 1);
    CHECK(ItemOf(numbers, 4476).Checked == 0);
    g_MediaOpen = 0;
    CHECK(ItemOf(Build(4462), 4468).Disabled == 1);

    // A device gone from the list since its item was shown: no menus.
    for (int number : {3, 15, -1}) {
        CAPTURE(number);
        g_MenuDeviceNumber = number;
        CHECK(Build(4462) == nullptr);
        CHECK(Build(4463) == nullptr);
    }
}

TEST_CASE_FIXTURE(CListsFixture, "recent files: the newest 100, without those marked for deletion")
{
    REQUIRE(Build(2322) != nullptr);
    const std::vector<SMENUITEM> none = Items(m_Popups.back());
    REQUIRE(none.size() == 1u);
    CHECK(std::wstring(none[0].Text) == L"ファイルが保存されていません");
    CHECK(none[0].Disabled == 1);

    for (int i = 0; i < 150; ++i) {
        wchar_t path[64];
        wsprintfW(path, L"C:\\media\\clip%03d.mp4", i);
        AddRecord(path);
    }
    m_Recent_GetRecord(148)->DeleteMark = 1;
    m_Recent_GetRecord(147)->State = RECENT_MISSING;
    CMenuPlus* popup = Build(2322);
    REQUIRE(popup);
    const std::vector<SMENUITEM> items = Items(popup);
    REQUIRE(items.size() == 100u);
    CHECK(std::wstring(items[0].Text) == L"clip149.mp4");
    CHECK(items[0].Id == kMenuRecentFirstId + 149);
    CHECK(m_Menu_GetItemData(&items[0]) == 149);
    CHECK(items[1].Id == kMenuRecentFirstId + 147);
    CHECK(items[1].Faint == 1);
    CHECK(items[0].Faint == 0);
    CHECK(items[0].ContextMenu == 1);
    CHECK(items[99].Id == kMenuRecentFirstId + 49);
    CHECK(m_Recent_GetRecord(147)->Shown == 1);
    CHECK(m_Recent_GetRecord(147)->MenuPos == 2);
    CHECK(m_Recent_GetRecord(48)->Shown == 0);
    CHECK(m_Menu_Remembered(2322) == popup);

    // The history shrank while the menu was open: no item of a gone entry
    // stays.
    m_Recent_ClearRecords();
    AddRecord(L"C:\\a.mp4");
    AddRecord(L"C:\\b.mp4");
    m_Menu_UpdateRecent();
    CHECK(Ids(popup) == std::vector<UINT>{kMenuRecentFirstId + 1, kMenuRecentFirstId + 0});

    // With a caption; [Menu] "Rct" 0 lists nothing.
    CMenuPlus* captioned = Build(2323);
    REQUIRE(captioned);
    const std::vector<SMENUITEM> rows = Items(captioned);
    REQUIRE(rows.size() == 3u);
    CHECK(rows[0].Kind == static_cast<UINT>(MENUKIND_HEADING));
    CHECK(std::wstring(rows[0].Text) == L"最近開いたファイル");
    CHECK(rows[0].IconIndex == 30u);
    g_Settings.Menu_Rct = 0;
    CHECK(Build(2322)->m_GetItemCount() == 0);
}

TEST_CASE_FIXTURE(CListsFixture, "most played: pinned first, most minutes first, with play hours")
{
    AddRecord(L"C:\\v\\a.mp4", 30);
    AddRecord(L"C:\\v\\b.mp4", 600, 1);
    AddRecord(L"C:\\v\\c.mp4", 7200);
    AddRecord(L"C:\\v\\d.mp4", 120, 1);
    AddRecord(L"C:\\v\\e.mp4", 9999);
    m_Recent_GetRecord(4)->DeleteMark = 1;
    CMenuPlus* popup = Build(2324);
    REQUIRE(popup);
    const std::vector<SMENUITEM> items = Items(popup);
    REQUIRE(items.size() == 5u);
    CHECK(std::wstring(items[0].Text) == L"b.mp4 (10.0h)");
    CHECK(items[0].Id == kMenuMostPlayedFirstId + 1);
    CHECK(items[0].Marker == 1);
    CHECK(std::wstring(items[1].Text) == L"d.mp4 (2.0h)");
    CHECK(items[2].Kind == static_cast<UINT>(MENUKIND_SEPARATOR));
    CHECK(std::wstring(items[3].Text) == L"c.mp4 (120h)");
    CHECK(items[3].Marker == 0);
    CHECK(std::wstring(items[4].Text) == L"a.mp4 (0.5h)");
    CHECK(m_Menu_GetItemData(&items[4]) == 0);
    CHECK(m_Menu_Remembered(2324) == popup);

    // Images by the kind of path.
    m_Recent_ClearRecords();
    const struct {
        const wchar_t* Path;
        UINT Image;
    } kinds[] = {{L"C:\\v\\folder\\", 12}, {L"C:\\v\\x.mp4", 13}, {L"C:\\v\\x.zvpl", 14},
                 {L"C:\\v\\x.zvbm", 15},   {L"C:\\v\\x.txt", 16}};
    for (const auto& k : kinds) AddRecord(k.Path);
    m_Menu_UpdateMostPlayed();
    for (size_t i = 0; i < ARRAYSIZE(kinds); ++i) {
        CAPTURE(kinds[i].Path);
        CHECK(ItemOf(popup, kMenuMostPlayedFirstId + static_cast<UINT>(i)).IconIndex ==
              kinds[i].Image);
    }
}

TEST_CASE_FIXTURE(CListsFixture, "a full history keeps its ids inside their own ranges")
{
    for (int i = 0; i < kRecentRecordCap; ++i) {
        wchar_t path[64];
        wsprintfW(path, L"C:\\m\\f%03d.mp4", i);
        AddRecord(path, i);
    }
    CHECK_FALSE(m_Recent_AddRecord(L"C:\\m\\over.mp4"));
    for (UINT menuId : {2322u, 2324u}) {
        CAPTURE(menuId);
        const UINT first = menuId == 2322 ? kMenuRecentFirstId : kMenuMostPlayedFirstId;
        const std::vector<UINT> ids = Ids(Build(menuId));
        REQUIRE(ids.size() == 100u);
        CHECK(ids.front() == first + 399);
        for (UINT id : ids) CHECK((id >= first && id < first + kRecentRecordCap));
    }
}

TEST_CASE_FIXTURE(CListsFixture, "jump-list layouts, grouped by rows, the default emphasised")
{
    CMenuPlus* empty = Build(2315);
    REQUIRE(empty);
    CHECK(Ids(empty) == std::vector<UINT>{255, 4747});
    CHECK(ItemOf(empty, 4747).Bold == 1);
    CHECK(Ids(Build(2316)) == std::vector<UINT>{255, 4749});

    g_JumpListLayouts[0] = {3, 3, 3, 0, 9, 0};
    g_JumpListLayouts[1] = {3, 4, 3, 0, 12, 1};
    g_JumpListLayouts[2] = {4, 4, 4, 0, 16, 0};
    g_JumpListLayoutCount = 3;
    g_Settings.Jumplist_TrmBlk[0] = 1;
    g_Settings.Jumplist_TrmBlk[1] = 85;
    g_Settings.Jumplist_Blk = 4;
    std::vector<SFUNCTIONBIND> binds(2);
    binds[0] = Bind(67, 0, L"4,3", 'K');
    binds[1] = Bind(67, 0, L"-3", 'J');
    m_pBind = binds.data();
    m_nBindCount = 2;

    CMenuPlus* one = Build(2315);
    REQUIRE(one);
    CHECK(Ids(one) == std::vector<UINT>{4796, 4797, 255, 4798, 255, 4747});
    CHECK(std::wstring(ItemOf(one, 4796).Text) == L"3x3 (9)");
    CHECK(std::wstring(ItemOf(one, 4797).Text) == L"+4x3 (12) / 75.0%\tK");
    CHECK(ItemOf(one, 4798).Bold == 1);
    CHECK(ItemOf(one, 4747).Bold == 0);

    CMenuPlus* all = Build(2316);
    REQUIRE(all);
    CHECK(Ids(all) == std::vector<UINT>{4896, 4897, 255, 4898, 255, 4749});
    CHECK(std::wstring(ItemOf(all, 4896).Text) == L"3x3 (9)\tJ");
    CHECK(std::wstring(ItemOf(all, 4897).Text) == L"+4x3 (12) / 75.0%");

    // Without the added layouts no group separators; an automatic default
    // emphasises the automatic item.
    g_Settings.Jumplist_TrmBlk[0] = 0;
    g_Settings.Jumplist_Blk = 0;
    CMenuPlus* plain = Build(2315);
    CHECK(Ids(plain) == std::vector<UINT>{4796, 4797, 4798, 255, 4747});
    CHECK(ItemOf(plain, 4747).Bold == 1);
    CHECK(ItemOf(plain, 4798).Bold == 0);
}

TEST_CASE_FIXTURE(CListsFixture, "capture presets follow the setup item")
{
    CHECK(Ids(Build(2317)) == std::vector<UINT>{4295, 255, 4288, 4287});

    SCAPTUREPRESET presets[2] = {};
    lstrcpynW(presets[0].Name, L"DEFAULT", 64);
    lstrcpynW(presets[1].Name, L"PNG", 64);
    g_CaptureSettings = presets;
    g_CaptureCount = 2;
    std::vector<SFUNCTIONBIND> binds(1);
    binds[0] = Bind(64, 1, L"", 'P');
    m_pBind = binds.data();
    m_nBindCount = 1;
    g_MediaOpen = 1;
    g_MediaKind = MEDIA_KIND_VIDEO;
    CMenuPlus* popup = Build(2317);
    REQUIRE(popup);
    CHECK(Ids(popup) == std::vector<UINT>{4295, 255, 35068, 35069, 255, 4288, 4287});
    const SMENUITEM first = ItemOf(popup, 35068);
    const SMENUITEM second = ItemOf(popup, 35069);
    CHECK(std::wstring(first.Text) == L"0 : DEFAULT");
    CHECK(std::wstring(second.Text) == L"1 : PNG\tP");
    CHECK(first.HasIcon == 1);
    CHECK(first.IconIndex == 47u);
    CHECK(second.HasIcon == 0);
    CHECK(first.ContextMenu == 1);
    CHECK(first.Disabled == 0);
    CHECK(m_Menu_GetItemFlags(&first).TooltipWanted == 1);

    // Audio only, or the jump list's empty screen: nothing to capture.
    g_MediaKind = MEDIA_KIND_AUDIO;
    CHECK(ItemOf(Build(2317), 35068).Disabled == 1);
    g_MediaKind = MEDIA_KIND_VIDEO;
    g_JumpListShown = g_JumpListEmpty = 1;
    CHECK(ItemOf(Build(2317), 35069).Disabled == 1);
    g_Settings.Common_Tip = 1;
    const SMENUITEM quiet = ItemOf(Build(2317), 35068);
    CHECK(m_Menu_GetItemFlags(&quiet).TooltipWanted == 0);
}

TEST_CASE_FIXTURE(CListsFixture, "assign chapter lists the chapters, the block's own checked")
{
    SCHAPTERITEM chapters[3] = {};
    chapters[0].Start = 0;
    lstrcpynW(chapters[0].Name, L"Intro", 8);
    chapters[1].Start = 3723.7;
    lstrcpynW(chapters[1].Name, L"Middle", 8);
    chapters[2].Start = 7200;
    g_PlayingChapters = chapters;
    g_ChapterCount = 3;
    g_JumpListViewState.BlockChapter = 1;
    CMenuPlus* popup = Build(2328);
    REQUIRE(popup);
    const std::vector<SMENUITEM> items = Items(popup);
    REQUIRE(items.size() == 3u);
    CHECK(std::wstring(items[0].Text) == L"01, [00:00:00] Intro");
    CHECK(std::wstring(items[1].Text) == L"02, [01:02:03] Middle");
    CHECK(std::wstring(items[2].Text) == L"03, [02:00:00] ");
    CHECK(items[1].Id == kMenuAssignChapterFirstId + 1);
    CHECK(m_Menu_GetItemData(&items[2]) == 2);
    CHECK(items[0].Checked == 0);
    CHECK(items[1].Checked == 1);
}

TEST_CASE_FIXTURE(CListsFixture, "the options menu without pages and ids without a menu")
{
    g_OptionMenuPages[0] = 3;
    CHECK(Ids(Build(2332)) == std::vector<UINT>{4105, 255});
    CHECK(g_OptionMenuPages[0] == -1);
    for (UINT id : {0u, 2309u, 2318u, 2340u + 1, 4464u}) CHECK(m_Menu_BuildOtherList(id) == nullptr);
}

namespace {

// A filter that only counts its references and tells when the last went.
class CFakeFilter : public IBaseFilter {
public:
    LONG m_Refs = 0;
    int m_Gone = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        m_Gone = 0;
        return InterlockedIncrement(&m_Refs);
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_Refs);
        if (left == 0) m_Gone = 1;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }
};

CFakeFilter g_Fakes[3];
const wchar_t* const kFakeNames[3] = {L"File Source", L"NotifyFilter", L"Video Renderer"};
int g_FakeCount = 3;

int FakeLister(SFILTERLISTITEM* items, int max)
{
    for (int i = 0; i < g_FakeCount && i < max; ++i) {
        items[i] = SFILTERLISTITEM{};
        lstrcpynW(items[i].Name, kFakeNames[i], 128);
        items[i].HasPropertyPage = i == 2 ? 1 : -1;
        items[i].Filter = &g_Fakes[i];
        g_Fakes[i].AddRef();
    }
    return g_FakeCount;
}

// The pages stay open until the test closes them.
HANDLE g_PagesShown;
HANDLE g_PagesClose;
LONG g_PagesCalls;
int g_FilterAliveInPages;

void FakePages(IBaseFilter* filter)
{
    InterlockedIncrement(&g_PagesCalls);
    SetEvent(g_PagesShown);
    WaitForSingleObject(g_PagesClose, 10000);
    g_FilterAliveInPages = !static_cast<CFakeFilter*>(filter)->m_Gone;
}

struct CFilterFixture : CListsFixture {
    CFilterFixture()
    {
        g_MenuFilterLister = FakeLister;
        g_MenuFilterPages = FakePages;
        g_PagesShown = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        g_PagesClose = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        g_PagesCalls = 0;
        g_FakeCount = 3;
    }
    ~CFilterFixture()
    {
        SetEvent(g_PagesClose);
        CloseHandle(g_PagesShown);
        CloseHandle(g_PagesClose);
    }
};

}  // namespace

TEST_CASE_FIXTURE(CFilterFixture, "the graph's filters, read once per opened file")
{
    const std::vector<SMENUITEM> closed = Items(Build(2340));
    REQUIRE(closed.size() == 1u);
    CHECK(std::wstring(closed[0].Text) == L"なし");
    g_MediaOpen = 1;
    InterlockedIncrement(&g_MediaOpenNumber);
    CMenuPlus* popup = Build(2340);
    REQUIRE(popup);
    CHECK(Ids(popup) == std::vector<UINT>{35368, 35370});
    const SMENUITEM source = ItemOf(popup, 35368);
    const SMENUITEM renderer = ItemOf(popup, 35370);
    CHECK(std::wstring(source.Text) == L"File Source");
    CHECK(source.Disabled == 1);
    CHECK(renderer.Disabled == 0);
    CHECK(renderer.IconIndex == 59u);
    CHECK(m_Menu_GetItemData(&renderer) == 2);
    CHECK(g_Fakes[0].m_Refs == 1);
    // The same file: the kept list, no new references.
    Build(2340);
    CHECK(g_Fakes[0].m_Refs == 1);
    // A file whose graph has no filters.
    g_FakeCount = 0;
    InterlockedIncrement(&g_MediaOpenNumber);
    const std::vector<SMENUITEM> none = Items(Build(2340));
    REQUIRE(none.size() == 1u);
    CHECK(std::wstring(none[0].Text) == L"なし");
    CHECK(none[0].Disabled == 1);
    CHECK(g_Fakes[0].m_Gone == 1);
}

TEST_CASE_FIXTURE(CFilterFixture, "the file closes while a filter's pages are open")
{
    g_MediaOpen = 1;
    InterlockedIncrement(&g_MediaOpenNumber);
    REQUIRE(Build(2340));
    // Without pages, or outside the list: nothing starts.
    m_Menu_ShowFilterProperties(0);
    m_Menu_ShowFilterProperties(7);
    m_Menu_ShowFilterProperties(-1);
    CHECK(g_PagesCalls == 0);

    m_Menu_ShowFilterProperties(2);
    REQUIRE(WaitForSingleObject(g_PagesShown, 10000) == WAIT_OBJECT_0);
    CHECK(m_Menu_FilterBusy(2) == 1);
    HANDLE thread = nullptr;
    REQUIRE(DuplicateHandle(GetCurrentProcess(), m_Menu_FilterThread(2), GetCurrentProcess(),
                            &thread, SYNCHRONIZE, FALSE, 0));
    // A second choice while they are open starts no other.
    m_Menu_ShowFilterProperties(2);
    CHECK(g_PagesCalls == 1);

    // Closing lets the list's reference go; the thread's keeps the filter.
    m_Menu_ReleaseFilters();
    g_MediaOpen = 0;
    CHECK(g_Fakes[2].m_Refs == 1);
    CHECK(g_Fakes[2].m_Gone == 0);
    m_Menu_ShowFilterProperties(2);
    SetEvent(g_PagesClose);
    REQUIRE(WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0);
    CloseHandle(thread);
    CHECK(g_FilterAliveInPages == 1);
    CHECK(g_Fakes[2].m_Gone == 1);
    CHECK(g_PagesCalls == 1);
}

TEST_CASE_FIXTURE(CListsFixture, "a favorites command renews the open favorites menus in place")
{
    g_Favorite.m_Clear();
    g_Favorite.m_Append(FAVO_MEDIAFILE, L"C:\\v\\a.mp4");
    CMenuPlus* menus[] = {m_Menu_BuildPopup(kMenuIdFileFavorites),
                          m_Menu_BuildPopup(kMenuIdFavorites)};
    for (CMenuPlus* popup : menus) {
        REQUIRE(popup);
        m_Popups.push_back(popup);
        CHECK(Ids(popup) == std::vector<UINT>{39768});
    }
    // The history item menu's "add to favorites" on entry 0.
    REQUIRE(m_Recent_AddRecord(L"C:\\v\\b.mp4"));
    g_MenuHistoryEntry = 0;
    SMENUNOTIFY n = {};
    n.MenuId = 4596;
    n.ItemId = 4600;
    n.Closes = 1;
    n.Popup = menus[0];
    CHECK(m_OnMenuCommand(MENUCODE_CHOSEN, reinterpret_cast<LPARAM>(&n)) == 1);
    CHECK(g_Favorite.m_GetCount() == 2);
    CHECK(g_MenuFavoritesChanged == 0);
    for (CMenuPlus* popup : menus) {
        CHECK(Ids(popup) == std::vector<UINT>{39768, 39769});
        CHECK(std::wstring(Items(popup)[1].Text) == L"b.mp4");
    }
    // Without a change the menus are left alone.
    menus[1]->m_DeleteAllItems();
    n.ItemId = 4999;  // an item that does nothing
    m_OnMenuCommand(MENUCODE_CHOSEN, reinterpret_cast<LPARAM>(&n));
    CHECK(Ids(menus[1]).empty());
    g_MenuHistoryEntry = -1;
    g_Favorite.m_Clear();
}
