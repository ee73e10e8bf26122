#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "../settings/SettingsFixture.h"
#include "commands/MenuPresets.h"
#include "timer/TimerMenuText.h"

namespace {

enum { SIZE = 0, TIMER = 1, RATE = 2 };
const wchar_t* const kKeys[] = {L"Size", L"Timer", L"Rate"};

// The log is placed once per process: its folder outlives every test.
const CTempFolder& LogFolder()
{
    static CTempFolder s_Folder;
    return s_Folder;
}

std::string LogText()
{
    std::string text;
    FILE* file = _wfopen(LogFolder().Join(L"Error.log").c_str(), L"rb");
    if (!file) return text;
    char buffer[4096];
    size_t read;
    while ((read = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, read);
    fclose(file);
    return text;
}

struct CPresetFixture : CSettingsFixture {
    CPresetFixture()
    {
        lstrcpynW(g_ExePath, LogFolder().Join(L"Zentavio.exe").c_str(), MAX_PATH + 1);
        for (int kind = 0; kind < kMenuPresetKinds; ++kind) {
            g_MenuPresets[kind].Count = -1;
            m_MenuPresets_Copy(kind);
        }
    }
    static void Put(int kind, const std::wstring& value)
    {
        REQUIRE(WritePrivateProfileStringW(L"Menu", kKeys[kind], value.c_str(), g_IniPath));
    }
    static std::wstring Stored(int kind) { return Get(L"Menu", kKeys[kind]); }
};

std::wstring Repeat(const std::wstring& piece, int times)
{
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

std::wstring Label(const SMENUPRESET& entry)
{
    wchar_t out[64];
    m_MenuPresets_Label(out, 64, &entry);
    return out;
}

SMENUPRESET Entry(UINT function, int param, const wchar_t* arg = L"", const wchar_t* label = L"")
{
    SMENUPRESET entry = {1, function, param, {}, {}};
    lstrcpynW(entry.Arg, arg, kMenuPresetTextCap);
    lstrcpynW(entry.Label, label, kMenuPresetTextCap);
    return entry;
}

}  // namespace

TEST_CASE_FIXTURE(CPresetFixture, "the default lists are read as their actions and written back")
{
    struct SCase {
        int Kind;
        int Count;
        const wchar_t* Written;
    };
    const SCase cases[] = {
        {SIZE, 13, L"20,25|20,50|20,75|20,100|20,150|20,200|FF|22,360|22,540|22,720|22,900|FF|28"},
        // a zero parameter of a number function goes without its comma
        {TIMER, 9, L"73|74|FF|76,1|76,5|76,15|76,60|FF|79"},
        {RATE, 10, L"D,200|D,175|D,150|D,125|D,100|D,75|D,50|FF|F,1|F,-1"},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.Kind);
        m_MenuPresets_Read(c.Kind, 1);
        REQUIRE(g_MenuPresets[c.Kind].Count == c.Count);
        CHECK(m_MenuPresets_Compare(c.Kind) == 0);
        CHECK(m_MenuPresets_Write(c.Kind) == 1);
        CHECK(Stored(c.Kind) == c.Written);
        // what was written reads as the same list
        m_MenuPresets_Read(c.Kind, 0);
        CHECK(m_MenuPresets_Compare(c.Kind) == 0);
    }
    const SMENUPRESET* size = g_MenuPresets[SIZE].Items;
    CHECK((size[0].Enabled == 1 && size[0].Function == 32 && size[0].Param == 25));
    CHECK(size[6].Function == kMenuPresetSeparator);
    CHECK((size[12].Function == 40 && size[12].Arg[0] == 0));
    const SMENUPRESET& last = g_MenuPresets[RATE].Items[9];
    CHECK((last.Function == 15 && last.Param == -1));
    CHECK(g_MenuPresets[TIMER].Items[0].Function == 115);
}

TEST_CASE_FIXTURE(CPresetFixture, "one entry is read from its text and written back")
{
    const std::wstring x70(70, L'x'), d40(40, L'7');
    struct SCase {
        std::wstring Text;
        UINT Enabled;
        UINT Function;
        int Param;
        std::wstring Arg;
        std::wstring Label;
        std::wstring Written;
    };
    const SCase cases[] = {
        {L"-20,50", 0, 32, 50, L"", L"", L"-20,50"},
        {L"73,0", 1, 115, 0, L"", L"", L"73"},
        {L"d,-20", 1, 13, -20, L"", L"", L"D,-20"},
        // a comma of an argument text is kept as a semicolon
        {L"23,640;360", 1, 35, 0, L"640,360", L"", L"23,640;360"},
        {L"94,1,2,3", 1, 148, 0, L"1", L"2,3", L"94,1,2%c3"},
        {L"D,150,a%cb%vc%%d", 1, 13, 150, L"", L"a,b|c%d", L"D,150,a%cb%vc%%d"},
        {L"D,150,50%", 1, 13, 150, L"", L"50%", L"D,150,50%%"},
        {L"D,,only label", 1, 13, 0, L"", L"only label", L"D,,only label"},
        {L"FF", 1, 255, 0, L"", L"", L"FF"},
        {L"-", 0, 0, 0, L"", L"", L"-0"},
        {L",,,", 1, 0, 0, L"", L",", L"0,,%c"},
        {L"zz,5", 1, 0, 0, L"5", L"", L"0,5"},
        {L"123456789,5", 1, 0, 0, L"5", L"", L"0,5"},
        // pieces are cut at 63 characters, labels and argument texts at 31
        {L"D,100," + x70, 1, 13, 100, L"", std::wstring(31, L'x'),
         L"D,100," + std::wstring(31, L'x')},
        {L"23," + d40, 1, 35, 0, std::wstring(31, L'7'), L"", L"23," + std::wstring(31, L'7')},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.Text);
        Put(SIZE, c.Text);
        m_MenuPresets_Read(SIZE, 1);
        REQUIRE(g_MenuPresets[SIZE].Count == 1);
        const SMENUPRESET& e = g_MenuPresets[SIZE].Items[0];
        CHECK(e.Enabled == c.Enabled);
        CHECK(e.Function == c.Function);
        CHECK(e.Param == c.Param);
        CHECK(std::wstring(e.Arg) == c.Arg);
        CHECK(std::wstring(e.Label) == c.Label);
        m_MenuPresets_Write(SIZE);
        CHECK(Stored(SIZE) == c.Written);
        m_MenuPresets_Read(SIZE, 0);
        CHECK(m_MenuPresets_Compare(SIZE) == 0);
    }
}

TEST_CASE_FIXTURE(CPresetFixture, "bars divide the value into entries, empty ones included")
{
    struct SCase {
        std::wstring Value;
        int Count;
        int Empty;  // an entry expected to be all zero, or -1
    };
    const SCase cases[] = {
        {L"D,200", 1, -1},
        {L"D,200|", 1, -1},
        {L"D,200|FF|D,100", 3, -1},
        {L"||", 2, 1},
        {L"D,200||D,100", 3, 1},
        {L"", 0, -1},
        // the list holds 100 entries; the rest is dropped
        {Repeat(L"D,1|", 150), kMenuPresetCap, -1},
        // a value is read up to 1023 characters, long pieces cut
        {Repeat(L"D,64," + std::wstring(95, L'y') + L"|", 20), 11, -1},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.Value.size());
        Put(RATE, c.Value);
        m_MenuPresets_Read(RATE, 1);
        CHECK(g_MenuPresets[RATE].Count == c.Count);
        if (c.Empty >= 0) {
            const SMENUPRESET zero = {};
            CHECK(memcmp(&g_MenuPresets[RATE].Items[c.Empty], &zero, sizeof(zero)) == 0);
        }
    }
    // ten whole pieces of 101 characters, then 13 of the eleventh
    const SMENUPRESET* items = g_MenuPresets[RATE].Items;
    CHECK(std::wstring(items[9].Label) == std::wstring(31, L'y'));
    CHECK(std::wstring(items[10].Label) == std::wstring(8, L'y'));
}

TEST_CASE_FIXTURE(CPresetFixture, "a list too long for one value is written as whole entries")
{
    g_Settings.Main_ErrLog = 1;
    SMENUPRESETLIST& list = g_MenuPresets[RATE];
    list.Count = 40;
    for (int i = 0; i < list.Count; ++i) {
        list.Items[i] = Entry(13, 100 + i, L"", std::wstring(31, (wchar_t)(L'a' + i % 26)).c_str());
    }
    // Each entry "D,1nn," and 31 letters is 37 characters: 26 of them and
    // their bars fill 987, a 27th would pass 1023.
    const SMENUPRESETLIST written = list;
    CHECK(m_MenuPresets_Write(RATE) == 1);
    const std::wstring value = Stored(RATE);
    CHECK(value.size() == 26 * 38 - 1);
    CHECK(value.back() != L'|');
    m_MenuPresets_Read(RATE, 0);
    REQUIRE(list.Count == 26);
    CHECK(memcmp(list.Items, written.Items, sizeof(SMENUPRESET) * 26) == 0);
    CHECK(LogText().find("[Menu] Rate : 14 entries dropped") != std::string::npos);

    // An escaped label too long for its entry is cut between whole escapes.
    list.Count = 1;
    list.Items[0] = Entry(13, 100, L"", std::wstring(31, L'%').c_str());
    m_MenuPresets_Write(RATE);
    CHECK(Stored(RATE) == L"D,100," + std::wstring(56, L'%'));
    m_MenuPresets_Read(RATE, 0);
    CHECK(std::wstring(list.Items[0].Label) == std::wstring(28, L'%'));
}

TEST_CASE_FIXTURE(CPresetFixture, "changes are told from the saved copy, kept or reverted")
{
    g_Settings.Main_ErrLog = 1;
    g_Settings.Main_Test = 1;
    // never read: nothing differs and nothing is written
    CHECK(m_MenuPresets_Compare(SIZE) == 0);
    CHECK(m_MenuPresets_Write(SIZE) == 0);
    CHECK(Stored(SIZE) == L"<none>");
    m_MenuPresets_Read(3, 1);
    m_MenuPresets_Read(-1, 1);
    CHECK(m_MenuPresets_Compare(3) == 0);

    m_MenuPresets_Read(SIZE, 1);
    m_MenuPresets_Read(RATE, 0);  // no saved copy yet
    CHECK(m_MenuPresets_Compare(RATE) == 1);
    m_MenuPresets_Copy(RATE);
    CHECK(m_MenuPresets_Compare(RATE) == 0);

    const SMENUPRESETLIST before = g_MenuPresets[SIZE];
    g_MenuPresets[SIZE].Items[3].Label[0] = L'z';
    CHECK(m_MenuPresets_Compare(SIZE) == 1);
    g_MenuPresets[RATE].Count -= 1;
    CHECK(m_MenuPresets_Compare(RATE) == 1);
    const size_t logged = LogText().size();
    m_MenuPresets_Revert();
    CHECK(m_MenuPresets_Compare(SIZE) == 0);
    CHECK(m_MenuPresets_Compare(RATE) == 0);
    CHECK(memcmp(&g_MenuPresets[SIZE], &before, sizeof(before)) == 0);
    CHECK(g_MenuPresets[RATE].Count == 10);
    CHECK(LogText().find("m_Option_SelectMenu(-1,1)", logged) != std::string::npos);
    // nothing to put back: the options page is left alone
    const size_t quiet = LogText().size();
    m_MenuPresets_Revert();
    CHECK(LogText().size() == quiet);

    // a kept change becomes the saved copy
    g_MenuPresets[SIZE].Items[0].Param = 33;
    m_MenuPresets_Copy(SIZE);
    CHECK(m_MenuPresets_Compare(SIZE) == 0);
    m_MenuPresets_Revert();
    CHECK(g_MenuPresets[SIZE].Items[0].Param == 33);
}

TEST_CASE_FIXTURE(CPresetFixture, "an entry without a label of its own is named by its action")
{
    g_Settings.Fullscr_Mon[0] = 2;
    g_Settings.Fullscr_Mon[1] = 3;
    struct SCase {
        SMENUPRESET Entry;
        const wchar_t* Label;
    };
    const SCase cases[] = {
        {Entry(13, 150), L"ｘ1.50"},
        {Entry(14, -25), L"－0.25"},
        {Entry(14, 10), L"＋0.10"},
        {Entry(15, 1), L"Up"},
        {Entry(15, 0), L"Down"},
        {Entry(32, 50), L"50%"},
        {Entry(33, 640), L"W=640"},
        {Entry(34, 360), L"H=360"},
        {Entry(35, 0, L"640,360"), L"640x360"},
        {Entry(35, 0, L"640"), L"640"},
        {Entry(36, 2073600), L"2.1MP"},
        {Entry(40, 0), L"FULLSCREEN "},
        {Entry(40, 0, L"2"), L"FULLSCREEN [MON:2]"},
        {Entry(40, 0, L"2-3,1"), L"FULLSCREEN [MON:2-3][CLIP:1]"},
        {Entry(40, 0, L"-2"), L"FULLSCREEN [MON:ALL]"},
        {Entry(40, 0, L"-1"), L"FULLSCREEN [MON:2-3]"},
        {Entry(40, 0, L"0,0"), L"FULLSCREEN [CLIP:0]"},
        {Entry(148, 0, L"640,480"), L"WND=640x480"},
        {Entry(148, 0, L"640"), L"WND_W=640"},
        {Entry(148, 0, L"0,480"), L"WND_H=480"},
        {Entry(148, 0, L"-1,-1"), L"-1,-1"},
        {Entry(255, 0), L"-"},
        {Entry(153, 7), L"アプリケーション終了"},
        {Entry(113, 30), L"オンタイマー作成(秒) (30)"},
        {Entry(46, 0, L"16:9"), L"アスペクト比 (16:9)"},
        {Entry(128, 0, L"0,1,5"), L"プロパティ設定 (0,1,5)"},
        // its own label does not change what the action is called
        {Entry(32, 75, L"", L"mine"), L"75%"},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.Entry.Function);
        CHECK(Label(c.Entry) == c.Label);
    }
    // the timer functions are named by the timer, minutes as seconds
    struct STimer {
        UINT Function;
        int Param;
        int Value;
    };
    const STimer timers[] = {{115, 5, 300}, {118, 60, 3600}, {121, 2, 2}};
    for (const STimer& t : timers) {
        wchar_t expected[64];
        m_Timer_FormatMenuText(nullptr, expected, 64, (int)t.Function, t.Value);
        CHECK(Label(Entry(t.Function, t.Param)) == expected);
    }
    // a small buffer is filled, never passed
    wchar_t small[6] = {L'?', L'?', L'?', L'?', L'?', L'?'};
    const SMENUPRESET full = Entry(40, 0, L"2-3,1");
    CHECK(m_MenuPresets_Label(small, 5, &full) == 4);
    CHECK(small[5] == L'?');
    CHECK(m_MenuPresets_Label(small, 5, nullptr) == 0);
}
