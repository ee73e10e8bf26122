// The arithmetic of the playlist window's drawing, kept apart from GDI: row
// colours, the status area's texts and colours, and where the tab texts go.
#pragma once
#include <windows.h>

#include "base/Color.h"

struct STRACKINFO;

// Row colours of an owner-drawn list row. textKept: draw with the DC's own
// text colour (text is then not used).
struct SROWCOLORS {
    COLORREF Back;
    COLORREF Text;
    int TextKept;
};
constexpr COLORREF kRowSelectedBack = 0xDCDCE0;  // RGB(224, 220, 220)
constexpr COLORREF kRowDimmedText = 0x7F7F7F;
SROWCOLORS m_PlaylistDraw_RowColors(COLORREF window, COLORREF text, int selected, int focused,
                                    int dimmed);

// Status-area text colours by the background's brightest channel.
ARGB m_PlaylistDraw_StatusText(COLORREF back);
ARGB m_PlaylistDraw_StatusDimText(COLORREF back);

// Bars of the loading mark: 7 at the start of a scan down to 1 at its end,
// held within 1..7 when the list changed during the scan.
int m_PlaylistDraw_LoadingBars(int tracks, int scanned);

// The total time of the status area. In check mode only checked tracks
// count, less their unchecked chapters when some but not all chapters are
// checked. Unknown: a counted track has no known duration.
struct SPLAYLISTTOTAL {
    INT64 Milliseconds;
    int Counted;
    int Unknown;
};
SPLAYLISTTOTAL m_PlaylistDraw_Total(const STRACKINFO* tracks, int count, int checkMode);
// "h:mm:ss", with "`/`n" (n counted tracks) when the list has more than one
// track.
void m_PlaylistDraw_FormatTotal(const SPLAYLISTTOTAL& total, int trackCount, wchar_t* out,
                                int size);

// Where caption and count go in the room after a tab's icon (left..right):
// both centred when they fit with the gap, else the count right-aligned and
// the caption left of it, else neither. A caption narrower than minCaption
// is not drawn (its rectangle is left empty).
struct STABTEXTS {
    RECT Caption;
    RECT Count;
    int ShowCaption;
    int ShowCount;
};
STABTEXTS m_PlaylistDraw_PlaceTabTexts(int left, int right, int captionWidth, int countWidth,
                                       int gap, int minCaption);
