// The [Playlist] keys: read with their defaults, written key by key when
// they differ from what the file was last known to hold.
#include <math.h>
#include <stdio.h>
#include <wchar.h>

#include "app/ToolWindowPlacement.h"
#include "base/NumberList.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsValue.h"

SPLAYLISTVIEW g_PlaylistView = {
    {-1, -1, 0, 0, 0}, {75, 20}, 150, 0, 0, 0, -1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 2, 100};

namespace {

const wchar_t kSection[] = L"Playlist";

struct SINTKEY {
    const wchar_t* Name;
    int SPLAYLISTVIEW::*Field;
    int Default;
};

const SINTKEY kIntKeys[] = {
    {L"Rat", &SPLAYLISTVIEW::nRatio, 150},      {L"Tab", &SPLAYLISTVIEW::nTab, 0},
    {L"HideTab", &SPLAYLISTVIEW::nHideTab, 0},  {L"DiagTab", &SPLAYLISTVIEW::nDiagTab, 0},
    {L"Opn", &SPLAYLISTVIEW::nOpen, -1},        {L"Atc", &SPLAYLISTVIEW::bAttach, 1},
    {L"Num", &SPLAYLISTVIEW::bNumber, 1},       {L"Ext", &SPLAYLISTVIEW::bExtension, 1},
    {L"Omt", &SPLAYLISTVIEW::bOmit, 0},         {L"Ajst", &SPLAYLISTVIEW::bAdjust, 1},
    {L"AtClm", &SPLAYLISTVIEW::bAutoColumn, 1}, {L"Grid", &SPLAYLISTVIEW::bGrid, 0},
    {L"Stt", &SPLAYLISTVIEW::bStatus, 0},       {L"Jl", &SPLAYLISTVIEW::nJumpList, 0},
    {L"Chap", &SPLAYLISTVIEW::nChapter, 2},     {L"ItemHt", &SPLAYLISTVIEW::nItemHeight, 100},
};

// What the file holds as far as this run knows.
SPLAYLISTVIEW s_Written = g_PlaylistView;

void m_ReadColumns(SPLAYLISTVIEW* view)
{
    wchar_t text[kSettingValueCap];
    double columns[2] = {75, 20};
    m_ReadSettingText(kSection, L"Clm", L"75,20", text);
    m_ParseDoubleList(text, columns, 2);
    view->dColumn[0] = columns[0] < 20 ? 20 : columns[0];
    view->dColumn[1] = columns[1];
}

void m_FormatColumns(const SPLAYLISTVIEW* view, wchar_t (&out)[64])
{
    _snwprintf(out, 63, L"%0.0f,%0.0f", view->dColumn[0], view->dColumn[1]);
    out[63] = 0;
}

}  // namespace

// Place, column shares and ratio as the window shows them now.
void m_TakePlayListWnd(HWND window)
{
    m_Placement_FromWindow(window, &g_PlaylistView.Pos);
    int widths[2] = {0, 0};
    int listWidth = g_Playlist.m_GetColumnWidths(widths);
    if (listWidth > 0) {
        for (int i = 0; i < 2; ++i) g_PlaylistView.dColumn[i] = widths[i] * 100.0 / listWidth;
    }
    g_PlaylistView.nRatio = (int)lround(g_Playlist.m_GetViewRatio() * 1000.0);
}

namespace {

void m_SaveColumns(int force)
{
    wchar_t now[64], before[64];
    m_FormatColumns(&g_PlaylistView, now);
    m_FormatColumns(&s_Written, before);
    if (!force && wcscmp(now, before) == 0) return;
    if (!m_WriteSettingText(kSection, L"Clm", now)) return;
    s_Written.dColumn[0] = g_PlaylistView.dColumn[0];
    s_Written.dColumn[1] = g_PlaylistView.dColumn[1];
}

void m_SaveIntKeys(int force)
{
    for (const SINTKEY& key : kIntKeys) {
        int value = g_PlaylistView.*key.Field;
        if (!force && value == s_Written.*key.Field) continue;
        if (m_WriteSettingF(kSection, key.Name, L"%d", value)) s_Written.*key.Field = value;
    }
}

}  // namespace

void m_ReadPlayListWnd()
{
    CSettingsReadScope scope;
    SPLAYLISTVIEW& view = g_PlaylistView;
    m_Placement_Read(kSection, &view.Pos);
    m_ReadColumns(&view);
    for (const SINTKEY& key : kIntKeys)
        view.*key.Field = m_ReadSettingInt(kSection, key.Name, key.Default);
    if (view.nTab < 0) view.nTab = -1;
    g_PlaylistChap = view.nChapter;
    s_Written = view;
}

void m_SavePlayListWnd(int force, int positionOnly)
{
    HWND window = g_Playlist.m_GetWindow();
    if (window)
        m_TakePlayListWnd(window);
    else if (!force)
        return;
    g_PlaylistView.nChapter = g_PlaylistChap;
    SPLACEMENT& pos = g_PlaylistView.Pos;
    if (force || positionOnly || !m_Placement_Equal(&pos, &s_Written.Pos)) {
        if (m_Placement_Write(kSection, &pos)) s_Written.Pos = pos;
    }
    if (positionOnly) return;
    m_SaveColumns(force);
    m_SaveIntKeys(force);
}
