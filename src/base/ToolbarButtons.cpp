#include "base/ToolbarButtons.h"

namespace {

struct SBUTTONROW {
    int id;
    const wchar_t* label;
    int image;
};

const SBUTTONROW kButtons[] = {
    {1, L"ファイルを開く", 0},
    {2, L"再生・一時停止", 1},
    {4, L"前へ", 4},
    {5, L"早戻し", 5},
    {6, L"早送り", 6},
    {7, L"次へ", 7},
    {17, L"オプション表示", 8},
    {18, L"プレイリスト表示", 9},
    {19, L"常に手前に表示", 10},
    {20, L"サイズ変更", 12},
    {21, L"リピート切り替え", 14},
    {23, L"最近開いたファイル", 18},
    {24, L"お気に入り表示", 19},
    {25, L"タイマー表示", 20},
    {26, L"ジャンプリスト", 21},
    {27, L"キャプチャ", 22},
    {28, L"モニターの省電力機能の無効化", 24},
    {161, L"", 27},
    {177, L"", 29},
    {178, L"", 30},
    {179, L"", 31},
    {180, L"", 32},
    {193, L"カスタムボタン1", 36},
    {194, L"カスタムボタン2", 37},
    {195, L"カスタムボタン3", 38},
    {196, L"カスタムボタン4", 39},
    {197, L"カスタムボタン5", 40},
    {198, L"カスタムボタン6", 41},
    {254, L"空白", -1},
    {255, L"区切り", -1},
};

const SBUTTONROW* m_FindButton(int id)
{
    for (const SBUTTONROW& row : kButtons)
        if (row.id == id) return &row;
    return nullptr;
}

}  // namespace

const wchar_t* m_GetToolbarButtonName(int id)
{
    const SBUTTONROW* row = m_FindButton(id);
    return row ? row->label : L"";
}

int m_GetToolbarButtonImage(int id)
{
    const SBUTTONROW* row = m_FindButton(id);
    return row ? row->image : -1;
}
