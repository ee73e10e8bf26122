#include "app/MouseCodes.h"

#include <math.h>
#include <wchar.h>

namespace {

struct SCODENAME {
    int nCode;
    const wchar_t* pName;
};

const SCODENAME kCodeNames[] = {
    {MOUSECODE_MIDDLE, L"中央ボタン"},
    {MOUSECODE_WHEEL_UP, L"ホイールアップ"},
    {MOUSECODE_WHEEL_DOWN, L"ホイールダウン"},
    {MOUSECODE_X1, L"サイドボタン１ (戻る)"},
    {MOUSECODE_X2, L"サイドボタン２ (進む)"},
    {MOUSECODE_TILT_LEFT, L"チルトホイールＬ"},
    {MOUSECODE_TILT_RIGHT, L"チルトホイールＲ"},
    {MOUSECODE_CLICK, L"クリック(ビデオ領域)"},
    {MOUSECODE_DOUBLE_CLICK, L"ダブルクリック(ビデオ領域)"},
    {MOUSECODE_CAPTION_DOUBLE_CLICK, L"ダブルクリック(タイトルバー)"},
    {MOUSECODE_ROCKER_LEFT, L"ロッカージェスチャ(Ｌ←Ｒ)"},
    {MOUSECODE_ROCKER_RIGHT, L"ロッカージェスチャ(Ｌ→Ｒ)"},
};

int m_Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

}  // namespace

int m_GetMouseCodeName(int code, wchar_t* out, int cap)
{
    if (!out || cap <= 0) return 0;
    out[0] = 0;
    code &= 0xFF;
    for (const SCODENAME& entry : kCodeNames) {
        if (entry.nCode != code) continue;
        lstrcpynW(out, entry.pName, cap);
        return 1;
    }
    int n = code - MOUSECODE_CUSTOM_FIRST + 1;
    if (n >= 1 && n <= kCustomButtonCount) {
        swprintf(out, static_cast<size_t>(cap), L"カスタムボタン%d", n);
        return 1;
    }
    n = code - MOUSECODE_CUSTOM_RIGHT_FIRST + 1;
    if (n >= 1 && n <= kCustomButtonCount) {
        swprintf(out, static_cast<size_t>(cap), L"カスタムボタン%d (Rボタン)", n);
        return 1;
    }
    return 0;
}

int m_GetMouseModifiers()
{
    int bits = 0;
    if (GetKeyState(VK_SHIFT) < 0) bits |= MOUSEMOD_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) bits |= MOUSEMOD_CTRL;
    if (GetKeyState(VK_MENU) < 0) bits |= MOUSEMOD_ALT;
    return bits;
}

SMOUSEBUTTON m_GetMouseButton(UINT msg, WPARAM wParam)
{
    switch (msg) {
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return {MOUSECODE_MIDDLE, HOLDKEY_MIDDLE};
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
        case WM_XBUTTONDBLCLK:
            if (GET_XBUTTON_WPARAM(wParam) == XBUTTON1) return {MOUSECODE_X1, HOLDKEY_X1};
            if (GET_XBUTTON_WPARAM(wParam) == XBUTTON2) return {MOUSECODE_X2, HOLDKEY_X2};
            break;
    }
    return {0, HOLDKEY_NONE};
}

int m_DragThreshold(int mouseSensitivity, int dpiPercent)
{
    if (mouseSensitivity < 0) mouseSensitivity = 0;
    return mouseSensitivity * dpiPercent / 100;
}

int m_IsPastThreshold(POINT from, POINT to, int threshold)
{
    return abs(to.x - from.x) > threshold || abs(to.y - from.y) > threshold;
}

int m_Wheel_Feed(SWHEELSTATE* state, int delta, DWORD nowMs, int* steps)
{
    DWORD dt = state->bHaveLast ? nowMs - state->dwLastMs : 0xFFFFFFFFu;
    if (dt < 5) dt = 5;
    state->dwLastMs = nowMs;
    state->bHaveLast = 1;
    if (dt > 500) state->bFine = delta % WHEEL_DELTA != 0;
    if (!state->bFine) {
        int n = delta / WHEEL_DELTA;
        if (dt < 100) n = static_cast<int>(lround(100.0 / dt * n));
        if (steps) *steps = n;
        return 1;
    }
    int v = abs(delta) / 5;
    if (v < 1) v = 1;
    if (v > 50) v = 50;
    int w = static_cast<int>(pow(v / 50.0, 2) * 9 + 1);
    if (delta < 0) w = -w;
    if (dt <= 1000 && (state->nAccum == 0 || m_Sign(state->nAccum) == m_Sign(w)))
        state->nAccum += w;
    else
        state->nAccum = w;
    if (steps) *steps = 0;
    if (abs(state->nAccum) < 5) return 0;
    if (steps) *steps = w;
    state->nAccum = 0;
    return 1;
}

int m_DragSeek_Level(int dx)
{
    const int travel = abs(dx);
    if (travel < 8) return 0;
    for (int level = 1; level < 9; ++level)
        if (travel - 8 < 280 * level / 9) return level;
    return 9;
}

void m_DragSeek_Timing(int level, int dx, int keyFrames, int* stepMs, int* intervalMs)
{
    if (level < 1) level = 1;
    if (level > 9) level = 9;
    int step, interval;
    if (keyFrames) {
        step = static_cast<int>(lround(pow(15.0, (level - 1) / 8.0))) * 1000;
        interval = static_cast<int>(lround(20.0 * pow(20.0, (9 - level) / 8.0)));
    } else {
        step = static_cast<int>(lround(2.0 * pow(30.0, (level - 1) / 8.0))) * 500;
        interval = static_cast<int>(lround(50.0 * pow(5.0, (9 - level) / 8.0)));
    }
    *stepMs = dx < 0 ? -step : step;
    *intervalMs = interval;
}
