// The level in effect for each property group, seeding a level before its
// first change, setting and stepping values, the balance presets, the
// parameter texts of the property functions and the groups' messages.
#include <doctest/doctest.h>

#include <string>

#include "commands/Executor.h"
#include "playback/PlayState.h"
#include "playback/VideoPropApply.h"
#include "playback/VideoPropStep.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

namespace {

// DEF at its defaults (everything switched on), the other levels empty, no
// file open, kind 0 in use.
void m_Fresh()
{
    m_VideoProp_Init(&g_VideoPropDefault, 1);
    m_VideoProp_InitLevels();
    m_ProcAmp_BuildRange(&g_ProcAmpRange, 0);
    g_Settings.Prop_EnbOut = g_Settings.Prop_AtDis = g_Settings.Prop_PauCnt = 0;
    g_MediaOpen = 0;
    g_ListType = LIST_NONE;
    g_RepeatSkipCount = 0;
}

std::wstring m_Message(int mask)
{
    SVIDEOPROPSET* set = nullptr;
    const int origin = m_VideoProp_GetOrigin(mask, &set, nullptr);
    wchar_t text[128];
    m_VideoProp_FormatMessage(mask, origin, set, text, 128);
    return text;
}

}  // namespace

TEST_CASE("the level in effect: TEMP, a switched-off DEF, SNGL in use, FILE, DEF")
{
    struct Case {
        int temp, def, inUse, track, file, origin;
    };
    const Case cases[] = {
        {1, 1, 1, 1, 1, VP_LEVEL_TEMP}, {1, 0, 0, 0, 0, VP_LEVEL_TEMP},
        {0, 0, 1, 1, 1, VP_LEVEL_NONE}, {0, 1, 1, 1, 1, VP_LEVEL_SNGL},
        {0, 1, 0, 1, 1, VP_LEVEL_FILE}, {0, 1, 0, 1, 0, VP_LEVEL_DEF},
        {0, 1, 1, 0, 0, VP_LEVEL_DEF},
    };
    for (int bit : {VP_BOOST, VP_RANGE, VP_PROCAMP}) {
        for (const Case& c : cases) {
            CAPTURE(bit);
            CAPTURE(c.origin);
            m_Fresh();
            auto hold = [bit](SVIDEOPROPSET& s, int on) {
                if (bit == VP_RANGE)
                    s.RangeMode = on ? 1 : -1;  // a switched-off range keeps its mode negated
                else if (bit == VP_BOOST)
                    s.BoostOn = on;
                else
                    s.ProcAmpOn = on;
            };
            hold(g_VideoPropTemp, c.temp);
            hold(g_VideoPropDefault, c.def);
            hold(g_VideoPropTrack, c.track);
            hold(g_VideoPropFile, c.file);
            g_TrackPropsInUse = c.inUse;
            SVIDEOPROPSET* set = nullptr;
            const wchar_t* text = nullptr;
            CHECK(m_VideoProp_GetOrigin(bit, &set, &text) == c.origin);
            CHECK(set == m_VideoProp_GetSet(c.origin));
            CHECK(std::wstring(text) == m_VideoProp_LevelText(c.origin));
        }
    }
}

TEST_CASE("marking a group present switches it on at DEF and off at TEMP")
{
    m_Fresh();
    g_VideoPropDefault.BoostOn = 0;
    g_VideoPropTemp.BoostOn = 1;
    CHECK(m_VideoProp_MarkPresent(VP_LEVEL_FILE, VP_BOOST) == 1);
    CHECK(g_VideoPropDefault.BoostOn == 1);
    CHECK(g_VideoPropTemp.BoostOn == 0);
    CHECK(g_VideoPropFile.BoostOn == 1);
    CHECK(m_VideoProp_MarkPresent(VP_LEVEL_FILE, VP_BOOST) == 0);

    // TEMP alone: DEF stays switched off.
    m_Fresh();
    g_VideoPropDefault.BalanceOn = 0;
    CHECK(m_VideoProp_MarkPresent(VP_LEVEL_TEMP, VP_BALANCE) == 1);
    CHECK(g_VideoPropTemp.BalanceOn == 1);
    CHECK(g_VideoPropDefault.BalanceOn == 0);

    // The range: a negated mode comes back, FILE takes mode 1; a ProcAmp
    // bit marks the one ProcAmp flag.
    m_Fresh();
    g_VideoPropDefault.RangeMode = -2;
    g_VideoPropFile.RangeMode = 2;
    m_VideoProp_MarkPresent(VP_LEVEL_FILE, VP_RANGE);
    CHECK(g_VideoPropDefault.RangeMode == 2);
    CHECK(g_VideoPropFile.RangeMode == 1);
    m_VideoProp_MarkPresent(VP_LEVEL_SNGL, VP_HUE);
    CHECK(g_VideoPropTrack.ProcAmpOn == 1);
}

TEST_CASE("seeding takes the value the level would inherit")
{
    m_Fresh();
    g_VideoPropDefault.Boost = 120;
    g_VideoPropDefault.ProcAmp[0] = 1300;
    CHECK(m_VideoProp_SeedFile(VP_BOOST | VP_CONTRAST) == 1);
    CHECK(g_VideoPropFile.Boost == 120);
    CHECK(g_VideoPropFile.ProcAmpKind == 0);
    CHECK(g_VideoPropFile.ProcAmp[0] == 1300);
    CHECK(g_VideoPropFile.BoostOn == 0);  // seeding does not switch the group on
    CHECK(m_VideoProp_SeedFile(VP_BOOST) == 0);

    // SNGL: FILE's value when set, else DEF's.
    m_Fresh();
    g_VideoPropDefault.Balance = 60;
    g_VideoPropFile.Boost = 150;
    m_VideoProp_SeedTrack(VP_BOOST | VP_BALANCE);
    CHECK(g_VideoPropTrack.Boost == 150);
    CHECK(g_VideoPropTrack.Balance == 60);

    // TEMP: SNGL in use, else FILE holding the group, else DEF; the range
    // only from a percentage.
    struct Case {
        int inUse, trackOn, fileOn, expected;
    };
    for (const Case& c : {Case{1, 1, 1, 210}, Case{0, 1, 1, 150}, Case{1, 0, 0, 100}}) {
        m_Fresh();
        g_TrackPropsInUse = c.inUse;
        g_VideoPropTrack.BoostOn = c.trackOn;
        g_VideoPropTrack.Boost = 210;
        g_VideoPropFile.BoostOn = c.fileOn;
        g_VideoPropFile.Boost = 150;
        CHECK(m_VideoProp_SeedTemp(VP_BOOST) == 1);
        CHECK(g_VideoPropTemp.Boost == c.expected);
    }
    m_Fresh();
    g_VideoPropFile.RangeMode = 2;
    g_VideoPropFile.RangePercent = 5000;
    m_VideoProp_SeedTemp(VP_RANGE);
    CHECK(g_VideoPropTemp.RangePercent == 10000);
    g_VideoPropTemp.RangeMode = 1;
    CHECK(m_VideoProp_SeedTemp(VP_RANGE) == 0);
}

TEST_CASE("steps go to the next multiple and stay within the group's bounds")
{
    struct Case {
        int bit, from, step, to;
    };
    const Case cases[] = {
        {VP_CONTRAST, 95, 10, 100},    {VP_CONTRAST, 100, -10, 90}, {VP_CONTRAST, 1995, 10, 2000},
        {VP_CONTRAST, 2000, 10, 2000}, {VP_HUE, 5, -10, 0},         {VP_BOOST, 295, 10, 300},
        {VP_BOOST, 5, -10, 0},         {VP_BALANCE, 195, 10, 200},  {VP_RANGE, 10000, 100, 10000},
        {VP_RANGE, 1050, -100, 1000},  {VP_BOOST, 100, 25, 125},
    };
    for (const Case& c : cases) {
        CAPTURE(c.bit);
        CAPTURE(c.from);
        CAPTURE(c.step);
        m_Fresh();
        m_VideoProp_SetValue(VP_LEVEL_FILE, c.bit, c.from, 1);
        m_VideoProp_Step(VP_LEVEL_FILE, c.bit, c.step);
        CHECK(m_VideoProp_GetValue(VP_LEVEL_FILE, c.bit) == c.to);
        CHECK(m_VideoProp_IsPresent(VP_LEVEL_FILE, c.bit) == 1);
    }
}

TEST_CASE("a step of 0 puts the default back without switching the group on")
{
    m_Fresh();
    g_VideoPropDefault.Boost = 180;
    m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, 0);
    CHECK(g_VideoPropFile.Boost == 100);
    CHECK(g_VideoPropFile.BoostOn == 0);

    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 150, 1);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, 0);
    CHECK(g_VideoPropFile.Boost == 100);
    CHECK(g_VideoPropFile.BoostOn == 1);
}

TEST_CASE("a DEF step is refused while FILE holds the group")
{
    m_Fresh();
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 150, 1);
    m_VideoProp_Step(VP_LEVEL_DEF, VP_BOOST, 10);
    CHECK(g_VideoPropDefault.Boost == 100);
    CHECK(g_VideoPropFile.Boost == 150);
    // Another group is free at DEF.
    m_VideoProp_Step(VP_LEVEL_DEF, VP_BALANCE, 10);
    CHECK(g_VideoPropDefault.Balance == 110);

    // Aspect and crop have no DEF or TEMP value.
    m_VideoProp_SetValue(VP_LEVEL_TEMP, VP_ASPECT, 1500, 1);
    m_VideoProp_Step(VP_LEVEL_DEF, VP_CROP, 100);
    CHECK(g_VideoPropTemp.AspectOn == 0);
    CHECK(g_VideoPropDefault.CropMode == 0);
}

TEST_CASE("EnbOut makes the first step on a new level take the value in effect")
{
    m_Fresh();
    g_Settings.Prop_EnbOut = 1;
    g_VideoPropDefault.Boost = 120;
    m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, 10);
    CHECK(g_VideoPropFile.BoostOn == 1);
    CHECK(g_VideoPropFile.Boost == 120);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, 10);
    CHECK(g_VideoPropFile.Boost == 130);

    g_Settings.Prop_EnbOut = 0;
    m_VideoProp_Step(VP_LEVEL_TEMP, VP_BOOST, 10);
    CHECK(g_VideoPropTemp.Boost == 140);  // seeded from FILE, then stepped
}

TEST_CASE("PauCnt rests a held key on the default")
{
    struct Case {
        int pauCnt, from, step, skip;
    };
    for (const Case& c :
         {Case{1, 90, 10, 8}, Case{1, 80, 10, 0}, Case{0, 90, 10, 0}, Case{1, 110, -10, 8}}) {
        m_Fresh();
        g_Settings.Prop_PauCnt = c.pauCnt;
        m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, c.from, 1);
        m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, c.step);
        CHECK(g_RepeatSkipCount == c.skip);
    }
}

TEST_CASE("AtDis lets a level go when it steps back onto what it inherits")
{
    m_Fresh();
    g_Settings.Prop_AtDis = 1;
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 110, 1);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_BOOST, -10);
    CHECK(g_VideoPropFile.BoostOn == 0);
    CHECK(m_VideoProp_GetOrigin(VP_BOOST, nullptr, nullptr) == VP_LEVEL_DEF);

    // TEMP inherits FILE's value when FILE holds the group.
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 140, 1);
    m_VideoProp_Step(VP_LEVEL_TEMP, VP_BOOST, 10);
    CHECK(g_VideoPropTemp.BoostOn == 1);
    m_VideoProp_Step(VP_LEVEL_TEMP, VP_BOOST, -10);
    CHECK(g_VideoPropTemp.BoostOn == 0);

    // The range keeps its mode negated; ProcAmp needs all four positions.
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_RANGE, 9900, 1);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_RANGE, 100);
    CHECK(g_VideoPropFile.RangeMode == -1);
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_HUE, 1790, 1);
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_CONTRAST, 1100, 0);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_HUE, 10);
    CHECK(g_VideoPropFile.ProcAmpOn == 1);
    m_VideoProp_Step(VP_LEVEL_FILE, VP_CONTRAST, -100);
    CHECK(g_VideoPropFile.ProcAmpOn == 0);
}

TEST_CASE("an aspect held as a plain pair is stepped in thousandths")
{
    struct Case {
        int mode, x, y, step, to;
    };
    for (const Case& c :
         {Case{1, 4, 3, 100, 1400}, Case{2, 16, 9, -100, 1700}, Case{3, 235, 100, 100, 2400},
          Case{3, 1850, 1000, 50, 1900}, Case{3, 1, 100, -100, 500}}) {
        CAPTURE(c.mode);
        CAPTURE(c.x);
        m_Fresh();
        g_VideoPropFile.AspectOn = 1;
        g_VideoPropFile.AspectMode = c.mode;
        g_VideoPropFile.AspectX = c.x;
        g_VideoPropFile.AspectY = c.y;
        m_VideoProp_Step(VP_LEVEL_FILE, VP_ASPECT, c.step);
        CHECK(g_VideoPropFile.AspectMode == 3);
        CHECK(g_VideoPropFile.AspectY == 1000);
        CHECK(g_VideoPropFile.AspectX == c.to);
    }
}

TEST_CASE("balance presets: centre, left, right and the cycle")
{
    struct Case {
        int now, preset, to, changed;
    };
    const Case cases[] = {
        {150, 0, 100, 1}, {100, 1, 0, 1},    {100, 2, 200, 1}, {200, 2, 200, 0},
        {100, -1, 0, 1},  {150, -1, 100, 1}, {50, 5, 200, 1},
    };
    for (const Case& c : cases) {
        CAPTURE(c.now);
        CAPTURE(c.preset);
        m_Fresh();
        m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BALANCE, c.now, 1);
        CHECK(m_VideoProp_BalancePreset(VP_LEVEL_AUTO, c.preset) == c.changed);
        CHECK(g_VideoPropFile.Balance == c.to);
    }
}

TEST_CASE("function texts set or step one group at a level")
{
    m_Fresh();
    m_VideoProp_Function(141, L"=120,2");
    CHECK(g_VideoPropFile.Boost == 120);
    CHECK(g_VideoPropFile.BoostOn == 1);
    m_VideoProp_Function(141, L"-10");
    CHECK(g_VideoPropFile.Boost == 110);
    m_VideoProp_Function(141, L"=150,4");
    CHECK(g_VideoPropTemp.Boost == 150);
    m_VideoProp_Function(143, L"1,2");
    CHECK(g_VideoPropFile.Balance == 0);

    // Nothing for an empty text, no number, or a level out of range.
    m_Fresh();
    for (const wchar_t* text : {L"", L"=", L"abc", L"10,9", L"10,-1", L"=50,x"}) {
        CAPTURE(std::wstring(text).size());
        m_VideoProp_Function(141, text);
        CHECK(g_VideoPropFile.BoostOn == 0);
        CHECK(g_VideoPropTemp.BoostOn == 0);
    }
    m_VideoProp_Function(136, L"=150");
    CHECK(g_VideoPropFile.BoostOn == 0);
}

TEST_CASE("the property command: level, key, step")
{
    m_Fresh();
    m_VideoProp_Command(L"2,XYZ,10");  // an unknown key is the contrast
    CHECK(g_VideoPropFile.ProcAmpOn == 1);
    CHECK(g_VideoPropFile.ProcAmp[0] == 1010);
    m_VideoProp_Command(L"2,BST,-20");
    CHECK(g_VideoPropFile.Boost == 80);
    m_VideoProp_Command(L"4,BLS,10");
    CHECK(g_VideoPropTemp.Balance == 110);

    // One comma does nothing.
    m_Fresh();
    m_VideoProp_Command(L"2,BST");
    m_VideoProp_Command(L"2");
    m_VideoProp_Command(nullptr);
    CHECK(g_VideoPropFile.BoostOn == 0);

    // Each field is cut at 15 characters: sixteen digits lose the 4 of TEMP.
    m_VideoProp_Command(L"0000000000000004,BST,10");
    CHECK(g_VideoPropTemp.BoostOn == 0);
    CHECK(g_VideoPropFile.Boost == 110);
    m_VideoProp_Command(L"000000000000004,BST,10");
    CHECK(g_VideoPropTemp.Boost == 120);
    const std::wstring longKey = L"2," + std::wstring(300, L'B') + L",10";
    m_VideoProp_Command(longKey.c_str());
    CHECK(g_VideoPropFile.ProcAmp[0] == 1010);
}

TEST_CASE("each group's message names the level in effect")
{
    m_Fresh();
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 150, 1);
    CHECK(m_Message(VP_BOOST) == L"AUDIO````BOOST````(FILE) : +50`%");
    m_VideoProp_SetValue(VP_LEVEL_TEMP, VP_BOOST, 100, 1);
    CHECK(m_Message(VP_BOOST) == L"AUDIO````BOOST````(TEMP) : 0`%");
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BALANCE, 70, 1);
    CHECK(m_Message(VP_BALANCE) == L"AUDIO````INPUT````BALANCE````(FILE) : L``30`%");
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BALANCE, 200, 1);
    CHECK(m_Message(VP_BALANCE) == L"AUDIO````INPUT````BALANCE````(FILE) : R``100`%");
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BALANCE, 100, 1);
    CHECK(m_Message(VP_BALANCE) == L"AUDIO````INPUT````BALANCE````(FILE) : CENTER");
    m_VideoProp_SetValue(VP_LEVEL_TEMP, VP_RANGE, 9050, 1);
    CHECK(m_Message(VP_RANGE) == L"VIDEO````RANGE````(TEMP) : 90.5%");
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_ASPECT, 1778, 1);
    CHECK(m_Message(VP_ASPECT) == L"ASPECT``RATIO````(FILE) : 1.778`:`1");
    g_VideoPropFile.AspectMode = 1;
    CHECK(m_Message(VP_ASPECT) == L"ASPECT``RATIO````(FILE) : 4`:`3");
    CHECK(m_Message(VP_CROP) == L"VIDEO````CROP : DISABLE````(0`:`0)");
    CHECK(m_Message(VP_CONTRAST) == L"PROCAMP````(DEF) : CON`=`0.00");
    m_VideoProp_SetValue(VP_LEVEL_DEF, VP_HUE, 2700, 0);
    CHECK(m_Message(VP_PROCAMP) ==
          L"PROCAMP````(DEF) : CON`=`0.00 BRI`=`0.00 HUE`=`90.00 SAT`=`0.00");

    // DEF switched off: DISABLE unless TEMP holds the group.
    m_Fresh();
    g_VideoPropDefault.BoostOn = g_VideoPropDefault.ProcAmpOn = 0;
    g_VideoPropDefault.RangeMode = -1;
    g_VideoPropDefault.BalanceOn = 0;
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 150, 0);
    CHECK(m_Message(VP_BOOST) == L"AUDIO````BOOST : DISABLE");
    CHECK(m_Message(VP_PROCAMP) == L"PROCAMP : DISABLE");
    CHECK(m_Message(VP_RANGE) == L"VIDEO````RANGE : DISABLE");
    CHECK(m_Message(VP_BALANCE) == L"AUDIO````INPUT````BALANCE : DISABLE");
    m_VideoProp_Step(VP_LEVEL_TEMP, VP_BOOST, 10);
    CHECK(m_Message(VP_BOOST) == L"AUDIO````BOOST````(TEMP) : +10`%");
    CHECK(g_VideoPropDefault.BoostOn == 0);
}

TEST_CASE("applying the boost keeps it within 0..300")
{
    m_Fresh();
    m_VideoProp_SetValue(VP_LEVEL_FILE, VP_BOOST, 250, 1);
    CHECK(g_AudioBoost == 250);
    g_VideoPropDefault.BoostOn = 0;
    m_VideoProp_Apply(VP_BOOST, 0);
    CHECK(g_AudioBoost == 100);
    for (int v : {-5, 999}) {
        m_AudioBoost_Apply(v);
        CHECK(g_AudioBoost == (v < 0 ? 0 : 300));
    }
}
