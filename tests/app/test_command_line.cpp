#include <doctest/doctest.h>

#include <string>

#include "app/CommandLine.h"

namespace {

struct Parsed {
    SCOMMANDLINE cmd;
    explicit Parsed(const wchar_t* line)
    {
        m_InitCommandLine(&cmd);
        m_ParseCommandLine(&cmd, line);
    }
    ~Parsed() { m_FreeCommandLine(&cmd); }
    std::wstring Arg(int i) const { return cmd.pArgs[i]; }
};

}  // namespace

TEST_CASE("file arguments are one contiguous run")
{
    struct Case {
        const wchar_t* line;
        int first, last, count;
    };
    const Case cases[] = {
        {L"zv.exe", -1, -1, 0},
        {L"zv.exe a.mp4", 1, 1, 1},
        {L"zv.exe a.mp4 b.mp4 -PAU c.mp4", 1, 2, 2},
        {L"zv.exe -PAU a.mp4 b.mp4", 2, 3, 2},
        {L"zv.exe -POS 10 a.mp4", 3, 3, 1},
        {L"zv.exe \"C:\\My Videos\\a b.avi\" -MIN", 1, 1, 1},
    };
    for (const Case& c : cases) {
        Parsed p(c.line);
        CAPTURE(std::wstring(c.line).size());
        CHECK(p.cmd.nFirstFile == c.first);
        CHECK(p.cmd.nLastFile == c.last);
        CHECK(p.cmd.nFileCount == c.count);
        CHECK(p.cmd.bHasFiles == (c.count > 0 ? 1u : 0u));
    }
}

TEST_CASE("flag switches compare without case")
{
    Parsed p(L"zv.exe -min -Pau -new -lo a.avi");
    CHECK(p.cmd.bMinimized == 1);
    CHECK(p.cmd.bPaused == 1);
    CHECK(p.cmd.bNewInstance == 1);
    CHECK(p.cmd.bJumpListOption == 1);
    CHECK(p.cmd.nFileCount == 1);
}

TEST_CASE("-POS track and time")
{
    struct Case {
        const wchar_t* value;
        int track, ms;
    };
    const Case cases[] = {
        {L"2,1:02:03.5", 1, 3723500}, {L"90", 0, 90000}, {L"1:30", 0, 90000}, {L"0,5", 0, 5000},
        {L"3,0.0005", 2, 1},          {L"x", 0, 0},
    };
    for (const Case& c : cases) {
        std::wstring line = std::wstring(L"zv.exe -POS ") + c.value;
        Parsed p(line.c_str());
        CAPTURE(p.Arg(2).size());
        CHECK(p.cmd.bPosition == 1);
        CHECK(p.cmd.nPosTrack == c.track);
        CHECK(p.cmd.nPosMs == c.ms);
    }
}

TEST_CASE("a value switch as the last argument sets nothing")
{
    for (const wchar_t* line :
         {L"zv.exe -POS", L"zv.exe a.avi -RNG", L"zv.exe -JL", L"zv.exe -NP", L"zv.exe -BLK"}) {
        Parsed p(line);
        CHECK(p.cmd.bPosition == 0);
        CHECK(p.cmd.bRange == 0);
        CHECK(p.cmd.bJumpList == 0);
        CHECK(p.cmd.bNewInstance == 0);
        CHECK(p.cmd.bAsPlaylist == 0);
        CHECK(p.cmd.nBlock[0] == -1);
    }
}

TEST_CASE("-RNG forms")
{
    struct Case {
        const wchar_t* value;
        int single, from, to;
    };
    const Case cases[] = {
        {L"3", 3, -1, -1},
        {L"1-4", -1, 1, 4},
        {L"-4", -1, -1, 4},
        {L"2-", -1, 2, -1},
    };
    for (const Case& c : cases) {
        std::wstring line = std::wstring(L"zv.exe a.avi -RNG ") + c.value;
        Parsed p(line.c_str());
        CHECK(p.cmd.bRange == 1);
        CHECK(p.cmd.nRangeSingle == c.single);
        CHECK(p.cmd.nRangeFrom == c.from);
        CHECK(p.cmd.nRangeTo == c.to);
        CHECK(p.cmd.nFileCount == 1);
    }
}

TEST_CASE("-BLK, -JL and -NP values")
{
    Parsed one(L"zv.exe -BLK 5");
    CHECK(one.cmd.nBlock[0] == 5);
    CHECK(one.cmd.nBlock[1] == -1);
    CHECK(one.cmd.nBlock[2] == -1);

    Parsed two(L"zv.exe -BLK 7,3");
    CHECK(two.cmd.nBlock[0] == 7);
    CHECK(two.cmd.nBlock[1] == 7);
    CHECK(two.cmd.nBlock[2] == 3);

    Parsed jl(L"zv.exe -JL \"C:\\x\\a.zvjl\"");
    CHECK(jl.cmd.bJumpList == 1);
    CHECK(jl.cmd.bNewInstance == 1);
    CHECK(std::wstring(jl.cmd.pJumpListPath) == L"C:\\x\\a.zvjl");
    CHECK(jl.cmd.nFileCount == 0);

    Parsed np(L"zv.exe -NP C:\\media");
    CHECK(np.cmd.bAsPlaylist == 1);
    CHECK(std::wstring(np.cmd.pPlaylistPath) == L"C:\\media");
}

TEST_CASE("unknown switches, thousands of files and overlong paths parse safely")
{
    std::wstring line = L"zv.exe -WHAT -X=1";
    for (int i = 0; i < 5000; i++) line += L" file" + std::to_wstring(i) + L".avi";
    line += L" \"" + std::wstring(400, L'a') + L".avi\"";
    line += L" -POS 99999999999999999999";
    Parsed p(line.c_str());
    CHECK(p.cmd.nFirstFile == 3);
    CHECK(p.cmd.nFileCount == 5001);
    CHECK(p.cmd.bPosition == 1);
    CHECK(p.cmd.nPosMs == INT_MAX);
}
