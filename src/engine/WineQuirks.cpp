#include "engine/WineQuirks.h"

#include "base/ErrorLog.h"

namespace {

int m_DetectWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") ? 1 : 0;
}

}  // namespace

int m_Wine_IsWine()
{
    static const int s_IsWine = m_DetectWine();
    return s_IsWine;
}

int m_Wine_SeekWhileStopped() { return m_Wine_IsWine(); }

int m_Wine_RendererKind(int kind)
{
    if (kind != 7 || !m_Wine_IsWine()) return kind;
    m_WriteLog(L"VR_%d : Wine / EVR (kind 7) is used as VMR9 windowless (kind 4)", __LINE__);
    return 4;
}

int m_Wine_ReadBackRate() { return m_Wine_IsWine(); }

int m_Wine_CanClearGraphSite() { return m_Wine_IsWine() ? 0 : 1; }

int m_Wine_RenewRendererToReconnect(int kind)
{
    return m_Wine_IsWine() && (kind == 0 || kind == 3 || kind == 4) ? 1 : 0;
}

int m_Wine_ImageSizeNeedsBuffer() { return m_Wine_IsWine(); }

long m_Wine_ImageBufferSize(long width, long height)
{
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return 0;
    return static_cast<long>(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + width * height * 4);
}

int m_Wine_PictureAspectForPreferred() { return m_Wine_IsWine(); }

int m_Wine_ImageRetries() { return m_Wine_IsWine() ? 50 : 0; }

// Kind 2: the old video renderer, the one that draws into a window of its own.
int m_Wine_RepaintBySeek(int kind) { return kind == 2 && m_Wine_IsWine(); }

int m_Wine_MirrorSourceRows(int kind, int bottomUp) { return kind == 2 && bottomUp && m_Wine_IsWine(); }

namespace {

struct SOWNEDWINDOWS {
    HWND hOwner;
    HWND list[64];
    int nCount;
};

BOOL CALLBACK m_CollectOwned(HWND window, LPARAM param)
{
    SOWNEDWINDOWS* owned = reinterpret_cast<SOWNEDWINDOWS*>(param);
    if (GetWindow(window, GW_OWNER) == owned->hOwner && owned->nCount < 64)
        owned->list[owned->nCount++] = window;
    return TRUE;
}

}  // namespace

int m_Wine_MakeOwnerTopmost(HWND window, UINT flags)
{
    if (!window || !m_Wine_IsWine()) return 0;
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) return 0;
    SOWNEDWINDOWS owned = {window, {}, 0};
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), m_CollectOwned,
                      reinterpret_cast<LPARAM>(&owned));
    for (int i = 0; i < owned.nCount; ++i) SetWindowLongPtrW(owned.list[i], GWLP_HWNDPARENT, 0);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
    for (int i = 0; i < owned.nCount; ++i)
        SetWindowLongPtrW(owned.list[i], GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
    return 1;
}
