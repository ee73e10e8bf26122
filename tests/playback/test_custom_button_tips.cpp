// The custom buttons' tooltip texts: the description of a binding, the key
// that really reaches its function, and how left and right are put together.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "base/KeyNames.h"
#include "commands/BindingKeyName.h"
#include "playback/CustomButtonTips.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

const WORD kCtrlP = 'P' | KEYWORD_CTRL;

// Function 1 takes a number, 46 a text, 128 a list whose second number
// names a property item, 153 nothing.
SFUNCTIONBIND g_Table[] = {
    {1, 1, -1, L"", kCtrlP, 0, 0, 0},
    {1, 153, 0, L"", kCtrlP, 193, 0, 0},  // its key runs the binding above
    {1, 1, 1, L"", 0, 209, 0, 0},
    {1, 1, 1, L"", 'K', 0, 0, 0},
    {1, 153, 0, L"", 'Q', 0, 0, 0},
    {0, 46, 0, L"16:9", 'A', 194, 0, 0},  // disabled
    {1, 46, 0, L"16:9", 0, 210, 0, 0},
    {1, 46, 0, L"4:3", 'C', 0, 0, 0},
    {1, 46, 0, L"16:9", 'D', 0, 0, 0},
    {1, 128, 0, L"1,3,5", 0, 195, 0, 0},
    {1, 46, 0, L"", 'E', 196, 0, 0},
};

std::wstring m_Key(WORD key)
{
    wchar_t text[64] = L"";
    m_GetKeyComboName(key, text, 64, 0);
    return text;
}

struct SBindScope {
    SFUNCTIONBIND* saved = m_pBind;
    int count = m_nBindCount;
    int flags = g_Settings.Bind_GetKeyName;
    SBindScope()
    {
        m_pBind = g_Table;
        m_nBindCount = ARRAYSIZE(g_Table);
        g_Settings.Bind_GetKeyName = 0;
    }
    ~SBindScope()
    {
        m_pBind = saved;
        m_nBindCount = count;
        g_Settings.Bind_GetKeyName = flags;
    }
};

}  // namespace

TEST_CASE("a binding is described by its function, parameter and the key that reaches it")
{
    SBindScope scope;
    struct Row {
        int code;
        std::wstring want;  // empty: no enabled binding
    };
    const Row rows[] = {
        // The own key is taken by the binding above: the function's next free key.
        {193, L"アプリケーション終了 / " + m_Key('Q')},
        // No key of its own: the first binding of the same parameter with one.
        {209, L"再生・一時停止 [1] / " + m_Key('K')},
        {194, L""},  // only a disabled binding
        // Text parameters match exactly; the disabled one is passed over.
        {210, L"アスペクト比 [16:9] / " + m_Key('D')},
        // A list's named number, and no key anywhere.
        {195, L"プロパティ設定 [1,3,5/彩度]"},
        {196, L"アスペクト比 / " + m_Key('E')},
        {200, L""},
    };
    for (const Row& r : rows) {
        CAPTURE(r.code);
        wchar_t out[kBindingTextCap] = L"untouched";
        const int found = m_Binding_Describe(out, r.code);
        CHECK(found == (r.want.empty() ? 0 : 1));
        if (found) CHECK(std::wstring(out) == r.want);
    }
}

TEST_CASE("the shortcut of a function is its first enabled key binding whose key is free")
{
    SBindScope scope;
    struct Row {
        const char* what;
        int function, param;
        const wchar_t* arg;
        WORD want;  // 0: none
    };
    const Row rows[] = {
        {"number: the parameter must match", 1, -1, nullptr, kCtrlP},
        {"number: another parameter", 1, 1, nullptr, 'K'},
        {"number: an unbound parameter", 1, 0, nullptr, 0},
        {"no parameter: a taken key is passed over", 153, 0, nullptr, 'Q'},
        {"text: equal argument", 46, 0, L"16:9", 'D'},
        {"text: case counts", 46, 0, L"16:9 ", 0},
        {"text: without an argument never", 46, 0, nullptr, 0},
        {"text: the empty argument", 46, 0, L"", 'E'},
        {"mouse-only bindings give nothing", 128, 0, L"1,3,5", 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        wchar_t out[64] = L"untouched";
        const int found = m_GetBindingKeyName(out, 64, r.function, r.param, r.arg);
        CHECK(found == (r.want ? 1 : 0));
        CHECK(std::wstring(out) == (r.want ? m_Key(r.want) : std::wstring(L"untouched")));
    }
}

TEST_CASE("a custom button's tip puts left and right together, with its name when tips say so")
{
    struct Row {
        const char* what;
        int tipOn;
        const wchar_t* left;
        const wchar_t* right;
        const wchar_t* want;
    };
    const Row rows[] = {
        {"left only", 1, L"停止", nullptr, L"カスタムボタン3\r\n停止"},
        {"right only", 1, nullptr, L"停止", L"カスタムボタン3\r\nR : 停止"},
        {"both", 1, L"再生", L"停止", L"カスタムボタン3\r\nL : 再生\r\nR : 停止"},
        {"none", 1, nullptr, nullptr, L"カスタムボタン3\r\n(未割り当て)"},
        {"tips off, both", 0, L"再生", L"停止", L"L : 再生\r\nR : 停止"},
        {"tips off, none", 0, nullptr, nullptr, L"(未割り当て)"},
        {"tips off, right only", 0, nullptr, L"停止", L"R : 停止"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        wchar_t out[kCustomButtonTipCap];
        m_CustomButton_TipText(out, kCustomButtonTipCap, 3, r.tipOn, r.left, r.right);
        CHECK(std::wstring(out) == r.want);
    }
    // Two full descriptions still fit whole.
    wchar_t longest[kBindingTextCap];
    for (int i = 0; i < kBindingTextCap - 1; ++i) longest[i] = L'あ';
    longest[kBindingTextCap - 1] = 0;
    wchar_t out[kCustomButtonTipCap];
    m_CustomButton_TipText(out, kCustomButtonTipCap, 6, 1, longest, longest);
    CHECK(lstrlenW(out) == 10 + 4 + 63 + 2 + 4 + 63);
}
