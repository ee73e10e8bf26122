#include "playback/VideoPropApply.h"

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "engine/VideoRenderer.h"
#include "options/OptionAdjust.h"
#include "playback/AspectRatio.h"
#include "playback/AudioCommands.h"
#include "playback/PlayState.h"
#include "playback/ProcAmpRange.h"

int g_AudioBoost = 100;
int g_VideoPropApplyCalls;
int g_VideoPropApplyBits;

namespace {

constexpr int kTextCap = 128;

bool m_VideoOpen() { return g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO; }

void m_Show(int mask, int origin, const SVIDEOPROPSET* set)
{
    wchar_t text[kTextCap];
    if (!m_VideoProp_FormatMessage(mask, origin, set, text, kTextCap)) return;
    if (mask == VP_BALANCE) {
        const int width = m_GetBmpFontTextWidth(0, L"AUDIO````INPUT````BALANCE````(TEMP) : CENTER");
        m_OSD_ShowText(text, 1, -1, 0, -1, width, -1);
        return;
    }
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

// Positions filed under another kind are carried into the range in use.
void m_ApplyProcAmp(SVIDEOPROPSET* set)
{
    if (!g_ProcAmpRange.AnySupported || !m_VideoOpen() || !g_VideoRenderer) return;
    if (set->ProcAmpKind != g_ProcAmpRange.Kind) {
        SPROCAMPRANGE from;
        m_ProcAmp_BuildRange(&from, set->ProcAmpKind);
        from.Kind = set->ProcAmpKind;
        m_ProcAmp_Convert(set->ProcAmp, &from, &g_ProcAmpRange);
        set->ProcAmpKind = g_ProcAmpRange.Kind;
        m_Option_UpdateAdjustValues(nullptr, VP_PROCAMP, 0, 0);
    }
    double v[4];
    for (int c = 0; c < 4; ++c) v[c] = m_ProcAmp_SliderToValue(c, set->ProcAmp[c]);
    g_VideoRenderer->m_ProcAmp_Set(v[0], v[1], v[2], v[3], 1);
    if (g_VideoWindow) InvalidateRect(g_VideoWindow, nullptr, FALSE);
}

// Mode 1 at 100 % and a rectangle of no insets show the whole picture.
int m_ApplyRange(int origin, const SVIDEOPROPSET* set)
{
    int mode = origin == VP_LEVEL_NONE ? 0 : set->RangeMode;
    if (mode == 1 && set->RangePercent == 10000) mode = 0;
    if (mode == 2) {
        const int* r = set->RangeRect;
        if (r[0] <= 0 && r[1] <= 0 && r[2] <= 0 && r[3] <= 0) mode = 0;
    }
    if (mode != 1 && mode != 2) mode = 0;
    return m_VideoRange_SetEffective(mode, set->RangePercent, set->RangeRect);
}

}  // namespace

void m_AudioBoost_Apply(int percent)
{
    g_AudioBoost = percent < 0 ? 0 : (percent > 300 ? 300 : percent);
    if (g_VideoRenderer) g_VideoRenderer->m_VR_SetAudioGain(g_AudioBoost);
}

void m_VideoProp_Apply(int mask, int show)
{
    ++g_VideoPropApplyCalls;
    g_VideoPropApplyBits = mask;
    const int groups[] = {VP_PROCAMP, VP_ASPECT, VP_CROP, VP_RANGE, VP_BOOST, VP_BALANCE};
    for (int group : groups) {
        if (!(mask & group)) continue;
        SVIDEOPROPSET* set = nullptr;
        const int origin = m_VideoProp_GetOrigin(group, &set, nullptr);
        if (!set) continue;
        int x = 0, y = 0;
        switch (group) {
            case VP_PROCAMP:
                m_ApplyProcAmp(set);
                break;
            case VP_ASPECT:
            case VP_CROP:
                m_VideoProp_RatioOf(group, origin, set, &x, &y);
                if (group == VP_ASPECT)
                    m_AspectRatio_Set(x, y, 0, 0);
                else
                    m_Crop_Set(x, y);
                break;
            case VP_RANGE:
                if (m_ApplyRange(origin, set)) m_VideoShape_Relayout();
                break;
            case VP_BOOST:
                m_AudioBoost_Apply(set->Boost);
                break;
            case VP_BALANCE:
                m_AudioInputBalance_Set(set->Balance - 100, 0, 0, 0);
                break;
        }
        if (show) m_Show(group == VP_PROCAMP ? mask & VP_PROCAMP : group, origin, set);
    }
}
