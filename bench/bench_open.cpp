// Open to first frame shown, and a seek to its first frame, with
// CVideoRenderer against the plainest RenderFile program (open_bare.exe)
// on the same clip in the same run. Every measurement is a fresh process,
// timed inside it from before the graph is made, so that neither side
// profits from libraries another run already loaded. The clip's Windows
// path comes in ZV_BENCH_CLIP (bench/run.sh makes it with ffmpeg).
//
//   bench_open                        the benchmark
//   bench_open -engine <kind> <clip>  one engine measurement (the child)
#include "BenchTiming.h"
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/EngineMessages.h"
#include "engine/VideoRenderer.h"

namespace {

constexpr int kRepetitions = 9;
// The old Video Renderer: the one RenderFile takes for video, so that both
// sides build the same graph. VMR9 windowless (what EVR becomes under Wine)
// is measured too, for information.
constexpr int kSameKind = 2;
// Seeks per measurement (its median counts), to these positions.
constexpr int kSeeks = 7;
constexpr LONGLONG kSeekTargets[kSeeks] = {30000000, 60000000, 10000000, 80000000,
                                           20000000, 50000000, 40000000};
constexpr int kVmr9Kind = 4;

double m_Ms(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return (now.QuadPart - from.QuadPart) * 1000.0 / freq.QuadPart;
}

// Pumps messages until the engine reports a frame; false after 10 s.
bool m_WaitFrameShown()
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_APP_FRAMESHOWN) return true;
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start > 10000) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

int m_EngineChild(int kind, const wchar_t* clip)
{
    if (FAILED(CoInitialize(nullptr))) return 2;
    HWND window = CreateWindowW(L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 656,
                                399, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CVideoRenderer* engine = new CVideoRenderer();
    engine->m_VR_SetWindows(window, window);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    // As playback control opens a file: build, set the start position, run.
    HRESULT hr = engine->m_VR_Open(clip, kind, L"", VR_OPEN_VIDEO | VR_OPEN_AUDIO);
    const double buildMs = m_Ms(start);
    if (SUCCEEDED(hr)) hr = engine->m_VR_SetPosition(0);
    if (SUCCEEDED(hr)) hr = engine->m_VR_Run();
    if (SUCCEEDED(hr) && !m_WaitFrameShown()) hr = E_FAIL;
    const double openMs = m_Ms(start);
    std::vector<double> seeks;
    for (int i = 0; SUCCEEDED(hr) && i < kSeeks; ++i) {
        Sleep(300);
        LARGE_INTEGER seekStart;
        QueryPerformanceCounter(&seekStart);
        hr = engine->m_VR_SetPosition(kSeekTargets[i]);
        if (SUCCEEDED(hr) && !m_WaitFrameShown()) hr = E_FAIL;
        seeks.push_back(m_Ms(seekStart));
    }
    const double seekMs = seeks.empty() ? 0 : m_Median(seeks);
    wprintf(L"engine open_ms=%.1f seek_ms=%.1f hr=0x%08X build_ms=%.1f\n", openMs, seekMs,
            static_cast<unsigned>(hr), buildMs);
    fflush(stdout);
    delete engine;
    DestroyWindow(window);
    CoUninitialize();
    return SUCCEEDED(hr) ? 0 : 1;
}

// Runs a program and reads its "open_ms" and "seek_ms"; false on failure.
bool m_Measure(const std::wstring& command, double* openMs, double* seekMs)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::wstring line = command;
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    std::string out;
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got)
            out.append(buffer, got);
        WaitForSingleObject(pi.hProcess, 30000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
    const size_t at = out.find("open_ms=");
    if (at == std::string::npos || out.find("hr=0x00000000") == std::string::npos) {
        printf("open: run failed: %s\n", out.c_str());
        return false;
    }
    return sscanf(out.c_str() + at, "open_ms=%lf seek_ms=%lf", openMs, seekMs) == 2;
}

std::wstring m_Folder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* slash = wcsrchr(path, L'\\');
    if (slash) slash[1] = 0;
    return path;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 3 && wcscmp(argv[1], L"-engine") == 0) return m_EngineChild(_wtoi(argv[2]), argv[3]);
    wchar_t clip[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ZV_BENCH_CLIP", clip, MAX_PATH)) {
        printf("open: SKIPPED (ZV_BENCH_CLIP names no clip)\n");
        return 0;
    }
    const std::wstring folder = m_Folder();
    const std::wstring quoted = L" \"" + std::wstring(clip) + L"\"";
    const std::wstring engine = L"\"" + folder + L"bench_open.exe\" -engine ";
    const std::wstring same = engine + std::to_wstring(kSameKind) + quoted;
    const std::wstring vmr9 = engine + std::to_wstring(kVmr9Kind) + quoted;
    const std::wstring bare = L"\"" + folder + L"open_bare.exe\"" + quoted;
    std::vector<double> sameOpen, sameSeek, vmr9Open, bareOpen, bareSeek;
    // Alternate the runs so that drift in machine speed hits all alike; the
    // first round only warms the disk cache.
    for (int r = 0; r <= kRepetitions; ++r) {
        double so, ss, vo, vs, bo, bs;
        if (!m_Measure(same, &so, &ss) || !m_Measure(bare, &bo, &bs) || !m_Measure(vmr9, &vo, &vs))
            return 1;
        if (r == 0) continue;
        sameOpen.push_back(so);
        sameSeek.push_back(ss);
        vmr9Open.push_back(vo);
        bareOpen.push_back(bo);
        bareSeek.push_back(bs);
    }
    const double so = m_Median(sameOpen), bo = m_Median(bareOpen), vo = m_Median(vmr9Open);
    const double ss = m_Median(sameSeek), bs = m_Median(bareSeek);
    printf("open_to_first_frame: %.2fx of baseline (goal <= 1.15x; %.1f ms vs %.1f ms)\n", so / bo,
           so, bo);
    printf("seek_to_first_frame: %.2fx of baseline (%.1f ms vs %.1f ms)\n", ss / bs, ss, bs);
    printf("open_to_first_frame_vmr9: %.2fx of baseline (for information; %.1f ms vs %.1f ms)\n",
           vo / bo, vo, bo);
    return 0;
}
