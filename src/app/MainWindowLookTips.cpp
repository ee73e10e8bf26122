// Tooltips of the main window's controls (group 1).
#include <windows.h>

#include <commctrl.h>
#include <stdio.h>

#include "app/ControlTooltips.h"
#include "app/MainWindow.h"
#include "commands/BindingKeyName.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "settings/Settings.h"

namespace {

HWND s_hTipsMain;
RECT s_GripRect;
const UINT_PTR kGripToolId = 1;

// What a click and a right click on the control run: a function id, its
// parameter and its argument text (null: no key name in that slot).
struct STIPACTION {
    int function;
    int param;
    const wchar_t* arg;
};

struct SBUTTONTIP {
    int button;  // index of g_ControlButtons, or -1 for the volume button
    const wchar_t* format;
    STIPACTION click;
    STIPACTION right;
};

constexpr STIPACTION kNoKey = {0, 0, nullptr};

const SBUTTONTIP kButtonTips[] = {
    {CB_LAUNCHER,
     L"ランチャー画面を表示%s\r\n右クリックでファイルメニューを表示%s",
     {88, -1, L""},
     {80, 0, L"FILE"}},
    {CB_PREVIOUS, L"前へ%s\r\n右クリックで前のチャプター%s", {3, 0, L""}, {10, 0, L""}},
    {CB_NEXT, L"次へ%s\r\n右クリックで次のチャプター%s", {3, 1, L""}, {11, 0, L""}},
    {CB_REWIND, L"早戻し%s\r\n右クリックで高速早戻し%s", {5, -1, L""}, {5, -2, L""}},
    {CB_FORWARD, L"早送り%s\r\n右クリックで高速早送り%s", {5, 1, L""}, {5, 2, L""}},
    {CB_OPTIONS, L"オプション表示...%s\r\n右クリックでメニュー表示", {81, 0, L"-1"}, kNoKey},
    {CB_PLAYLIST,
     L"プレイリスト表示...%s\r\n右クリックでメニュー表示%s",
     {82, -1, L""},
     {80, 0, L"PLAYLIST"}},
    {CB_TOPMOST, L"常に手前に表示%s", {89, -1, L""}, kNoKey},
    {CB_RATE,
     L"ビデオサイズ変更 > 100%%%s\r\n右クリックでメニュー表示%s",
     {32, 0, L""},
     {80, 0, L"SIZE"}},
    {CB_REPEAT, L"リピート切り替え%s\r\n右クリックでメニュー表示", {90, 0, L""}, kNoKey},
    {CB_FAVORITES, L"お気に入り%s\r\n右クリックでメニュー表示%s", {83, -1, L""}, {80, 0, L"FAVO"}},
    {CB_TIMER,
     L"タイマーダイアログ表示%s\r\n右クリックでメニュー表示%s",
     {84, -1, L""},
     {80, 0, L"TIMER"}},
    {CB_JUMPLIST,
     L"ジャンプリスト表示%s\r\n右クリックでメニュー表示%s",
     {66, -1, L""},
     {80, 0, L"JUMPLIST"}},
    {CB_CAPTURE,
     L"静止画のキャプチャ%s\r\n右クリックでメニュー表示%s",
     {64, 0, L""},
     {80, 0, L"CAPTURE"}},
    {-1, L"ミュート%s\r\n右クリックでメニュー表示", {51, -1, L""}, kNoKey},
    {CB_MENU,
     L"最近開いたファイル%s\r\n右クリックで再生時間の多いファイルを表示%s",
     {80, 0, L"RECENT"},
     {80, 0, L"RANK"}},
    {CB_POWER, L"モニターを常に表示%s\r\n右クリックでメニュー表示", {91, -1, L""}, kNoKey},
};

// " (key)" of the action's first effective binding; empty without one.
void m_KeySlot(const STIPACTION& action, wchar_t (&out)[64])
{
    out[0] = 0;
    wchar_t name[48] = {};
    if (!action.arg || !m_GetBindingKeyName(name, 48, action.function, action.param, action.arg))
        return;
    _snwprintf(out, 63, L" (%s)", name);
    out[63] = 0;
}

HWND m_TipTarget(int button)
{
    return button < 0 ? g_VolumeButton.m_GetHwnd() : g_ControlButtons[button].m_GetHwnd();
}

void m_FillToolInfo(TOOLINFOW* info, HWND tool, wchar_t* text)
{
    *info = {};
    info->cbSize = sizeof(*info);
    info->uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info->hwnd = g_hWndMain;
    info->uId = reinterpret_cast<UINT_PTR>(tool);
    info->lpszText = text;
}

void m_AddTool(HWND tool)
{
    if (!tool) return;
    TOOLINFOW info;
    m_FillToolInfo(&info, tool, const_cast<wchar_t*>(L""));
    SendMessageW(s_hTipsMain, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND m_CreateTipWindow()
{
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, g_hWndMain, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tips) return nullptr;
    // Wide enough for the two-line texts; the line break is in the text.
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 600);
    if (g_Settings.Common_TipDly[0] >= 0)
        SendMessageW(tips, TTM_SETDELAYTIME, TTDT_INITIAL,
                     MAKELPARAM(g_Settings.Common_TipDly[0], 0));
    return tips;
}

}  // namespace

HWND m_GetToolTips(int group)
{
    if (group != 1 || !IsWindow(s_hTipsMain)) return nullptr;
    return s_hTipsMain;
}

void m_CreateToolTips(int group)
{
    if (group != 1 || !g_hWndMain || m_GetToolTips(1)) return;
    s_hTipsMain = m_CreateTipWindow();
    if (!s_hTipsMain) return;
    for (CButtonPlus& button : g_ControlButtons) m_AddTool(button.m_GetHwnd());
    m_AddTool(g_VolumeButton.m_GetHwnd());
    m_AddTool(g_ExtraButton.m_GetHwnd());
    m_AddTool(g_SeekBar.m_GetHwnd());
    m_AddTool(g_VolumeSlider.m_GetHwnd());
    m_AddTool(g_StatusBar.m_GetHwnd());
    m_SetCtrlToolTips();
    m_UpdateGripToolTip();
}

void m_SetCtrlToolTips()
{
    if (!m_GetToolTips(1)) return;
    for (const SBUTTONTIP& tip : kButtonTips) {
        HWND tool = m_TipTarget(tip.button);
        if (!tool) continue;
        wchar_t click[64], right[64], text[256];
        m_KeySlot(tip.click, click);
        m_KeySlot(tip.right, right);
        _snwprintf(text, ARRAYSIZE(text) - 1, tip.format, click, right);
        text[ARRAYSIZE(text) - 1] = 0;
        TOOLINFOW info;
        m_FillToolInfo(&info, tool, text);
        SendMessageW(s_hTipsMain, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void m_SetGripRect(const RECT* grip)
{
    s_GripRect = grip ? *grip : RECT{};
    m_UpdateGripToolTip();
}

void m_UpdateGripToolTip()
{
    HWND tips = m_GetToolTips(1);
    HWND panel = g_hWndMain
                     ? GetDlgItem(GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL), IDC_BUTTON_PANEL)
                     : nullptr;
    if (!tips || !panel) return;
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = panel;
    info.uId = kGripToolId;
    SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (IsRectEmpty(&s_GripRect)) return;
    info.uFlags = TTF_SUBCLASS;
    info.rect = s_GripRect;
    info.lpszText = const_cast<wchar_t*>(L"ここをドラッグして表示するボタンの数を変更出来ます");
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}
