// Each playlist menu item's text, look and state, filled from the current
// list, selection and settings.
#include <shlwapi.h>
#include <strsafe.h>

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "commands/MenuItemModel.h"
#include "controls/MenuPlus.h"
#include "filedata/PlayRangeState.h"
#include "jumplist/JumpListState.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistMenus.h"
#include "settings/Settings.h"

namespace {

enum {
    LOOK_TOGGLE = 1,
    LOOK_RADIO = 2,
    LOOK_TIP = 4,
    LOOK_CLOSE = 8,
    LOOK_CAPTION = 16,
    LOOK_SUBMENU = 32,
};

struct SPLITEMROW {
    UINT Id;
    const wchar_t* Text;
    int Image;  // 0 none
    UINT Bits;
};

const SPLITEMROW kRows[] = {
    {8705, L"このトラックを再生\tEnter", 1, 0},
    {8706, L"ジャンプリストを表示", 83, LOOK_TOGGLE},
    {8707, L"ファイルの場所を指定する ...", 0, LOOK_TIP | LOOK_CLOSE},
    {8708, L"フォルダを指定してファイルを探す...", 61, LOOK_TIP | LOOK_CLOSE},
    {8709, L"ファイルを追加 ...", 4, LOOK_CLOSE},
    {8710, L"フォルダを追加 ...", 4, LOOK_CLOSE},
    {8711, L"すべて削除", 0, 0},
    {8712, L"プレイリストから削除 (%d)", 6, 0},
    {8713, L"すべて選択\tCtrl+A", 0, 0},
    {8714, L"選択アイテムを有効にする", 0, 0},
    {8715, L"選択アイテムを無効にする", 0, 0},
    {8716, L"選択アイテムを有効にする", 0, 0},
    {8717, L"選択アイテムを無効にする", 0, 0},
    {8718, L"名前を変更\tF2", 45, 0},
    {8719, L"選択アイテムのチェック状態を反転\tF3", 0, 0},
    {8720, L"選択アイテムのチェック状態を反転\tF3", 0, 0},
    {8721, L"すべて選択\tCtrl+A", 0, 0},
    {8722, L"プレイリストを追加 ...", 0, LOOK_CLOSE},
    {8723, L"重複ファイルを削除", 0, 0},
    {8724, L"重複ファイルを選択", 0, 0},
    {8734, L"このチャプターを再生\tEnter", 1, 0},
    {8735, L"選択アイテムと同じ「名前」のチャプターを無効にする", 0, 0},
    {8736, L"選択アイテムと同じ「長さ」のチャプターを無効にする", 0, 0},
    {8737, L"チャプターを削除", 6, 0},
    {8738, L"名前を変更\tF2", 45, 0},
    {8739, L"チャプターを追加", 4, 0},
    {8754, L"この再生範囲を有効にする\tEnter", 0, LOOK_TOGGLE},
    {8755, L"再生範囲を追加", 4, 0},
    {8756, L"再生範囲を置換", 0, 0},
    {8757, L"再生範囲を削除", 6, 0},
    {8758, L"名前を変更\tF2", 45, 0},
    {8759, L"すべて選択\tCtrl+A", 0, 0},
    {8760, L"再生範囲の前後にチャプターを追加", 0, 0},
    {8761, L"再生範囲を分割", 0, LOOK_TIP},
    {8762, L"再生範囲をまとめる", 0, LOOK_TIP},
    {8774, L"ここに移動\tEnter", 1, 0},
    {8775, L"マーカーを追加", 4, 0},
    {8776, L"マーカーを削除", 6, 0},
    {8777, L"名前を変更\tF2", 45, 0},
    {8778, L"すべて選択\tCtrl+A", 0, 0},
    {8779, L"マーカー位置にチャプターを追加", 0, 0},
    {8804, L"チェックボックスを表示", 0, 0},
    {8805, L"全てのトラックを有効にする", 0, 0},
    {8806, L"全てのトラックを無効にする", 0, 0},
    {8807, L"全てのチャプターを有効にする", 0, 0},
    {8808, L"全てのチャプターを無効にする", 0, 0},
    {8809, L"全てのトラックとチャプターを有効にする", 0, 0},
    {8810, L"現在のトラックのチェック状態を他の全トラックにコピーする", 0, 0},
    {8814, L"プレイリストを開く ...", 0, LOOK_CLOSE},
    {8815, L"ファイルを開く ...", 0, LOOK_CLOSE},
    {8816, L"フォルダを開く ...", 0, LOOK_CLOSE},
    {8817, L"ファイルの再読み込み", 0, 0},
    {8818, L"プレイリストを保存する ...", 0, LOOK_CLOSE},
    {8819, L"プレイリストを上書き保存する", 0, 0},
    {8823, L"プレイリストアイテムの並べ替え", 60, LOOK_CAPTION},
    {8825, L"ファイル名", 0, LOOK_RADIO},
    {8826, L"ファイル名 (逆順)", 0, LOOK_RADIO},
    {8827, L"トラック名", 0, LOOK_RADIO},
    {8828, L"トラック名 (逆順)", 0, LOOK_RADIO},
    {8829, L"ファイルパス", 0, LOOK_RADIO},
    {8830, L"ファイルパス (逆順)", 0, LOOK_RADIO},
    {8831, L"ファイルの作成日時 (古い順)", 0, LOOK_RADIO},
    {8832, L"ファイルの作成日時 (新しい順)", 0, LOOK_RADIO},
    {8833, L"ファイルの更新日時 (古い順)", 0, LOOK_RADIO},
    {8834, L"ファイルの更新日時 (新しい順)", 0, LOOK_RADIO},
    {8835, L"ファイルサイズ (小さい順)", 0, LOOK_RADIO},
    {8836, L"ファイルサイズ (大きい順)", 0, LOOK_RADIO},
    {8837, L"初期状態に戻す", 0, 0},
    {8854, L"ファイル名を変更 ...", 45, LOOK_CLOSE},
    {8855, L"-", 0, LOOK_CAPTION},
    {8856, L"オープンファイル名をコピー", 42, 0},
    {8857, L"オープンファイルパスをコピー", 42, 0},
    {8858, L"オープンファイルの場所を開く ...", 0, LOOK_CLOSE},
    {8859, L"-", 0, LOOK_CAPTION | LOOK_CLOSE},
    {8860, L"メディアファイル名をコピー", 42, 0},
    {8861, L"メディアファイルパスをコピー", 42, 0},
    {8862, L"メディアファイルの場所を開く ...", 0, LOOK_CLOSE},
    {8873, L"PLAYLIST OPTIONS", 49, LOOK_CAPTION},
    {8874, L"プレイヤーウィンドウと一緒に移動", 0, LOOK_TOGGLE},
    {8875, L"トラック番号を表示", 0, LOOK_TOGGLE},
    {8876, L"ファイル名の拡張子を表示", 0, LOOK_TOGGLE},
    {8877, L"トラック名を省略して表示", 0, LOOK_TOGGLE | LOOK_TIP},
    {8878, L"リストの高さを自動で調整", 0, LOOK_TOGGLE},
    {8879, L"リストのカラムの幅を自動で調整", 0, LOOK_TOGGLE},
    {8880, L"グリッドラインを表示", 0, LOOK_TOGGLE},
    {8881, L"タブの角を斜めにする", 0, LOOK_TOGGLE},
    {8882, L"表示する", 0, LOOK_RADIO},
    {8883, L"表示しない", 0, LOOK_RADIO},
    {8884, L"前回終了時の状態", 0, LOOK_RADIO},
    {8885, L"合計時間を表示", 0, LOOK_TOGGLE},
    {8887, L"表示しない", 0, LOOK_RADIO},
    {8888, L"表示する", 0, LOOK_RADIO},
    {8889, L"ファイルが開かれていない時のみ表示", 0, LOOK_RADIO},
    {8891, L"チャプター名 / 位置", 0, LOOK_RADIO},
    {8892, L"チャプター名 / 長さ", 0, LOOK_RADIO},
    {8893, L"チャプター名 (長さ) / 位置", 0, LOOK_RADIO},
    {8894, L"[位置] チャプター名 / 長さ", 0, LOOK_RADIO},
    {8896, L"リスト切り替えタブを表示", 0, LOOK_TOGGLE},
    {8897, L"リストアイテムの高さ", 0, LOOK_TIP},
    {2358, L"ファイルツール", 0, LOOK_SUBMENU},
    {2359, L"起動時の表示状態", 0, LOOK_SUBMENU},
    {2360, L"チャプター表示形式", 0, LOOK_SUBMENU},
    {2361, L"ファイル選択でジャンプリストを表示", 0, LOOK_SUBMENU},
};

// Items whose text ends with the key of a bindable function.
struct SKEYROW {
    UINT Id;
    int Function;
    int Parameter;
};
const SKEYROW kKeyRows[] = {
    {8854, 147, 0}, {8856, 147, 1}, {8857, 147, 2}, {8858, 147, 3}, {8860, 147, 4},
    {8861, 147, 5}, {8862, 147, 6}, {8739, 26, 1},  {8737, 26, 2},
};

const SPLITEMROW* m_Row(UINT id)
{
    for (const SPLITEMROW& row : kRows)
        if (row.Id == id) return &row;
    return nullptr;
}

void m_SetText(SMENUITEM* item, const wchar_t* text)
{
    (void)StringCchCopyW(item->Text, ARRAYSIZE(item->Text), text ? text : L"");
}

void m_ApplyRow(SMENUITEM* item, const SPLITEMROW& row)
{
    if (row.Image > 0) {
        item->HasIcon = 1;
        item->IconIndex = static_cast<UINT>(row.Image);
        item->IconColor = -1;
    }
    if (row.Bits & LOOK_TOGGLE) item->CheckKind = MENUCHECK_BOX;
    if (row.Bits & LOOK_RADIO) item->CheckKind = MENUCHECK_RADIO;
    if (row.Bits & LOOK_CLOSE) item->CloseAlways = 1;
    if (row.Bits & LOOK_CAPTION) item->Kind = MENUKIND_HEADING;
    if (row.Bits & LOOK_SUBMENU) m_MenuItem_SetHasSubmenu(item, 1);
    if ((row.Bits & LOOK_TIP) && g_Settings.Common_Tip) {
        SMENUITEMFLAGS flags = m_Menu_GetItemFlags(item);
        flags.TooltipWanted = 1;
        m_Menu_SetItemFlags(item, flags);
    }
    for (const SKEYROW& k : kKeyRows)
        if (k.Id == row.Id) {
            m_SetText(item, m_MenuTextWithKey(row.Text, k.Function, k.Parameter, nullptr));
            return;
        }
    m_SetText(item, row.Text);
}

// The radio groups: each group's items share a number.
UINT m_RadioGroup(UINT id)
{
    if (id >= 8825 && id <= 8836) return 11;
    if (id >= 8882 && id <= 8884) return 12;
    if (id >= 8887 && id <= 8889) return 13;
    if (id >= 8891 && id <= 8894) return 14;
    return 0;
}

}  // namespace

void CPlaylist::m_SetMenuItemLook(SMENUITEM* item, UINT id)
{
    item->Id = id;
    if (id == kMenuSeparatorId) {
        item->Kind = MENUKIND_SEPARATOR;
        return;
    }
    const SPLITEMROW* row = m_Row(id);
    if (row) m_ApplyRow(item, *row);
    item->RadioGroup = m_RadioGroup(id);
    if (id == 8897) {
        item->LevelBar = 1;
        item->BarWidth = 44;
        item->AlwaysNotify = 1;
    }
}

void CPlaylist::m_FillMenuItem(SMENUITEM* item, UINT id, int clear)
{
    if (!item) return;
    if (clear) {
        ZeroMemory(item, sizeof(*item));
        item->IconColor = -1;
    }
    m_SetMenuItemLook(item, id);
    m_SetMenuItemState(item, id);
}
