// A window that owns a CVideoRenderer and runs a command script against it,
// printing one line per result and per message the engine posts. Behaviour
// tests drive the engine through it under Wine.
//
//   EngineHost "<command>; <command>; ..."
//
// Commands (numbers are decimal; times in ms):
//   open [kind=K] [flags=F] [dev=NAME] [full=1] [stretch=1] PATH
//   openasync PATH          close          run        pause      stopready
//   seek MS    rate PCT    step N    stoppos MS    volume V    balance B
//   gain PCT   mix PCT     swap 0|1  abalance B    switchaudio [NAME]
//   pos        state       filters   chain         mem         audiodevs
//   format     nearend     waitframe MS
//   wait frameshown|stopreached|graphbuilt|complete|chapter [MS]
//   sleep MS   (pumps messages; posted messages print as "event ...")
//   waitstate STATE [MS]   (pumps messages until the engine is in STATE)
//   chapters  setchapters [MS ...]  chapterindex MS|-1  gochapter N
//   streams   addsub PATH  selectstream I [APPLY [MODE]]
//   barecycle PATH   the plainest program's open/run/seek/stop/close, to
//                    compare what Wine's DirectShow keeps per graph
// "mem" prints the handles (and how many are registry keys) and the
// private bytes of the process.
#include "EngineHost.h"

#include <stdarg.h>
#include <stdio.h>
#include <wchar.h>

#include "engine/EngineMessages.h"
#include "engine/VideoRenderer.h"
#include "settings/Settings.h"

SHOSTSTATE g_Host;

void m_Host_Print(const wchar_t* format, ...)
{
    wchar_t text[2048];
    va_list args;
    va_start(args, format);
    _vsnwprintf_s(text, 2048, _TRUNCATE, format, args);
    va_end(args);
    char utf8[6144];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    if (n > 0) {
        fputs(utf8, stdout);
        fputc('\n', stdout);
        fflush(stdout);
    }
}

double m_Host_Now()
{
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return (now.QuadPart - g_Host.start.QuadPart) * 1000.0 / freq.QuadPart;
}

namespace {

void m_Count(int kind, const wchar_t* text)
{
    ++g_Host.events[kind];
    m_Host_Print(L"event %s t=%.0f", text, m_Host_Now());
}

// Drains the graph events as the owner window does.
void m_DrainGraphEvents()
{
    long code;
    LONG_PTR p1, p2;
    while (g_Host.engine && g_Host.engine->m_VR_GetEvent(&code, &p1, &p2) == S_OK) {
        g_Host.engine->m_VR_FreeEventParams(code, p1, p2);
        if (code == EC_COMPLETE)
            m_Count(HOST_EVENT_COMPLETE, L"complete");
        else
            m_Host_Print(L"event graph code=0x%X t=%.0f", static_cast<unsigned>(code),
                         m_Host_Now());
    }
}

LRESULT CALLBACK m_HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_APP_GRAPHEVENT:
            m_DrainGraphEvents();
            return 0;
        case WM_APP_FRAMESHOWN:
            m_Count(HOST_EVENT_FRAMESHOWN, L"frameshown");
            return 0;
        case WM_APP_STOPREACHED:
            m_Count(HOST_EVENT_STOPREACHED, L"stopreached");
            return 0;
        case WM_APP_GRAPHBUILT:
            m_Count(HOST_EVENT_GRAPHBUILT, wParam ? L"graphbuilt 1" : L"graphbuilt 0");
            return 0;
        case WM_APP_CHAPTERCHANGED: {
            wchar_t text[48];
            StringCchPrintfW(text, 48, L"chapter %d>%d", static_cast<int>(wParam),
                             static_cast<int>(lParam));
            m_Count(HOST_EVENT_CHAPTER, text);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND m_CreateHostWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = m_HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"ZvEngineHost";
    RegisterClassW(&wc);
    RECT rc = {0, 0, 640, 360};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowW(L"ZvEngineHost", L"EngineHost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                              0, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                              wc.hInstance, nullptr);
    return hwnd;
}

// Splits "a b; c d" into commands of space-separated words; the words of
// "open" after its options form one path.
void m_RunScript(const std::wstring& script)
{
    size_t at = 0;
    while (at <= script.size()) {
        size_t end = script.find(L';', at);
        if (end == std::wstring::npos) end = script.size();
        std::wstring line = script.substr(at, end - at);
        at = end + 1;
        std::vector<std::wstring> words;
        size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && line[i] == L' ') ++i;
            size_t j = i;
            while (j < line.size() && line[j] != L' ') ++j;
            if (j > i) words.push_back(line.substr(i, j - i));
            i = j;
        }
        if (words.empty()) continue;
        std::wstring name = words[0];
        words.erase(words.begin());
        if (!m_Host_RunCommand(name, words)) m_Host_Print(L"unknown %s", name.c_str());
    }
}

}  // namespace

void m_Host_Pump(DWORD ms)
{
    const double until = m_Host_Now() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const double left = until - m_Host_Now();
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left > 10 ? 10 : static_cast<DWORD>(left) + 1,
                                  QS_ALLINPUT);
    }
}

namespace {

// A crash prints where it happened, so that a failing test shows it.
void m_PrintAddress(const wchar_t* label, DWORD64 address)
{
    HMODULE module = nullptr;
    wchar_t name[MAX_PATH] = L"?";
    if (GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(address), &module))
        GetModuleFileNameW(module, name, MAX_PATH);
    m_Host_Print(L"%s %s+0x%llX", label, name,
                 static_cast<unsigned long long>(address - reinterpret_cast<DWORD64>(module)));
}

LONG WINAPI m_OnCrash(EXCEPTION_POINTERS* info)
{
    m_Host_Print(L"crash code=0x%08lX", info->ExceptionRecord->ExceptionCode);
    m_PrintAddress(L"crash at", reinterpret_cast<DWORD64>(info->ExceptionRecord->ExceptionAddress));
    const DWORD64* stack = reinterpret_cast<const DWORD64*>(info->ContextRecord->Rsp);
    for (int i = 0, shown = 0; i < 256 && shown < 12; ++i) {
        HMODULE module = nullptr;
        if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                   GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               reinterpret_cast<LPCWSTR>(stack[i]), &module)) {
            m_PrintAddress(L"crash stack", stack[i]);
            ++shown;
        }
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    SetUnhandledExceptionFilter(m_OnCrash);
    QueryPerformanceCounter(&g_Host.start);
    g_Settings.Main_ErrLog = 1;
    if (FAILED(CoInitialize(nullptr))) return 2;
    g_Host.window = m_CreateHostWindow();
    g_Host.engine = new CVideoRenderer();
    g_VideoRenderer = g_Host.engine;
    g_Host.engine->m_VR_SetWindows(g_Host.window, g_Host.window);
    g_Host.engine->m_VR_SetTimeStretchTarget(g_Host.window);
    std::wstring script;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) script += L' ';
        script += argv[i];
    }
    m_RunScript(script);
    m_Host_Pump(50);
    g_VideoRenderer = nullptr;
    delete g_Host.engine;
    g_Host.engine = nullptr;
    DestroyWindow(g_Host.window);
    CoUninitialize();
    m_Host_Print(L"end");
    return 0;
}
