// The ProcAmp range tables, positions carried between range kinds, slider
// positions as renderer values, the compact ProcAmp text and taking the
// ranges a renderer reports. Expected values of the first three tables are
// the output of procamp_reference.py.
#include <doctest/doctest.h>

#include <math.h>

#include <string>

#include "playback/ProcAmpRange.h"
#include "playback/VideoProps.h"
#include "settings/Settings.h"

namespace {

void m_Fresh(int kind)
{
    m_VideoProp_Init(&g_VideoPropDefault, 1);
    m_ProcAmp_DefaultPositions(kind, g_VideoPropDefault.ProcAmp);
    g_VideoPropDefault.ProcAmpKind = kind;
    g_VideoPropDefaultCopy = g_VideoPropDefault;
    m_ProcAmp_BuildRange(&g_ProcAmpRange, kind);
}

// A renderer's report: minimum, maximum, default, step per component.
void m_Report(const double rows[4][4])
{
    SPROCAMPRANGE& r = g_ProcAmpRangeReported;
    r = SPROCAMPRANGE{};
    r.Kind = -1;
    for (int c = 0; c < 4; ++c) {
        r.Supported[c] = 1;
        r.AnySupported = 1;
        r.Minimum[c] = rows[c][0];
        r.Maximum[c] = rows[c][1];
        r.Default[c] = rows[c][2];
        r.Step[c] = rows[c][3];
    }
}

}  // namespace

TEST_CASE("the built-in tables and their defaults")
{
    SPROCAMPRANGE r;
    m_ProcAmp_BuildRange(&r, 2);
    CHECK(r.Kind == 2);
    CHECK(r.AnySupported == 1);
    CHECK(r.Span[0] == 190);
    CHECK(r.Offset[0] == 10);
    CHECK(r.Step[1] == 1.0);
    m_ProcAmp_BuildRange(&r, 1);
    CHECK(r.SliderStep[0] == 1);
    CHECK(r.SliderStep[3] == 10);  // alike ranges, unlike line steps
    for (int kind : {-1, 4, 99}) {
        m_ProcAmp_BuildRange(&r, kind);
        CHECK(r.Kind == 0);
        CHECK(r.Span[2] == 3600);
    }
    for (int kind = 0; kind < 4; ++kind) {
        int positions[4];
        m_ProcAmp_DefaultPositions(kind, positions);
        CHECK(m_ProcAmp_IsDefault(positions, kind) == 1);
        m_ProcAmp_BuildRange(&r, kind);
        for (int c = 0; c < 4; ++c) CHECK(r.DefaultPos[c] == positions[c]);
        ++positions[3];
        CHECK(m_ProcAmp_IsDefault(positions, kind) == 0);
    }
}

TEST_CASE("positions carried between kinds keep defaults and extremes")
{
    struct Case {
        int from, to;
        int in[4], out[4];
        int converted;
    };
    const Case cases[] = {
        {0, 2, {1000, 1000, 1800, 1000}, {90, 100, 180, 100}, 1},
        {0, 2, {0, 2000, 0, 1800}, {0, 200, 0, 180}, 1},
        {0, 2, {2000, 0, 3600, 0}, {190, 0, 360, 0}, 1},
        {0, 2, {1500, 500, 2700, 1250}, {140, 50, 270, 125}, 1},
        {2, 0, {190, 0, 360, 200}, {2000, 0, 3600, 2000}, 1},
        {2, 1, {45, 150, 90, 150}, {50, 1500, 900, 550}, 1},
        {1, 3, {1000, 1000, 1800, 100}, {200, 1000, 180, 100}, 1},
        {3, 2, {100, 1000, 180, 300}, {90, 100, 180, 200}, 1},
        {2, 0, {300, 100, 180, 100}, {1000, 1000, 1800, 1000}, 0},
        {0, 3, {1000, 1000, 1800, 2010}, {100, 1000, 180, 300}, 1},
        {0, 3, {1000, 1000, 1800, 2030}, {100, 1000, 180, 100}, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.from);
        CAPTURE(c.to);
        CAPTURE(c.in[0]);
        SPROCAMPRANGE from, to;
        m_ProcAmp_BuildRange(&from, c.from);
        m_ProcAmp_BuildRange(&to, c.to);
        int p[4] = {c.in[0], c.in[1], c.in[2], c.in[3]};
        CHECK(m_ProcAmp_Convert(p, &from, &to) == c.converted);
        for (int i = 0; i < 4; ++i) CHECK(p[i] == c.out[i]);
    }
}

TEST_CASE("slider positions as renderer values")
{
    struct Case {
        int kind, c, p;
        double value;
    };
    const Case cases[] = {
        {0, 0, 1000, 0.0}, {0, 2, 3600, 180.0}, {1, 0, 250, 2.5}, {1, 3, 1000, 10.0},
        {2, 0, 90, 1.0},   {2, 0, 0, 0.1},      {2, 0, 190, 2.0}, {2, 1, 150, 50.0},
        {3, 3, 300, 3.0},  {3, 0, -1, 1.0},     {2, 3, 999, 1.0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.kind);
        CAPTURE(c.c);
        CAPTURE(c.p);
        m_ProcAmp_BuildRange(&g_ProcAmpRange, c.kind);
        CHECK(m_ProcAmp_SliderToValue(c.c, c.p) == doctest::Approx(c.value));
    }
    CHECK(m_ProcAmp_SliderToValue(4, 10) == 0.0);

    // No known kind: linear on either side of the default.
    SPROCAMPRANGE r;
    m_ProcAmp_BuildRange(&r, 0);
    r.Kind = -1;
    r.Minimum[0] = 0, r.Maximum[0] = 5, r.Default[0] = 1;
    CHECK(m_ProcAmp_SliderToValueIn(&r, 0, 1000) == doctest::Approx(1.0));
    CHECK(m_ProcAmp_SliderToValueIn(&r, 0, 2000) == doctest::Approx(5.0));
    CHECK(m_ProcAmp_SliderToValueIn(&r, 0, 1500) == doctest::Approx(3.0));
    CHECK(m_ProcAmp_SliderToValueIn(&r, 0, 0) == doctest::Approx(0.0));
    CHECK(m_ProcAmp_SliderToValueIn(&r, 0, 500) == doctest::Approx(0.5));
}

TEST_CASE("the ProcAmp text and reading it back")
{
    struct Case {
        int kind;
        int positions[4];
        int force;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, {1000, 1000, 1800, 1000}, 1, L""},
        {2, {90, 100, 180, 100}, 0, L""},
        {2, {90, 100, 180, 100}, 1, L"N"},
        {2, {100, 100, 180, 100}, 0, L"N1a1a2q1a"},
        {0, {1500, 500, 2700, 1250}, 1, L"XNS7qgCJY"},
        {1, {0, 2000, 3600, 1000}, 1, L"I00VGuGFe"},
        {3, {200, 0, 0, 300}, 0, L"A3800004i"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.kind);
        wchar_t text[kProcAmpTextCap];
        m_ProcAmp_Format(text, kProcAmpTextCap, c.positions, c.kind, c.force);
        CHECK(std::wstring(text) == c.text);
        int back[4], kind = -5;
        m_ProcAmp_Parse(text, back, &kind);
        CHECK(kind == (text[0] ? c.kind : 0));
        if (text[0])
            for (int i = 0; i < 4; ++i) CHECK(back[i] == c.positions[i]);
    }

    // What cannot be read gives the defaults: kind 0 for an unknown letter,
    // the letter's kind for digits outside the alphabet or too many of them.
    struct Bad {
        const wchar_t* text;
        int kind;
    };
    for (const Bad& b :
         {Bad{L"", 0}, Bad{L"Q1a1a2q1a", 0}, Bad{L"1a1a2q1a", 0}, Bad{L"N1a1a-q1a", 2},
          Bad{L"N1a1a2q1a2q1a2q1a2q1a2q1a2q1", 2}, Bad{L"A", 3}}) {
        CAPTURE(std::wstring(b.text));
        int back[4], kind = -5, defaults[4];
        m_ProcAmp_Parse(b.text, back, &kind);
        CHECK(kind == b.kind);
        m_ProcAmp_DefaultPositions(b.kind, defaults);
        for (int i = 0; i < 4; ++i) CHECK(back[i] == defaults[i]);
    }
}

TEST_CASE("a renderer's ranges: matched, rounded, and DEF carried along")
{
    // Kind 2 as a renderer reports it, with float noise.
    const double kind2[4][4] = {{0.1000001, 1.9999998, 1.0000002, 0.0099999},
                                {-100.0000004, 100.0000001, 0, 1.0000001},
                                {-180, 180, 0, 0.9999999},
                                {0, 2.0000001, 0.9999999, 0.01}};
    m_Fresh(0);
    g_VideoPropDefault.ProcAmp[3] = 2000;  // saturation at its maximum
    g_VideoPropDefaultCopy = g_VideoPropDefault;
    m_Report(kind2);
    CHECK(m_ProcAmp_TakeReported() == 1);
    CHECK(g_ProcAmpRange.Kind == 2);
    CHECK(g_ProcAmpRange.Span[0] == 190);
    CHECK(g_ProcAmpRange.Step[0] == doctest::Approx(0.01));
    CHECK(g_VideoPropDefault.ProcAmpKind == 2);
    const int expected[4] = {90, 100, 180, 200};
    for (int c = 0; c < 4; ++c) {
        CHECK(g_VideoPropDefault.ProcAmp[c] == expected[c]);
        CHECK(g_VideoPropDefaultCopy.ProcAmp[c] == expected[c]);
    }
    CHECK(g_VideoPropDefaultCopy.ProcAmpKind == 2);

    // The same kind again: nothing converted.
    g_VideoPropDefault.ProcAmp[0] = 120;
    CHECK(m_ProcAmp_TakeReported() == 1);
    CHECK(g_VideoPropDefault.ProcAmp[0] == 120);

    // No known kind: kind 0's slider fields with the reported values.
    const double odd[4][4] = {
        {0, 5, 1, 0.05}, {-100, 100, 0, 1}, {-180, 180, 0, 1}, {0, 2, 1, 0.01}};
    m_Fresh(0);
    m_Report(odd);
    m_ProcAmp_TakeReported();
    CHECK(g_ProcAmpRange.Kind == -1);
    CHECK(g_ProcAmpRange.Span[0] == 2000);
    CHECK(g_ProcAmpRange.Maximum[0] == doctest::Approx(5.0));
    CHECK(g_VideoPropDefault.ProcAmpKind == -1);
    CHECK(m_ProcAmp_SliderToValue(0, 2000) == doctest::Approx(5.0));

    // A step of 0 (or below) is never divided by.
    const double zero[4][4] = {{0, 2, 1, 0}, {-100, 100, 0, -1}, {-180, 180, 0, NAN}, {0, 2, 1, 0}};
    m_Fresh(0);
    m_Report(zero);
    CHECK(m_ProcAmp_TakeReported() == 1);
    CHECK(g_ProcAmpRange.Kind == -1);
    CHECK(g_ProcAmpRange.Maximum[0] == 2.0);
    CHECK(isfinite(m_ProcAmp_SliderToValue(0, 1500)));
}

TEST_CASE("a renderer without ProcAmp leaves the stored positions alone")
{
    for (int kind : {0, 2}) {
        m_Fresh(kind);
        g_VideoPropDefault.ProcAmp[1] = kind ? 150 : 1500;
        const SVIDEOPROPSET before = g_VideoPropDefault;
        for (int open = 0; open < 3; ++open) {
            g_ProcAmpRangeReported = SPROCAMPRANGE{};
            CHECK(m_ProcAmp_TakeReported() == 0);
        }
        CHECK(g_ProcAmpRange.AnySupported == 0);
        CHECK(g_ProcAmpRange.Kind == kind);
        CHECK(g_VideoPropDefault.ProcAmpKind == before.ProcAmpKind);
        for (int c = 0; c < 4; ++c) CHECK(g_VideoPropDefault.ProcAmp[c] == before.ProcAmp[c]);
    }
}
