#include "base/KeyNames.h"

#include <cwchar>
#include <strsafe.h>

namespace {

// Names by scan code without the extended flag (Japanese layout), so that
// every system language shows the same English names; null for none.
const wchar_t* const kPlainNames[89] = {
    nullptr,       L"Esc",   L"1",     L"2",     L"3",         L"4",     L"5",
    L"6",          L"7",     L"8",  // 0-9
    L"9",          L"0",     L"-",     L"^",     L"BackSpace", L"Tab",   L"Q",
    L"W",          L"E",     L"R",  // 10-19
    L"T",          L"Y",     L"U",     L"I",     L"O",         L"P",     L"@",
    L"[",          L"Enter", L"Ctrl",  // 20-29
    L"A",          L"S",     L"D",     L"F",     L"G",         L"H",     L"J",
    L"K",          L"L",     L";",  // 30-39
    L":",          nullptr,  L"Shift", L"]",     L"Z",         L"X",     L"C",
    L"V",          L"B",     L"N",  // 40-49
    L"M",          L",",     L".",     L"/",     L"Shift",     L"*",     L"Alt",
    L"Space",      nullptr,  L"F1",  // 50-59
    L"F2",         L"F3",    L"F4",    L"F5",    L"F6",        L"F7",    L"F8",
    L"F9",         L"F10",   L"Pause",                                              // 60-69
    L"ScrollLock", L"Num 7", L"Num 8", L"Num 9", L"Num -",     L"Num 4", L"Num 5",  // 70-76
    L"Num 6",      L"Num +", L"Num 1", L"Num 2", L"Num 3",     L"Num 0", L"Num .",  // 77-83
    nullptr,       nullptr,  nullptr,  L"F11",   L"F12",                            // 84-88
};

struct SExtendedName {
    int scan;
    const wchar_t* name;
};

const SExtendedName kExtendedNames[] = {
    {28, L"Enter"},  {69, L"NumLock"}, {71, L"Home"}, {72, L"\u2191"}, {73, L"PageUp"},
    {75, L"\u2190"}, {77, L"\u2192"},  {79, L"End"},  {80, L"\u2193"}, {81, L"PageDown"},
    {82, L"Insert"}, {83, L"Delete"},  {91, L"WIN"},  {93, L"APP"},
};

const wchar_t* ScanKeyName(int scan, bool extended)
{
    if (!extended) return scan < 89 ? kPlainNames[scan] : nullptr;
    for (const SExtendedName& e : kExtendedNames) {
        if (e.scan == scan) return e.name;
    }
    return nullptr;
}

bool IsKeyHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// Keys whose scan code needs the extended flag to be told apart.
bool IsExtendedKey(int virtualKey)
{
    return virtualKey == VK_APPS || virtualKey == VK_NUMLOCK ||
           (virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT ||
           virtualKey == VK_DELETE;
}

void SystemKeyName(LONG keyValue, int virtualKey, wchar_t* name, int size)
{
    if (GetKeyNameTextW(keyValue, name, size) <= 0) name[0] = 0;
    if (virtualKey == VK_DIVIDE && wcscmp(name, L"/") == 0) {
        StringCchCopyW(name, size, L"Num /");
    } else if (virtualKey == VK_DECIMAL && wcscmp(name, L"Num Del") == 0) {
        StringCchCopyW(name, size, L"Num .");
    }
}

}  // namespace

WORD m_GetKeyWithModifiers(UINT virtualKey, UINT, int mapNumpad)
{
    WORD key = (WORD)(virtualKey & 0xFF);
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) key = 0;
    if (IsKeyHeld(VK_SHIFT)) key |= KEYWORD_SHIFT;
    if (IsKeyHeld(VK_CONTROL)) key |= KEYWORD_CTRL;
    if (IsKeyHeld(VK_MENU)) key |= KEYWORD_ALT;
    if (mapNumpad && key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        key = (WORD)(key - VK_NUMPAD0 + L'0');
    }
    return key;
}

int m_GetKeyClass(BYTE virtualKey)
{
    if (virtualKey <= 6) return 1;
    if (virtualKey >= '0' && virtualKey <= '9') return 2;
    if (virtualKey >= 'A' && virtualKey <= 'Z') return 3;
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) return 4;
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24) return 5;
    return 0;
}

bool m_GetScanKeyName(LPARAM keyValue, wchar_t out[32])
{
    const int scan = (int)((keyValue >> 16) & 0xFF);
    const bool extended = ((keyValue >> 24) & 1) != 0;
    const wchar_t* name = ScanKeyName(scan, extended);
    StringCchCopyW(out, 32, name ? name : L"");
    return name != nullptr;
}

bool m_GetKeyComboName(WORD keyWord, wchar_t* out, int size, int systemNames)
{
    wchar_t text[64] = L"";
    if (keyWord & KEYWORD_CTRL) StringCchCatW(text, 64, L"Ctrl+");
    if (keyWord & KEYWORD_SHIFT) StringCchCatW(text, 64, L"Shift+");
    if (keyWord & KEYWORD_ALT) StringCchCatW(text, 64, L"Alt+");

    const int virtualKey = keyWord & 0xFF;
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) & 0xFF;
    const LONG keyValue = (LONG)((scan << 16) | (IsExtendedKey(virtualKey) ? 0x1000000 : 0));
    wchar_t name[32];
    if (systemNames)
        SystemKeyName(keyValue, virtualKey, name, 32);
    else
        m_GetScanKeyName(keyValue, name);
    StringCchCatW(text, 64, name);

    if (out && size > 0) StringCchCopyW(out, size, text);
    return text[0] != 0;
}
