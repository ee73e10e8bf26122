// Shared pieces of the popup-menu tests: an owner window that records every
// notice it receives (the notice block copied while it is valid), and a
// menu manager with a size preset applied.
#pragma once
#include <windows.h>

#include <gdiplus.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "controls/MenuManager.h"

struct SNotice {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    SMENUNOTIFY Block;  // WM_APP_MENUCOMMAND only
    bool DuringTrack;   // arrived while a tracking call was running
};

class COwnerWindow {
public:
    COwnerWindow()
    {
        static ULONG_PTR gdiplus = 0;
        if (!gdiplus) {
            Gdiplus::GdiplusStartupInput input;
            Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr);
        }
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = s_Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvMenuTestOwner";
        RegisterClassExW(&wc);
        // Hidden, so that it never takes the focus from other programs on the display.
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP, 0, 0, 200, 200, nullptr,
                                 nullptr, wc.hInstance, this);
    }
    ~COwnerWindow()
    {
        if (m_hWnd) DestroyWindow(m_hWnd);
    }

    // Dispatches what is queued (the posted notices among it).
    void m_Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // Notices of one message number, in order.
    std::vector<SNotice> m_Of(UINT msg) const
    {
        std::vector<SNotice> out;
        for (const SNotice& n : m_Notices)
            if (n.Msg == msg) out.push_back(n);
        return out;
    }
    // Codes of WM_APP_MENUCOMMAND and the other notices as short texts.
    std::wstring m_Trace() const
    {
        std::wstring t;
        for (const SNotice& n : m_Notices) {
            wchar_t one[48];
            if (n.Msg == WM_APP_MENUCOMMAND)
                swprintf(one, 48, L"%u:%d ", static_cast<UINT>(n.WParam), n.Block.Index);
            else if (n.Msg == WM_APP_MENUCLOSING)
                swprintf(one, 48, L"closing ");
            else if (n.Msg == WM_APP_MENUCLOSED)
                swprintf(one, 48, L"closed ");
            else if (n.Msg == WM_APP_MENUDISMISSED)
                swprintf(one, 48, L"dismissed%u ", static_cast<UINT>(n.WParam));
            else if (n.Msg == WM_APP_MENUSUBMENU)
                swprintf(one, 48, L"submenu ");
            else
                swprintf(one, 48, L"msg%X ", n.Msg);
            t += one;
        }
        return t;
    }

    HWND m_hWnd = nullptr;
    std::vector<SNotice> m_Notices;
    bool m_Tracking = false;
    // Runs once when the message with this number and wParam next arrives
    // (posted before tracking, it runs inside the modal loop).
    UINT m_HookMsg = 0;
    WPARAM m_HookWParam = 0;
    std::function<void(LPARAM)> m_Hook;
    void m_OnNext(UINT msg, WPARAM wParam, std::function<void(LPARAM)> hook)
    {
        m_HookMsg = msg;
        m_HookWParam = wParam;
        m_Hook = std::move(hook);
    }

private:
    static LRESULT CALLBACK s_Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                              (LONG_PTR)((CREATESTRUCTW*)lParam)->lpCreateParams);
        auto* self = (COwnerWindow*)GetWindowLongPtrW(hWnd, GWLP_USERDATA);
        if (self && (msg >= WM_APP || msg == WM_KEYDOWN)) {
            SNotice n = {msg, wParam, lParam, {}, self->m_Tracking};
            if (msg == WM_APP_MENUCOMMAND && lParam) n.Block = *(SMENUNOTIFY*)lParam;
            self->m_Notices.push_back(n);
            if (self->m_Hook && msg == self->m_HookMsg && wParam == self->m_HookWParam) {
                auto hook = std::move(self->m_Hook);
                self->m_Hook = nullptr;
                hook(lParam);
            }
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }
};

// A manager whose notices reach the owner, with size preset 3 and no effects.
struct SMenuSetup {
    COwnerWindow Owner;
    CMenuManager Manager;
    explicit SMenuSetup(UINT scale = 100)
    {
        SMENUSTYLE style;
        Manager.m_GetStyle(&style);
        CMenuManager::m_GetSizePreset(&style, 3);
        style.Shadow = 1;
        Manager.m_SetStyle(&style, 0, nullptr);
        Manager.m_SetScale(scale, 1);
    }
    CMenuPlus* m_Popup(UINT menuId, int items)
    {
        CMenuPlus* p = Manager.m_CreatePopup(Owner.m_hWnd, Owner.m_hWnd, menuId);
        for (int i = 0; p && i < items; ++i) {
            SMENUITEM it = {};
            swprintf(it.Text, 128, L"Item %d", i);
            it.Id = 100 + i;
            p->m_InsertItem(&it, -1, 0);
        }
        return p;
    }
};

// A plain command record.
inline SMENUITEM m_TestItem(UINT id, const wchar_t* text = L"Item")
{
    SMENUITEM it = {};
    it.Id = id;
    wcsncpy(it.Text, text, 127);
    return it;
}
