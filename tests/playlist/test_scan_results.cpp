#include <doctest/doctest.h>

#include <windows.h>

#include <cwchar>

#include "playlist/ScanNotices.h"
#include "playlist/TrackInfo.h"

namespace {

// A result of the generation for the path at the index, owning a chapter.
SSCANRESULT m_Result(UINT generation, int index, const wchar_t* path, INT64 ms)
{
    SSCANRESULT r = {};
    r.Generation = generation;
    r.Index = index;
    wcscpy(r.Path, path);
    r.LengthMs = ms;
    r.ChapterCount = 1;
    r.Chapters = new SCHAPTERITEM[1]();
    return r;
}

struct STracks {
    STRACKINFO items[3] = {};
    STracks()
    {
        wcscpy(items[0].Path, L"C:\\m\\a.wav");
        wcscpy(items[1].Path, L"C:\\m\\b.wav");
        wcscpy(items[2].Path, L"C:\\m\\c.wav");
    }
    ~STracks()
    {
        for (STRACKINFO& t : items) m_Track_Release(&t);
    }
};

}  // namespace

TEST_CASE("a scan result lands on the track with its path, or nowhere")
{
    struct SCase {
        const char* what;
        UINT generation;  // the list's is 7
        int index;
        const wchar_t* path;
        int expected;
    };
    const SCase cases[] = {
        {"unchanged list", 7, 1, L"C:\\m\\b.wav", 1},
        {"path compared without case", 7, 1, L"c:\\M\\B.WAV", 1},
        {"moved by a sort: found by path", 7, 0, L"C:\\m\\c.wav", 2},
        {"stale generation", 6, 1, L"C:\\m\\b.wav", -1},
        {"path no longer listed", 7, 1, L"C:\\m\\gone.wav", -1},
        {"index past a shortened list", 7, 9, L"C:\\m\\a.wav", 0},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.what);
        STracks tracks;
        SSCANRESULT r = m_Result(c.generation, c.index, c.path, 2499);
        CHECK(m_Scan_ApplyResult(tracks.items, 3, &r, 7) == c.expected);
        // Applied or dropped, the result keeps no array.
        CHECK(r.Chapters == nullptr);
        for (int i = 0; i < 3; ++i) {
            const STRACKINFO& t = tracks.items[i];
            const bool hit = i == c.expected;
            CHECK(t.Scanned == UINT(hit));
            CHECK(t.Milliseconds == (hit ? 2499 : 0));
            CHECK(t.Seconds == (hit ? 2u : 0u));
            CHECK(t.ChapterCount == (hit ? 1 : 0));
            CHECK((t.Chapters != nullptr) == hit);
        }
    }
}

TEST_CASE("a result without a length keeps the track's and replaces its arrays")
{
    STracks tracks;
    tracks.items[0].Milliseconds = 61500;
    tracks.items[0].Seconds = 62;
    tracks.items[0].ChapterCount = 2;
    tracks.items[0].Chapters = new SCHAPTERITEM[2]();
    SSCANRESULT r = m_Result(3, 0, L"C:\\m\\a.wav", 0);
    REQUIRE(m_Scan_ApplyResult(tracks.items, 3, &r, 3) == 0);
    CHECK(tracks.items[0].Scanned == 1);
    CHECK(tracks.items[0].Milliseconds == 61500);
    CHECK(tracks.items[0].Seconds == 62);
    CHECK(tracks.items[0].ChapterCount == 1);
}
