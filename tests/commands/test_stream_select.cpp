// The stream selection rules on stream tables made up here.
#include <doctest/doctest.h>

#include "commands/StreamSelect.h"

namespace {

struct STable {
    SSTREAMITEM Items[kStreamTableCap] = {};
    int Count = 0;

    STable& Add(DWORD kind, DWORD enabled, DWORD marked = 0, DWORD sideFile = 0)
    {
        SSTREAMITEM& s = Items[Count++];
        s.Kind = kind;
        s.Enabled = enabled;
        s.NoSubtitles = marked;
        s.SideFile = sideFile;
        return *this;
    }
};

}  // namespace

TEST_CASE("cycling a kind goes to the next stream of that kind, wrapping round")
{
    STable t;
    t.Add(STREAM_KIND_VIDEO, 1).Add(STREAM_KIND_AUDIO, 0).Add(STREAM_KIND_AUDIO, 1);
    struct SCase {
        DWORD kind;
        int chosen, number, count;
    };
    const SCase cases[] = {
        {STREAM_KIND_AUDIO, 1, 1, 2},      // the second on: the first comes next
        {STREAM_KIND_VIDEO, -1, 1, 1},     // alone of its kind: nothing, its own number
        {STREAM_KIND_SUBTITLE, -1, 1, 0},  // none of the kind
    };
    for (const SCase& c : cases) {
        CAPTURE(c.kind);
        const SSTREAMCYCLE r = m_Stream_Cycle(t.Items, t.Count, c.kind);
        CHECK(r.Chosen == c.chosen);
        CHECK(r.Number == c.number);
        CHECK(r.KindCount == c.count);
    }
    t.Items[1].Enabled = 1;
    t.Items[2].Enabled = 0;
    const SSTREAMCYCLE next = m_Stream_Cycle(t.Items, t.Count, STREAM_KIND_AUDIO);
    CHECK(next.Chosen == 2);
    CHECK(next.Number == 2);
}

TEST_CASE("the number shown counts streams of the kind even when other kinds lie between")
{
    STable t;
    t.Add(STREAM_KIND_SUBTITLE, 1).Add(STREAM_KIND_AUDIO, 1).Add(STREAM_KIND_SUBTITLE, 0);
    const SSTREAMCYCLE r = m_Stream_Cycle(t.Items, t.Count, STREAM_KIND_SUBTITLE);
    CHECK(r.Chosen == 2);
    CHECK(r.Number == 2);
    CHECK(r.KindCount == 2);
    // None of the kind on: nothing chosen, shown as number 1.
    t.Items[0].Enabled = 0;
    const SSTREAMCYCLE off = m_Stream_Cycle(t.Items, t.Count, STREAM_KIND_SUBTITLE);
    CHECK(off.Chosen == -1);
    CHECK(off.Number == 1);
    CHECK(m_Stream_Cycle(nullptr, 3, STREAM_KIND_AUDIO).Chosen == -1);
}

TEST_CASE("the subtitle group: the marked stream is the way back")
{
    STable t;
    t.Add(STREAM_KIND_VIDEO, 1)
        .Add(STREAM_KIND_SUBTITLE, 1)
        .Add(STREAM_KIND_SUBTITLE, 0)
        .Add(STREAM_KIND_SUBTITLE, 0);
    SSUBTITLEGROUP g = m_Stream_SubtitleGroup(t.Items, t.Count);
    CHECK((g.First == 1 && g.FirstEnabled == 1 && g.LastMarked == -1 && g.Last == 3));
    CHECK(g.Count == 3);
    // None marked: -1 goes to the last; the first enabled lies at 0 of the group.
    CHECK(m_Stream_GroupTarget(g, -1) == 3);
    CHECK(g.FirstEnabled - g.First == 0);
    // Back with 0 after the third went on.
    t.Items[1].Enabled = 0;
    t.Items[3].Enabled = 1;
    g = m_Stream_SubtitleGroup(t.Items, t.Count);
    CHECK(m_Stream_GroupTarget(g, 0) == 1);
    CHECK(g.FirstEnabled - g.First == 2);
    CHECK(m_Stream_GroupTarget(g, 3) == -1);
    CHECK(m_Stream_GroupTarget(g, -2) == -1);
    t.Items[2].NoSubtitles = 1;
    CHECK(m_Stream_GroupTarget(m_Stream_SubtitleGroup(t.Items, t.Count), -1) == 2);
    // One subtitle stream, or none on: nothing to do.
    STable one;
    one.Add(STREAM_KIND_SUBTITLE, 1);
    CHECK(m_Stream_GroupTarget(m_Stream_SubtitleGroup(one.Items, one.Count), -1) == -1);
    t.Items[3].Enabled = 0;
    CHECK(m_Stream_GroupTarget(m_Stream_SubtitleGroup(t.Items, t.Count), 0) == -1);
}

TEST_CASE("the kept choice records the enabled word of at most 16 streams")
{
    STable t;
    t.Add(STREAM_KIND_VIDEO, 1).Add(STREAM_KIND_AUDIO, 0).Add(STREAM_KIND_AUDIO, 1);
    SSTREAMSELECTION kept = {};
    kept.Enabled[7] = 1;
    m_Stream_Keep(t.Items, t.Count, &kept);
    CHECK(kept.Count == 3);
    CHECK((kept.Enabled[0] == 1 && kept.Enabled[1] == 0 && kept.Enabled[2] == 1));
    CHECK(kept.Enabled[7] == 0);
    m_Stream_Keep(t.Items, 40, &kept);
    CHECK(kept.Count == kStreamTableCap);
}

TEST_CASE("a reopen is an open of the file the kept choice was made on, in any case")
{
    SSTREAMSELECTION kept = {};
    CHECK(m_Stream_IsReopen(kept, L"") == 0);  // nothing opened yet
    lstrcpynW(kept.Path, L"C:\\Media\\Two Tracks.mkv", MAX_PATH + 1);
    CHECK(m_Stream_IsReopen(kept, L"c:\\media\\two tracks.MKV") == 1);
    CHECK(m_Stream_IsReopen(kept, L"C:\\Media\\Other.mkv") == 0);
    CHECK(m_Stream_IsReopen(kept, nullptr) == 0);
}

TEST_CASE("without an engine nothing is selected")
{
    CHECK(m_Stream_Select(-2) == 0);
    CHECK(m_Stream_Select(1) == 0);
    CHECK(m_Stream_SelectInGroup(-1, 0) == -1);
    CHECK(m_Stream_IsSubtitleOn() == 0);
}
