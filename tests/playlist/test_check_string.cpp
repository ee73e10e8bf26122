#include <doctest/doctest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "filedata/ResumeCheckText.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kTracks = 508;
constexpr int kChapters = kFileInfoItemCap;

// A track array of its own, as the folder-list re-sync uses one.
struct STrackSet {
    std::vector<STRACKINFO> tracks;
    explicit STrackSet(int count) : tracks(count) {}
    int Count() const { return (int)tracks.size(); }
    int Parse(const wchar_t* text)
    {
        int mode = -1;
        CPlaylist::m_ParseCheckString(text, tracks.data(), Count(), &mode);
        return mode;
    }
    std::vector<int> UncheckedTracks() const
    {
        std::vector<int> out;
        for (int i = 0; i < Count(); ++i)
            if (tracks[i].Unchecked) out.push_back(i);
        return out;
    }
};

// The resume store's builder over a track set: row 0 the track mask, row k
// the chapter mask of track k - 1.
void m_Row(int row, wchar_t out[kCheckRowCap], void* context)
{
    STrackSet* set = static_cast<STrackSet*>(context);
    if (row == 0) {
        std::vector<UINT> flags(set->Count());
        for (int i = 0; i < set->Count(); ++i) flags[i] = set->tracks[i].Unchecked;
        m_Resume_MaskRow(flags.data(), set->Count(), out);
        return;
    }
    m_Resume_MaskRow(set->tracks[row - 1].ChapterUnchecked, kChapters, out);
}

std::wstring m_Build(STrackSet& set, int checkBoxesOff)
{
    wchar_t text[256];
    m_Resume_JoinCheckRows(set.Count() + 1, m_Row, &set, checkBoxesOff, text);
    return text;
}

// Rows the text reaches: its groups with their repeat counts.
int m_RowsCovered(const std::wstring& text)
{
    int rows = 0;
    size_t at = text.size() && text[0] == L'+' ? 1 : 0;
    while (at < text.size()) {
        size_t end = text.find(L':', at);
        if (end == std::wstring::npos) end = text.size();
        const size_t dot = text.find(L'.', at);
        rows += 1 + (rows > 0 && dot < end ? _wtoi(text.c_str() + dot + 1) : 0);
        at = end + 1;
    }
    return rows;
}

}  // namespace

TEST_CASE("check-state strings set the flags the Part's examples name")
{
    SUBCASE("empty and a lone plus: check mode off, no flags")
    {
        for (const wchar_t* text : {L"", L"+"}) {
            STrackSet set(8);
            CHECK(set.Parse(text) == 0);
            CHECK(set.UncheckedTracks().empty());
        }
    }
    SUBCASE("track masks")
    {
        struct {
            const wchar_t* text;
            int mode;
            std::vector<int> unchecked;
        } cases[] = {
            {L"5", 1, {0, 2}},
            {L"10", 1, {4}},
            {L"+10", 0, {4}},
            {L"a", 1, {1, 3}},       // lower case reads as a digit too
            {L"Zz3", 1, {0, 1}},     // other characters read as 0
            {L"FFFFF", 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},  // beyond the tracks: ignored
        };
        for (const auto& c : cases) {
            CAPTURE(std::string(c.text, c.text + wcslen(c.text)));
            STrackSet set(10);
            CHECK(set.Parse(c.text) == c.mode);
            CHECK(set.UncheckedTracks() == c.unchecked);
        }
    }
    SUBCASE("a repeated chapter group reaches the following tracks")
    {
        STrackSet set(5);
        set.Parse(L"0:1.2");
        for (int t = 0; t < 5; ++t) {
            CAPTURE(t);
            CHECK(set.tracks[t].ChapterUnchecked[0] == (t < 3 ? 1u : 0u));
            CHECK(set.tracks[t].ChapterUnchecked[1] == 0);
        }
    }
    SUBCASE("the group after a repeat is numbered past it")
    {
        STrackSet set(5);
        set.Parse(L"0:1.1:2");
        CHECK(set.tracks[2].ChapterUnchecked[1] == 1);
        CHECK(set.tracks[2].ChapterUnchecked[0] == 0);
    }
    SUBCASE("flags the text does not reach keep their values")
    {
        STrackSet set(12);
        set.tracks[9].Unchecked = 1;
        set.tracks[4].ChapterUnchecked[7] = 1;
        set.tracks[1].ChapterUnchecked[198] = 1;
        set.Parse(L"1:0:2");
        CHECK(set.UncheckedTracks() == std::vector<int>{0, 9});
        CHECK(set.tracks[1].ChapterUnchecked[198] == 1);
        CHECK(set.tracks[1].ChapterUnchecked[1] == 1);
        CHECK(set.tracks[4].ChapterUnchecked[7] == 1);
    }
    SUBCASE("groups for tracks or chapters past the end are ignored")
    {
        STrackSet set(2);
        // Chapter digit 50 would be chapter 200..203; group 4 names track 3.
        std::wstring text = L"0:F" + std::wstring(50, L'0') + L"1::F.3";
        set.Parse(text.c_str());
        CHECK(set.tracks[0].ChapterUnchecked[0] == 1);
        CHECK(set.tracks[1].ChapterUnchecked[0] == 0);
    }
}

TEST_CASE("a group over 127 characters keeps its last 127 digits")
{
    STrackSet set(kPlaylistTrackCap);
    set.tracks[508].Unchecked = 1;
    set.tracks[600].Unchecked = 1;
    // 128 digits: the first (tracks 508..511) would clear track 508 but is
    // cut off; the second sets track 505.
    std::wstring text = L"02" + std::wstring(125, L'0') + L"1";
    text += L":" + std::wstring(300, L'0') + L"3";
    set.Parse(text.c_str());
    CHECK(set.UncheckedTracks() == std::vector<int>{0, 505, 508, 600});
    CHECK(set.tracks[0].ChapterUnchecked[0] == 1);
    CHECK(set.tracks[0].ChapterUnchecked[1] == 1);
}

TEST_CASE("the resume store's builder and the parser round trip random masks")
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 300; ++round) {
        const int count = 1 + (int)(random() % kTracks);
        STrackSet original(count);
        const int density = (int)(random() % 100);
        for (auto& t : original.tracks) t.Unchecked = (int)(random() % 100) < density;
        // Chapter masks: mostly none or shared ones (runs), some random.
        std::vector<UINT> shared(kChapters);
        for (auto& f : shared) f = random() % 3 == 0;
        const int chapterKind = (int)(random() % 4);
        for (auto& t : original.tracks) {
            const int pick = (int)(random() % 8);
            if (chapterKind == 0 || pick < 4) continue;
            if (pick < 7) {
                for (int c = 0; c < kChapters; ++c) t.ChapterUnchecked[c] = shared[c];
            } else {
                const int top = 1 + (int)(random() % kChapters);
                for (int c = 0; c < top; ++c) t.ChapterUnchecked[c] = random() % 2;
            }
        }
        const int off = (int)(random() % 2);
        const std::wstring text = m_Build(original, off);
        CAPTURE(round);
        CAPTURE(count);
        REQUIRE(text.size() <= 255);

        STrackSet parsed(count);
        CHECK(parsed.Parse(text.c_str()) == (text.empty() ? 0 : !off));
        // With room to spare no row was cut: everything reads back and the
        // text rebuilt from it is the same. A cut text still gives back
        // every row it reaches.
        const int uncut = text.size() < 190;
        CAPTURE(std::string(text.begin(), text.end()));
        if (uncut) CHECK(m_Build(parsed, off) == text);
        const int rows = uncut ? count + 1 : m_RowsCovered(text);
        for (int t = 0; t < count; ++t) {
            if (rows > 0) REQUIRE(parsed.tracks[t].Unchecked == original.tracks[t].Unchecked);
            if (t + 1 >= rows) continue;
            for (int c = 0; c < kChapters; ++c)
                REQUIRE(parsed.tracks[t].ChapterUnchecked[c] == original.tracks[t].ChapterUnchecked[c]);
        }
    }
}
