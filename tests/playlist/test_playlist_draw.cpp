#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "filedata/FileInfo.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDrawMath.h"
#include "playlist/TrackInfo.h"

namespace {

// Tracks of given durations (ms) with chapters starting at the given
// seconds; every track and chapter checked.
struct STracks {
    std::vector<STRACKINFO> tracks;
    std::vector<std::vector<SCHAPTERITEM>> chapters;

    explicit STracks(std::vector<INT64> durations)
        : tracks(durations.size()), chapters(durations.size())
    {
        for (size_t i = 0; i < durations.size(); ++i) {
            tracks[i] = STRACKINFO{};
            tracks[i].Milliseconds = durations[i];
        }
    }
    void m_Chapters(int t, std::vector<double> starts)
    {
        chapters[t].assign(starts.size(), SCHAPTERITEM{});
        for (size_t k = 0; k < starts.size(); ++k) chapters[t][k].Start = starts[k];
        tracks[t].Chapters = chapters[t].data();
        tracks[t].ChapterCount = (int)starts.size();
    }
    SPLAYLISTTOTAL m_Total(int checkMode)
    {
        return m_PlaylistDraw_Total(tracks.data(), (int)tracks.size(), checkMode);
    }
};

std::wstring m_Text(const SPLAYLISTTOTAL& total, int tracks)
{
    wchar_t out[64];
    m_PlaylistDraw_FormatTotal(total, tracks, out, 64);
    return out;
}

}  // namespace

TEST_CASE("the loading bar shrinks from 7 to 1 and stays there when the list shrank")
{
    struct {
        int tracks, scanned, bars;
    } cases[] = {
        {12, 6, 4},
        {12, 0, 7},
        {12, 12, 1},
        {12, 11, 1},
        {1, 0, 7},
        // The list was cleared or cut while the scan counted on.
        {3, 6, 1},
        {1, 900, 1},
        {0, 5, 1},
        {5, -5, 7},
    };
    for (const auto& c : cases) {
        CAPTURE(c.tracks);
        CAPTURE(c.scanned);
        CHECK(m_PlaylistDraw_LoadingBars(c.tracks, c.scanned) == c.bars);
    }
}

TEST_CASE("status text is white on a dark background and black on a light one, dimmed by 0.45")
{
    struct {
        COLORREF back;
        ARGB text, dim;
    } cases[] = {
        {RGB(0x20, 0x20, 0x20), 0xAAFFFFFF, 0x4DFFFFFF},
        {RGB(127, 127, 127), 0xAAFFFFFF, 0x4DFFFFFF},
        {RGB(0, 0, 128), 0xBE000000, 0x56000000},  // the brightest channel decides
        {RGB(0xF0, 0xF0, 0xF0), 0xBE000000, 0x56000000},
    };
    for (const auto& c : cases) {
        CAPTURE(c.back);
        CHECK(m_PlaylistDraw_StatusText(c.back) == c.text);
        CHECK(m_PlaylistDraw_StatusDimText(c.back) == c.dim);
    }
}

TEST_CASE("row colours by selection, focus and a missing file")
{
    const COLORREF white = RGB(255, 255, 255), black = 0;
    SUBCASE("plain rows keep the DC's text colour; dimmed ones are grey")
    {
        SROWCOLORS c = m_PlaylistDraw_RowColors(white, black, 0, 1, 0);
        CHECK(c.Back == white);
        CHECK(c.TextKept);
        c = m_PlaylistDraw_RowColors(white, black, 0, 1, 1);
        CHECK_FALSE(c.TextKept);
        CHECK(c.Text == 0x7F7F7F);
    }
    SUBCASE("selected in the focused list")
    {
        SROWCOLORS c = m_PlaylistDraw_RowColors(white, black, 1, 1, 0);
        CHECK(c.Back == RGB(224, 220, 220));
        CHECK(c.Text == black);
        // Dimmed: between the text colour and the selection background.
        c = m_PlaylistDraw_RowColors(white, black, 1, 1, 1);
        CHECK(c.Text == RGB(73, 72, 72));
        c = m_PlaylistDraw_RowColors(white, RGB(40, 40, 40), 1, 1, 1);
        for (int shift : {0, 8, 16}) {
            const int t = (c.Text >> shift) & 0xFF, back = (0xDCDCE0 >> shift) & 0xFF;
            CHECK(t > 40);
            CHECK(t < back);
        }
    }
    SUBCASE("selected in a list without focus: 8 % of the text over the window colour")
    {
        SROWCOLORS c = m_PlaylistDraw_RowColors(white, black, 1, 0, 0);
        CHECK(c.Back == RGB(234, 234, 234));
        CHECK(c.TextKept);
        c = m_PlaylistDraw_RowColors(white, black, 1, 0, 1);
        CHECK(c.Text == 0x7F7F7F);
    }
}

TEST_CASE("the total time of all tracks, dim while a duration is unknown")
{
    STracks list({3600000, 61500, 1499});
    SPLAYLISTTOTAL t = list.m_Total(0);
    CHECK(t.Milliseconds == 3662999);
    CHECK(t.Counted == 3);
    CHECK_FALSE(t.Unknown);
    CHECK(m_Text(t, 3) == L"1:01:03`/`3");

    list.tracks[1].Milliseconds = 0;
    list.tracks[2].Milliseconds = -1000;
    t = list.m_Total(0);
    CHECK(t.Milliseconds == 3600000);
    CHECK(t.Unknown);

    STracks none({0, 0});
    t = none.m_Total(0);
    CHECK(t.Unknown);
    CHECK(m_Text(t, 2) == L"0:00:00`/`2");

    SUBCASE("one track has no count part; seconds round half up")
    {
        STracks one({1500});
        CHECK(m_Text(one.m_Total(0), 1) == L"0:00:02");
        STracks long_({36000000LL * 12 + 59499});
        CHECK(m_Text(long_.m_Total(0), 1) == L"120:00:59");
    }
}

TEST_CASE("check-mode total leaves out unchecked tracks and unchecked chapters")
{
    // Chapters start at 0, 30 and 70 s of a 100 s track.
    STracks list({100000, 100000, 100000, 40000, 0});
    for (int t = 0; t < 3; ++t) list.m_Chapters(t, {0, 30, 70});
    list.tracks[0].ChapterUnchecked[1] = 1;  // 30..70 left out: 60 s
    list.tracks[1].ChapterUnchecked[0] = 1;  // 0..30 and the last, 70..end: 40 s
    list.tracks[1].ChapterUnchecked[2] = 1;
    for (int k = 0; k < 3; ++k) list.tracks[2].ChapterUnchecked[k] = 1;  // none checked: whole
    list.tracks[3].Unchecked = 1;

    SPLAYLISTTOTAL t = list.m_Total(1);
    CHECK(t.Milliseconds == 60000 + 40000 + 100000);
    CHECK(t.Counted == 4);
    CHECK(t.Unknown);  // the last track counts and has no duration
    CHECK(m_Text(t, 5) == L"0:03:20`/`4");

    list.tracks[4].Unchecked = 1;
    t = list.m_Total(1);
    CHECK_FALSE(t.Unknown);
    CHECK(t.Counted == 3);

    // Without check mode the flags change nothing.
    CHECK(list.m_Total(0).Milliseconds == 340000);

    SUBCASE("chapters out of order or past the end never add time")
    {
        STracks odd({50000});
        odd.m_Chapters(0, {0, 40, 20, 80});
        odd.tracks[0].ChapterUnchecked[1] = 1;  // runs backwards: nothing
        odd.tracks[0].ChapterUnchecked[3] = 1;  // starts past the end: nothing
        CHECK(odd.m_Total(1).Milliseconds == 50000);
    }
}

TEST_CASE("tab caption and count share the room after the icon")
{
    struct {
        int room, caption, count;
        int showCaption, showCount;
        RECT captionRect, countRect;
    } cases[] = {
        // Both fit: centred together with the gap between them.
        {100, 50, 20, 1, 1, {13, 0, 63, 0}, {66, 0, 86, 0}},
        {100, 50, 0, 1, 0, {25, 0, 75, 0}, {}},
        // Only the count fits: right-aligned, the caption gets what is left.
        {60, 50, 20, 1, 1, {0, 0, 37, 0}, {40, 0, 60, 0}},
        // Left of the count is less than the smallest caption: count only.
        {28, 50, 20, 0, 1, {}, {8, 0, 28, 0}},
        // Not even the count fits: nothing.
        {15, 50, 20, 0, 0, {}, {}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.room);
        const STABTEXTS p = m_PlaylistDraw_PlaceTabTexts(0, c.room, c.caption, c.count, 3, 8);
        CHECK(p.ShowCaption == c.showCaption);
        CHECK(p.ShowCount == c.showCount);
        if (c.showCaption) {
            CHECK(p.Caption.left == c.captionRect.left);
            CHECK(p.Caption.right == c.captionRect.right);
        }
        if (c.showCount) {
            CHECK(p.Count.left == c.countRect.left);
            CHECK(p.Count.right == c.countRect.right);
        }
    }
}

namespace {

// An information file as the player writes it: UTF-16 with its mark, times
// as hh:mm:ss.fff.
void m_WriteInfoFile(const std::wstring& path, int lengthMs, const std::vector<int>& chapterMs)
{
    auto t = [](int ms) {
        wchar_t out[32];
        swprintf(out, 32, L"%02d:%02d:%06.3f", ms / 3600000, ms / 60000 % 60, ms % 60000 / 1000.0);
        return std::wstring(out);
    };
    std::wstring text =
        L"\xFEFF[ZENTAVIO_FILEINFO]\r\nFMT=100\r\nLEN=" + t(lengthMs) + L"\r\n[CHAPTER]\r\n";
    for (size_t i = 0; i < chapterMs.size(); ++i)
        text += std::to_wstring(i + 1) + L"=" + t(chapterMs[i]) + L"\r\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

TEST_CASE("check-mode total of a list whose chapters come from information files")
{
    CTempFolder folder;
    REQUIRE_FALSE(folder.Path().empty());
    // Track lengths and chapter starts in ms; the expected total is summed
    // here from the chapter starts the check-state text leaves checked.
    const int lengths[3] = {100000, 60000, 50000};
    const std::vector<int> starts[3] = {{0, 30000, 70000}, {0, 10000}, {0, 20000}};
    std::vector<STRACKINFO> tracks(3);
    std::vector<std::vector<SCHAPTERITEM>> chapters(3);
    SFILEINFO* info = new SFILEINFO;
    for (int i = 0; i < 3; ++i) {
        const std::wstring media = folder.Join(L"clip" + std::to_wstring(i) + L".mp4");
        m_WriteInfoFile(media + L".zvinf", lengths[i], starts[i]);
        REQUIRE(m_FileInfo_Read((media + L".zvinf").c_str(), info));
        tracks[i] = STRACKINFO{};
        tracks[i].Milliseconds = info->Length;
        chapters[i].assign(info->Chapters, info->Chapters + info->ChapterCount);
        tracks[i].Chapters = chapters[i].data();
        tracks[i].ChapterCount = int(info->ChapterCount);
    }
    delete info;
    REQUIRE(tracks[0].ChapterCount == 3);

    // Track 2 unchecked ("2"); chapters 1 and 3 of track 1 unchecked ("5").
    int mode = 0;
    CPlaylist::m_ParseCheckString(L"2:5", tracks.data(), 3, &mode);
    REQUIRE(mode == 1);
    const INT64 expected = (starts[0][2] - starts[0][1]) + lengths[2];
    const SPLAYLISTTOTAL total = m_PlaylistDraw_Total(tracks.data(), 3, mode);
    CHECK(total.Milliseconds == expected);
    CHECK(total.Counted == 2);
    CHECK_FALSE(total.Unknown);
    CHECK(m_Text(total, 3) == L"0:01:30`/`2");
}
