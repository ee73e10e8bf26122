// The extension tables: built-in lists, the user's additions from
// [Main] "SptExt", and the questions asked of them.
#include "base/MediaTypes.h"

#include "base/PathUtil.h"
#include "playlist/PlaylistState.h"
#include "settings/SettingsValue.h"

namespace {

const wchar_t kBuiltInPlayable[] =
    L"mp4:avi:wmv:mpg:aac:mp3:wma:wave:wav:m4a:mpeg:m2v:ts:mts:m2t:m2ts:mov:webm:ac3:m4v:mp4v:"
    L"mpv4:flv:mkv:divx:ogm:ogg:oga:flac:rm:rmvb:asf:aiff:dts:vob:pva:tp:tpr:hdmov:qt:3g2:3gp:"
    L"3gpp:3gp2:ogv:amv:mka:wv:mpc:rma:ra:ram:mpe:m1v:mpv2:mp2v:m2p:evo:mod:ofr:ofs:ape:aplc:"
    L"alac:amr:it:mo3:mtm:s3m:umx:xm:iso:img:";
const wchar_t kBuiltInAudio[] = L"aac:mp3:wma:wave:wav:m4a:ac3:ogg:oga:flac:asf:aiff:alac:";
const wchar_t kBuiltInExcluded[] = L"bak:exe:dll:ax:txt:ini:dat:";

struct SExtTable {
    wchar_t Ext[kPlayableExtCap][kMediaExtCap];
    int Count;
    int Cap;
};

// The three tables. A rebuild makes the new tables aside
// and copies them in while the sequence number is odd; a thread asking
// meanwhile waits for an even number and asks again when it changed, so it
// never answers from a table caught half copied. Rebuilds take turns.
struct SExtTables {
    SExtTable Playable;
    SExtTable Excluded;
    SExtTable Audio;  // never changes: copied in again as it was
};
SExtTables s_Tables;
volatile LONG s_Sequence;  // 0 never built; odd while copying
volatile LONG s_Rebuilding;

// Appends the colon-ended pieces of the list while room remains; a piece
// with no closing colon is not taken.
void m_AddList(SExtTable* table, const wchar_t* list)
{
    const wchar_t* piece = list;
    for (const wchar_t* p = list; *p; ++p) {
        if (*p != L':') continue;
        int len = (int)(p - piece);
        if (len > 0 && table->Count < table->Cap) {
            lstrcpynW(table->Ext[table->Count++], piece,
                      len < kMediaExtCap ? len + 1 : kMediaExtCap);
        }
        piece = p + 1;
    }
}

const wchar_t* m_SkipDot(const wchar_t* ext) { return ext[0] == L'.' ? ext + 1 : ext; }

bool m_SameText(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

bool m_InTable(const SExtTable& table, const wchar_t* ext)
{
    for (int i = 0; i < table.Count; ++i) {
        if (m_SameText(table.Ext[i], ext)) return true;
    }
    return false;
}

void m_BuildTables()
{
    SExtTables next = {{{}, 0, kPlayableExtCap}, {{}, 0, kExcludedExtCap}, {{}, 0, kAudioExtCap}};
    m_AddList(&next.Audio, kBuiltInAudio);
    m_AddList(&next.Playable, kBuiltInPlayable);
    wchar_t user[kUserExtTextCap];
    m_ReadSettingRaw(L"Main", L"SptExt", user, kUserExtTextCap);
    m_AddList(&next.Playable, user);
    m_AddList(&next.Excluded, kBuiltInExcluded);
    while (InterlockedCompareExchange(&s_Rebuilding, 1, 0) != 0) SwitchToThread();
    InterlockedIncrement(&s_Sequence);
    s_Tables = next;
    InterlockedIncrement(&s_Sequence);
    InterlockedExchange(&s_Rebuilding, 0);
}

// -1 excluded, 1 playable, 0 neither; with audio, 1 when audio-only.
int m_LookUp(const wchar_t* ext, bool audio)
{
    for (;;) {
        LONG sequence = s_Sequence;
        if (sequence & 1) {
            SwitchToThread();
            continue;
        }
        MemoryBarrier();
        int kind;
        if (audio)
            kind = m_InTable(s_Tables.Audio, ext);
        else
            kind = m_InTable(s_Tables.Excluded, ext) ? -1 : m_InTable(s_Tables.Playable, ext);
        MemoryBarrier();
        if (s_Sequence == sequence) return kind;
    }
}

}  // namespace

int m_IsPlayableExt(const wchar_t* ext, int rebuild)
{
    if (s_Sequence == 0 || rebuild == 1) m_BuildTables();
    if (!ext || !ext[0]) return 0;
    ext = m_SkipDot(ext);
    return ext[0] ? m_LookUp(ext, false) : 0;
}

int m_IsPlayableFile(const wchar_t* path)
{
    wchar_t ext[256];
    if (!path || !m_GetExtension(ext, 256, path, 0)) return m_IsPlayableExt(L"", 0);
    return m_IsPlayableExt(ext, 0);
}

int m_IsAudioExt(const wchar_t* ext)
{
    if (s_Sequence == 0) m_BuildTables();
    if (!ext || !ext[0]) return 0;
    ext = m_SkipDot(ext);
    return ext[0] ? m_LookUp(ext, true) : 0;
}

// An extension longer than a table entry could never match, and a key that
// would not fit is not written cut: both are refused.
int m_AddPlayableExt(const wchar_t* ext)
{
    if (!ext || !ext[0] || m_IsPlayableExt(ext, 0) != 0) return 0;
    ext = m_SkipDot(ext);
    int len = lstrlenW(ext);
    if (len == 0 || len >= kMediaExtCap) return 0;
    wchar_t user[kUserExtTextCap];
    m_ReadSettingRaw(L"Main", L"SptExt", user, kUserExtTextCap);
    int used = lstrlenW(user);
    bool needColon = used > 0 && user[used - 1] != L':';
    if (used + (needColon ? 1 : 0) + len + 1 >= kUserExtTextCap) return 0;
    if (needColon) lstrcatW(user, L":");
    lstrcatW(user, ext);
    lstrcatW(user, L":");
    if (!m_WriteSettingText(L"Main", L"SptExt", user)) return 0;
    m_IsPlayableExt(nullptr, 1);
    return 1;
}

int m_IsPlaylistExt(const wchar_t* ext)
{
    if (!ext) return 0;
    return m_SameText(ext, L".zvpl") || m_SameText(ext, L".m3u") || m_SameText(ext, L".m3u8");
}

int m_IsPlaylistOpen()
{
    wchar_t ext[256];
    if (!m_GetExtension(ext, 256, g_ListPath, 1)) return 0;
    return m_IsPlaylistExt(ext);
}

int m_GetExtKind(const wchar_t* ext)
{
    if (!ext) return 0;
    if (m_SameText(ext, L".zvbm")) return 3;
    if (m_IsPlaylistExt(ext)) return 2;
    return m_IsPlayableExt(ext, 0) == 1 ? 1 : 0;
}

int m_GetFileKind(const wchar_t* path)
{
    wchar_t ext[256];
    if (!path || !m_GetExtension(ext, 256, path, 1)) return 0;
    return m_GetExtKind(ext);
}
