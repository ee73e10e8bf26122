#include <doctest/doctest.h>

#include <string>

#include "playback/VideoProps.h"

TEST_CASE("filling a set with defaults and emptying it")
{
    SVIDEOPROPSET set;
    for (int mode : {1, -1}) {
        CAPTURE(mode);
        m_VideoProp_Init(&set, 0);
        m_VideoProp_Init(&set, mode);
        CHECK(set.ProcAmpOn == 1);
        CHECK(set.AspectOn == 1);
        CHECK(set.CropOn == 1);
        CHECK(set.RangeMode == 1);
        CHECK(set.BoostOn == 1);
        CHECK(set.BalanceOn == 1);
        CHECK(set.ProcAmpKind == 0);
        int positions[4];
        m_ProcAmp_DefaultPositions(0, positions);
        for (int i = 0; i < 4; ++i) CHECK(set.ProcAmp[i] == positions[i]);
        CHECK(set.AspectMode == 0);
        CHECK(set.CropMode == 0);
        CHECK(set.RangePercent == 10000);
        CHECK(set.Boost == 100);
        CHECK(set.Balance == 100);
    }
    for (int mode : {0, 2, -2}) {
        CAPTURE(mode);
        m_VideoProp_Init(&set, 1);
        m_VideoProp_Init(&set, mode);
        CHECK(set.ProcAmpOn == 0);
        CHECK(set.AspectOn == 0);
        CHECK(set.CropOn == 0);
        CHECK(set.RangeMode <= 0);
        CHECK(set.BoostOn == 0);
        CHECK(set.BalanceOn == 0);
        // Every value field: -1, not set at this level.
        const int* values = &set.ProcAmpKind;
        const int* end = reinterpret_cast<const int*>(&set + 1);
        for (const int* v = values; v < end; ++v) CHECK(*v == -1);
    }
    m_VideoProp_Init(nullptr, 1);
}

TEST_CASE("the five levels, their sets and their texts")
{
    g_TrackPropsInUse = g_TrackPropsDirty = 1;
    g_VideoPropTemp.BoostOn = 1;
    m_VideoProp_InitLevels();
    CHECK(g_TrackPropsInUse == 0);
    CHECK(g_TrackPropsDirty == 0);
    CHECK(g_VideoPropTemp.BoostOn == 0);
    CHECK(g_VideoPropFile.Boost == -1);
    CHECK(g_VideoPropTrack.ProcAmp[0] == -1);
    CHECK(g_VideoPropNone.Boost == 100);
    CHECK(g_VideoPropNone.RangePercent == 10000);

    struct Case {
        int level;
        const SVIDEOPROPSET* set;
        const wchar_t* text;
    };
    const Case cases[] = {
        {VP_LEVEL_DEF, &g_VideoPropDefault, L"DEF"},
        {VP_LEVEL_FILE, &g_VideoPropFile, L"FILE"},
        {VP_LEVEL_SNGL, &g_VideoPropTrack, L"SNGL"},
        {VP_LEVEL_TEMP, &g_VideoPropTemp, L"TEMP"},
        {VP_LEVEL_NONE, &g_VideoPropNone, L"DIS"},
        {VP_LEVEL_AUTO, nullptr, L""},
        {5, nullptr, L""},
    };
    for (const Case& c : cases) {
        CAPTURE(c.level);
        CHECK(m_VideoProp_GetSet(c.level) == c.set);
        CHECK(std::wstring(m_VideoProp_LevelText(c.level)) == c.text);
    }
}
