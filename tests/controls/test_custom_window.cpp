// The shared window base: each window's messages reach its own object
// through the thunk, unhandled ones go to the default procedure, background
// erasing is swallowed, and the window can end before or with its object.
#include <doctest/doctest.h>

#include <string>

#include "ControlTestHost.h"
#include "controls/CustomWindow.h"

namespace {

class CCounter : public CCustomWindow {
public:
    int m_Pings = 0;
    int m_Finals = 0;
    UINT m_FirstMessage = 0;

    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM,
                                LRESULT& result) override
    {
        if (!m_FirstMessage) m_FirstMessage = msg;
        CHECK(hWnd == m_hWnd);
        if (msg == WM_APP) {
            ++m_Pings;
            result = static_cast<LRESULT>(wParam) + 1;
            return TRUE;
        }
        return FALSE;
    }
    void m_OnFinalMessage(HWND) override { ++m_Finals; }
    HWND Create(HWND parent)
    {
        return m_CreateWindow(parent, kControlClass, kControlClassStyle, WS_CHILD | WS_VISIBLE, 0,
                              0, 0, 20, 20, nullptr);
    }
};

}  // namespace

TEST_CASE("custom window: messages reach their own object")
{
    CTestHost host;
    CCounter a, b;
    HWND ha = a.Create(host.m_hWnd), hb = b.Create(host.m_hWnd);
    REQUIRE(ha);
    REQUIRE(hb);
    CHECK(a.m_GetHwnd() == ha);
    CHECK(a.m_FirstMessage != 0);  // the very first message already arrives
    CHECK(SendMessageW(ha, WM_APP, 41, 0) == 42);
    SendMessageW(hb, WM_APP, 0, 0);
    SendMessageW(hb, WM_APP, 0, 0);
    CHECK(a.m_Pings == 1);
    CHECK(b.m_Pings == 2);
    // Unhandled messages: the default procedure, except the swallowed erase.
    wchar_t cls[32] = L"";
    GetClassNameW(ha, cls, 32);
    CHECK(std::wstring(cls) == CCustomWindow::kControlClass);
    CHECK((GetClassLongW(ha, GCL_STYLE) & CS_DBLCLKS) != 0);
    HDC dc = GetDC(ha);
    CHECK(SendMessageW(ha, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0);
    ReleaseDC(ha, dc);
    CHECK(a.m_CreateWindow(host.m_hWnd, CCustomWindow::kControlClass, 0, WS_CHILD, 0, 0, 0, 1, 1,
                           nullptr) == nullptr);  // one window per object
}

TEST_CASE("custom window: the window ends before the object, or with it")
{
    CTestHost host;
    CCounter a;
    HWND ha = a.Create(host.m_hWnd);
    REQUIRE(ha);
    DestroyWindow(ha);
    CHECK(a.m_Finals == 1);
    CHECK(a.m_GetHwnd() == nullptr);
    // The object can make a window again.
    HWND again = a.Create(host.m_hWnd);
    REQUIRE(again);
    CHECK(SendMessageW(again, WM_APP, 1, 0) == 2);

    // An object destroyed while its window lives takes the window along
    // without running its own (already destroyed) message map.
    auto* b = new CCounter;
    HWND hb = b->Create(host.m_hWnd);
    REQUIRE(hb);
    delete b;
    CHECK_FALSE(IsWindow(hb));
}
