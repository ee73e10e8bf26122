#include "app/ButtonSkin.h"

#include <math.h>
#include <stdio.h>

#include "app/MainWindow.h"
#include "app/MainWindowLook.h"
#include "app/Startup.h"
#include "base/ArgbImage.h"
#include "base/Color.h"
#include "base/ImageFile.h"
#include "resources/resource.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

// Cells of the strip per button: first cell and frame count.
struct SSKINCELLS {
    int button;
    int first;
    int frames;
};

const SSKINCELLS kSkinCells[] = {
    {CB_LAUNCHER, 0, 1},   {CB_PLAY, 1, 2},   {CB_PREVIOUS, 4, 1},  {CB_REWIND, 5, 1},
    {CB_FORWARD, 6, 1},    {CB_NEXT, 7, 1},   {CB_OPTIONS, 8, 1},   {CB_PLAYLIST, 9, 1},
    {CB_TOPMOST, 10, 2},   {CB_RATE, 12, 1},  {CB_REPEAT, 13, 5},   {CB_MENU, 18, 1},
    {CB_FAVORITES, 19, 1}, {CB_TIMER, 20, 1}, {CB_JUMPLIST, 21, 1}, {CB_CAPTURE, 22, 1},
    {CB_POWER, 23, 4},
};
const int kCustomFirstCell = 36;
const int kVolumeCell = 27;

void m_SetCells(CButtonPlus& button, const CArgbImage& strip, int cell, int first, int frames)
{
    if ((first + frames) * cell > strip.m_Width) return;
    button.m_SetImage(&strip, frames, first * cell, 0, frames * cell, cell);
}

void m_HandOut(const CArgbImage& strip, int cell, int customFromSkin)
{
    for (const SSKINCELLS& c : kSkinCells)
        m_SetCells(g_ControlButtons[c.button], strip, cell, c.first, c.frames);
    if (customFromSkin) {
        for (int i = 0; i < 6; i++)
            m_SetCells(g_ControlButtons[CB_CUSTOM1 + i], strip, cell, kCustomFirstCell + i, 1);
    }
    m_SetCells(g_VolumeButton, strip, cell, kVolumeCell, 2);
}

void m_LoadExtraButton(int cell, COLORREF face)
{
    CArgbImage extra;
    if (!m_LoadPngResource(&extra, IDR_BUTTON_EXTRA)) return;
    m_AdaptSkinToFace(&extra, face);
    if (!extra.m_ResizeTo(2 * cell, cell, 1)) return;
    g_ExtraButton.m_SetImage(&extra, 2, 0, 0, 2 * cell, cell);
}

}  // namespace

int m_AdaptSkinToFace(CArgbImage* strip, COLORREF face)
{
    if (!strip || !strip->m_IsValid()) return 0;
    ARGB argb = m_ColorRefToArgb(face);
    if (m_GetColorValue(argb) >= 128) {
        for (int i = 0; i < strip->m_Count; i++)
            strip->m_Bits[i] = m_SetColorAlpha(strip->m_Bits[i], 0.9);
        return 1;
    }
    return strip->m_CreateMask(strip, 0xAAFFFFFF, 0);
}

int m_SkinCellSize(int stripHeight, int dpiPercent, int iconPercent)
{
    double size = floor(stripHeight * dpiPercent / 200.0 + 0.5);
    if (iconPercent > 0 && iconPercent != 100) size = floor(size * iconPercent / 100.0 + 0.5);
    return size < 1 ? 1 : (int)size;
}

int m_LoadSkinSource(CArgbImage* strip, int useFile, const wchar_t* folder)
{
    if (useFile && folder) {
        wchar_t path[MAX_PATH + 1];
        _snwprintf(path, MAX_PATH, L"%sButton.png", folder);
        path[MAX_PATH] = 0;
        if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES && m_LoadImageFile(strip, path) &&
            strip->m_Height > 0 && strip->m_Width >= strip->m_Height)
            return 1;
    }
    return m_LoadPngResource(strip, IDR_BUTTON_SKIN) ? 0 : -1;
}

void m_LoadButtonSkin()
{
    CArgbImage strip;
    const int source = m_LoadSkinSource(&strip, g_Settings.Ctrl_CtmIco, g_ExeFolder);
    if (source < 0) return;
    const COLORREF face = m_GetFaceColor();
    if (source == 0) m_AdaptSkinToFace(&strip, face);
    const int cells = strip.m_Width / strip.m_Height;
    const int cell = m_SkinCellSize(strip.m_Height, g_DpiPercent, g_Settings.Ctrl_Ico);
    if (!strip.m_ResizeTo(cells * cell, cell, 1)) return;
    m_HandOut(strip, cell, !g_Settings.Ctrl_CtmIco);
    m_LoadExtraButton(cell, face);
}
