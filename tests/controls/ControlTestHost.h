// A top-level window that hosts controls in the unit tests and records the
// WM_COMMAND notices and keys they send it, with a copy of a slider's block.
#pragma once
#include <windows.h>

#include <vector>

#include "controls/SliderPlus.h"

struct SRecorded {
    WORD id;
    WORD code;  // the high word of wParam
    LPARAM lParam;
    SSLIDERNOTIFY slider;  // copied while the block was valid
};

class CTestHost {
public:
    std::vector<SRecorded> m_Commands;
    std::vector<UINT> m_Keys;
    HWND m_hWnd = nullptr;

    CTestHost()
    {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = s_Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvControlTestHost";
        RegisterClassExW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"host", WS_OVERLAPPEDWINDOW, 40, 40, 400,
                                 200, nullptr, nullptr, wc.hInstance, this);
    }
    ~CTestHost()
    {
        if (m_hWnd) DestroyWindow(m_hWnd);
    }

    // Slider codes (high word 100) as their SPN_ codes, in order.
    std::vector<UINT> m_SliderCodes() const
    {
        std::vector<UINT> out;
        for (const auto& c : m_Commands)
            if (c.code == kSliderCommand) out.push_back(c.slider.code);
        return out;
    }
    // Button codes (the high word), in order.
    std::vector<UINT> m_ButtonCodes() const
    {
        std::vector<UINT> out;
        for (const auto& c : m_Commands) out.push_back(c.code);
        return out;
    }
    const SSLIDERNOTIFY* m_Last(UINT code) const
    {
        for (auto it = m_Commands.rbegin(); it != m_Commands.rend(); ++it)
            if (it->code == kSliderCommand && it->slider.code == code) return &it->slider;
        return nullptr;
    }
    void m_Clear() { m_Commands.clear(), m_Keys.clear(); }

private:
    static LRESULT CALLBACK s_Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE) {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* self = reinterpret_cast<CTestHost*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (self && msg == WM_COMMAND) {
            SRecorded r = {LOWORD(wParam), HIWORD(wParam), lParam, {}};
            if (r.code == kSliderCommand && lParam)
                r.slider = *reinterpret_cast<const SSLIDERNOTIFY*>(lParam);
            self->m_Commands.push_back(r);
            return 0;
        }
        if (self && (msg == WM_KEYDOWN || msg == WM_KEYUP)) {
            self->m_Keys.push_back(msg);
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }
};

inline LPARAM m_Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

// Sends a mouse message to a control at client (x, y).
inline void m_Mouse(HWND hWnd, UINT msg, int x, int y, WPARAM keys = 0)
{
    SendMessageW(hWnd, msg, keys, m_Point(x, y));
}

// Runs the message loop for ms milliseconds (timers and posted messages).
inline void m_Pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}
