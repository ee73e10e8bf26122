// The bitmap glyph font of on-screen texts: glyphs cut from a PNG atlas
// (coverage in the blue byte, character codes in the bottom row), rescaled
// once for the display and drawn with an optional outline or shadow. In its
// texts "`" is a narrow blank and "@" steps back by one spacing.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/ArgbImage.h"

// One glyph of the atlas: its column and width (0 = no glyph).
struct SBmpGlyph {
    uint16_t x;
    uint8_t width;
    uint8_t spare;
};

// Drawing flags.
enum { BMPFONT_SHADOW = 1, BMPFONT_OUTLINE = 2, BMPFONT_WIDE = 4 };

class CBmpFont {
public:
    SBmpGlyph m_Glyphs[128];
    int m_Spacing;
    int m_State;              // 0 empty, 2 built
    BYTE* m_Coverage;         // atlas height rows of m_Stride bytes, top row first
    BYTE* m_OutlineCoverage;  // built on first outlined draw
    SBmpGlyph m_OutlineGlyphs[128];
    int m_GlyphHeight;
    int m_AtlasWidth;
    int m_AtlasHeight;
    int m_Stride;
    int m_OutlineAtlasWidth;
    int m_OutlineAtlasHeight;
    int m_OutlineStride;
    int m_AntiAliased;
    BYTE m_NarrowBlank;
    BYTE m_BackStep;
    ARGB m_FaceColor;
    ARGB m_OutlineColor;
    ARGB m_ShadowColor;
    int m_Loaded;
    int m_OutlineBuilt;
    int m_OutlineWidth;
    int m_Flags;
    int m_ShadowDx;
    int m_ShadowDy;

    CBmpFont();
    ~CBmpFont();
    CBmpFont(const CBmpFont&) = delete;
    CBmpFont& operator=(const CBmpFont&) = delete;

    void m_Release();
    // scale 0 the file "BmpFont.png" beside the program, 1..3 the built-in
    // atlases; dpiPercent 100 at 96 DPI.
    void m_Load(int scale, int dpiPercent);
    void m_Build(const CArgbImage* atlas);
    void m_ScanGlyphs();
    void m_ScaleToHeight(int h);
    void m_SetOutlineShadow(int outlineWidth, int dx, int dy);
    void m_SetSpacing(int spacing) { m_Spacing = spacing; }
    int m_GetSpacing() const { return m_Spacing; }
    int m_GetHeight() const;
    // flags (unsigned)-1 or -2: the font's own.
    void m_MeasureText(const wchar_t* text, int* w, int* h, unsigned flags) const;
    // A non-zero face or effect colour replaces the stored one for later
    // calls too; the effect colour is the outline's with an outline, else
    // the shadow's.
    void m_DrawText(CArgbImage* dst, int x, int y, const wchar_t* text, ARGB face, int viaWork,
                    unsigned flags, ARGB effect);

private:
    unsigned m_ResolveFlags(unsigned flags) const;
    bool m_BuildOutline();
    // The pen walk shared by measuring and drawing: the advance of c
    // (negative for the back-step), 0 for characters without a glyph.
    int m_Advance(wchar_t c, unsigned flags) const;
    void m_DrawFace(CArgbImage* dst, int x, int y, const wchar_t* text, ARGB colour, int blend,
                    unsigned flags) const;
    void m_DrawOutline(CArgbImage* dst, int x, int y, const wchar_t* text, unsigned flags) const;
    void m_DrawOutlined(CArgbImage* dst, int x, int y, const wchar_t* text, int viaWork,
                        unsigned flags);
    void m_DrawShadowed(CArgbImage* dst, int x, int y, const wchar_t* text, int viaWork,
                        unsigned flags);
};

// The font of the on-screen display, previews and jump-list sheets, and
// the one of the full-screen status bar.
extern CBmpFont g_BmpFont;
extern CBmpFont g_BmpFontFullScreen;

int m_IsBmpFontLoaded();
int m_GetBmpFontTextWidth(int unused, const wchar_t* text);
// Width of the "|" glyph of g_BmpFont.
int m_GetBmpFontByte();
// A text of blanks and narrow blanks about pixels wide in g_BmpFont: the
// blanks for whole blank advances, narrow blanks for the rest. Its length,
// or -1 when it had to be cut to 15 characters; 0 and an empty text when
// the blank has no advance.
int m_MakePixelPad(int unused1, wchar_t out[16], int unused2, int pixels);
