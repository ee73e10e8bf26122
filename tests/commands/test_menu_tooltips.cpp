#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "commands/MenuItemData.h"
#include "commands/MenuTooltips.h"
#include "controls/MenuPlus.h"
#include "library/Favorites.h"
#include "library/RecentRecords.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"

namespace {

// [Common] "Tip" as the loader keeps it: a switch and its bits.
void SetTip(int value)
{
    g_Settings.Common_Tip = value != 0;
    for (int bit = 0; bit < 4; ++bit) g_Settings.Common_TipBits[bit] = (value >> bit) & 1;
}

std::wstring Tip(UINT id)
{
    const wchar_t* text = m_Menu_GetTooltip(id, nullptr);
    return text ? text : L"<none>";
}

struct CTipFixture : CSettingsFixture {
    CTipFixture()
    {
        SetTip(15);
        m_Recent_ClearRecords();
        g_MediaOpen = 0;
        g_MediaPath[0] = 0;
    }
    ~CTipFixture()
    {
        m_Recent_ClearRecords();
        g_MediaOpen = 0;
        g_MediaPath[0] = 0;
    }
    // Presets owned by the settings lists, freed with them.
    static SCAPTUREPRESET* SetPresets(int count)
    {
        g_CaptureSettings = new SCAPTUREPRESET[count]();
        g_CaptureCount = count;
        return g_CaptureSettings;
    }
};

SCAPTUREPRESET Preset(const wchar_t* name, UINT format, UINT quality)
{
    SCAPTUREPRESET p = {};
    lstrcpynW(p.Name, name, ARRAYSIZE(p.Name));
    p.SaveFile = 1;
    p.Format = format;
    p.Quality = quality;
    return p;
}

}  // namespace

TEST_CASE_FIXTURE(CTipFixture, "command items have their help texts while Tip has value 2")
{
    CHECK(Tip(4227).rfind(L"音声出力デバイスを切り替えた後の音量の調整量を記録して、\r\n", 0) == 0);
    CHECK(Tip(4604) == Tip(9490));
    CHECK(Tip(9495) == Tip(9496));
    CHECK(Tip(4463).find(L"番号です。") != std::wstring::npos);
    // an empty text: the popup shows a cut label only
    CHECK(Tip(4442) == L"");
    for (UINT id : {0u, 4000u, 4226u, 4462u, 9497u}) {
        CAPTURE(id);
        CHECK(Tip(id) == L"<none>");
    }
    // the main window's answer carries the same pointer
    CHECK(reinterpret_cast<const wchar_t*>(m_Menu_GetTipText(4227, 0)) ==
          m_Menu_GetTooltip(4227, nullptr));
    CHECK(m_Menu_GetTipText(4000, 0) == 0);
}

TEST_CASE_FIXTURE(CTipFixture, "the bits of Tip switch command and file item texts apart")
{
    m_Recent_AddRecord(L"C:\\media\\a.mp4");
    SetPresets(1)[0] = Preset(L"P", 2, 0);
    struct SCase {
        int Tip;
        bool Commands;
        bool Files;
    };
    const SCase cases[] = {{15, true, true}, {4, false, true}, {2, true, false}, {0, false, false}};
    for (const SCase& c : cases) {
        CAPTURE(c.Tip);
        SetTip(c.Tip);
        CHECK((Tip(4227) != L"<none>") == c.Commands);
        // capture presets are items below the file ranges: they go with the commands
        CHECK((Tip(35068) != L"<none>") == c.Commands);
        CHECK((Tip(38768) != L"<none>") == c.Files);
        CHECK((Tip(39268) != L"<none>") == c.Files);
    }
}

TEST_CASE_FIXTURE(CTipFixture, "history items show their entry's file, folder and play time")
{
    for (int i = 0; i < 8; ++i) {
        wchar_t path[64];
        wsprintfW(path, L"C:\\video %d\\clip%d.mp4", i, i);
        REQUIRE(m_Recent_AddRecord(path));
    }
    m_Recent_SetRecordMinutes(5, 90);
    m_Recent_SetRecordMinutes(6, 6000);
    m_Recent_SetRecordMinutes(7, 5999);
    CHECK(Tip(38768 + 5) == L"clip5.mp4\r\nFolder：C:\\video 5\r\nPlayTime：1.5h");
    // most played items name the same entries
    CHECK(Tip(39268 + 5) == Tip(38768 + 5));
    CHECK(Tip(39268 + 6) == L"clip6.mp4\r\nFolder：C:\\video 6\r\nPlayTime：100h");
    CHECK(Tip(39268 + 7) == L"clip7.mp4\r\nFolder：C:\\video 7\r\nPlayTime：100.0h");
    CHECK(Tip(38768) == L"clip0.mp4\r\nFolder：C:\\video 0\r\nPlayTime：0.0h");
    // indexes past the history, and ids past the lists, have none
    for (UINT id : {38768u + 8, 39267u, 39268u + 8, 39667u, 39668u}) {
        CAPTURE(id);
        CHECK(Tip(id) == L"<none>");
    }
}

TEST_CASE("favorites items are told by their type")
{
    wchar_t out[kMenuTipCap];
    CHECK(std::wstring(m_Menu_FormatFavoriteTip(out, kMenuTipCap, 1, L"Anime", L"")) ==
          L"Anime\r\nItemType：SubMenu");
    const wchar_t* const types[] = {L"MediaFile", L"Playlist", L"PlayFolder", L"FolderLink",
                                    L"Bookmark"};
    for (int type = 4; type <= 8; ++type) {
        CAPTURE(type);
        const wchar_t* text = m_Menu_FormatFavoriteTip(out, kMenuTipCap, type, L"Name",
                                                       L"D:\\lists\\one.zvpl");
        REQUIRE(text);
        CHECK(std::wstring(text) ==
              std::wstring(L"Name\r\nFolder：D:\\lists\r\nItemType：") + types[type - 4]);
    }
    for (int type : {0, 2, 3, 9, -1}) {
        CAPTURE(type);
        CHECK(m_Menu_FormatFavoriteTip(out, kMenuTipCap, type, L"Name", L"D:\\x") == nullptr);
    }
}

TEST_CASE_FIXTURE(CTipFixture, "favorites items and their list entries answer from their records")
{
    g_Favorite.m_Clear();
    g_Favorite.m_Append(FAVO_MEDIAFILE, L"D:\\v\\one.mp4");
    g_Favorite.m_Append(FAVO_SUBMENU, L"Anime");
    const int inList = g_Favorite.m_AddEntry(FAVO_MEDIAFILE, FAVO_PLAYLIST, L"E:\\a\\ep1.mkv");
    const int unknown = g_Favorite.m_AddEntry(3, FAVO_BOOKMARK, L"E:\\b\\x.dat");
    // An entry item names its record by its data word; one names none.
    CMenuPlus popup;
    const struct {
        UINT id;
        UINT64 data;
    } items[] = {
        {40768, (UINT64)inList}, {41768, (UINT64)inList}, {40769, (UINT64)unknown}, {40770, 999}};
    for (const auto& i : items) {
        SMENUITEM item = {};
        item.Id = i.id;
        m_Menu_SetItemData(&item, i.data);
        REQUIRE(popup.m_InsertItem(&item, -1, 0) >= 0);
    }
    auto tip = [&](UINT id) {
        const wchar_t* text = m_Menu_GetTooltip(id, &popup);
        return std::wstring(text ? text : L"<none>");
    };
    CHECK(tip(39768) == L"one.mp4\r\nFolder：D:\\v\r\nItemType：MediaFile");
    CHECK(tip(39769) == L"Anime\r\nItemType：SubMenu");
    CHECK(tip(39770) == L"<none>");  // past the records
    // Below 41768 the entry also names the kind of favorite listing it.
    CHECK(tip(40768) == L"ep1.mkv\r\nFolder：E:\\a\r\nItemType：MediaFile / Playlist");
    CHECK(tip(41768) == L"ep1.mkv\r\nFolder：E:\\a\r\nItemType：MediaFile");
    CHECK(tip(40769) == L"x.dat\r\nFolder：E:\\b\r\nItemType：-");
    CHECK(tip(40770) == L"<none>");
    CHECK(tip(40771) == L"<none>");  // no such item
    CHECK(m_Menu_GetTooltip(40768, nullptr) == nullptr);
    // The file-item bit switches them all off.
    SetTip(2);
    CHECK(tip(39768) == L"<none>");
    CHECK(tip(40768) == L"<none>");
    g_Favorite.m_Clear();
}

TEST_CASE_FIXTURE(CTipFixture, "capture presets are summed up in the file's terms")
{
    SCAPTUREPRESET* p = SetPresets(3);
    p[0] = Preset(L"JPEG小", 3, 85);
    p[0].SizeLimit = 1;
    p[0].MaxWidth = 1280;
    p[0].MaxHeight = 720;
    p[0].KeepAspect = 1;
    p[0].AsDisplayed = 1;
    p[0].HideSubtitles = 1;
    lstrcpynW(p[0].Folder, L"C:\\caps", 261);
    lstrcpynW(p[0].Template, L"%FN%(%MT_HMS%)", 257);
    p[1] = Preset(L"PNG", 2, 0);
    p[2] = Preset(L"copy", 0, 0);
    p[2].SaveFile = 0;
    p[2].Clipboard = 1;

    CHECK(Tip(35068) ==
          L"[JPEG小]\nファイル形式 : JPEG (85%) / 縮小 : 1280x720\n"
          L"プロパティ : [アスペクト比] [表示範囲] / その他 : [字幕無効]\n"
          L"フォルダ : \"C:\\caps\"\nファイル名 : %FN%(%MT_HMS%)");
    CHECK(Tip(35069) ==
          L"[PNG]\nファイル形式 : PNG, / 縮小 : なし\nプロパティ : なし / その他 :\nフォルダ : 未指定");
    CHECK(Tip(35070) ==
          L"[copy]\n動作 : 画像をコピー / 縮小 : なし\nプロパティ : なし / その他 : [画像をコピー]");
    // with a file open: its picture size and its folder
    g_MediaOpen = 1;
    lstrcpynW(g_MediaPath, L"E:\\films\\a.mkv", MAX_PATH + 1);
    g_VideoSize = SIZE{1920, 1080};
    CHECK(Tip(35069) == L"[PNG]\nファイル形式 : PNG, / 縮小 : なし (1920x1080)\n"
                        L"プロパティ : なし / その他 :\nフォルダ : 未指定 \"E:\\films\"");
    // past [Cap] "Count" and the preset range
    CHECK(Tip(35071) == L"<none>");
    CHECK(Tip(35168) == L"<none>");

    // a summary too long for its buffer is cut, never overrun
    p[1].SizeLimit = 1;
    p[1].MaxWidth = p[1].MaxHeight = 4000000000u;
    for (int i = 0; i < 63; ++i) p[1].Name[i] = L'n';
    for (int i = 0; i < 261; ++i) p[1].Folder[i] = L'f';
    for (int i = 0; i < 257; ++i) p[1].Template[i] = L't';
    const std::wstring cut = Tip(35069);
    CHECK(cut.size() == kMenuTipCap - 1);
    CHECK(cut.rfind(L"[" + std::wstring(63, L'n') + L"]\n", 0) == 0);
}

TEST_CASE_FIXTURE(CTipFixture, "the capture folder items show where the first preset saves")
{
    SCAPTUREPRESET* p = SetPresets(1);
    p[0] = Preset(L"P", 2, 0);
    // no folder of its own and no file open: nothing is known
    CHECK(Tip(4292) == L"<none>");
    g_MediaOpen = 1;
    lstrcpynW(g_MediaPath, L"E:\\films\\a.mkv", MAX_PATH + 1);
    CHECK(Tip(4292) == L"\"E:\\films\"");
    lstrcpynW(p[0].Folder, L"C:\\caps", 261);
    CHECK(Tip(4293) == L"\"C:\\caps\"");
    p[0].SaveFile = 0;
    CHECK(Tip(4292) == L"<none>");
    m_SettingsLists_Free();
    CHECK(Tip(4292) == L"<none>");
}
