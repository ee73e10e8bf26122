// The shared window pattern: class registration, creation through the
// thunk, dispatch to the message map and the final-message hook.
#include "controls/CustomWindow.h"

#include <cstring>

#include "base/ArgbImage.h"
#include "settings/Settings.h"

namespace {

// mov rcx, imm64 (the object); mov rax, imm64 (the procedure); jmp rax
constexpr size_t kThunkSize = 22;

// The object being created on this thread, picked up by its first message.
thread_local CCustomWindow* t_Creating = nullptr;

HANDLE ThunkHeap()
{
    static HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
    return heap;
}

int RegisterOnce(const wchar_t* className, UINT classStyle, WNDPROC proc)
{
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(inst, className, &existing)) return 1;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

CCustomWindow::CCustomWindow() : m_hWnd(nullptr), m_pThunk(nullptr), m_DefProc(DefWindowProcW) {}

CCustomWindow::~CCustomWindow()
{
    // The derived part is gone already: the window's last messages must not
    // reach its message map.
    if (m_hWnd && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
    if (m_pThunk && ThunkHeap()) HeapFree(ThunkHeap(), 0, m_pThunk);
    m_pThunk = nullptr;
}

WNDPROC CCustomWindow::m_GetWindowProc() { return s_WindowProc; }

void CCustomWindow::m_OnFinalMessage(HWND) {}

int CCustomWindow::m_MakeThunk()
{
    if (m_pThunk) return 1;
    HANDLE heap = ThunkHeap();
    if (!heap) return 0;
    auto* code = static_cast<unsigned char*>(HeapAlloc(heap, 0, kThunkSize));
    if (!code) return 0;
    void* self = this;
    void* proc = reinterpret_cast<void*>(m_GetWindowProc());
    code[0] = 0x48;
    code[1] = 0xB9;
    memcpy(code + 2, &self, 8);
    code[10] = 0x48;
    code[11] = 0xB8;
    memcpy(code + 12, &proc, 8);
    code[20] = 0xFF;
    code[21] = 0xE0;
    FlushInstructionCache(GetCurrentProcess(), code, kThunkSize);
    m_pThunk = code;
    return 1;
}

HWND CCustomWindow::m_CreateWindow(HWND parent, const wchar_t* className, UINT classStyle,
                                   DWORD style, DWORD exStyle, int x, int y, int w, int h,
                                   HMENU idOrMenu)
{
    if (m_hWnd || !m_MakeThunk()) return nullptr;
    if (!RegisterOnce(className, classStyle, s_StartWindowProc)) return nullptr;
    t_Creating = this;
    HWND hWnd = CreateWindowExW(exStyle, className, L"", style, x, y, w, h, parent, idOrMenu,
                                GetModuleHandleW(nullptr), nullptr);
    t_Creating = nullptr;
    return hWnd;
}

void CCustomWindow::m_DestroyWindow()
{
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void CCustomWindow::m_PaintImage(const CArgbImage* image)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (!dc) return;
    if (image && image->m_hDC)
        BitBlt(dc, 0, 0, image->m_Width, image->m_Height, image->m_hDC, 0, 0, SRCCOPY);
    EndPaint(m_hWnd, &ps);
}

// The first message of a new window: bind it to the object that is being
// created and send this and every later message through its thunk.
LRESULT CALLBACK CCustomWindow::s_StartWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCustomWindow* self = t_Creating;
    if (!self) return DefWindowProcW(hWnd, msg, wParam, lParam);
    t_Creating = nullptr;
    self->m_hWnd = hWnd;
    SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->m_pThunk));
    return s_WindowProc(reinterpret_cast<HWND>(self), msg, wParam, lParam);
}

LRESULT CALLBACK CCustomWindow::s_WindowProc(HWND self, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<CCustomWindow*>(self)->m_Dispatch(msg, wParam, lParam);
}

LRESULT CCustomWindow::m_Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    LRESULT result = 0;
    if (m_ProcessWindowMessage(hWnd, msg, wParam, lParam, result)) return result;
    if (msg == WM_ERASEBKGND) return 0;
    result = CallWindowProcW(m_DefProc, hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The window is gone: the thunk may be reused by a later create.
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        m_hWnd = nullptr;
        m_OnFinalMessage(hWnd);
    }
    return result;
}

int m_FadeSteps(int steps)
{
    int m = g_Settings.Main_FadeTest;
    if (m < 1) m = 1;
    if (steps < 1) steps = 1;
    return steps * m;
}

int m_FadeStep(int steps)
{
    if (steps < 1) steps = 1;
    return (255 + steps - 1) / steps;
}
