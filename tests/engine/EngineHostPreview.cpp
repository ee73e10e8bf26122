// The engine host's preview-player commands. The preview's client window is
// a message-only window of the host's that prints each preview message as
// an "event pv..." line.
//   pvwindow MODE        pvopen PATH      pvclose      pvstate [PATH]
//   pvseek MS [WAIT]     pvgrab MS [WAIT] (the pending position, then a grab)
//   pvplay MS            pvstopplay       pvstep START SIZE PERIOD   pvstopstep
//   pvinfo               pvimage          pvkeys
//   pvwait opened|shown|image|step [MS]   pvdrain [MS] (until no given-up open is left)
#include <windows.h>

#include <stdlib.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "EngineHost.h"
#include "engine/EngineMessages.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"

namespace {

typedef std::vector<std::wstring> Args;

enum { PV_OPENED, PV_SHOWN, PV_IMAGE, PV_STEP, PV_COUNT };
const wchar_t* const kPvNames[PV_COUNT] = {L"opened", L"shown", L"image", L"step"};
int g_PvEvents[PV_COUNT];
int g_PvConsumed[PV_COUNT];
HWND g_PvClient;

long m_Num(const Args& a, size_t i, long fallback = 0)
{
    return i < a.size() ? wcstol(a[i].c_str(), nullptr, 10) : fallback;
}

// The colour (0xRRGGBB) at a fraction of the image's width and height.
unsigned m_ImageColour(const CArgbImage* image, double fx, double fy)
{
    if (!image || !image->m_IsValid()) return 0;
    const int x = static_cast<int>(image->m_Width * fx);
    const int y = static_cast<int>(image->m_Height * fy);
    return image->m_Row(y)[x] & 0xFFFFFF;
}

void m_PrintImage(const wchar_t* label, const CArgbImage* image, long ms)
{
    m_Host_Print(L"%s ms=%ld size=%dx%d rgb=%06X alpha=%u t=%.0f", label, ms,
                 image ? image->m_Width : 0, image ? image->m_Height : 0,
                 m_ImageColour(image, 0.5, 0.5),
                 image && image->m_IsValid() ? image->m_Row(0)[0] >> 24 : 0u, m_Host_Now());
}

LRESULT CALLBACK m_ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_APP_PREVIEWOPENED:
            ++g_PvEvents[PV_OPENED];
            m_Host_Print(L"event pvopened %d t=%.0f", static_cast<int>(wParam), m_Host_Now());
            return 0;
        case WM_APP_PREVIEWSHOWN:
            ++g_PvEvents[PV_SHOWN];
            m_Host_Print(L"event pvshown pos=%d t=%.0f", m_Preview_GetPositionMs(), m_Host_Now());
            return 0;
        case WM_APP_PREVIEWIMAGE:
            ++g_PvEvents[PV_IMAGE];
            m_PrintImage(L"event pvimage", reinterpret_cast<const CArgbImage*>(wParam),
                         static_cast<long>(lParam));
            return 0;
        case WM_APP_PREVIEWSTEP:
            ++g_PvEvents[PV_STEP];
            m_Host_Print(L"event pvstep offset=%d rgb=%06X t=%.0f", m_Preview_GetStepOffset(),
                         m_ImageColour(&g_PreviewPlayer.FrameImage, 0.5, 0.5), m_Host_Now());
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND m_Client()
{
    if (g_PvClient) return g_PvClient;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = m_ClientProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvPreviewClient";
    RegisterClassW(&wc);
    g_PvClient = CreateWindowW(L"ZvPreviewClient", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    return g_PvClient;
}

std::wstring m_Joined(const Args& a)
{
    std::wstring path;
    for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
    return path;
}

void m_Wait(const Args& a)
{
    int kind = -1;
    for (int k = 0; k < PV_COUNT; ++k)
        if (!a.empty() && a[0] == kPvNames[k]) kind = k;
    if (kind < 0) {
        m_Host_Print(L"pvwait unknown");
        return;
    }
    const double t0 = m_Host_Now();
    const double timeout = m_Num(a, 1, 10000);
    while (g_PvEvents[kind] <= g_PvConsumed[kind] && m_Host_Now() - t0 < timeout) m_Host_Pump(5);
    if (g_PvEvents[kind] > g_PvConsumed[kind]) {
        g_PvConsumed[kind] = g_PvEvents[kind];
        m_Host_Print(L"pvwait %s ok ms=%.0f", kPvNames[kind], m_Host_Now() - t0);
    } else {
        m_Host_Print(L"pvwait %s timeout", kPvNames[kind]);
    }
}

int m_RetiredCount()
{
    int n = 0;
    for (CVideoRenderer* engine : g_PreviewPlayer.RetiredEngines) n += engine ? 1 : 0;
    return n;
}

void m_Drain(const Args& a)
{
    const double t0 = m_Host_Now();
    while (m_RetiredCount() && m_Host_Now() - t0 < m_Num(a, 0, 10000)) m_Host_Pump(5);
    m_Host_Print(L"pvdrain retired=%d", m_RetiredCount());
}

void m_Info()
{
    const SPREVIEWPLAYER& p = g_PreviewPlayer;
    m_Host_Print(
        L"pvinfo state=%d open=%lu opening=%lu duration=%lld fps=%.3f frame=%dx%d aspect=%d:%d "
        L"pos=%d current=%lld pending=%lld step=%d/%d retired=%d path=[%s]",
        m_Preview_GetState(nullptr), p.Open, p.Opening, p.Duration, p.FramesPerSecond, p.FrameWidth,
        p.FrameHeight, p.AspectX, p.AspectY, m_Preview_GetPositionMs(), p.CurrentPosition,
        p.PendingPosition, p.StepSize, p.StepPeriod, m_RetiredCount(), p.Path);
}

void m_Keys()
{
    const int n = m_Preview_GetKeyFrameCount();
    m_Host_Print(L"pvkeys has=%d count=%d first=%d second=%d beyond=%d find1500=%ld",
                 m_Preview_HasKeyFrames(), n, m_Preview_GetKeyFrame(0), m_Preview_GetKeyFrame(1),
                 m_Preview_GetKeyFrame(n), static_cast<long>(m_Preview_FindKeyFrame(1500)));
}

void m_Grab(const Args& a)
{
    g_PreviewPlayer.PendingPosition = m_Num(a, 0) * 10000LL;
    g_PreviewPlayer.PendingWait = m_Num(a, 1) ? 1 : 0;
    m_Preview_GrabPending();
    if (m_Num(a, 1)) m_PrintImage(L"pvgrab waited", &g_PreviewPlayer.FrameImage, m_Num(a, 0));
}

}  // namespace

int m_Host_PreviewCommand(const std::wstring& name, const std::vector<std::wstring>& a)
{
    if (name == L"pvwindow") {
        m_Preview_SetWindow(m_Num(a, 0, 1), g_Host.window, m_Client());
    } else if (name == L"pvopen") {
        if (!g_PreviewPlayer.ClientWindow) m_Preview_SetWindow(1, g_Host.window, m_Client());
        m_Host_Print(L"pvopen %d", m_Preview_Open(m_Joined(a).c_str()));
    } else if (name == L"pvclose") {
        m_Preview_Close();
    } else if (name == L"pvstate") {
        const std::wstring path = m_Joined(a);
        m_Host_Print(L"pvstate %d", m_Preview_GetState(a.empty() ? nullptr : path.c_str()));
    } else if (name == L"pvseek") {
        m_Preview_Seek(m_Num(a, 0), m_Num(a, 1));
        if (m_Num(a, 1)) m_PrintImage(L"pvseek waited", &g_PreviewPlayer.FrameImage, m_Num(a, 0));
    } else if (name == L"pvgrab") {
        m_Grab(a);
    } else if (name == L"pvplay") {
        m_Host_Print(L"pvplay hr=0x%08X", static_cast<unsigned>(m_Preview_PlayFrom(m_Num(a, 0))));
    } else if (name == L"pvstopplay") {
        m_Preview_StopPlay();
    } else if (name == L"pvstep") {
        m_Host_Print(L"pvstep t=%.0f", m_Host_Now());
        m_Preview_StartStepping(m_Num(a, 0), m_Num(a, 1), m_Num(a, 2));
    } else if (name == L"pvstopstep") {
        m_Preview_StopStepping();
    } else if (name == L"pvinfo") {
        m_Info();
    } else if (name == L"pvimage") {
        m_PrintImage(L"pvimage", &g_PreviewPlayer.FrameImage, -1);
    } else if (name == L"pvkeys") {
        m_Keys();
    } else if (name == L"pvwait") {
        m_Wait(a);
    } else if (name == L"pvdrain") {
        m_Drain(a);
    } else {
        return 0;
    }
    return 1;
}
