#include "commands/MenuTooltips.h"

#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "commands/MenuItemData.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuPlus.h"
#include "library/Favorites.h"
#include "library/RecentRecords.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

// After the history: favorites 39768.., their list and folder entries
// 40768..42767; entries below 41768 name the favorite that lists them.
constexpr UINT kMenuFavoriteEntryFirstId = 40768;
constexpr UINT kMenuFavoriteContainerEndId = 41768;
constexpr UINT kMenuFileIdsEnd = 42768;
constexpr UINT kMenuMostPlayedEndId = 39668;
constexpr int kMenuPresetItems = 100;
// The capture preset the folder items act on.
constexpr int kCurrentCapture = 0;

struct STIPROW {
    UINT Id;
    const wchar_t* Text;
};

const wchar_t kRelinkOne[] = L"見つからないファイルの場所を指定して履歴の情報を更新します。";
const wchar_t kRelinkSearch[] =
    L"見つからないファイルを指定したフォルダ内から探して、履歴の情報を修正します。\r\n"
    L"(検索する範囲が広いと時間がかかるので注意してください。)";
const wchar_t kFolderKind[] =
    L"再生フォルダと展開フォルダを切り替えます。\r\n"
    L"- 再生フォルダはフォルダ内のファイルを再生する普通のフォルダです。\r\n"
    L"- 展開フォルダはメニューやランチャー画面内でフォルダの内容を展開して表示します。";

const STIPROW kFixedTips[] = {
    {4139, L"現在開いているフォルダ内にフォルダ管理用のプレイリストファイル(zentavio_fldrmg.zvpl)を作成します。\r\n"
           L"ファイルの並び順の保存や、ファイル毎のプロパティの設定などが出来るようになります。"},
    {4140, L"フォルダ管理用のプレイリストファイルに、フォルダ内のメディアファイル毎のレジューム情報を記録します。\r\n"
           L"Resume.datファイルにも記録されますが、こちらの情報が優先されます。\r\n"
           L"複数のPCでレジューム情報を共有したい場合などに使用します。"},
    {4141, L"フォルダ管理用のプレイリストファイルにレジューム情報を記録します。\r\n"
           L"Resume.datファイルにも記録されますが、こちらの情報が優先されます。\r\n"
           L"複数のPCでレジューム情報を共有したい場合などに使用します。"},
    {4145, L"フォルダ管理用のプレイリストファイルにレジューム情報を記録します。\r\n"
           L"この設定はフォルダ内の全てのファイルが対象になるので、ひとつ上のフォルダを開いた状態で設定を変更してください。"},
    {4227, L"音声出力デバイスを切り替えた後の音量の調整量を記録して、\r\n"
           L"次から切り替え時に自動で音量を調整します。\r\n"
           L"手動で調整するにはデバイスのメニューアイテムの右クリックメニューの「音量調整」で出来ます。"},
    {4246, L"再生範囲が有効時のリピートの動作を設定します。\r\n"
           L"・オフ - 再生範囲の終わりで一時停止します。\r\n"
           L"・オン - 選択中の再生範囲だけを繰り返します。\r\n"
           L"・ファイル内 - 現在のファイルに保存された再生範囲を繰り返します。\r\n"
           L"・すべてのファイル - プレイリストに登録されているすべてのファイルに保存された再生範囲を繰り返します。"},
    {4256, L"再生中にモニターの省電力機能とスクリーンセーバーを無効化して、\r\n"
           L"モニターが表示し続けるようにします。"},
    {4257, L"モニターの省電力機能の設定を一時的に反転させます。\r\n"
           L"モニターが省電力モードに移行するか、再生していない状態が1分以上続くと自動で解除されます。"},
    {4358, L"チャプターの編集内容は追加情報ファイル(.ZVINF)に保存されます。\r\n"
           L"メディアファイルが変更されることはありません。\r\n"
           L"全てのチャプターを削除すると元の状態に戻ります。"},
    {4442, L""},
    {4443, L"再生範囲の時間だけを表示します。\r\n(適用時は時間の前に[R]が表示されます。)"},
    {4444, L"再生中のチャプターの時間だけを表示します。\r\n(適用時は時間の前に[C]が表示されます。)"},
    {4445, L"有効なチャプターの時間だけを表示します。\r\n(適用時は時間の前に[E]が表示されます。)"},
    {4456, L"一時的にこのデバイスを有効にします。"},
    {4458, L"起動時にこのデバイスを有効にします。"},
    {4459, L"機能割り当ての音声出力デバイスの切り替え(設定値-1)で、\r\nこのデバイスをスキップします。"},
    {4460, L"ファイルを開いた直後などに音声が出ない問題の対処の為に、\r\n"
           L"このデバイスを選択しているときに開いたままにします。"},
    {4461, L"音声出力デバイスを切り替えた時に音量を自動で調整します。"},
    {4463, L"機能割り当ての音声出力デバイスの切り替えや、\r\n"
           L"モニターに音声出力デバイスを割り当てるときに使用する番号です。"},
    {4468, L"このデバイスが接続された時に自動で選択するようにします。"},
    {4604, kRelinkOne},
    {4605, kRelinkSearch},
    {9490, kRelinkOne},
    {9491, kRelinkSearch},
    {9495, kFolderKind},
    {9496, kFolderKind},
};

wchar_t s_Tip[kMenuTipCap];

const wchar_t* FixedTip(UINT id)
{
    for (const STIPROW& row : kFixedTips)
        if (row.Id == id) return row.Text;
    return nullptr;
}

const wchar_t* OpenMediaPath() { return g_MediaOpen ? g_MediaPath : L""; }

const SCAPTUREPRESET* CapturePreset(int index)
{
    if (!g_CaptureSettings || index < 0 || index >= g_CaptureCount) return nullptr;
    return &g_CaptureSettings[index];
}

const wchar_t* CaptureTip(UINT id)
{
    if (id == 4292 || id == 4293) {
        const SCAPTUREPRESET* preset = CapturePreset(kCurrentCapture);
        if (!preset) return nullptr;
        return m_Menu_FormatCaptureFolderTip(s_Tip, kMenuTipCap, *preset, OpenMediaPath());
    }
    if (id < kMenuCapturePresetFirstId || id >= kMenuCapturePresetFirstId + kMenuPresetItems)
        return nullptr;
    const SCAPTUREPRESET* preset = CapturePreset((int)(id - kMenuCapturePresetFirstId));
    if (!preset) return nullptr;
    return m_Menu_FormatCaptureTip(s_Tip, kMenuTipCap, *preset, OpenMediaPath(), g_VideoSize);
}

// Recent and most-played items both name their history entry by index.
const wchar_t* HistoryTip(UINT id)
{
    const bool recent = id < kMenuMostPlayedFirstId;
    if (!recent && id >= kMenuMostPlayedEndId) return nullptr;
    const int index = (int)(id - (recent ? kMenuRecentFirstId : kMenuMostPlayedFirstId));
    if (index >= m_Recent_GetRecordCount()) return nullptr;
    return m_Menu_FormatHistoryTip(s_Tip, kMenuTipCap, m_Recent_GetRecordPath(index),
                                   m_Recent_GetRecordMinutes(index));
}

const wchar_t* FavoriteTip(UINT id, const CMenuPlus* popup)
{
    if (id < kMenuFavoriteEntryFirstId) {
        const SFAVORITEITEM* item =
            g_Favorite.m_GetItem(static_cast<int>(id - kMenuFavoriteFirstId));
        if (!item) return nullptr;
        return m_Menu_FormatFavoriteTip(s_Tip, kMenuTipCap, item->Type, item->Name, item->Path);
    }
    // An entry's record is named by the item's data word.
    SMENUITEM item;
    if (!popup || !popup->m_GetItemById(&item, id)) return nullptr;
    const UINT64 data = m_Menu_GetItemData(&item);
    const SFAVORITEENTRY* entry =
        data < kFavoriteEntryCap ? g_Favorite.m_GetEntry(static_cast<int>(data)) : nullptr;
    if (!entry) return nullptr;
    return m_Menu_FormatFavoriteEntryTip(s_Tip, kMenuTipCap, entry->Type, entry->ContainerType,
                                         entry->Path, id < kMenuFavoriteContainerEndId);
}

}  // namespace

int m_Menu_TipGroupOn(int group)
{
    for (int bit = 0; bit < (int)ARRAYSIZE(g_Settings.Common_TipBits); ++bit)
        if (group == (1 << bit)) return g_Settings.Common_TipBits[bit] ? 1 : 0;
    return 0;
}

const wchar_t* m_Menu_GetTooltip(UINT itemId, CMenuPlus* popup)
{
    if (itemId < kMenuRecentFirstId) {
        if (!m_Menu_TipGroupOn(kTipGroupCommands)) return nullptr;
        if (const wchar_t* text = FixedTip(itemId)) return text;
        return CaptureTip(itemId);
    }
    if (itemId >= kMenuFileIdsEnd || !m_Menu_TipGroupOn(kTipGroupFiles)) return nullptr;
    if (itemId < kMenuMostPlayedEndId) return HistoryTip(itemId);
    if (itemId < kMenuFavoriteFirstId) return nullptr;
    return FavoriteTip(itemId, popup);
}

LRESULT m_Menu_GetTipText(WPARAM itemId, LPARAM popup)
{
    return reinterpret_cast<LRESULT>(
        m_Menu_GetTooltip(static_cast<UINT>(itemId), reinterpret_cast<CMenuPlus*>(popup)));
}
