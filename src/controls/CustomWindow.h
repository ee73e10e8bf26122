// The window pattern every custom control and popup shares: a class whose
// first virtual operation is its message map, reached through a small
// per-instance thunk that puts the object where the window handle was, so
// no lookup table or window property is needed; what the map leaves goes
// to the default window procedure. The control composes its look into an
// image and paints it with one copy, so background erasing is swallowed.
#pragma once
#include <windows.h>

class CArgbImage;

class CCustomWindow {
public:
    // The message map: returns TRUE and sets result when it handled the message.
    virtual BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) = 0;
    virtual ~CCustomWindow();
    // The procedure the thunk jumps to, called with the object in place of the window.
    virtual WNDPROC m_GetWindowProc();
    // Called after WM_NCDESTROY, once the window is gone.
    virtual void m_OnFinalMessage(HWND hWnd);

    // Registers className (with classStyle) on first use and creates the window.
    // Returns the window, or null when the thunk or the window cannot be made.
    HWND m_CreateWindow(HWND parent, const wchar_t* className, UINT classStyle, DWORD style,
                        DWORD exStyle, int x, int y, int w, int h, HMENU idOrMenu);
    // Destroys the window when it exists.
    void m_DestroyWindow();

    HWND m_GetHwnd() const { return m_hWnd; }

    // Class of the child controls: double clicks arrive as their own messages.
    static constexpr const wchar_t* kControlClass = L"ZvControl";
    static constexpr UINT kControlClassStyle = CS_DBLCLKS;

protected:
    CCustomWindow();
    CCustomWindow(const CCustomWindow&) = delete;
    CCustomWindow& operator=(const CCustomWindow&) = delete;

    // BeginPaint, one BitBlt of the image at (0, 0), EndPaint.
    void m_PaintImage(const CArgbImage* image);

    HWND m_hWnd;
    void* m_pThunk;     // executable stub: object into the window argument, then jump
    WNDPROC m_DefProc;  // where unhandled messages go

private:
    static LRESULT CALLBACK s_StartWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK s_WindowProc(HWND self, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT m_Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    int m_MakeThunk();
};

// Steps of a fade scaled by [Main] "FadeTest" (0 counts as 1): steps x m.
int m_FadeSteps(int steps);
// ceil(255 / steps), at least 1, for a fade over the given number of steps.
int m_FadeStep(int steps);
