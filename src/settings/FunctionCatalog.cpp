#include "settings/FunctionCatalog.h"

#include <strsafe.h>

#include "app/MainWindow.h"
#include "app/WindowSize.h"
#include "base/UiLook.h"
#include "settings/Settings.h"

namespace {

constexpr int kNone = FUNC_PARAM_NONE;
constexpr int kNumber = FUNC_PARAM_NUMBER;
constexpr int kText = FUNC_PARAM_TEXT;
constexpr int kList = FUNC_PARAM_LIST;
constexpr int kRowValueCap = 5;

constexpr SFUNCTIONVALUE V(int min, int max, int def, int step, int divisor, int x6 = 0, int x7 = 0,
                           int x8 = 0)
{
    return SFUNCTIONVALUE{min, max, def, step, divisor, x6, x7, x8, 0, 0, nullptr, 0};
}

constexpr SFUNCTIONVALUE VN(int min, int max, int def, int step, int divisor,
                            const wchar_t* const* names)
{
    return SFUNCTIONVALUE{min, max, def, step, divisor, 0, 0, 0, 0, 0, names, 0};
}

// Item of the property function, 0..8.
const wchar_t* const kPropItemNames[] = {
    L"コントラスト", L"輝度",     L"色相",         L"彩度",         L"アスペクト比",
    L"切り抜き",     L"表示範囲", L"音声ブースト", L"音声バランス",
};

// Fills the defaults that are read at the moment of the call.
using FillFn = void (*)(SFUNCTIONINFO*);

struct SFUNCTIONROW {
    int Id;
    const wchar_t* Name;     // null: "0x%02X" of the id
    const wchar_t* Variant;  // null: by the id's range
    int Kind;
    int Count;
    SFUNCTIONVALUE Values[kRowValueCap];  // used by the number and list kinds
    const wchar_t* DefaultText;
    FillFn Fill;
    const wchar_t* Help;  // null: "なし"
};

// A cut text is still the start of the right one; the buffer stays terminated.
void m_FormatDefault(SFUNCTIONINFO* info, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    HRESULT hr = StringCchVPrintfW(info->DefaultText, kFuncDefaultTextCap, format, args);
    va_end(args);
    if (FAILED(hr) && hr != STRSAFE_E_INSUFFICIENT_BUFFER) info->DefaultText[0] = L'\0';
}

void m_FillSeekStep(SFUNCTIONINFO* info) { info->Values[0].Default = g_Settings.Seek_Step[0]; }

void m_FillSeekDetail(SFUNCTIONINFO* info)
{
    const int defaults[5] = {g_Settings.Seek_Step[0], g_Settings.Seek_Key, g_Settings.Seek_Itvl[0],
                             g_Settings.Seek_Itvl[1], g_Settings.Seek_Dly};
    for (int i = 0; i < 5; ++i) info->Values[i].Default = defaults[i];
    m_FormatDefault(info, L"%d,%d,%d,%d,%d", defaults[0], defaults[1], defaults[2], defaults[3],
                    defaults[4]);
}

SIZE m_DisplayedVideoSize()
{
    RECT rc;
    if (!m_GetVideoRect(&rc)) return SIZE{0, 0};
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void m_FillVideoWidth(SFUNCTIONINFO* info) { info->Values[0].Default = m_DisplayedVideoSize().cx; }

void m_FillVideoHeight(SFUNCTIONINFO* info) { info->Values[0].Default = m_DisplayedVideoSize().cy; }

void m_FillVideoSize(SFUNCTIONINFO* info)
{
    const SIZE size = m_DisplayedVideoSize();
    info->Values[0].Default = size.cx;
    info->Values[1].Default = size.cy;
    m_FormatDefault(info, L"%d,%d", size.cx, size.cy);
}

void m_FillVideoArea(SFUNCTIONINFO* info)
{
    const SIZE size = m_DisplayedVideoSize();
    // A large video's pixel count does not fit an int.
    const long long area = static_cast<long long>(size.cx) * size.cy;
    info->Values[0].Default = area > MAXINT ? MAXINT : static_cast<int>(area);
}

void m_FillFullScreenClip(SFUNCTIONINFO* info)
{
    info->Values[1].Default = g_Settings.Fullscr_Clip;
}

void m_FillJumpListBlocks(SFUNCTIONINFO* info)
{
    for (int i = 0; i < 2; ++i) {
        info->Values[i].Min = -g_Settings.Jumplist_MaxBlk;
        info->Values[i].Max = g_Settings.Jumplist_MaxBlk;
    }
}

RECT m_MainWindowRect()
{
    RECT rc{};
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &rc, -1)) SetRectEmpty(&rc);
    return rc;
}

void m_FillWindowSize(SFUNCTIONINFO* info)
{
    const RECT rc = m_MainWindowRect();
    info->Values[0].Default = rc.right - rc.left;
    info->Values[1].Default = rc.bottom - rc.top;
    m_FormatDefault(info, L"%d,%d", info->Values[0].Default, info->Values[1].Default);
}

void m_FillWindowRect(SFUNCTIONINFO* info)
{
    const RECT rc = m_MainWindowRect();
    const int sides[4] = {rc.left, rc.top, rc.right, rc.bottom};
    for (int i = 0; i < 4; ++i) info->Values[i].Default = sides[i];
    m_FormatDefault(info, L"%d,%d,%d,%d", rc.left, rc.top, rc.right, rc.bottom);
}

constexpr const wchar_t* kShowHelp = L"-1=切り替え、0=非表示、1=表示";

// Ascending by id.
const SFUNCTIONROW kFunctions[] = {
    {0, L"", L"", kNone, 1, {}, nullptr, nullptr, nullptr},
    {1,
     L"再生・一時停止",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=一時停止、1=再生"},
    {3,
     L"トラック移動",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, 1, 1, 1)},
     nullptr,
     nullptr,
     L"トラックの移動 0=前へ、1=次へ"},
    {5,
     L"シーク",
     nullptr,
     kNumber,
     1,
     {V(-2, 2, 1, 1, 1, 0, 0, 1)},
     nullptr,
     nullptr,
     L"1=早送り(通常)、2=早送り(高速)、-1= 早戻し(通常)、-2= 早戻し(高速)"},
    {6,
     L"シーク (時間)",
     nullptr,
     kNumber,
     1,
     {V(-3600000, 3600000, 0, 500, 1)},
     nullptr,
     m_FillSeekStep,
     L"シークの移動量をミリ秒で指定"},
    {7,
     L"シーク (詳細)",
     nullptr,
     kList,
     5,
     {V(-3600000, 3600000, 0, 500, 1, 0, 10, 1), V(0, 2, 0, 1, 0), V(0, 10000, 0, 5, 0),
      V(0, 10000, 0, 5, 0), V(0, 10000, 0, 5, 0)},
     nullptr,
     m_FillSeekDetail,
     L"[シーク量],[キーフレーム設定],[最小間隔],[最大間隔],[待ち時間]の形式でミリ秒単位で指定。("
     L"キーフレーム設定は0=無効,1=有効,2=自動) 省略した項目はデフォルト値になります。"},
    {10,
     L"前のチャプター",
     nullptr,
     kList,
     2,
     {V(-100000, 100000, 0, 100, 1), V(0, 255, 0, 1, 0)},
     L"0",
     nullptr,
     L"次(前)のチャプター(再生範囲の前後・マーカー)位置に移動。オフセット値を指定(ミリ秒)"
     L"。チャプター位置のみに移動する場合は「,1」を追加。"},
    {11,
     L"次のチャプター",
     nullptr,
     kList,
     2,
     {V(-100000, 100000, 0, 100, 1), V(0, 255, 0, 1, 0)},
     L"0",
     nullptr,
     L"次(前)のチャプター(再生範囲の前後・マーカー)位置に移動。オフセット値を指定(ミリ秒)"
     L"。チャプター位置のみに移動する場合は「,1」を追加。"},
    {12,
     L"フレーム送り",
     nullptr,
     kList,
     5,
     {V(-100, 100, 1, 1, 1, 1, 0, 1), V(0, 10000, 100, 5, 0), V(0, 10000, 300, 5, 0),
      V(0, 1, 0, 0, 0), V(0, 999, 50, 0, 0)},
     L"1",
     nullptr,
     L"移動するフレーム数を入力。続けて「, 」で区切って [連続呼出の間隔(ミリ秒)], "
     L"[連続呼出を開始するまでの時間(ミリ秒)], [シーン変更検出時の自動停止(0/1)] "
     L"を指定できます。(例えば、連続呼出時のシーン変更検出時の自動停止機能を使う場合は「1,,,"
     L"1」と指定します。)("
     L"連続呼出の間隔は最小値です。フレームの更新にそれ以上時間がかかる場合は遅くなります。)"},
    {13,
     L"再生速度",
     L"再生速度 指定",
     kNumber,
     1,
     {V(0, 1000, 100, 5, 100)},
     nullptr,
     nullptr,
     L"再生速度を指定。1.0=通常速度。0=最後に設定した速度"},
    {14,
     L"再生速度の調整",
     L"再生速度 増減",
     kNumber,
     1,
     {V(-100, 100, 25, 5, 100, 1)},
     nullptr,
     nullptr,
     L"再生速度を変更。増減値を入力"},
    {15,
     L"再生速度の変更",
     L"再生速度 選択変更",
     kNumber,
     1,
     {V(-1, 1, 1, 1, 1, 1)},
     nullptr,
     nullptr,
     L"再生速度メニューの再生速度指定の選択項目を変更します。1=上へ移動 -1=下へ移動"},
    {17,
     L"指定位置に移動(％)",
     nullptr,
     kNumber,
     1,
     {V(0, 1000, 0, 10, 10)},
     nullptr,
     nullptr,
     L"位置を0～100%で指定"},
    {18,
     L"指定位置に移動(秒)",
     nullptr,
     kNumber,
     1,
     {V(-1000000, 1000000, 0, 10, 10)},
     nullptr,
     nullptr,
     L"位置を開始からの秒数で指定 (マイナス値で残り時間)"},
    {19,
     L"指定位置に移動(フレーム)",
     nullptr,
     kNumber,
     1,
     {V(-1000000, 1000000, 0, 1, 1)},
     nullptr,
     nullptr,
     L"位置を開始からのフレーム数で指定 (マイナス値で最後からのフレーム数)"},
    {20,
     L"前のポイント",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, 0, 1, 1)},
     nullptr,
     nullptr,
     L"チャプター・再生範囲の前後・マーカー位置に移動。オフセット値を指定(ミリ秒)。"},
    {21,
     L"次のポイント",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, 0, 1, 1)},
     nullptr,
     nullptr,
     L"チャプター・再生範囲の前後・マーカー位置に移動。オフセット値を指定(ミリ秒)。"},
    {26,
     L"チャプター編集",
     nullptr,
     kList,
     2,
     {V(-1, 2, 1, 1, 1), V(0, 1, 0, 0, 0)},
     L"1",
     nullptr,
     L"1=チャプター追加、2=削除、-1=リセット"},
    {32,
     L"サイズ指定(％)",
     L"比率",
     kNumber,
     1,
     {V(0, 10000, 100, 1, 1, 0, 5)},
     nullptr,
     nullptr,
     L"オリジナルのビデオサイズに対する比率で入力 (100で等倍)"},
    {33,
     L"サイズ指定(幅)",
     L"幅",
     kNumber,
     1,
     {V(1, 10000000, 0, 1, 1, 0, 5)},
     nullptr,
     m_FillVideoWidth,
     L"ビデオの幅を入力"},
    {34,
     L"サイズ指定(高さ)",
     L"高さ",
     kNumber,
     1,
     {V(1, 10000000, 0, 1, 1, 0, 5)},
     nullptr,
     m_FillVideoHeight,
     L"ビデオの高さを入力"},
    {35,
     L"サイズ指定(幅ｘ高さ)",
     L"幅ｘ高さ",
     kList,
     2,
     {V(0, 30000, 0, 1, 1, 0, 10), V(0, 30000, 0, 1, 0, 0, 10)},
     nullptr,
     m_FillVideoSize,
     L"ビデオサイズを「幅,高さ」の形式で入力"},
    {36,
     L"サイズ指定(面積)",
     L"ピクセル数",
     kNumber,
     1,
     {V(1, 100000000, 0, 1, 1, 0, 5)},
     nullptr,
     m_FillVideoArea,
     L"ビデオのピクセル数を入力"},
    {37,
     L"サイズの調整(％)",
     nullptr,
     kNumber,
     1,
     {V(-1000, 1000, 250, 5, 10, 1, 5, 1)},
     nullptr,
     nullptr,
     L"サイズ調整の増減量を入力(%)"},
    {38,
     L"サイズの調整(幅)",
     nullptr,
     kNumber,
     1,
     {V(-1000, 1000, 64, 1, 1, 1, 0, 1)},
     nullptr,
     nullptr,
     L"サイズ調整の増減量を入力(ピクセル)"},
    {39,
     L"サイズの調整(高さ)",
     nullptr,
     kNumber,
     1,
     {V(-1000, 1000, 64, 1, 1, 1, 0, 1)},
     nullptr,
     nullptr,
     L"サイズ調整の増減量を入力(ピクセル)"},
    {40,
     L"フルスクリーン",
     L"フルスクリーン",
     kList,
     2,
     {V(-2, 9, -1, 1, 1), V(0, 2, 0, 0, 0)},
     L"-1",
     m_FillFullScreenClip,
     L"-2=全てのモニター、-1=デフォルト、0=指定なし、1～=モニター番号。「-"
     L"」で区切ると複数のモニター領域を指定できます。続けて「,」+"
     L"「値」で切り抜きの指定もできます。0=なし、1=あり、2=制限付き"},
    {41,
     L"フルスクリーン切り抜き",
     nullptr,
     kNumber,
     1,
     {V(-3, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=しない、1=する、2=制限付き"},
    {45,
     L"ビデオ表示範囲",
     nullptr,
     kNumber,
     1,
     {V(-1000, 1000, 5, 1, 1)},
     nullptr,
     nullptr,
     L"ビデオ表示範囲の調整値を入力(％) 0=有効・無効切替"},
    {46,
     L"アスペクト比",
     nullptr,
     kText,
     1,
     {},
     L"-1",
     nullptr,
     L"アスペクト比を「X:Y」の形式で文字入力 -1で切り替え 0でデフォルト"},
    {49,
     L"音量調整",
     nullptr,
     kList,
     2,
     {V(-10000, 10000, 500, 100, 100, 1, 0, 1), V(-10000, 10000, 500, 50, 100, 1, 0, 1)},
     L"+5",
     nullptr,
     L"音量の増減値を入力(%)。小数第2位まで指定可。続けて「,」+"
     L"「値」でシステム音量の増減値も指定できます。"},
    {50,
     L"音量指定(％)",
     nullptr,
     kList,
     1,
     {V(0, 10000, 5000, 100, 100)},
     L"50",
     nullptr,
     L"音量を入力(0～100％)"},
    {51,
     L"ミュート",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=無効、1=有効"},
    {52,
     L"音声出力モード",
     nullptr,
     kNumber,
     1,
     {V(-3, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=通常、1=左右反転、2=ミックス"},
    {53,
     L"音声出力デバイス",
     nullptr,
     kNumber,
     1,
     {V(-1, 9, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え 0=システムデフォルト 1～=デバイス番号"},
    {61,
     L"音声ブースト",
     nullptr,
     kNumber,
     1,
     {V(-100, 100, 0, 1, 1)},
     nullptr,
     nullptr,
     L"音量ブーストの増減値を入力(%) 0=リセット"},
    {62,
     L"音声入力バランス切換",
     nullptr,
     kNumber,
     1,
     {V(-1, 2, -1, 1, 1)},
     nullptr,
     nullptr,
     L"左右のバランス 0=中央 1=左 2=右 -1=順次切替"},
    {63,
     L"音声左右バランス調整",
     nullptr,
     kNumber,
     1,
     {V(-100, 100, 5, 1, 1)},
     nullptr,
     nullptr,
     L"左右のバランスの変更値を入力。左はマイナス、右はプラス"},
    {64,
     L"静止画キャプチャ",
     nullptr,
     kNumber,
     1,
     {V(-2, 99, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=静止画をデフォルト設定で保存、-1=名前を付けて保存、-2=クリップボードにコピー、1～="
     L"指定の設定で静止画を保存"},
    {66,
     L"ジャンプリスト",
     nullptr,
     kNumber,
     1,
     {V(-1, 3, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=非表示、1=表示、2=編集、3=インデックス画像を更新"},
    {67,
     L"ジャンプリスト作成",
     nullptr,
     kList,
     2,
     {V(0, 0, 1, 1, 1), V(0, 0, 0, 1, 0)},
     L"1",
     m_FillJumpListBlocks,
     L"1=既定値で作成。2=分割数を自動で判断して作成。3~9="
     L"分割数を指定して作成。マイナス値でプレイリスト内の全てのファイルを作成。「X,"
     L"Y」で横と縦の分割数を指定して作成"},
    {68,
     L"ジャンプリストプレビュー",
     nullptr,
     kList,
     4,
     {V(0, 3, 1, 1, 1), V(0, 3, 0, 0, 0), V(0, 0, 0, 0, 0), V(0, 0, 0, 0, 0)},
     L"1",
     nullptr,
     L"1=静止画プレビュー、2=ビデオプレビュー、3=ステッププレビュー。続けて「,」+"
     L"「値」で動作を指定。0=自動(既定)、1=押している間のみ、2=現在のブロックのみ、3="
     L"有効・無効の切り替え。\r\n続けて、ビデオプレビューでは再生速度、ステッププレビューではステッ"
     L"プ時間と間隔を指定できます。"},
    {73,
     L"シークバープレビュー",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"シークバープレビューの一時的な設定。-1=切り替え、0=無効、1=有効"},
    {74,
     L"マーカー",
     nullptr,
     kNumber,
     1,
     {V(1, 4, 1, 1, 1)},
     nullptr,
     nullptr,
     L"1=マーカー追加、2=削除、3=前のマーカーへ移動、4=次のマーカーへ移動"},
    {75,
     L"再生範囲",
     nullptr,
     kList,
     2,
     {V(-1, 6, -1, 1, 1), V(0, 1, 0, 0, 0)},
     L"-1",
     nullptr,
     L"-1=切り替え、0=無効、1=有効、2=開始位置に設定、3=終了位置に設定、4=リセット、5=保存、6="
     L"ここまでを保存"},
    {76,
     L"再生範囲の移動",
     nullptr,
     kList,
     3,
     {V(-2, 2, 1, 1, 1, 1, 0, 1), V(0, 2, 0, 0, 0), V(0, 1, 0, 0, 0)},
     L"+1",
     nullptr,
     L"+1=次の再生範囲 -1=前の再生範囲 +2=次のファイル "
     L"-2=前のファイル。\r\n続けて「,」で区切って、ファイルの前後で一度止める動作[0/"
     L"1]と、ファイルを越えて移動するか[0/1]を指定できます。例 : "
     L"「+1,0,1」にするとファイルの前後で止めないでファイルを越えて移動するようになります。"},
    {77,
     L"元の位置へ戻る",
     nullptr,
     kNumber,
     1,
     {V(0, 1, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=直前の位置に戻る/ 1=開始位置へ戻る"},
    {78,
     L"再生範囲のリピート",
     nullptr,
     kList,
     4,
     {V(-2, 3, -1, 1, 1), V(0, 3, 0, 0, 0), V(0, 3, 0, 0, 0), V(0, 3, 0, 0, 0)},
     L"-1",
     nullptr,
     L"-1=切り替え、0=オフ、1=オン、2=ファイル、3=全てのファイル\r\nまた「,"
     L"」で区切って複数の値を指定すると、その設定値だけで切り替えを行います。例えば "
     L"「1,2」だと1(オン)と2(ファイル)だけを切り替えます。"},
    {79,
     L"ストリーム選択",
     nullptr,
     kNumber,
     1,
     {V(-4, 16, 0, 1, 1)},
     nullptr,
     nullptr,
     L"選択するストリーム番号を入力 "
     L"1～、0=デフォルトに設定、-1=ビデオ切り替え、-2=音声切り替え、-3=字幕切り替え"},
    {80,
     L"メニュー表示",
     nullptr,
     kText,
     1,
     {},
     L"MAIN",
     nullptr,
     L"MAIN, FILE, TOOL, FILTER, STREAM, RATE, PLAYLIST, CHAPTER, RANGE, MARKER, JUMPLIST, "
     L"CAPTURE, REPEAT, SIZE, TIMER, CTRL, RECENT, RANK, FAVO, OPTION, POWER, AUDIO, VOL, BALANCE, "
     L"TIME, SEEKBAR"},
    {81,
     L"オプション表示",
     nullptr,
     kList,
     3,
     {V(-1, 2, -1, 1, 1), V(0, 99, 0, 0, 0), V(0, 9, 0, 0, 0)},
     L"-1",
     nullptr,
     L"-1=切り替え、0=非表示、1=表示"},
    {82,
     L"プレイリスト表示",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=非表示、1=表示"},
    {83,
     L"お気に入り表示",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=非表示、1=表示"},
    {84,
     L"タイマー表示",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=非表示、1=表示"},
    {88,
     L"ランチャー画面",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=非表示、1=表示"},
    {89,
     L"常に手前に表示",
     nullptr,
     kNumber,
     1,
     {V(-1, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=無効、1=有効"},
    {90,
     L"リピート",
     nullptr,
     kList,
     5,
     {V(-2, 4, -1, 1, 1), V(0, 4, 0, 0, 0), V(0, 4, 0, 0, 0), V(0, 4, 0, 0, 0), V(0, 4, 0, 0, 0)},
     L"-1",
     nullptr,
     L"-1=切り替え、0=オフ、1=オン、2=ファイル、3=チャプター、4=シャッフル\r\nまた「,"
     L"」で区切って複数の値を指定すると、その設定値だけで切り替えを行います。例えば "
     L"「1,2」だと1(オン)と2(ファイル)だけを切り替えます。"},
    {91,
     L"モニター省電力無効",
     nullptr,
     kNumber,
     1,
     {V(-2, 1, -1, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=オフ、1=オン(無効化)、-2=一時的に反転"},
    {92,
     L"時間表示形式",
     nullptr,
     kNumber,
     1,
     {V(-1, 4, 0, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=経過時間、1=残り時間、2=自動切替、3=両方の時間、4=すべての時間"},
    {93,
     L"OSDモード",
     nullptr,
     kNumber,
     1,
     {V(-1, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"-1=切り替え、0=オフ、1=オン、2=オート"},
    {113,
     L"オンタイマー作成(秒)",
     nullptr,
     kNumber,
     1,
     {V(-86400, 86400, 0, 1, 1)},
     nullptr,
     nullptr,
     L"設定時刻を入力。0でタイマーダイアログで設定している時刻。0時に設定する時は24:"
     L"00に指定。マイナス値で残り時間。"},
    {114,
     L"オフタイマー作成(秒)",
     nullptr,
     kNumber,
     1,
     {V(-86400, 86400, 0, 1, 1)},
     nullptr,
     nullptr,
     L"設定時刻を入力。0でタイマーダイアログで設定している時刻。0時に設定する時は24:"
     L"00に指定。マイナス値で残り時間。"},
    {115,
     L"オンタイマー作成",
     L"オンタイマー",
     kNumber,
     1,
     {V(-1440, 1440, 0, 1, 1, 0, 5)},
     nullptr,
     nullptr,
     L"設定時刻を入力。0でタイマーダイアログで設定している時刻。0時に設定する時は24:"
     L"00に指定。マイナス値で残り時間。"},
    {116,
     L"オフタイマー作成",
     L"オフタイマー",
     kNumber,
     1,
     {V(-1440, 1440, 0, 1, 1, 0, 5)},
     nullptr,
     nullptr,
     L"設定時刻を入力。0でタイマーダイアログで設定している時刻。0時に設定する時は24:"
     L"00に指定。マイナス値で残り時間。"},
    {117,
     L"オンタイマー時間追加",
     L"オンタイマー追加",
     kNumber,
     1,
     {V(1, 60, 1, 1, 1)},
     nullptr,
     nullptr,
     L"タイマーに追加する時間(分)。"},
    {118,
     L"オフタイマー時間追加",
     L"オフタイマー追加",
     kNumber,
     1,
     {V(1, 60, 1, 1, 1)},
     nullptr,
     nullptr,
     L"タイマーに追加する時間(分)。"},
    {121,
     L"タイマー停止",
     L"タイマー停止",
     kNumber,
     1,
     {V(-2, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=タイマー停止。1=オンタイマーをすぐに実行。2=オフタイマーをすぐに実行。"},
    {128,
     L"プロパティ設定",
     nullptr,
     kList,
     5,
     {V(0, 3, 0, 1, 1), VN(0, 8, 0, 1, 0, kPropItemNames), V(-100, 100, 0, 1, 0, 1),
      V(0, 0, 0, 0, 0), V(0, 0, 0, 0, 0)},
     L"0,0,0",
     nullptr,
     L"[対象],[項目],[増減値] /対象 0=デフォルト 1=ファイル 2=個別ファイル 3=一時設定 /項目 "
     L"0=コントラスト 1=輝度 2=色相 3=彩度 4=アスペクト比 5=切り抜き 6=表示範囲 7=音声ブースト "
     L"8=音声バランス /増減値 0=デフォルト値に設定"},
    {129,
     L"コントラスト",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {130,
     L"輝度",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {131,
     L"色相",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {132,
     L"彩度",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {133,
     L"アスペクト比",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {134,
     L"ビデオ切り抜き",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {135,
     L"ビデオ表示範囲",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {141,
     L"音声ブースト",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {142,
     L"音声入力バランス",
     nullptr,
     kList,
     2,
     {V(-100, 100, 0, 1, 1, 1), V(0, 4, 0, 0, 0)},
     L"0",
     nullptr,
     L"増減値を入力。続けて「, 」 + 「値」で設定対象を指定する事も出来ます。1=デフォルト "
     L"2=ファイル 3=個別ファイル"},
    {143,
     L"音声入力バランス切替",
     nullptr,
     kList,
     2,
     {V(-1, 2, 0, 1, 1), V(0, 3, 0, 0, 0)},
     L"-1",
     nullptr,
     L"左右のバランス 0=中央 1=左 2=右 -1=順次切替。続けて「, 」 + "
     L"「値」で設定対象を指定。0=デフォルト 1=ファイル 2=個別ファイル "
     L"3=一時設定。省略時はファイルになります。"},
    {144, L"テスト", nullptr, kNumber, 1, {V(0, 99, 0, 1, 1)}, nullptr, nullptr, nullptr},
    {145,
     L"ファイルを開く",
     nullptr,
     kNumber,
     1,
     {V(0, 5, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=ファイルを開く、1=フォルダを開く、2=ファイルの再読み込み、3=ひとつ上のフォルダを開く、4="
     L"単独ファイルとして開く、5=別プレイヤーで単独ファイルとして開く"},
    {146,
     L"ファイルを閉じる",
     nullptr,
     kNumber,
     1,
     {V(0, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=ファイルを閉じる、1=レジューム情報を保存しないで閉じる、2=レジューム情報を削除して閉じる"},
    {147,
     L"ファイルツール",
     nullptr,
     kNumber,
     1,
     {V(0, 7, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=ファイル名を変更。1=オープンファイル名をコピー。2=オープンファイルパスをコピー。3="
     L"オープンファイルの場所をエクスプローラで開く。4=メディアファイル名をコピー。5="
     L"メディアパスをコピー。6=メディアファイルの場所をエクスプローラで開く。7="
     L"チャプターファイル作成ダイアログの表示。"},
    {148,
     L"ウィンドウサイズ",
     L"ウィンドウ",
     kList,
     2,
     {V(-1, 30000, 0, 1, 1), V(-1, 30000, 0, 1, 0)},
     nullptr,
     m_FillWindowSize,
     L"ウィンドウのサイズを「幅,"
     L"高さ」の形式で入力。一方を0または省略した場合はビデオのアスペクト比を保ったままサイズを変更"
     L"。-1を指定した場合は現在のサイズを維持。"},
    {149,
     L"ウィンドウ位置",
     nullptr,
     kList,
     4,
     {V(-30000, 30000, 0, 1, 1), V(-30000, 30000, 0, 1, 0), V(-30000, 30000, 0, 1, 0),
      V(-30000, 30000, 0, 1, 0)},
     nullptr,
     m_FillWindowRect,
     L"ウィンドウ位置を「左,上,右,下」の形式で入力。一部のみ指定可。"},
    {150,
     L"ウィンドウ状態",
     nullptr,
     kNumber,
     1,
     {V(0, 2, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=最小化、1=最大化、2=元に戻す"},
    {151,
     L"ビープ音",
     nullptr,
     kNumber,
     1,
     {V(-1, 4, 0, 1, 1)},
     nullptr,
     nullptr,
     L"0=一般の警告音、1=システムエラー、2=問合わせ、3=警告、4=情報、-1=単純なビープ音"},
    {152, L"タスクの実行", nullptr, kNumber, 1, {V(0, 99, 0, 1, 1)}, nullptr, nullptr, nullptr},
    {153, L"アプリケーション終了", nullptr, kNone, 1, {}, nullptr, nullptr, nullptr},
    {154, L"バージョン情報", nullptr, kNumber, 1, {V(-1, 1, -1, 1, 1)}, nullptr, nullptr, nullptr},
    {159, L"DPIテスト", nullptr, kNumber, 1, {V(10, 1000, 100, 1, 1)}, nullptr, nullptr, nullptr},

    {255, nullptr, L"[区切り線]", kNone, 1, {}, nullptr, nullptr, nullptr},
    {4177, nullptr, nullptr, kNumber, 1, {V(-1, 1, -1, 1, 1)}, nullptr, nullptr, kShowHelp},
    {4178, nullptr, nullptr, kNumber, 1, {V(-1, 1, -1, 1, 1)}, nullptr, nullptr, kShowHelp},
    {4179, nullptr, nullptr, kNumber, 1, {V(-1, 1, -1, 1, 1)}, nullptr, nullptr, kShowHelp},
    {4180, nullptr, nullptr, kNumber, 1, {V(-1, 1, -1, 1, 1)}, nullptr, nullptr, kShowHelp},
};

const SFUNCTIONROW* m_FindFunction(int id)
{
    for (const SFUNCTIONROW& row : kFunctions) {
        if (row.Id == id) return &row;
    }
    return nullptr;
}

// "0x%02X" of the id; ids are at most eight hex digits, so nothing is cut.
const wchar_t* m_FormatHexId(wchar_t (&buffer)[16], int id)
{
    if (FAILED(StringCchPrintfW(buffer, 16, L"0x%02X", static_cast<unsigned>(id))))
        buffer[0] = L'\0';
    return buffer;
}

void m_FillLimits(SFUNCTIONINFO* info, const SFUNCTIONROW* row)
{
    info->Name = nullptr;
    info->VariantName = nullptr;
    info->Help = nullptr;
    info->Kind = kNumber;
    info->Reserved = 0;
    info->DefaultText[0] = L'\0';
    info->Count = 1;
    for (SFUNCTIONVALUE& value : info->Values) value = V(0, 0, 0, 0, 0);
    info->Values[0] = V(-1, 1, 0, 1, 1);
    if (!row) return;
    info->Kind = row->Kind;
    info->Count = row->Count;
    if (row->Kind == kNumber || row->Kind == kList) {
        for (int i = 0; i < row->Count; ++i) info->Values[i] = row->Values[i];
    }
    if (row->DefaultText) m_FormatDefault(info, L"%s", row->DefaultText);
    if (row->Fill) row->Fill(info);
}

const wchar_t* m_NameOf(const SFUNCTIONROW* row, int id)
{
    static wchar_t buffer[16];
    if (row && row->Name) return row->Name;
    return m_FormatHexId(buffer, id);
}

const wchar_t* m_VariantOf(const SFUNCTIONROW* row, int id)
{
    static wchar_t buffer[16];
    if (row && row->Variant) return row->Variant;
    if (id >= 149 && id <= 254) return nullptr;
    return m_FormatHexId(buffer, id);
}

const wchar_t* m_HelpOf(const SFUNCTIONROW* row) { return row && row->Help ? row->Help : L"なし"; }

SFUNCTIONINFO m_InfoFor(int id, int mode)
{
    SFUNCTIONINFO info{};
    info.Id = id;
    m_GetFunctionInfo(nullptr, &info, mode);
    return info;
}

}  // namespace

int m_GetFunctionInfo(const void* context, SFUNCTIONINFO* info, int mode)
{
    (void)context;
    if (!info) return 0;
    const SFUNCTIONROW* row = m_FindFunction(info->Id);
    if (mode & FUNC_INFO_LIMITS) m_FillLimits(info, row);
    if (mode & FUNC_INFO_NAME) info->Name = m_NameOf(row, info->Id);
    if (mode & FUNC_INFO_HELP) info->Help = m_HelpOf(row);
    if (mode & FUNC_INFO_VARIANT) info->VariantName = m_VariantOf(row, info->Id);
    return 1;
}

int m_Function_GetParamKind(const void* context, int id)
{
    (void)context;
    return m_InfoFor(id, FUNC_INFO_LIMITS).Kind;
}

const wchar_t* m_Function_GetName(const void* context, int id)
{
    (void)context;
    return m_InfoFor(id, FUNC_INFO_NAME).Name;
}

const wchar_t* m_Function_GetHelp(const void* context, int id)
{
    (void)context;
    return m_InfoFor(id, FUNC_INFO_HELP).Help;
}

const wchar_t* m_Function_GetVariantName(const void* context, int id)
{
    (void)context;
    return m_InfoFor(id, FUNC_INFO_VARIANT).VariantName;
}
