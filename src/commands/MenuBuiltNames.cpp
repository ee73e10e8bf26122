#include <windows.h>

#include <cstdarg>
#include <strsafe.h>

#include "base/NumberFormat.h"
#include "commands/BindingKeyName.h"
#include "commands/MenuItemModel.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "jumplist/JumpListState.h"
#include "playback/AudioCommands.h"
#include "playback/AudioDeviceName.h"
#include "playback/MediaPath.h"
#include "playback/PlaybackRate.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "playback/SeekPreviewState.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

wchar_t s_Name[kMenuNameCap];
wchar_t s_Short[kMenuShortTextCap];

// Texts that do not fit are cut: a menu row shows no more anyway.
const wchar_t* m_Format(wchar_t* buffer, size_t size, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    (void)StringCchVPrintfW(buffer, size, format, args);
    va_end(args);
    return buffer;
}

int m_VolumePercent() { return (g_MainWindowState.nVolume + 50) / 100; }

// The path without a trailing backslash, "-" when empty.
const wchar_t* m_PathCaption(const wchar_t* path)
{
    if (!path || !*path) return L"-";
    lstrcpynW(s_Name, path, ARRAYSIZE(s_Name));
    const int n = lstrlenW(s_Name);
    if (n > 1 && s_Name[n - 1] == L'\\') s_Name[n - 1] = 0;
    return s_Name;
}

// "%d:%02d" below one hour, "%d:%02d:%02d" from one hour.
void m_ClockText(wchar_t* out, size_t size, int seconds)
{
    if (seconds >= 3600)
        (void)StringCchPrintfW(out, size, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                               seconds % 60);
    else
        (void)StringCchPrintfW(out, size, L"%d:%02d", seconds / 60, seconds % 60);
}

const wchar_t* m_ChapterDeleteName()
{
    if (!g_MediaOpen || !g_ChaptersFromInfo || !g_PlayingChapters || g_ChapterCount <= 0)
        return m_MenuTextWithKey(L"チャプター削除", 26, 2, nullptr);
    int index = g_CurrentChapter;
    if (index <= 0) index = 1;
    if (index >= g_ChapterCount) index = g_ChapterCount - 1;
    if (index < 0) index = 0;
    wchar_t start[32];
    m_ClockText(start, ARRAYSIZE(start), static_cast<int>(g_PlayingChapters[index].Start + 0.5));
    m_Format(s_Short, ARRAYSIZE(s_Short), L"チャプター削除 (CHAPTER %d / %s)", index + 1, start);
    return m_MenuTextWithKey(s_Short, 26, 2, nullptr);
}

const wchar_t* m_RangeAddName()
{
    const wchar_t* text = L"再生範囲追加";
    if (!g_MediaOpen || !g_PlayRangeOn || g_PlayRangeIndex >= 0)
        return m_MenuTextWithKey(text, 75, 5, nullptr);
    const int start = g_PlayRangeStart < 0 ? 0 : g_PlayRangeStart;
    const int end = g_PlayRangeEnd < 0 ? g_DurationMs : g_PlayRangeEnd;
    wchar_t a[32], b[40], c[32];
    m_FormatTime(a, ARRAYSIZE(a), start, 3);
    m_FormatTime(b, ARRAYSIZE(b) - 4, end, 3);
    if (g_PlayRangeEnd < 0) (void)StringCchCatW(b, ARRAYSIZE(b), L"(En)");
    m_FormatTime(c, ARRAYSIZE(c), end - start, 3);
    if (g_PlayRangeStart >= 0)
        m_Format(s_Name, ARRAYSIZE(s_Name), L"%s  [%s - %s / %s]", text, a, b, c);
    else
        m_Format(s_Name, ARRAYSIZE(s_Name), L"%s  [%s - %s]", text, a, b);
    return m_MenuTextWithKey(s_Name, 75, 5, nullptr);
}

// "%s (track, time)" forms of a stored position; track -1: the playing one.
const wchar_t* m_PositionName(const wchar_t* text, int track, int ms, int parameter)
{
    const int s = ms < 0 ? 0 : ms / 1000;
    const int h = s / 3600, m = s / 60 % 60, sec = s % 60;
    const bool other = track >= 0 && track != g_PlayingTrack;
    if (other && h)
        m_Format(s_Short, ARRAYSIZE(s_Short), L"%s (%02d, %02d:%02d:%02d)", text, track + 1, h, m,
                 sec);
    else if (other)
        m_Format(s_Short, ARRAYSIZE(s_Short), L"%s (%02d, %02d:%02d)", text, track + 1, m, sec);
    else if (h)
        m_Format(s_Short, ARRAYSIZE(s_Short), L"%s (%02d:%02d:%02d)", text, h, m, sec);
    else
        m_Format(s_Short, ARRAYSIZE(s_Short), L"%s (%02d:%02d)", text, m, sec);
    return m_MenuTextWithKey(s_Short, 77, parameter, nullptr);
}

const wchar_t* m_ReturnName()
{
    if (g_SavedPlayMs < 0) return m_MenuTextWithKey(L"戻る", 77, 0, nullptr);
    return m_PositionName(L"戻る", g_SavedPlayIndex, g_SavedPlayMs, 0);
}

// "%s / key" when the function has a key.
const wchar_t* m_WithSlashKey(const wchar_t* text, int functionId, int parameter)
{
    wchar_t key[kMenuKeyNameCap];
    lstrcpynW(s_Name, text, ARRAYSIZE(s_Name));
    if (m_GetBindingKeyName(key, ARRAYSIZE(key), functionId, parameter, nullptr))
        m_Format(s_Name, ARRAYSIZE(s_Name), L"%s / %s", text, key);
    return s_Name;
}

const wchar_t* m_BalanceName()
{
    const int balance = m_AudioInputBalance_Get();
    wchar_t value[16];
    if (balance > 0)
        (void)StringCchPrintfW(value, ARRAYSIZE(value), L"R+%d%%", balance);
    else if (balance < 0)
        (void)StringCchPrintfW(value, ARRAYSIZE(value), L"L+%d%%", -balance);
    else
        lstrcpynW(value, L"CENTER", ARRAYSIZE(value));
    return m_Format(s_Name, ARRAYSIZE(s_Name), L"INPUT BALANCE / %s", value);
}

// The block layout of [Jumplist] "Blk": 0 is automatic.
void m_LayoutText(wchar_t* out, size_t size)
{
    const int side = g_Settings.Jumplist_Blk;
    if (side <= 0)
        lstrcpynW(out, L"自動", static_cast<int>(size));
    else
        (void)StringCchPrintfW(out, size, L"%dx%d", side, side);
}

const wchar_t* m_JumpListName(UINT id)
{
    wchar_t layout[32];
    m_LayoutText(layout, ARRAYSIZE(layout));
    if (id == 4748) {
        m_Format(s_Name, ARRAYSIZE(s_Name), L"すべてのファイルのジャンプリストを作成 (%s)", layout);
        return m_MenuTextWithKey(s_Name, 67, -1, L"-1");
    }
    if (g_JumpListViewState.BatchRunning)
        return m_MenuTextWithKey(L"ジャンプリストの作成を中止", 67, 1, L"1");
    m_Format(
        s_Name, ARRAYSIZE(s_Name), L"%s (%s)",
        g_JumpListShown && !g_JumpListEmpty ? L"ジャンプリストを再作成" : L"ジャンプリストを作成",
        layout);
    return m_MenuTextWithKey(s_Name, 67, 1, L"1");
}

const wchar_t* m_HistoryCountName(UINT id)
{
    static const wchar_t* const kNames[] = {
        L"全ての履歴を削除 ...\t(%d)",
        L"存在しないファイル\t(%d)",
        L"保存対象ではないファイル\t(%d)",
        L"再生時間の少ないファイル (3分以下)\t(%d)",
        L"フォルダ\t(%d)",
        L"プレイリストファイル\t(%d)",
        L"メディアファイル\t(%d)",
        L"ネットワーク上のファイル\t(%d)",
        L"ブックマークファイル\t(%d)",
    };
    // The history is not kept yet: every class counts none.
    return m_Format(s_Name, ARRAYSIZE(s_Name), kNames[id - 4608], 0);
}

const wchar_t* m_RangedName(UINT id)
{
    if (id >= 4608 && id <= 4616) return m_HistoryCountName(id);
    if (id >= kMenuVolumeFirstId && id <= kMenuVolumeLastId) {
        const int percent = static_cast<int>(id - kMenuVolumeFirstId);
        wchar_t arg[8];
        (void)StringCchPrintfW(arg, ARRAYSIZE(arg), L"%d", percent);
        m_Format(s_Name, ARRAYSIZE(s_Name), L"%d%%", percent);
        return m_MenuTextWithKey(s_Name, 50, 0, arg);
    }
    if (id >= kMenuOptionPageFirstId && id <= kMenuOptionPageLastId) {
        // No page names are listed yet: the item has no text.
        return L"";
    }
    return nullptr;
}

const wchar_t* m_RateName(UINT id)
{
    const double rate = m_Rate_Current() / 100.0;
    if (id == 4316) return m_Format(s_Name, ARRAYSIZE(s_Name), L"再生速度 (ｘ%0.2f)", rate);
    m_Format(s_Name, ARRAYSIZE(s_Name), L"再生速度 (ｘ%0.2f)  / メニュー設定 ...", rate);
    return m_MenuTextWithKey(s_Name, 81, 0, L"1,6,3");
}

const wchar_t* m_CountName(UINT id)
{
    switch (id) {
        case 4359:
            m_Format(s_Name, ARRAYSIZE(s_Name),
                     g_ChaptersFromInfo ? L"チャプター(%d) + 追加" : L"チャプター[%d] / 追加",
                     g_ChapterCount);
            return m_MenuTextWithKey(s_Name, 26, 1, nullptr);
        case 4398:
            m_Format(s_Name, ARRAYSIZE(s_Name), L"再生範囲(%d) + 追加",
                     static_cast<int>(g_FileInfo.RangeCount));
            return m_MenuTextWithKey(s_Name, 75, 5, nullptr);
        case 4407:
            m_Format(s_Name, ARRAYSIZE(s_Name), L"マーカー(%d) + 追加",
                     static_cast<int>(g_FileInfo.MarkerCount));
            return m_MenuTextWithKey(s_Name, 74, 1, nullptr);
    }
    return nullptr;
}

const wchar_t* m_StateName(UINT id)
{
    switch (id) {
        case 2315:
            return L"ジャンプリストを作成 (分割数を指定)";
        case 2337:
        case 2339:
            return L"全てのファイル";
        case 4163:
            return g_ListType ? m_PathCaption(g_ListPath) : L"-";
        case 4164:
            // The name keeps its extension.
            if (!g_MediaOpen || !g_MediaFileName[0]) return L"-";
            lstrcpynW(s_Name, g_MediaFileName, ARRAYSIZE(s_Name));
            return s_Name;
        case 4224:
            return m_Format(s_Name, ARRAYSIZE(s_Name), L"VOL / %d%%", m_VolumePercent());
        case 4225:
            return m_BalanceName();
        case 4257:
            return m_WithSlashKey(L"一時的に設定を反転\tM-btn", 91, -2);
        case 4356:
            return g_ChaptersFromInfo ? L"CHAPTER+ / チェックボックス表示"
                                      : L"CHAPTER / チェックボックス表示";
        case 4378:
            return m_ChapterDeleteName();
        case 4399:
            return m_RangeAddName();
        case 4426:
            return m_ReturnName();
        case 4427:
            return m_PositionName(L"開始位置に戻る", -1, 0, 1);
        case 4431:
            return m_WithSlashKey(g_SeekPreview.userOverride == 0 || !g_SeekPreview.available
                                      ? L"シークバーのプレビューを一時的に有効にする\tM-btn"
                                      : L"シークバーのプレビューを一時的に無効にする\tM-btn",
                                  73, -1);
        case 4455:
            return g_AudioDeviceName[0] ? g_AudioDeviceName : L"システムデフォルト";
        case 4634:
        case 4657:
            return L"-";
        case 4746:
        case 4748:
            return m_JumpListName(id);
        case 9486:
            return L"";
    }
    return nullptr;
}

}  // namespace

const wchar_t* m_GetBuiltCommandName(UINT commandId)
{
    if (commandId == 4316 || commandId == 4317) return m_RateName(commandId);
    if (const wchar_t* text = m_CountName(commandId)) return text;
    if (const wchar_t* text = m_StateName(commandId)) return text;
    return m_RangedName(commandId);
}
