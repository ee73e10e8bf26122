// The seek bar's marks: copies of the chapters, play ranges and markers of
// the open file (held to a fixed capacity), and the highlight of one mark.
#include <algorithm>

#include "controls/SliderPlus.h"
#include "filedata/PlayRangeState.h"

namespace {
enum { kTimerHighlight = 6 };
enum { kChapter = 0, kMarker = 1, kRange = 2 };
}  // namespace

void CSliderPlus::m_SetChapters(int count, const int* positions, const UINT* flags, int relayout)
{
    m_HlChapter = -1;
    m_ChapterCount = 0;
    m_AnyChapterFlag = 0;
    if (count < 1 || !positions) count = 0;
    count = std::min(count, kSliderChapterCap);
    for (int i = 0; i < count; ++i) {
        m_ChapterPos[i] = positions[i];
        m_ChapterFlags[i] = flags ? flags[i] : 0;
        if (m_ChapterFlags[i]) m_AnyChapterFlag = 1;
        m_ChapterRects[i] = {};
    }
    m_ChapterCount = count;
    m_MarksChanged(relayout);
}

void CSliderPlus::m_SetPlayRanges(const SPLAYRANGEITEM* ranges, int count, int relayout)
{
    m_HlRange = -1;
    m_CurrentRange = -1;
    if (count < 1 || !ranges) count = 0;
    count = std::min(count, kFileInfoItemCap);
    std::copy(ranges, ranges + count, m_Ranges);
    m_RangeCount = count;
    m_MarksChanged(relayout);
}

void CSliderPlus::m_SetMarkers(const SMARKERITEM* markers, int count, int relayout)
{
    m_HlMarker = -1;
    if (count < 1 || !markers) count = 0;
    count = std::min(count, kFileInfoItemCap);
    std::copy(markers, markers + count, m_Markers);
    m_MarkerCount = count;
    m_MarksChanged(relayout);
}

// Without a relayout the marks are laid out when next drawn or hit.
void CSliderPlus::m_MarksChanged(int relayout)
{
    m_LayoutPending = 1;
    m_Dirty = 1;
    if (!relayout) return;
    m_LayoutMarks();
    m_Repaint();
}

void CSliderPlus::m_ClearMarks()
{
    m_ChapterCount = m_RangeCount = m_MarkerCount = 0;
    m_HlChapter = m_LastHlChapter = m_HlRange = m_HlMarker = m_CurrentRange = -1;
    m_Min = 0;
    m_Max = m_Range = 100;
    m_Pos = m_ReportPos = m_SubPos = 0;
    m_ThumbX = 0;
    m_SyncThumb(1);
    m_LayoutMarks();
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
        UpdateWindow(m_hWnd);
    }
}

void CSliderPlus::m_SetHighlight(int kind, int index)
{
    m_HlChapter = kind == SLIDER_HL_CHAPTER ? index : -1;
    if (kind == SLIDER_HL_CHAPTER && index != -1) m_LastHlChapter = index;
    m_HlRange = kind == SLIDER_HL_RANGE ? index : -1;
    m_HlMarker = kind == SLIDER_HL_MARKER ? index : -1;
    int* switches[3] = {&m_ChapterHlOn, &m_MarkerMarksShown, &m_RangeMarksShown};
    for (int k = 0; k < 3; ++k) {
        int on = *switches[k];
        if (kind == SLIDER_HL_NONE)
            on = 0;
        else if (kind == k)
            on = index != -1;
        *switches[k] = on;
        m_AlphaTarget[k] = on ? m_FadeOn[k] : m_FadeOff[k];
    }
    if (m_hWnd) SetTimer(m_hWnd, kTimerHighlight, m_HlFadeInterval, nullptr);
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_SetMarkerStyle(int style)
{
    if (style == m_MarkerStyle) return;
    m_MarkerStyle = style;
    m_Dirty = 1;
}

void CSliderPlus::m_SetCurrentMarker()
{
    m_CurrentRange = g_PlayRangeIndex < m_RangeCount ? g_PlayRangeIndex : -1;
    m_Dirty = 1;
    m_Repaint();
}
