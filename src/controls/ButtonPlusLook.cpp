// The image button's look setters: strip, frame and its cross-fade, check,
// enable, style, colours, input block and hover fade switch.
#include <algorithm>

#include "controls/ButtonPlus.h"

namespace {
enum { kTimerBlock = 1, kTimerFrameFade = 2, kTimerHoverIn = 3, kTimerHoverOut = 4 };
}

void CButtonPlus::m_SetImage(const CArgbImage* source, int frameCount, int sourceX, int, int width,
                             int height)
{
    m_DisabledStrip.m_Destroy();
    m_Strip.m_Destroy();
    m_FrameCount = 0;
    m_Dirty = 1;
    if (!source || !source->m_IsValid() || sourceX < 0) return;
    if (width == 0) width = source->m_Width - sourceX;
    if (height == 0) height = source->m_Height;
    width = std::min(width, source->m_Width - sourceX);
    height = std::min(height, source->m_Height);
    if (width <= 0 || height <= 0 || !m_Strip.m_Create(nullptr, width, height, 32)) return;
    m_Strip.m_Clear(true);
    m_Strip.m_Draw(source, 0, 0, 0, width, height, sourceX, 0);
    m_FrameCount = frameCount >= 1 ? frameCount : std::max(1, width / height);
    if (m_CurrentFrame >= m_FrameCount) m_CurrentFrame = 0;
}

void CButtonPlus::m_SetFrame(int frame, int redraw, int fadeSteps)
{
    if (frame == m_CurrentFrame) return;
    if (fadeSteps > 0) {
        m_FrameFadeStep = m_FadeStep(fadeSteps);
        // Going back to the frame that is fading out reverses the fade.
        const int start =
            m_FrameFadeAlpha > 0 && frame == m_PreviousFrame ? 255 - m_FrameFadeAlpha : 255;
        m_PreviousFrame = m_CurrentFrame;
        m_FrameFadeAlpha = std::max(0, start - m_FrameFadeStep);
    }
    m_CurrentFrame = frame;
    m_Dirty = 1;
    if (redraw) m_RepaintNow();
    if (fadeSteps > 0 && m_hWnd) SetTimer(m_hWnd, kTimerFrameFade, m_FadeInterval, nullptr);
}

void CButtonPlus::m_SetCheck(int checked, int redraw)
{
    checked = checked ? 1 : 0;
    if (checked == m_Checked) return;
    m_Checked = checked;
    // Dirty also without a redraw, so the next paint shows the new state.
    m_Dirty = 1;
    if (redraw) m_RepaintNow();
}

void CButtonPlus::m_SetEnable(int enabled)
{
    enabled = enabled ? 1 : 0;
    if (enabled == m_Enabled) return;
    m_Enabled = enabled;
    m_Invalidate();
}

void CButtonPlus::m_SetDrawStyle(int style, int redraw, UINT variantBits)
{
    m_DrawStyle = style;
    m_VariantBits = variantBits;
    m_Compose();
    if (redraw) m_Invalidate();
}

void CButtonPlus::m_SetBackColor(COLORREF colour)
{
    m_BackColor = colour;
    m_Compose();
}

void CButtonPlus::m_SetRightClickMenuMode()
{
    m_RightNotices = 1;
    m_RightLooksPressed = 0;
}

void CButtonPlus::m_BlockInput(UINT flags)
{
    if (!flags) {
        m_LeftBlocked = m_RightBlocked = 0;
        if (m_hWnd) KillTimer(m_hWnd, kTimerBlock);
        return;
    }
    m_LeftBlocked = (flags & 1) ? 1 : 0;
    m_RightBlocked = (flags & 2) ? 1 : 0;
    if (m_hWnd) SetTimer(m_hWnd, kTimerBlock, 100, nullptr);
}

void CButtonPlus::m_SetHoverFade(int on, int reset)
{
    m_HoverFadeOn = on ? 1 : 0;
    if (!reset) return;
    if (m_hWnd) {
        KillTimer(m_hWnd, kTimerHoverIn);
        KillTimer(m_hWnd, kTimerHoverOut);
    }
    m_HoverAlpha = 0;
    m_RepaintNow();
}

void CButtonPlus::m_SetImageOffset()
{
    m_ImageOffsetX = 1;
    m_ImageOffsetY = 0;
    m_Dirty = 1;
}

void CButtonPlus::m_SetIcon(HICON icon, int width, int height, int offsetX, int offsetY)
{
    if (m_DisabledIcon) DestroyIcon(m_DisabledIcon);
    m_DisabledIcon = nullptr;
    m_Icon = icon;
    m_IconWidth = width;
    m_IconHeight = height;
    m_IconOffsetX = offsetX;
    m_IconOffsetY = offsetY;
    m_Dirty = 1;
}

const CArgbImage* CButtonPlus::m_GetImage()
{
    if (m_Dirty) m_Compose();
    return &m_StateImage;
}
