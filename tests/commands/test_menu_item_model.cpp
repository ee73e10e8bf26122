// The menu item model: command names with and without bound keys, the
// texts built from the player's state, static looks and dynamic states by
// row group, the separator clean-up, the binding table text, the control-bar
// buttons by number and the refresh of an open popup's items.
#include <doctest/doctest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "../settings/SettingsFixture.h"
#include "../support/GdiplusScope.h"
#include "MenuNameRows.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "commands/MenuItemModel.h"
#include "controls/MenuPlus.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "jumplist/JumpListState.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/PowerSaving.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "playback/VolumeControl.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

SFUNCTIONBIND Bind(int enabled, int function, int param, WORD key, const wchar_t* arg = L"",
                   int mouse = 0)
{
    SFUNCTIONBIND b = {};
    b.Enabled = enabled;
    b.Function = function;
    b.Param = param;
    lstrcpynW(b.Arg, arg, ARRAYSIZE(b.Arg));
    b.Key = key;
    b.Mouse = mouse;
    return b;
}

// [Common] "Tip" as the loader keeps it: a switch and its bits.
void SetTip(int value)
{
    g_Settings.Common_Tip = value != 0;
    for (int bit = 0; bit < 4; ++bit) g_Settings.Common_TipBits[bit] = (value >> bit) & 1;
}

struct CModelFixture : CSettingsFixture {
    CModelFixture()
    {
        SetTip(15);
        Reset();
    }
    ~CModelFixture()
    {
        Reset();
        m_pBind = nullptr;
        m_nBindCount = 0;
    }
    static void Reset()
    {
        m_pBind = nullptr;
        m_nBindCount = 0;
        g_MediaOpen = 0;
        g_MediaKind = 0;
        g_ChapterCount = 0;
        g_CurrentChapter = 0;
        g_PlayingChapters = nullptr;
        g_ChaptersFromInfo = 0;
        g_PlayRangeOn = 0;
        g_PlayRangeIndex = -1;
        g_PlayRangeStart = -1;
        g_PlayRangeEnd = -1;
        g_DurationMs = 0;
        g_FileInfo.MarkerCount = 0;
        g_FileInfo.RangeCount = 0;
        g_SavedPlayIndex = -1;
        g_SavedPlayMs = -1;
        g_PlayingTrack = 0;
        g_ListType = 0;
        g_Mute = 0;
        g_RepeatMode = 0;
        g_RangeRepeatMode = 0;
        g_CurrentControlId = 0;
    }
    void Use(std::vector<SFUNCTIONBIND>& table)
    {
        m_pBind = table.data();
        m_nBindCount = static_cast<int>(table.size());
    }
};

std::wstring Name(UINT id) { return m_GetCommandName(id); }

SMENUITEM Item(UINT id)
{
    SMENUITEM item;
    m_Menu_InitItem(&item, id, 1);
    return item;
}

SMENUITEMFLAGS Flags(UINT id)
{
    const SMENUITEM item = Item(id);
    return m_Menu_GetItemFlags(&item);
}

}  // namespace

TEST_CASE_FIXTURE(CModelFixture, "every listed command name with no key bound")
{
    for (const SNAMEROW& row : kFixedNames) {
        CAPTURE(row.Id);
        CHECK(Name(row.Id) == row.Text);
    }
    // The built rows in their nothing-there state, and ids without a row.
    const SNAMEROW built[] = {
        {2315, L"ジャンプリストを作成 (分割数を指定)"},
        {2337, L"全てのファイル"},
        {2339, L"全てのファイル"},
        {4163, L"-"},
        {4164, L"-"},
        {4224, L"VOL / 0%"},
        {4225, L"INPUT BALANCE / CENTER"},
        {4257, L"一時的に設定を反転\tM-btn"},
        {4316, L"再生速度 (ｘ1.00)"},
        {4317, L"再生速度 (ｘ1.00)  / メニュー設定 ..."},
        {4356, L"CHAPTER / チェックボックス表示"},
        {4359, L"チャプター[0] / 追加"},
        {4378, L"チャプター削除"},
        {4398, L"再生範囲(0) + 追加"},
        {4399, L"再生範囲追加"},
        {4407, L"マーカー(0) + 追加"},
        {4426, L"戻る"},
        {4427, L"開始位置に戻る (00:00)"},
        {4455, L"システムデフォルト"},
        {4608, L"全ての履歴を削除 ...\t(0)"},
        {4616, L"ブックマークファイル\t(0)"},
        {4634, L"-"},
        {4657, L"-"},
        {4746, L"ジャンプリストを作成 (自動)"},
        {4748, L"すべてのファイルのジャンプリストを作成 (自動)"},
        {9486, L""},
        {34768, L"0%"},
        {34868, L"100%"},
        {253, L""},
        {255, L""},
        {1, L""},
        {4104, L""},
    };
    for (const SNAMEROW& row : built) {
        CAPTURE(row.Id);
        CHECK(Name(row.Id) == row.Text);
    }
}

TEST_CASE_FIXTURE(CModelFixture, "chapter delete names the chapter at the position")
{
    const SCHAPTERITEM chapters[4] = {
        {0, 64.6, L"", 0}, {64.6, 10, L"", 0}, {3724.6, 10, L"", 0}, {7200, 10, L"", 0}};
    g_MediaOpen = 1;
    g_PlayingChapters = chapters;
    g_ChapterCount = 4;
    g_ChaptersFromInfo = 1;
    const struct {
        int current;
        const wchar_t* text;
    } cases[] = {
        {0, L"チャプター削除 (CHAPTER 2 / 1:05)"},
        {1, L"チャプター削除 (CHAPTER 2 / 1:05)"},
        {2, L"チャプター削除 (CHAPTER 3 / 1:02:05)"},
        {3, L"チャプター削除 (CHAPTER 4 / 2:00:00)"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.current);
        g_CurrentChapter = c.current;
        CHECK(Name(4378) == c.text);
    }
    CHECK(Name(4359) == L"チャプター(4) + 追加");
    g_ChaptersFromInfo = 0;  // the media's own chapters cannot be deleted
    CHECK(Name(4378) == L"チャプター削除");
    CHECK(Name(4359) == L"チャプター[4] / 追加");
}

TEST_CASE_FIXTURE(CModelFixture, "range add shows the marked range, markers their count")
{
    g_MediaOpen = 1;
    g_PlayRangeOn = 1;
    g_DurationMs = 3725000;
    const struct {
        int start, end;
        const wchar_t* text;
    } cases[] = {
        {-1, -1, L"再生範囲追加  [0:00 - 1:02:05(En)]"},
        {5000, -1, L"再生範囲追加  [0:05 - 1:02:05(En) / 1:02:00]"},
        {5000, 65000, L"再生範囲追加  [0:05 - 1:05 / 1:00]"},
    };
    for (const auto& c : cases) {
        g_PlayRangeStart = c.start;
        g_PlayRangeEnd = c.end;
        CHECK(Name(4399) == c.text);
    }
    g_PlayRangeIndex = 0;  // a stored range is active
    CHECK(Name(4399) == L"再生範囲追加");
    g_FileInfo.MarkerCount = 3;
    g_FileInfo.RangeCount = 2;
    CHECK(Name(4407) == L"マーカー(3) + 追加");
    CHECK(Name(4398) == L"再生範囲(2) + 追加");
}

TEST_CASE_FIXTURE(CModelFixture, "captions of the open item's path and the media file's name")
{
    g_ListType = 2;
    lstrcpynW(g_ListPath, L"C:\\Videos\\Show\\", MAX_PATH + 1);
    CHECK(Name(4163) == L"C:\\Videos\\Show");
    g_ListType = 0;
    CHECK(Name(4163) == L"-");
    lstrcpynW(g_MediaFileName, L"clip.mp4", ARRAYSIZE(g_MediaFileName));
    CHECK(Name(4164) == L"-");
    g_MediaOpen = 1;
    CHECK(Name(4164) == L"clip.mp4");
    g_ListPath[0] = 0;
    g_MediaFileName[0] = 0;
}

TEST_CASE_FIXTURE(CModelFixture, "return names the stored position and its track")
{
    g_PlayingTrack = 0;
    const struct {
        int track, ms;
        const wchar_t* text;
    } cases[] = {
        {2, 3723000, L"戻る (03, 01:02:03)"}, {2, 65000, L"戻る (03, 01:05)"},
        {0, 65000, L"戻る (01:05)"},          {0, 3723000, L"戻る (01:02:03)"},
        {-1, 65000, L"戻る (01:05)"},         {2, -1, L"戻る"},
    };
    for (const auto& c : cases) {
        g_SavedPlayIndex = c.track;
        g_SavedPlayMs = c.ms;
        CHECK(Name(4426) == c.text);
    }
}

TEST_CASE_FIXTURE(CModelFixture, "the shortcut column is the first effective key binding")
{
    SUBCASE("a key taken by an earlier binding is passed over for the next one")
    {
        std::vector<SFUNCTIONBIND> t = {Bind(1, 154, -1, 'A'), Bind(1, 89, -1, 'A'),
                                        Bind(1, 89, -1, 'B')};
        Use(t);
        CHECK(Name(250) == L"バージョン情報 ...\tA");
        CHECK(Name(4097) == L"常に手前に表示\tB");
    }
    SUBCASE("a disabled binding is never shown and never shadows")
    {
        std::vector<SFUNCTIONBIND> t = {Bind(0, 89, -1, 'C'), Bind(1, 154, -1, 'C')};
        Use(t);
        CHECK(Name(4097) == L"常に手前に表示");
        CHECK(Name(250) == L"バージョン情報 ...\tC");
    }
    SUBCASE("a number function needs the row's parameter; mouse codes never show")
    {
        std::vector<SFUNCTIONBIND> t = {Bind(1, 154, 0, 'D'), Bind(1, 89, -1, 0, L"", 3)};
        Use(t);
        CHECK(Name(250) == L"バージョン情報 ...");
        CHECK(Name(4097) == L"常に手前に表示");
    }
    SUBCASE("a text function needs the exact argument text")
    {
        std::vector<SFUNCTIONBIND> t = {Bind(1, 81, 0, 'X', L"1,6"), Bind(1, 81, 0, 'Y', L"1,6,1"),
                                        Bind(1, 50, 0, 'W', L"5"), Bind(1, 50, 0, 'V', L"50")};
        Use(t);
        CHECK(Name(4110) == L"タイマー  / メニュー設定 ...");
        CHECK(Name(4307) == L"ビデオサイズ  / メニュー設定 ...\tY");
        CHECK(Name(34768 + 50) == L"50%\tV");
        CHECK(Name(34768 + 5) == L"5%\tW");
        // A list function row without an argument text shows no key.
        std::vector<SFUNCTIONBIND> u = {Bind(1, 90, 0, 'R', L"")};
        Use(u);
        CHECK(Name(4237) == L"リピート OFF");
    }
}

TEST_CASE_FIXTURE(CModelFixture, "key texts appended and formatted for other windows")
{
    std::vector<SFUNCTIONBIND> t = {Bind(1, 89, 0, 'T'), Bind(1, 154, -1, 0x200 | 'Q')};
    Use(t);
    wchar_t buffer[32] = L"abc";
    CHECK(m_AppendBindingKeyName(buffer, ARRAYSIZE(buffer), 89, 0, nullptr) == 1);
    CHECK(std::wstring(buffer) == L"abc\tT");
    CHECK(m_AppendBindingKeyName(buffer, ARRAYSIZE(buffer), 92, 0, nullptr) == 0);
    CHECK(std::wstring(buffer) == L"abc\tT");
    wchar_t out[64];
    CHECK(m_FormatWithKeyNames(out, ARRAYSIZE(out), L"上%s / 版%s", 89, 0, nullptr, 154, -1) == 1);
    CHECK(std::wstring(out) == L"上 (T) / 版 (Ctrl+Q)");
    CHECK(m_FormatWithKeyNames(out, ARRAYSIZE(out), L"上%s", 92, 0, nullptr, 0, 0) == 0);
    CHECK(std::wstring(out) == L"上");
    CHECK(Name(4257) == L"一時的に設定を反転\tM-btn");
}

TEST_CASE_FIXTURE(CModelFixture, "static looks by row group")
{
    const UINT hidden = kMenuKindHidden;
    const struct {
        UINT id, kind, check, icon, image;
        int second;
        UINT submenu, group, close, chain, plain;
    } cases[] = {
        {240, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},       {250, 0, 1, 1, 62, -1, 0, 0, 0, 0, 0},
        {2049, hidden, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2054, hidden, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {2305, 0, 0, 1, 85, -1, 1, 0, 0, 0, 0},    {2343, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},
        {4097, 0, 1, 1, 53, 54, 0, 0, 0, 0, 0},    {4098, 0, 0, 1, 49, -1, 0, 0, 0, 0, 0},
        {4127, 0, 0, 1, 6, -1, 0, 0, 1, 1, 0},     {4163, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {4222, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0},      {4239, 0, 2, 1, 27, -1, 0, 1, 0, 0, 0},
        {4249, 0, 2, 1, 37, -1, 0, 2, 0, 0, 0},    {4287, 0, 0, 1, 81, -1, 0, 0, 1, 0, 0},
        {4608, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1},      {4612, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
        {4702, 0, 0, 1, 1, -1, 0, 0, 1, 0, 0},     {4706, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0},
        {9495, 0, 1, 1, 46, -1, 0, 0, 0, 0, 0},    {34800, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0},
        {34898, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0},     {255, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {253, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.id);
        const SMENUITEM it = Item(c.id);
        CHECK(it.Id == c.id);
        CHECK(it.Kind == c.kind);
        CHECK(it.CheckKind == c.check);
        CHECK(it.HasIcon == c.icon);
        CHECK(it.IconIndex == c.image);
        CHECK(it.IconColor == c.second);
        CHECK(it.HasSubmenu == c.submenu);
        CHECK(it.RadioGroup == c.group);
        CHECK(it.CloseAlways == c.close);
        CHECK(it.RunAfterClose == c.chain);
        CHECK(it.PlainShortcut == c.plain);
    }
    // Size word, value column, dim flag, emphasis and the model's own flags.
    CHECK(Item(4140).IconSize == 16);
    CHECK(Item(4236).Faint == 1);
    CHECK(Item(4291).Bold == 1);
    CHECK(Flags(4163).PathFlag == 1);
    CHECK(Flags(4224).ValueFlag == 1);
    CHECK(Flags(4458).FlagWord == 1);
    g_MainWindowState.nVolume = 5000;
    const SMENUITEM volume = Item(4226);
    CHECK(volume.ExtraPart == 1);
    CHECK(volume.ExtraWidth == 60);
    CHECK(std::wstring(volume.ExtraText) == L"50%");
}

TEST_CASE_FIXTURE(CModelFixture, "caption colours only with ClrSep; tooltips only with Tip bit 2")
{
    CHECK(Item(4358).AccentColor == 0);
    g_Settings.Menu_ClrSep = 1;
    CHECK(Item(4358).AccentColor == 0xdc785050);
    CHECK(Item(4396).AccentColor == 0xdc506478);
    CHECK(Item(4406).AccentColor == 0xdc647850);
    for (UINT id : {4139u, 4256u, 4442u, 4605u, 9495u}) {
        CAPTURE(id);
        SetTip(15);
        CHECK(Flags(id).TooltipWanted == 1);
        SetTip(13);
        CHECK(Flags(id).TooltipWanted == 0);
    }
}

TEST_CASE_FIXTURE(CModelFixture, "dynamic states follow the player")
{
    // No file: the transport, file-close and file-data items are disabled.
    for (UINT id : {4186u, 4193u, 4133u, 2326u, 2340u, 4377u, 4402u, 4146u}) {
        CAPTURE(id);
        CHECK(Item(id).Disabled == 1);
    }
    g_MediaOpen = 1;
    g_PlayRangeOn = 1;
    for (UINT id : {4186u, 4193u, 4133u, 2326u, 2340u, 4377u, 4402u, 4146u}) {
        CAPTURE(id);
        CHECK(Item(id).Disabled == 0);
    }
    CHECK(Item(4402).Checked == 1);
    // Captions are never chosen.
    for (UINT id : {4163u, 4351u, 4435u}) CHECK(Item(id).Disabled == 1);
    // The file tools need an open item.
    CHECK(Item(2307).Disabled == 1);
    CHECK(Item(4156).Disabled == 1);
    g_ListType = 1;
    CHECK(Item(2307).Disabled == 0);
    CHECK(Item(4156).Disabled == 0);
    CHECK(Item(4146).Disabled == 1);
    // Radio rows follow their mode.
    g_RepeatMode = 2;
    g_RangeRepeatMode = 3;
    for (UINT id = 4237; id <= 4241; ++id) CHECK(Item(id).Checked == (id == 4239));
    for (UINT id = 4247; id <= 4251; ++id) CHECK(Item(id).Checked == (id == 4250));
    g_MainWindowState.nTimeMode = 3;
    for (UINT id = 4436; id <= 4440; ++id) CHECK(Item(id).Checked == (id == 4439));
    g_Mute = 1;
    g_MainWindowState.nTopMost = 1;
    CHECK(Item(4217).Checked == 1);
    CHECK(Item(4097).Checked == 1);
    CHECK(Item(4426).Disabled == 1);
    g_SavedPlayMs = 1000;
    CHECK(Item(4426).Disabled == 0);
    // A jump-list build running stops the items that would start another.
    g_JumpListShown = 1;
    CHECK(Item(4702).Disabled == 0);
    g_JumpListViewState.BatchRunning = 1;
    CHECK(Item(4702).Disabled == 1);
    CHECK(Item(4748).Disabled == 1);
    CHECK(Name(4746) == L"ジャンプリストの作成を中止");
    g_JumpListViewState.BatchRunning = 0;
    g_JumpListShown = 0;
    // The check-box switches of the playlist and chapter menus.
    for (int mode : {1, 0}) {
        g_Playlist.m_SetCheckMode(mode);
        for (UINT id : {4346u, 4356u, 4357u}) CHECK(Item(id).Checked == static_cast<UINT>(mode));
    }
}

TEST_CASE_FIXTURE(CModelFixture, "volume item 50 is checked from 49.5 % to below 50.5 %")
{
    const struct {
        int volume, checked;
    } cases[] = {{4949, 0}, {4950, 1}, {5000, 1}, {5049, 1}, {5050, 0}};
    for (const auto& c : cases) {
        CAPTURE(c.volume);
        g_MainWindowState.nVolume = c.volume;
        const SMENUITEM it = Item(kMenuVolumeFirstId + 50);
        CHECK(std::wstring(it.Text) == L"50%");
        CHECK(it.Checked == static_cast<UINT>(c.checked));
    }
}

TEST_CASE("separator clean-up of a 21-slot id list")
{
    const struct {
        std::vector<UINT> in, out;
    } cases[] = {
        {{255, 1, 253, 255, 255, 2, 253}, {0, 1, 0, 255, 0, 2, 0}},
        {{1, 253, 253, 2}, {1, 253, 0, 2}},
        {{253, 0, 0, 1, 255, 0, 255, 0, 2, 255}, {0, 0, 0, 1, 255, 0, 0, 0, 2, 0}},
    };
    for (const auto& c : cases) {
        UINT ids[kTidySeparatorSlots] = {};
        for (size_t i = 0; i < c.in.size(); ++i) ids[i] = c.in[i];
        m_Menu_TidySeparators(ids);
        std::vector<UINT> got(ids, ids + kTidySeparatorSlots);
        std::vector<UINT> want(c.out);
        want.resize(kTidySeparatorSlots, 0);
        CHECK(got == want);
    }
}

TEST_CASE_FIXTURE(CModelFixture, "binding table text, cut at 10240 characters")
{
    std::vector<SFUNCTIONBIND> t = {Bind(1, 89, 0, 0x254), Bind(0, 154, -1, 0, L"1,2", 0x12)};
    Use(t);
    static wchar_t text[kBindTableTextCap + 1];
    const int n = m_Bind_TableText(text, ARRAYSIZE(text));
    const std::wstring want =
        L"m_nBindCount = 2;\r\nm_pBind = new SFUNCTIONBIND[m_nBindCount];\r\n"
        L"m_pBind[0] = { 1, 0x59, 0, _T(\"\"), 0x254, 0x00 };\r\n"
        L"m_pBind[1] = { 0, 0x9A, -1, _T(\"1,2\"), 0x00, 0x12 };\r\n";
    CHECK(std::wstring(text) == want);
    CHECK(n == static_cast<int>(want.size()));
    std::vector<SFUNCTIONBIND> big(kBindCap, Bind(1, 81, 0, 'X', L"1,6,2"));
    Use(big);
    CHECK(m_Bind_TableText(text, ARRAYSIZE(text)) == kBindTableTextCap);
    CHECK(std::wstring(text).rfind(L"m_nBindCount = 1000;\r\n", 0) == 0);
}

TEST_CASE_FIXTURE(CModelFixture, "control-bar buttons by number and by the current control")
{
    const struct {
        int number, index;
    } cases[] = {{1, 0},    {2, 1},  {7, 5},  {17, 6},  {28, 16}, {193, 17},
                 {198, 22}, {0, -1}, {3, -1}, {29, -1}, {199, -1}};
    for (const auto& c : cases) {
        CAPTURE(c.number);
        CHECK(m_GetButtonByIndex(c.number) == (c.index < 0 ? nullptr : &g_ControlButtons[c.index]));
    }
    const struct {
        UINT id;
        CButtonPlus* button;
    } controls[] = {{32969, &g_ControlButtons[0]},
                    {32991, &g_ControlButtons[22]},
                    {33067, &g_ExtraButton},
                    {33069, &g_VolumeButton},
                    {32968, nullptr},
                    {32992, nullptr},
                    {33068, nullptr}};
    for (const auto& c : controls) {
        CAPTURE(c.id);
        g_CurrentControlId = c.id;
        CHECK(m_GetButtonOfCurrentControl() == c.button);
    }
}

TEST_CASE_FIXTURE(CModelFixture, "an open popup's items are refreshed in place")
{
    CMenuPlus popup;
    SMENUITEM track = {};
    track.Id = 40000;
    lstrcpynW(track.Text, L"Track 1", ARRAYSIZE(track.Text));
    for (UINT id : {4217u, 4186u, 4456u, 4468u}) {
        SMENUITEM it = Item(id);
        popup.m_InsertItem(&it, -1, 0);
    }
    popup.m_InsertItem(&track, -1, 0);
    SMENUITEM it;

    g_Mute = 1;
    g_MediaOpen = 1;
    m_Menu_RefreshItems(&popup, 0, 1);
    REQUIRE(popup.m_GetItemById(&it, 4217));
    CHECK(it.Checked == 1);
    REQUIRE(popup.m_GetItemById(&it, 4186));
    CHECK(it.Disabled == 0);
    // A list's own text survives an update of an id without a name.
    m_Menu_UpdateItem(&popup, 40000, 0);
    REQUIRE(popup.m_GetItemById(&it, 40000));
    CHECK(std::wstring(it.Text) == L"Track 1");

    m_Menu_SetItemChecked(&popup, 4186, 1);
    m_Menu_DisableItem(&popup, 4186);
    REQUIRE(popup.m_GetItemById(&it, 4186));
    CHECK(it.Checked == 1);
    CHECK(it.Disabled == 1);
    m_Menu_ResetItem(&popup, 4186, 0);
    REQUIRE(popup.m_GetItemById(&it, 4186));
    CHECK(it.Checked == 0);
    CHECK(it.Disabled == 0);

    m_Menu_MarkReservedDevice(&popup);
    REQUIRE(popup.m_GetItemById(&it, 4456));
    CHECK(it.Bold == 0);
    REQUIRE(popup.m_GetItemById(&it, 4468));
    CHECK(it.Bold == 1);

    m_Menu_ResetItemAt(&popup, 4186, 4187);
    CHECK(popup.m_FindItem(4186) < 0);
    REQUIRE(popup.m_GetItemById(&it, 4187));
    CHECK(std::wstring(it.Text) == L"停止");
    CHECK(popup.m_GetItemIdAt(1) == 4187u);

    // A null popup and a missing id change nothing.
    m_Menu_UpdateItem(nullptr, 4217, 1);
    m_Menu_RefreshItems(nullptr, 1, 1);
    m_Menu_DisableItem(&popup, 12345);
    m_Menu_ResetItemAt(&popup, 12345, 4187);
    CHECK(popup.m_GetItemCount() == 5);
}

// Image numbers that items get outside the fixed looks: the dynamic lists
// (tracks and chapters 1, 2; history 12..16, 30, 31; streams 20..23; capture
// presets 47; filters 59), the size and timer presets (70..77, 93..97), the
// favorites menus (10..16, 32, 45, 46, 4, 6) and the playlist window's menus
// (1, 4, 6, 42, 45, 49, 60, 61, 83).
const int kListImages[] = {1,  2,  4,  6,  10, 11, 12, 13, 14, 15, 16, 20, 21, 22, 23,
                           30, 31, 32, 33, 42, 45, 46, 47, 49, 59, 60, 61, 70, 71, 72,
                           73, 74, 75, 76, 77, 83, 93, 94, 95, 96, 97};

// The image numbers the model gives fixed ids, with the monitor item's pairs
// and every options page.
std::set<int> ModelImages()
{
    std::set<int> images;
    auto collect = [&](UINT id) {
        const SMENUITEM it = Item(id);
        if (!it.HasIcon) return;
        images.insert(int(it.IconIndex));
        if (it.IconColor >= 0) images.insert(it.IconColor);
    };
    for (int page = 0; page < kMenuOptionPageItems; ++page) g_OptionMenuPages[page] = page;
    for (UINT id = 1; id < 10000; ++id) collect(id);
    for (UINT id = kMenuVolumeFirstId; id <= kMenuOptionPageLastId; ++id) collect(id);
    for (int inverted : {0, 1}) {
        m_PowerSaving_SetTemp(inverted, 0, 0);
        for (int keptOn : {0, 1}) {
            g_MainWindowState.nPowerSaving = keptOn;
            collect(4256);
        }
    }
    m_PowerSaving_SetTemp(0, 0, 0);
    g_MainWindowState.nPowerSaving = 0;
    for (int& page : g_OptionMenuPages) page = -1;
    return images;
}

bool CellInked(const CArgbImage& strip, int n)
{
    for (int y = 0; y < 32; ++y)
        for (int x = n * 32; x < n * 32 + 32; ++x)
            if (strip.m_Row(y)[x] >> 24) return true;
    return false;
}

TEST_CASE_FIXTURE(CModelFixture, "the item-icon strip has a picture for every image number used")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    CArgbImage strip;
    REQUIRE(m_LoadPngResource(&strip, 168));
    REQUIRE(strip.m_Height == 32);
    const int cells = strip.m_Width / 32;

    std::set<int> used = ModelImages();
    CHECK(used.count(53) == 1);  // always on top, and its second image
    CHECK(used.count(54) == 1);
    for (int n : {55, 56, 65, 66, 80, 91}) CHECK(used.count(n) == 1);
    used.insert(std::begin(kListImages), std::end(kListImages));
    for (int n : used) {
        CAPTURE(n);
        REQUIRE(n < cells);
        CHECK(CellInked(strip, n));
    }
    // Cells no item asks for stay empty, so a picture cannot sit one off.
    for (int n = 0; n < cells; ++n) {
        CAPTURE(n);
        if (!used.count(n)) CHECK_FALSE(CellInked(strip, n));
    }
}
