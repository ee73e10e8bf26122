#include "app/ToolWindowPlacement.h"

#include "base/Dpi.h"
#include "base/IniFile.h"
#include "base/UiLook.h"
#include "settings/SettingsValue.h"

SPLACEMENT g_FavoPlacement = {-1, -1, 0, 0, 0};

namespace {

// What [Favo] "Pos" holds as far as this run knows.
SPLACEMENT s_FavoWritten = {-1, -1, 0, 0, 0};

// [pos, pos + size) into [lo, hi).
void m_ClampSpan(LONG* pos, LONG* size, LONG lo, LONG hi)
{
    if (*size > hi - lo) {
        *size = hi - lo;
        *pos = lo;
    } else if (*pos < lo) {
        *pos = lo;
    } else if (*pos + *size > hi) {
        *pos = hi - *size;
    }
}

}  // namespace

void m_Placement_Reset(SPLACEMENT* pos) { *pos = SPLACEMENT{-1, -1, 0, 0, 0}; }

void m_Placement_Read(const wchar_t* section, SPLACEMENT* pos)
{
    int values[5] = {-1, -1, 0, 0, 0};
    m_ReadIniPos(section, values);
    *pos = SPLACEMENT{values[0], values[1], values[2], values[3], values[4]};
}

int m_Placement_Write(const wchar_t* section, const SPLACEMENT* pos)
{
    return m_WriteSettingF(section, L"Pos", L"%d,%d,%d,%d,%d", pos->nLeft, pos->nTop, pos->nWidth,
                           pos->nHeight, pos->nDpi);
}

int m_Placement_Equal(const SPLACEMENT* a, const SPLACEMENT* b)
{
    return a->nLeft == b->nLeft && a->nTop == b->nTop && a->nWidth == b->nWidth &&
           a->nHeight == b->nHeight && a->nDpi == b->nDpi;
}

int m_Placement_FromWindow(HWND window, SPLACEMENT* pos)
{
    RECT rc;
    if (!window || !m_GetWindowRect(window, &rc, -1)) return 0;
    *pos = SPLACEMENT{(int)rc.left, (int)rc.top, (int)(rc.right - rc.left),
                      (int)(rc.bottom - rc.top), m_GetWindowDpiPercent(window)};
    return 1;
}

RECT m_Placement_Rect(const SPLACEMENT* pos)
{
    return RECT{pos->nLeft, pos->nTop, pos->nLeft + pos->nWidth, pos->nTop + pos->nHeight};
}

void m_Placement_ScaleToDpi(RECT* rc, int storedDpi, int dpiPercent)
{
    if (storedDpi >= 1 && storedDpi != dpiPercent)
        m_ScaleWindowRectForDpi(rc, storedDpi, dpiPercent);
}

void m_ClampRectToArea(RECT* rc, const RECT* area)
{
    LONG x = rc->left, y = rc->top, w = rc->right - rc->left, h = rc->bottom - rc->top;
    m_ClampSpan(&x, &w, area->left, area->right);
    m_ClampSpan(&y, &h, area->top, area->bottom);
    *rc = RECT{x, y, x + w, y + h};
}

void m_ReadFavoWndPos()
{
    m_Placement_Read(L"Favo", &g_FavoPlacement);
    s_FavoWritten = g_FavoPlacement;
}

void m_SaveFavoWndPos(int force)
{
    if (!force && m_Placement_Equal(&g_FavoPlacement, &s_FavoWritten)) return;
    if (m_Placement_Write(L"Favo", &g_FavoPlacement)) s_FavoWritten = g_FavoPlacement;
}
