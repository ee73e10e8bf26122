#include <doctest/doctest.h>

#include <string>

#include "base/KeyNames.h"

namespace {

std::wstring ComboName(WORD keyWord, int systemNames)
{
    wchar_t out[64] = L"?";
    m_GetKeyComboName(keyWord, out, 64, systemNames);
    return out;
}

std::wstring ScanName(int scan, bool extended)
{
    wchar_t out[32] = L"?";
    m_GetScanKeyName(((LPARAM)scan << 16) | (extended ? 0x1000000 : 0), out);
    return out;
}

// Sets the modifier keys of this thread's keyboard state.
void HoldModifiers(bool shift, bool ctrl, bool alt)
{
    BYTE state[256] = {};
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
}

}  // namespace

TEST_CASE("scan-code table: every row, both flags")
{
    struct {
        int scan;
        bool extended;
        const wchar_t* name;
    } cases[] = {
        {1, false, L"Esc"},         {14, false, L"BackSpace"}, {13, false, L"^"},
        {15, false, L"Tab"},        {26, false, L"@"},         {28, false, L"Enter"},
        {29, false, L"Ctrl"},       {39, false, L";"},         {40, false, L":"},
        {42, false, L"Shift"},      {54, false, L"Shift"},     {43, false, L"]"},
        {53, false, L"/"},          {55, false, L"*"},         {56, false, L"Alt"},
        {57, false, L"Space"},      {59, false, L"F1"},        {68, false, L"F10"},
        {87, false, L"F11"},        {88, false, L"F12"},       {69, false, L"Pause"},
        {70, false, L"ScrollLock"}, {71, false, L"Num 7"},     {74, false, L"Num -"},
        {78, false, L"Num +"},      {82, false, L"Num 0"},     {83, false, L"Num ."},
        {28, true, L"Enter"},       {69, true, L"NumLock"},    {71, true, L"Home"},
        {72, true, L"\u2191"},      {73, true, L"PageUp"},     {75, true, L"\u2190"},
        {77, true, L"\u2192"},      {79, true, L"End"},        {80, true, L"\u2193"},
        {81, true, L"PageDown"},    {82, true, L"Insert"},     {83, true, L"Delete"},
        {91, true, L"WIN"},         {93, true, L"APP"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.scan);
        CAPTURE(c.extended);
        CHECK(ScanName(c.scan, c.extended) == c.name);
    }
    const int plainGaps[] = {0, 41, 58, 84, 85, 86, 89, 91, 255};
    for (int scan : plainGaps) {
        CAPTURE(scan);
        wchar_t out[32] = L"?";
        CHECK_FALSE(m_GetScanKeyName((LPARAM)scan << 16, out));
        CHECK(out[0] == 0);
    }
    const int extendedGaps[] = {1, 27, 29, 53, 68, 70, 74, 76, 78, 84, 90, 92, 94, 255};
    for (int scan : extendedGaps) {
        CAPTURE(scan);
        CHECK(ScanName(scan, true) == L"");
    }
    // Bits above the extended flag (repeat and transition bits) do not matter.
    wchar_t out[32];
    CHECK(m_GetScanKeyName(0xC0000000 | (30 << 16) | 1, out));
    CHECK(std::wstring(out) == L"A");
}

TEST_CASE("key-combination texts from either name source")
{
    for (int systemNames : {0, 1}) {
        CAPTURE(systemNames);
        CHECK(ComboName(0x341, systemNames) == L"Ctrl+Shift+A");
        CHECK(ComboName(0x741, systemNames) == L"Ctrl+Shift+Alt+A");
        CHECK(ComboName(VK_F5, systemNames) == L"F5");
    }
    CHECK(ComboName(0x200 | VK_RETURN, 0) == L"Ctrl+Enter");
    CHECK(ComboName(0x400 | VK_MENU, 0) == L"Alt+Alt");
    CHECK(ComboName(VK_DIVIDE, 0) == L"/");
    CHECK(ComboName(VK_DIVIDE, 1) == L"Num /");
    CHECK(ComboName(VK_RCONTROL, 0) == L"Ctrl");
    CHECK(ComboName(VK_UP, 0) == L"\u2191");
    CHECK(ComboName(VK_DELETE, 0) == L"Delete");
    CHECK(ComboName(VK_APPS, 0) == L"APP");
}

TEST_CASE("key-combination results: empty names, null and small outputs")
{
    wchar_t out[64] = L"?";
    CHECK_FALSE(m_GetKeyComboName(0, out, 64, 0));
    CHECK(out[0] == 0);
    CHECK(m_GetKeyComboName(0x200, out, 64, 0));  // a modifier alone still shows
    CHECK(std::wstring(out) == L"Ctrl+");
    CHECK(m_GetKeyComboName(0x341, nullptr, 0, 0));
    wchar_t small[6] = L"?????";
    CHECK(m_GetKeyComboName(0x341, small, 6, 0));
    CHECK(std::wstring(small) == L"Ctrl+");
}

TEST_CASE("key words from the held modifiers")
{
    HoldModifiers(false, false, false);
    CHECK(m_GetKeyWithModifiers(VK_NUMPAD5, 0, 1) == '5');
    CHECK(m_GetKeyWithModifiers(VK_NUMPAD5, 0, 0) == VK_NUMPAD5);
    CHECK(m_GetKeyWithModifiers('A', 0, 1) == 'A');
    CHECK(m_GetKeyWithModifiers(VK_SHIFT, 0, 0) == 0);

    HoldModifiers(true, false, false);
    CHECK(m_GetKeyWithModifiers(VK_NUMPAD5, 0, 1) == 0x165);
    CHECK(m_GetKeyWithModifiers(VK_SHIFT, 0, 0) == 0x100);

    HoldModifiers(true, true, true);
    CHECK(m_GetKeyWithModifiers('A', 0, 0) == 0x741);
    CHECK(m_GetKeyWithModifiers(VK_CONTROL, 0, 0) == 0x700);

    HoldModifiers(false, true, false);
    CHECK(m_GetKeyWithModifiers(VK_MENU, 0, 1) == 0x200);
    HoldModifiers(false, false, false);
}

TEST_CASE("key classes")
{
    struct {
        int key, cls;
    } cases[] = {
        {0, 1},          {VK_LBUTTON, 1}, {VK_XBUTTON1, 1}, {6, 1},     {7, 0},
        {'0', 2},        {'9', 2},        {'A', 3},         {'Z', 3},   {'Z' + 1, 0},
        {VK_NUMPAD0, 4}, {VK_NUMPAD9, 4}, {VK_MULTIPLY, 0}, {VK_F1, 5}, {VK_F24, 5},
        {VK_F24 + 1, 0}, {255, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.key);
        CHECK(m_GetKeyClass((BYTE)c.key) == c.cls);
    }
}
