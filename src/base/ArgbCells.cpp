// Cells of image strips and grids (button states, icon sets).
#include "base/ArgbImage.h"

int CArgbImage::m_SetCellSize(int cw, int ch)
{
    m_CellWidth = cw;
    m_CellHeight = ch == -1 ? cw : ch;
    return m_GetCellCount();
}

void CArgbImage::m_GetCellSize(int* cw, int* ch) const
{
    if (cw) *cw = m_CellWidth;
    if (ch) *ch = m_CellHeight;
}

int CArgbImage::m_GetCellCount() const
{
    if (m_CellWidth < 1 || m_CellHeight < 1) return 0;
    return (m_Width / m_CellWidth) * (m_Height / m_CellHeight);
}

int CArgbImage::m_DrawCell(CArgbImage* dst, int n, int x, int y) const
{
    if (!dst || n < 0 || n >= m_GetCellCount()) return 0;
    const int columns = m_Width / m_CellWidth;
    return dst->m_Draw(this, 1, x, y, m_CellWidth, m_CellHeight, n % columns * m_CellWidth,
                       n / columns * m_CellHeight);
}

int CArgbImage::m_DrawCellAlpha(CArgbImage* dst, int n, int alpha, int x, int y) const
{
    if (!dst || n < 0 || n >= m_GetCellCount()) return 0;
    const int columns = m_Width / m_CellWidth;
    return dst->m_DrawAlpha(this, alpha, x, y, m_CellWidth, m_CellHeight, n % columns * m_CellWidth,
                            n / columns * m_CellHeight);
}
