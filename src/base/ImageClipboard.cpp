#include "app/MainWindow.h"
#include "base/TextImage.h"

int m_CopyImageToClipboard(const CArgbImage* img)
{
    if (!img || !img->m_IsValid()) return 0;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = screen ? CreateCompatibleBitmap(screen, img->m_Width, img->m_Height) : nullptr;
    HDC dc = screen ? CreateCompatibleDC(screen) : nullptr;
    if (screen) ReleaseDC(nullptr, screen);
    if (!bitmap || !dc) {
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
        return 0;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, img->m_Width, img->m_Height, img->m_hDC, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    int ok = 0;
    if (OpenClipboard(g_hWndMain)) {
        EmptyClipboard();
        // Once the clipboard holds the bitmap, it owns it.
        ok = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        CloseClipboard();
    }
    if (!ok) DeleteObject(bitmap);
    return ok;
}
