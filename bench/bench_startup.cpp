// Process start to main window shown: Zentavio.exe (with an existing
// settings file) against a bare program that registers a class and shows
// one window, alternating, under the same Wine prefix.
#include "BenchTiming.h"
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 9;

std::wstring m_Folder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// Milliseconds from CreateProcess to a visible window of the class; -1 on
// failure. The program is closed again before returning.
double m_TimeToWindow(const std::wstring& exe, const wchar_t* className)
{
    LARGE_INTEGER freq, from, to;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::wstring line = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&from);
    if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        return -1;
    }
    HWND hwnd = nullptr;
    for (int i = 0; i < 20000; i++) {
        hwnd = FindWindowW(className, nullptr);
        if (hwnd && IsWindowVisible(hwnd)) break;
        hwnd = nullptr;
        Sleep(1);
    }
    QueryPerformanceCounter(&to);
    if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!hwnd) return -1;
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)freq.QuadPart;
}

// A private copy of the player with a settings file of the current version,
// so that the runs measure a normal start, not the first one.
std::wstring m_PreparePlayer(const std::wstring& folder)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + L"zv_bench_startup\\";
    CreateDirectoryW(dir.c_str(), nullptr);
    std::wstring exe = dir + L"Zentavio.exe";
    CopyFileW((folder + L"Zentavio.exe").c_str(), exe.c_str(), FALSE);
    std::wstring ini = dir + L"Zentavio.ini";
    DeleteFileW(ini.c_str());
    double warm = m_TimeToWindow(exe, L"ZENTAVIO");  // writes the settings file
    return warm < 0 ? std::wstring() : exe;
}

}  // namespace

int main()
{
    std::wstring folder = m_Folder();
    std::wstring player = m_PreparePlayer(folder);
    std::wstring bare = folder + L"bare_window.exe";
    if (player.empty() || m_TimeToWindow(bare, L"ZV_BARE") < 0) {
        std::printf("startup: could not start the programs\n");
        return 1;
    }
    std::vector<double> ours, base;
    for (int i = 0; i < kRuns; i++) {
        base.push_back(m_TimeToWindow(bare, L"ZV_BARE"));
        ours.push_back(m_TimeToWindow(player, L"ZENTAVIO"));
    }
    double a = m_Median(ours), b = m_Median(base);
    std::printf(
        "startup: %.2fx of baseline (goal <= 1.3x; %.1f ms vs %.1f ms to the window, median of "
        "%d)\n",
        a / b, a, b, kRuns);
    return 0;
}
