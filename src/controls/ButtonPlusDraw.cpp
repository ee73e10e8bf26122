// Composing the image button's look: back colour, the frame or box of the
// draw style, then the strip frame or the icon.
#include <windows.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>

#include "controls/ButtonPlus.h"

namespace {

enum { kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4 };

ARGB Black(int alpha) { return static_cast<ARGB>(std::clamp(alpha, 0, 255)) << 24; }

int HoverPart(int amount, int hoverAlpha)
{
    return static_cast<int>(std::lround(amount * hoverAlpha / 255.0));
}

}  // namespace

int CButtonPlus::m_Pressed() const
{
    return m_LeftPressed || (m_RightPressed && m_RightLooksPressed);
}

int CButtonPlus::m_State() const
{
    if (!m_Enabled) return kDisabled;
    if (m_Pressed() || m_Checked) return kPressed;
    return m_Hover ? kHot : kNormal;
}

void CButtonPlus::m_Compose()
{
    if (m_Width <= 0 || m_Height <= 0) return;
    if (m_StateImage.m_Width != m_Width || m_StateImage.m_Height != m_Height ||
        !m_StateImage.m_IsValid()) {
        if (!m_StateImage.m_Create(nullptr, m_Width, m_Height, 32)) return;
    }
    int style = m_DrawStyle;
    HTHEME theme = nullptr;
    if (style >= 1 && style <= 3) {
        theme = m_hWnd ? OpenThemeData(m_hWnd, L"TOOLBAR") : nullptr;
        if (!theme) style = 0;
    }
    m_StateImage.m_FillColorRef(m_BackColor);
    const int state = m_State();
    if (style == 0)
        m_DrawClassic(state);
    else if (theme)
        m_DrawThemed(theme, style, state);
    else if ((style == 11 || style == 12) && m_Enabled)
        m_DrawFlat(style);
    else if (style == 13 && m_Enabled)
        m_DrawRounded();
    if (theme) CloseThemeData(theme);
    m_DrawPicture(state);
    m_Dirty = 0;
}

void CButtonPlus::m_DrawClassic(int state)
{
    RECT r = {0, 0, m_Width, m_Height};
    if (state == kPressed)
        DrawEdge(m_StateImage.m_hDC, &r, EDGE_SUNKEN, BF_RECT);
    else if (state == kHot || (state == kNormal && m_HotWhenIdle))
        DrawEdge(m_StateImage.m_hDC, &r, EDGE_RAISED, BF_RECT);
    GdiFlush();
    m_StateImage.m_SetOpaque();
}

void CButtonPlus::m_DrawThemed(HANDLE theme, int style, int state)
{
    RECT r = {0, 0, m_Width, m_Height};
    if (style == 2)
        InflateRect(&r, 0, 1);
    else if (style == 3)
        r.bottom += 1;
    const bool idleHot = state == kNormal && m_HotWhenIdle;
    DrawThemeBackground(static_cast<HTHEME>(theme), m_StateImage.m_hDC, 1, idleHot ? kHot : state,
                        &r, nullptr);
    GdiFlush();
    m_StateImage.m_SetOpaque();
    if (state == kPressed || idleHot) {
        const ARGB wash = 0x5F000000 | (m_ColorRefToArgb(m_BackColor) & 0xFFFFFF);
        m_StateImage.m_FillRect(wash, 1, nullptr);
    }
}

void CButtonPlus::m_DrawFlat(int style)
{
    int alpha = m_Checked ? 0x28 : 0;
    if (m_Pressed()) alpha += m_Checked ? 0x0F : 0x28;
    alpha += HoverPart(alpha == 0 ? 0x28 : 0x0F, m_HoverAlpha);
    const RECT r = {0, 0, m_Width, m_Height};
    const bool round = style == 11 &&
                       (m_VariantBits & (BUTTON_VARIANT_ROUND6 | BUTTON_VARIANT_ROUND25)) &&
                       (m_Checked || alpha > 0);
    if (!round) {
        if (alpha > 0) m_StateImage.m_FillRect(Black(alpha), 1, &r);
        if (style == 11 && m_Checked) m_StateImage.m_FrameRect(Black(0x0C), 1, &r, 1);
        return;
    }
    const double radius = (m_VariantBits & BUTTON_VARIANT_ROUND6) ? 6.0 : 2.5;
    if (m_Checked) {
        // A ring: the rounded shape in the frame colour, the back colour inside.
        m_StateImage.m_FillRoundRectEx(Black(0x0C), 1, &r, radius, 15);
        const RECT in = {1, 1, m_Width - 1, m_Height - 1};
        m_StateImage.m_FillRoundRectEx(m_ColorRefToArgb(m_BackColor), 0, &in,
                                       std::max(0.0, radius - 1.0), 15);
    }
    if (alpha > 0) m_StateImage.m_FillRoundRectEx(Black(alpha), 1, &r, radius, 15);
}

void CButtonPlus::m_DrawRounded()
{
    int alpha = m_Checked ? 0x2D : 0;
    if (m_Pressed()) alpha += m_Checked ? 0x0F : 0x2D;
    const RECT r = {0, 0, m_Width, m_Height};
    double radius = m_Height / 8.0;
    if (m_Checked) {
        m_StateImage.m_FillRoundRectEx(Black(0x08), 1, &r, radius, 15);
        const RECT in = {1, 1, m_Width - 1, m_Height - 1};
        m_StateImage.m_FillRoundRectEx(m_ColorRefToArgb(m_BackColor), 0, &in,
                                       std::max(0.0, radius - 1.0), 15);
    }
    if (m_HoverAlpha > 0) alpha += HoverPart(alpha == 0 ? 0x2D : 0x0F, m_HoverAlpha);
    if (m_VariantBits & BUTTON_VARIANT_ROUND6) radius = 6.0;
    if (alpha > 0) m_StateImage.m_FillRoundRectEx(Black(alpha), 1, &r, radius, 15);
}

void CButtonPlus::m_DrawPicture(int state)
{
    if (m_Strip.m_IsValid() && m_FrameCount > 0)
        m_DrawStrip(state);
    else if (m_Icon)
        m_DrawIcon(state);
}

void CButtonPlus::m_DrawStrip(int state)
{
    const int fw = m_Strip.m_Width / m_FrameCount, fh = m_Strip.m_Height;
    if (fw <= 0) return;
    int x = (m_Width - fw) / 2 + m_ImageOffsetX;
    const int y = (m_Height - fh) / 2 + m_ImageOffsetY;
    if (m_DrawStyle == 2 && (m_Pressed() || m_Checked)) ++x;
    const CArgbImage* src = &m_Strip;
    if (state == kDisabled) {
        if (!m_DisabledStrip.m_IsValid() && m_DisabledStrip.m_CopyFrom(&m_Strip))
            m_DisabledStrip.m_ScaleAlpha(0.3);
        if (m_DisabledStrip.m_IsValid()) src = &m_DisabledStrip;
    }
    auto frame = [&](int n, int alpha) {
        if (n >= 0 && n < m_FrameCount)
            m_StateImage.m_DrawAlpha(src, alpha, x, y, fw, fh, n * fw, 0);
    };
    if (m_FrameFadeAlpha > 0) {
        frame(m_PreviousFrame, m_FrameFadeAlpha);
        frame(m_CurrentFrame, 255 - m_FrameFadeAlpha);
    } else {
        frame(m_CurrentFrame, 255);
    }
}
