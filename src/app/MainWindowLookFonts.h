// The two tool-window fonts: the options font and the dialog font, from
// [Main] "OptFont" and "DlgFont" or the installed Japanese UI faces.
#pragma once
#include <windows.h>

constexpr int kFontFaceCap = 33;  // 32 characters and the terminator

// "face,size,bold" into its parts: size 8 when absent or 0, weight 700 when
// bold is at least 1, else 400. FALSE for an empty text.
BOOL m_ParseFontSpec(const wchar_t* text, wchar_t* face, int* size, int* weight);
// The same read from a [Main] key of the settings file.
BOOL m_ReadFontSpec(const wchar_t* key, wchar_t* face, int* size, int* weight);

extern HFONT g_hFontOptions;
extern HFONT g_hFontDialog;
extern int g_DialogFontsDirty;
// Rebuilds both fonts when marked dirty.
void m_CreateDialogFonts();
void m_DeleteDialogFonts();

// Loads g_BmpFont at the [Ctrl] "Font" scale and the window's DPI unless it
// is loaded at them already, then refreshes what is drawn with it; with
// showSample a sample text stays on the status bar for six seconds.
void m_ApplyOsdFont(int showSample);
