// The stream function: a stream by number, the next one of a kind, the
// default choice; and the subtitle switch capture and jump lists use.
#include "commands/StreamSelect.h"

#include "app/StatusText.h"
#include "base/SoundCue.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayState.h"

SSTREAMSELECTION g_StreamKept;
DWORD g_StreamDefault[kStreamTableCap];

namespace {

constexpr int kApply = 1;
constexpr int kModeByEngine = -1;

int Table(const SSTREAMITEM** table)
{
    *table = nullptr;
    return g_VideoRenderer ? g_VideoRenderer->m_VR_GetStreams(table) : 0;
}

void Show(const wchar_t* text) { m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1); }

void CycleKind(int n)
{
    static const wchar_t* const kNames[] = {L"", L"VIDEO", L"AUDIO", L"SUBTITLE"};
    const DWORD kind = n >= -3 ? (DWORD)-n : STREAM_KIND_OTHER;
    const SSTREAMITEM* table;
    const int count = Table(&table);
    const SSTREAMCYCLE c = m_Stream_Cycle(table, count, kind);
    wchar_t text[96];
    if (c.Chosen >= 0) {
        g_VideoRenderer->m_VR_SelectStream(c.Chosen, kApply, kModeByEngine);
        g_StreamKept.Changed = 1;
    } else {
        m_PlaySoundCue(8);
        if (c.KindCount == 0) {
            Show(L"STREAM : NOT````FOUND");
            return;
        }
    }
    m_FormatW64(text, 96, L"%s````STREAM : %d````/````%d", kNames[kind], c.Number, c.KindCount);
    Show(text);
}

}  // namespace

int m_Stream_Select(int n)
{
    if (!g_VideoRenderer) return 0;
    wchar_t text[64];
    if (n > 0) {
        g_VideoRenderer->m_VR_SelectStream(n - 1, kApply, kModeByEngine);
        g_StreamKept.Changed = 1;
        m_FormatW64(text, 64, L"STREAM : %d", n);
        Show(text);
    } else if (n == 0) {
        const SSTREAMITEM* table;
        const int count = Table(&table);
        for (int i = 0; i < count && i < kStreamTableCap; ++i)
            if (g_StreamDefault[i]) g_VideoRenderer->m_VR_SelectStream(i, kApply, kModeByEngine);
        g_StreamKept.Changed = 0;
        Show(L"STREAM : DEFAULT");
    } else {
        CycleKind(n);
    }
    const SSTREAMITEM* table;
    const int count = Table(&table);
    m_Stream_Keep(table, count, &g_StreamKept);
    return 1;
}

int m_Stream_IsSubtitleOn()
{
    if (!g_VideoRenderer || !g_MediaOpen || g_MediaKind != MEDIA_KIND_VIDEO) return 0;
    const SSTREAMITEM* table;
    const int count = Table(&table);
    const SSUBTITLEGROUP g = m_Stream_SubtitleGroup(table, count);
    if (g.Count < 2 || g.FirstEnabled < 0) return 0;
    const int marked = g.LastMarked >= 0 ? g.LastMarked : g.Last;
    return g.FirstEnabled != marked ? 1 : 0;
}

int m_Stream_SelectInGroup(int index, int flag)
{
    const SSTREAMITEM* table;
    const int count = Table(&table);
    if (!table || count <= 0) return -1;
    const SSUBTITLEGROUP g = m_Stream_SubtitleGroup(table, count);
    const int target = m_Stream_GroupTarget(g, index);
    if (target < 0) return -1;
    // Subtitles of a side file go through the subtitle filter, which needs
    // the picture drawn again.
    const int mode = flag && (table[g.FirstEnabled].SideFile || table[target].SideFile) ? 1 : 0;
    g_VideoRenderer->m_VR_SelectStream(target, kApply, mode);
    return g.FirstEnabled - g.First;
}

void m_Stream_SelectKept()
{
    if (!g_VideoRenderer) return;
    for (int i = 0; i < g_StreamKept.Count && i < kStreamTableCap; ++i)
        if (g_StreamKept.Enabled[i]) g_VideoRenderer->m_VR_SelectStream(i, kApply, kModeByEngine);
}

void m_Stream_StoreDefault()
{
    const SSTREAMITEM* table;
    const int count = Table(&table);
    for (int i = 0; i < kStreamTableCap; ++i)
        g_StreamDefault[i] = table && i < count ? table[i].Enabled : 0;
}

void m_Stream_OnOpened(const wchar_t* path)
{
    if (!g_VideoRenderer || !path) return;
    if (m_Stream_IsReopen(g_StreamKept, path)) {
        if (g_StreamKept.Changed) m_Stream_SelectKept();
        return;
    }
    // Without a default of its own, a return to the default would select
    // nothing and still say it did.
    m_Stream_StoreDefault();
    const SSTREAMITEM* table;
    const int count = Table(&table);
    m_Stream_Keep(table, count, &g_StreamKept);
    g_StreamKept.Changed = 0;
    lstrcpynW(g_StreamKept.Path, path, MAX_PATH + 1);
}
