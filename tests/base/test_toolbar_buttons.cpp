#include <doctest/doctest.h>

#include <string>

#include "base/ToolbarButtons.h"

TEST_CASE("control-bar button labels and image indexes")
{
    struct {
        int id;
        const wchar_t* label;
        int image;
    } cases[] = {
        {1, L"ファイルを開く", 0},
        {20, L"サイズ変更", 12},
        {28, L"モニターの省電力機能の無効化", 24},
        {161, L"", 27},
        {177, L"", 29},
        {180, L"", 32},
        {193, L"カスタムボタン1", 36},
        {195, L"カスタムボタン3", 38},
        {198, L"カスタムボタン6", 41},
        {254, L"空白", -1},
        {255, L"区切り", -1},
        // Unknown ids.
        {3, L"", -1},
        {0, L"", -1},
        {199, L"", -1},
        {-1, L"", -1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.id);
        CHECK(std::wstring(m_GetToolbarButtonName(c.id)) == c.label);
        CHECK(m_GetToolbarButtonImage(c.id) == c.image);
    }
}
