// The image button's icon mode: the icon centred, a grey translucent copy
// when disabled, and an optional soft shadow behind it.
#include <algorithm>
#include <cmath>

#include "controls/ButtonPlus.h"

namespace {

enum { kHot = 2, kDisabled = 4 };

// The icon's pixels at w x h as straight ARGB; 0 when they cannot be read.
int IconToImage(HICON icon, int w, int h, CArgbImage* out)
{
    if (!icon || w < 1 || h < 1 || !out->m_Create(nullptr, w, h, 32)) return 0;
    out->m_Clear(true);
    if (!DrawIconEx(out->m_hDC, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL)) return 0;
    GdiFlush();
    // DrawIconEx leaves premultiplied pixels; an icon without alpha leaves
    // alpha 0 where it drew, so such pixels count as opaque.
    bool anyAlpha = false;
    for (int i = 0; i < out->m_Count && !anyAlpha; ++i) anyAlpha = (out->m_Bits[i] >> 24) != 0;
    for (int i = 0; i < out->m_Count; ++i) {
        uint32_t p = out->m_Bits[i];
        const uint32_t a = p >> 24;
        if (!anyAlpha) {
            out->m_Bits[i] = (p & 0xFFFFFF) ? (p | 0xFF000000) : 0;
        } else if (a > 0 && a < 255) {
            auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
            out->m_Bits[i] =
                a << 24 | un((p >> 16) & 0xFF) << 16 | un((p >> 8) & 0xFF) << 8 | un(p & 0xFF);
        }
    }
    return 1;
}

// A black shadow whose alpha accumulates the icon's coverage within the
// radius, weighted by nearness and scaled by 48 / 255.
int MakeShadow(const CArgbImage& icon, int radius, CArgbImage* out)
{
    const int w = icon.m_Width + 2 * radius, h = icon.m_Height + 2 * radius;
    if (!out->m_Create(nullptr, w, h, 32)) return 0;
    for (int y = 0; y < h; ++y) {
        uint32_t* row = out->m_Row(y);
        for (int x = 0; x < w; ++x) {
            double sum = 0.0;
            for (int dy = -radius; dy <= radius; ++dy) {
                const int sy = y - radius + dy;
                if (sy < 0 || sy >= icon.m_Height) continue;
                const uint32_t* src = icon.m_Row(sy);
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x - radius + dx;
                    const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
                    if (sx < 0 || sx >= icon.m_Width || d > radius) continue;
                    sum += (src[sx] >> 24) * (radius + 1 - d) / (radius + 1);
                }
            }
            const int a = std::min(255, static_cast<int>(sum * 48.0 / 255.0));
            row[x] = static_cast<uint32_t>(a) << 24;
        }
    }
    return 1;
}

}  // namespace

HICON CButtonPlus::m_GetDisabledIcon()
{
    if (m_DisabledIcon) return m_DisabledIcon;
    CArgbImage img;
    if (!IconToImage(m_Icon, m_IconWidth, m_IconHeight, &img)) return nullptr;
    for (int i = 0; i < img.m_Count; ++i) {
        const uint32_t p = img.m_Bits[i];
        const uint32_t grey = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
        const uint32_t a = static_cast<uint32_t>(std::lround((p >> 24) * 0.3));
        img.m_Bits[i] = a << 24 | grey << 16 | grey << 8 | grey;
    }
    m_DisabledIcon = img.m_ToIcon(1, 0, 0);
    return m_DisabledIcon;
}

void CButtonPlus::m_DrawIcon(int state)
{
    if (m_IconWidth < 1 || m_IconHeight < 1) return;
    int x = (m_Width - m_IconWidth) / 2 + m_IconOffsetX;
    int y = (m_Height - m_IconHeight) / 2 + m_IconOffsetY;
    if (m_DrawStyle == 2 && (m_Pressed() || m_Checked)) ++x;
    HICON icon = m_Icon;
    if (state == kDisabled) {
        icon = m_GetDisabledIcon();
    } else if (m_VariantBits & BUTTON_VARIANT_GLOW) {
        const int radius = state == kHot ? 4 : 2;
        CArgbImage pixels, shadow;
        if (IconToImage(m_Icon, m_IconWidth, m_IconHeight, &pixels) &&
            MakeShadow(pixels, radius, &shadow))
            m_StateImage.m_Draw(&shadow, 1, x - radius + 1, y - radius + 1);
        if (state == kHot) {
            --x;
            --y;
        }
    }
    if (!icon) return;
    DrawIconEx(m_StateImage.m_hDC, x, y, icon, m_IconWidth, m_IconHeight, 0, nullptr, DI_NORMAL);
    GdiFlush();
    m_StateImage.m_SetOpaque();
}
