// The preview player's record, its hidden window and its file: open, close,
// state and the windows its engine draws into and reports to.
#include "engine/PreviewPlayer.h"

#include <new>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/EngineMessages.h"
#include "engine/VideoRenderer.h"

SPREVIEWPLAYER g_PreviewPlayer;

namespace {

const wchar_t kEngineProp[] = L"ZvPreviewEngine";

LRESULT CALLBACK m_PreviewWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A message-only window of its own for each open, so that what a given-up
// open still posts never reaches the open that followed it.
HWND m_CreateHiddenWindow(SPREVIEWPLAYER* p)
{
    HWND hwnd = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                p->Module, nullptr);
    if (!hwnd) {
        m_WriteLog(L"Preview : Error / CreateWindowExW() = %lu", GetLastError());
        return nullptr;
    }
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(p));
    p->OldWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PreviewWindowProc)));
    return hwnd;
}

void m_DestroyHiddenWindow(HWND hwnd)
{
    if (!hwnd) return;
    RemovePropW(hwnd, kEngineProp);
    DestroyWindow(hwnd);
}

// Frees a given-up engine whose build has ended, with its window.
void m_FreeRetired(SPREVIEWPLAYER* p, int slot)
{
    CVideoRenderer* engine = p->RetiredEngines[slot];
    HWND hwnd = p->RetiredWindows[slot];
    p->RetiredEngines[slot] = nullptr;
    p->RetiredWindows[slot] = nullptr;
    if (engine) {
        engine->m_VR_Close();
        delete engine;  // waits for the rest of its thread
    }
    m_DestroyHiddenWindow(hwnd);
}

// Hands an engine whose open still runs to the retired list; it is freed
// when its build reports. With the list full, the oldest is waited for.
void m_Retire(SPREVIEWPLAYER* p)
{
    int slot = 0;
    while (slot < kPreviewRetiredCap && p->RetiredEngines[slot]) ++slot;
    if (slot == kPreviewRetiredCap) {
        m_WriteLog(L"Preview : waiting for a given-up open to end");
        m_FreeRetired(p, 0);
        slot = 0;
    }
    p->RetiredEngines[slot] = p->Engine;
    p->RetiredWindows[slot] = p->HiddenWindow;
    p->Engine = nullptr;
    p->HiddenWindow = nullptr;
    p->Opening = 0;
}

void m_RetiredWindowMessage(SPREVIEWPLAYER* p, HWND hwnd, UINT msg)
{
    if (msg != WM_APP_GRAPHBUILT) return;
    for (int i = 0; i < kPreviewRetiredCap; ++i)
        if (p->RetiredWindows[i] == hwnd) m_FreeRetired(p, i);
}

void m_DrainEvents(SPREVIEWPLAYER* p)
{
    long code;
    LONG_PTR p1, p2;
    while (p->Engine && p->Engine->m_VR_GetEvent(&code, &p1, &p2) == S_OK) {
        p->Engine->m_VR_FreeEventParams(code, p1, p2);
        if (code == EC_COMPLETE) m_Preview_Pause();
    }
}

void m_OnTimer(HWND hwnd, UINT_PTR id)
{
    KillTimer(hwnd, id);
    if (id == 100) m_Preview_OnFrameGrabbed();
    if (id == 103) m_Preview_DeliverStep();
    if (id == 104) m_Preview_FrameWaitEnded();
}

// Handles the message; 1 when it is not to be passed on.
int m_Handle(SPREVIEWPLAYER* p, HWND hwnd, UINT msg, WPARAM wParam)
{
    switch (msg) {
        case WM_APP_GRAPHEVENT:
            m_DrainEvents(p);
            return 0;
        case WM_APP_GRAPHBUILT:
            m_Preview_OnGraphBuilt(wParam ? 1 : 0);
            return 0;
        case WM_APP_FRAMESHOWN:
            m_Preview_OnFrameShown();
            return 0;
        case WM_APP_FRAMEGRABBED:
            p->LastGrabbedFrame = reinterpret_cast<const SGRABFRAME*>(wParam);
            p->FrameBase = p->SeekBase;
            SetTimer(hwnd, 100, 10, nullptr);
            return 0;
        case WM_TIMER:
            m_OnTimer(hwnd, wParam);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 1;
        }
    }
    return 0;
}

LRESULT CALLBACK m_PreviewWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    SPREVIEWPLAYER* p = reinterpret_cast<SPREVIEWPLAYER*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!p) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const WNDPROC old = p->OldWindowProc;
    if (msg == WM_ERASEBKGND) return 1;
    if (hwnd != p->HiddenWindow) {
        m_RetiredWindowMessage(p, hwnd, msg);
    } else if (m_Handle(p, hwnd, msg, wParam)) {
        return 0;
    }
    // A client may have closed the player from inside the message.
    if (!IsWindow(hwnd)) return 0;
    return CallWindowProcW(old, hwnd, msg, wParam, lParam);
}

void m_ResetFile(SPREVIEWPLAYER* p)
{
    p->Open = p->Opening = 0;
    p->Playing = 0;
    p->CurrentPosition = p->RequestedPosition = p->PendingPosition = -1;
    p->PendingWait = 0;
    p->GrabInFlight = p->SeekInFlight = 0;
    p->LastGrabbedFrame = nullptr;
    p->WindowsChanged = 0;
    p->SeekBase = p->FrameBase = 0;
    p->Duration = 0;
    p->FramesPerSecond = 0;
    p->FrameWidth = p->FrameHeight = p->SampleSize = 0;
    p->StepImage.m_Clear(false);
    p->FrameImage.m_Clear(false);
    p->Path[0] = L'\0';
}

void m_FreeGrabBuffer(SPREVIEWPLAYER* p)
{
    delete[] p->GrabTarget.Data;
    p->GrabTarget = SGRABFRAME{};
}

void m_ApplyWindows(SPREVIEWPLAYER* p)
{
    const HWND video = p->DrawMode == PREVIEW_MODE_VIDEO ? p->TargetWindow : p->VideoWindow;
    p->Engine->m_VR_SetWindows(video, p->HiddenWindow);
}

int m_StartOpen(SPREVIEWPLAYER* p, const wchar_t* path)
{
    p->Opening = 1;
    wcsncpy_s(p->Path, path, _TRUNCATE);
    // Wine's VMR9 hangs the next build when the clipping window of an
    // earlier graph was destroyed: the window the frames go to is kept for
    // the player's life (it is never shown).
    if (!p->VideoWindow)
        p->VideoWindow = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 0, 0, HWND_MESSAGE,
                                         nullptr, p->Module, nullptr);
    p->Engine = new (std::nothrow) CVideoRenderer();
    p->HiddenWindow = p->Engine && p->VideoWindow ? m_CreateHiddenWindow(p) : nullptr;
    HANDLE thread = nullptr;
    if (p->HiddenWindow) {
        SetPropW(p->HiddenWindow, kEngineProp, p->Engine);
        m_ApplyWindows(p);
        thread = p->Engine->m_VR_OpenAsync(path);
    }
    if (thread) {
        CloseHandle(thread);
        return 1;
    }
    m_WriteLog(L"Preview : Error / the open of \"%s\" could not start", path);
    delete p->Engine;
    p->Engine = nullptr;
    m_DestroyHiddenWindow(p->HiddenWindow);
    p->HiddenWindow = nullptr;
    m_ResetFile(p);
    return 0;
}

}  // namespace

SPREVIEWPLAYER::SPREVIEWPLAYER()
    : OldWindowProc(nullptr),
      DrawMode(0),
      Playing(0),
      Stepping(0),
      StepStart(0),
      StepSize(0),
      StepPeriod(0),
      StepCount(0),
      StepPosition(0),
      DeliveredOffset(0),
      GrabbedOffset(0),
      LastDeliveryTick(0),
      FirstStep(0),
      SeekPosition(0),
      Engine(nullptr),
      Path(),
      Open(0),
      Opening(0),
      Duration(0),
      FramesPerSecond(0),
      CurrentPosition(-1),
      RequestedPosition(-1),
      PendingPosition(-1),
      PendingWait(0),
      FrameWidth(0),
      FrameHeight(0),
      AspectX(0),
      AspectY(0),
      SampleSize(0),
      ClientWindow(nullptr),
      TargetWindow(nullptr),
      HiddenWindow(nullptr),
      VideoWindow(nullptr),
      Module(nullptr),
      GrabInFlight(0),
      SeekInFlight(0),
      GrabTarget(),
      LastGrabbedFrame(nullptr),
      WindowsChanged(0),
      SeekBase(0),
      FrameBase(0),
      RetiredWindows(),
      RetiredEngines()
{
}

// The program closes the player before COM goes; what is left here is only
// memory, unless an engine that may still write into it was left open.
SPREVIEWPLAYER::~SPREVIEWPLAYER()
{
    if (!Engine) m_FreeGrabBuffer(this);
}

void m_Preview_SetWindow(DWORD mode, HWND target, HWND client)
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    p->DrawMode = mode;
    p->TargetWindow = target;
    p->ClientWindow = client;
    if (!p->Engine) return;
    if (p->Opening)
        p->WindowsChanged = 1;
    else
        m_ApplyWindows(p);
}

int m_Preview_Open(const wchar_t* path)
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (!path || !path[0]) return 0;
    if (wcslen(path) > MAX_PATH) {
        m_WriteLog(L"Preview : Error / path too long");
        return 0;
    }
    if (p->Engine && (p->Open || p->Opening) && wcscmp(path, p->Path) == 0) return 0;
    m_Preview_Close();
    if (!p->Module) p->Module = GetModuleHandleW(nullptr);
    return m_StartOpen(p, path);
}

void m_Preview_Close()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (p->Opening) {
        // The build cannot be stopped: its engine is freed when it ends,
        // and a later open does not wait for it.
        m_Retire(p);
    } else {
        if (p->Stepping) m_Preview_StopStepping();
        if (p->Engine) {
            p->Engine->m_VR_Close();
            delete p->Engine;
            p->Engine = nullptr;
        }
        m_DestroyHiddenWindow(p->HiddenWindow);
        p->HiddenWindow = nullptr;
    }
    p->Stepping = 0;
    m_FreeGrabBuffer(p);
    m_ResetFile(p);
}

int m_Preview_GetState(const wchar_t* path)
{
    const SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (!p->Engine || (!p->Open && !p->Opening)) return PREVIEW_STATE_IDLE;
    const bool same = !path || _wcsicmp(path, p->Path) == 0;
    if (p->Opening) return same ? PREVIEW_STATE_OPENING : PREVIEW_STATE_OTHER_OPENING;
    return same ? PREVIEW_STATE_OPEN : PREVIEW_STATE_OTHER_OPEN;
}

CVideoRenderer* m_Preview_GetEngine() { return g_PreviewPlayer.Engine; }

void m_Preview_OnGraphBuilt(int success)
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    p->Opening = 0;
    p->Open = success ? 1 : 0;
    if (success) {
        if (p->WindowsChanged) m_ApplyWindows(p);
        LONGLONG frames = 0;
        p->Engine->m_VR_GetDurationInfo(&p->Duration, &frames, &p->FramesPerSecond);
        p->Engine->m_VR_GetGrabFrameInfo(&p->FrameWidth, &p->FrameHeight, &p->SampleSize);
        int width = 0, height = 0;
        p->Engine->m_VR_GetNativeInfo(&width, &height, &p->AspectX, &p->AspectY);
        m_Preview_SetUpGrabTarget();
    } else {
        p->Path[0] = L'\0';
    }
    p->WindowsChanged = 0;
    PostMessageW(p->ClientWindow, WM_APP_PREVIEWOPENED, success ? 1 : 0, 0);
}
