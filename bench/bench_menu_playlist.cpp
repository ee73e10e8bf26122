// The playlist menu of 1000 tracks built from the playlist and opened up to
// its first painted picture, against 1000 plain items with the same texts
// inserted into a popup of the same manager and opened, alternating in the
// same run. The manager is made once beforehand, as the player's lives for
// the whole run.
#include "BenchTiming.h"
#include <windows.h>

#include <gdiplus.h>
#include <strsafe.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/ToolWindowPlacement.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuManager.h"
#include "controls/MenuPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr int kTracks = 1000;
constexpr int kRuns = 9;
constexpr UINT WM_BENCH_SHOWN = WM_APP + 1;

double s_ShownAt = 0;
std::vector<std::wstring> s_Texts;

// The first message the menu's loop dispatches marks the menu as shown (its
// picture is pushed before the loop starts) and closes it.
LRESULT CALLBACK m_OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_BENCH_SHOWN) {
        s_ShownAt = m_Now();
        g_MenuManager.m_CloseActive();
        return 0;
    }
    if (msg >= WM_APP) return 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND m_MakeOwner()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = m_OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvBenchPlaylistOwner";
    if (!RegisterClassExW(&wc)) return nullptr;
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 20, 10, 10,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

void m_Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// A list of 1000 tracks with names and durations, as a saved list gives.
void m_FillPlaylist()
{
    g_Playlist.m_ClearPlayList();
    for (int i = 0; i < kTracks; ++i) {
        wchar_t path[MAX_PATH];
        StringCchPrintfW(path, MAX_PATH,
                         L"C:\\Videos\\Series\\第%03d話 サブタイトル Episode title.mp4", i + 1);
        g_Playlist.m_AppendTrack(path);
        g_Playlist.m_GetTrack(i)->Milliseconds = 1440000 + i * 1000;
    }
    g_ListType = LIST_ZVPL;
    lstrcpynW(g_ListPath, L"C:\\Videos\\Series.zvpl", MAX_PATH + 1);
    g_PlayingTrack = 10;
    g_PlaylistView.bNumber = 1;
    g_PlaylistView.bExtension = 1;
}

// Seconds from the tracking call's start to the first picture.
double m_Track(HWND owner, CMenuPlus* popup, double t0)
{
    s_ShownAt = 0;
    PostMessageW(owner, WM_BENCH_SHOWN, 0, 0);
    g_MenuManager.m_TrackPopup(popup, MENUPLACE_TOPLEFT, m_PackMenuPoint(100, 20));
    m_Pump();  // the closed notice frees the popup
    return s_ShownAt > 0 ? s_ShownAt - t0 : -1;
}

double m_OpenPlaylistMenu(HWND owner, int* items)
{
    const double t0 = m_Now();
    CMenuPlus* popup = m_Menu_BuildFileList(2318);
    if (!popup) return -1;
    *items = popup->m_GetItemCount();
    // The texts the baseline inserts: the same rows.
    if (s_Texts.empty()) {
        for (int i = 0; i < popup->m_GetItemCount(); ++i) {
            SMENUITEM it;
            popup->m_GetItem(&it, i);
            if (it.Id >= kMenuTrackFirstId && it.Id < kMenuTrackFirstId + kTracks)
                s_Texts.emplace_back(it.Text);
        }
    }
    return m_Track(owner, popup, t0);
}

double m_OpenPlainMenu(HWND owner)
{
    const double t0 = m_Now();
    CMenuPlus* popup = g_MenuManager.m_CreatePopup(owner, owner, 7);
    if (!popup) return -1;
    for (int i = 0; i < kTracks && i < static_cast<int>(s_Texts.size()); ++i) {
        SMENUITEM it = {};
        it.Id = 1000 + i;
        lstrcpynW(it.Text, s_Texts[i].c_str(), ARRAYSIZE(it.Text));
        popup->m_InsertItem(&it, -1, 0);
    }
    return m_Track(owner, popup, t0);
}

}  // namespace

int main()
{
    ULONG_PTR gdiplus = 0;
    Gdiplus::GdiplusStartupInput input;
    HWND owner = nullptr;
    if (Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr) != Gdiplus::Ok ||
        !(owner = m_MakeOwner())) {
        std::printf("menu_playlist: FAILED (no GDI+ or window)\n");
        return 1;
    }
    g_hWndMain = owner;
    SMENUSTYLE style;
    g_MenuManager.m_GetStyle(&style);
    CMenuManager::m_GetSizePreset(&style, 3);
    style.Shadow = 1;
    g_MenuManager.m_SetStyle(&style, 0, nullptr);
    g_MenuManager.m_Init();
    m_FillPlaylist();

    int items = 0;
    if (m_OpenPlaylistMenu(owner, &items) < 0 || s_Texts.size() != kTracks ||
        m_OpenPlainMenu(owner) < 0) {
        std::printf("menu_playlist: FAILED (a menu did not open or lacks tracks)\n");
        return 1;
    }
    std::vector<double> ours, plain;
    for (int i = 0; i < kRuns; ++i) {
        plain.push_back(m_OpenPlainMenu(owner));
        ours.push_back(m_OpenPlaylistMenu(owner, &items));
    }
    const double a = m_Median(ours), b = m_Median(plain);
    std::printf(
        "menu_playlist: %.2fx of 1000 plain items (goal <= 1.5x; %.1f ms vs %.1f ms to the first "
        "picture, %d items, median of %d)\n",
        a / b, a * 1000.0, b * 1000.0, items, kRuns);
    DestroyWindow(owner);
    g_Playlist.m_ClearPlayList();
    Gdiplus::GdiplusShutdown(gdiplus);
    return 0;
}
