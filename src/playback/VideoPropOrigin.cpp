// Which level is in effect for a property group, switching a group on at a
// level, and seeding a level from the one it inherits before its first
// change.
#include <string.h>

#include "engine/VideoRenderer.h"
#include "playback/PlayState.h"
#include "playback/VideoPropStep.h"
#include "playback/VideoProps.h"

namespace {

// The one present flag a bit names; the video range has a mode instead.
int* m_Flag(SVIDEOPROPSET* set, int bit)
{
    if (bit & VP_PROCAMP) return &set->ProcAmpOn;
    switch (bit) {
        case VP_ASPECT:
            return &set->AspectOn;
        case VP_CROP:
            return &set->CropOn;
        case VP_BOOST:
            return &set->BoostOn;
        case VP_BALANCE:
            return &set->BalanceOn;
    }
    return nullptr;
}

int m_Holds(SVIDEOPROPSET* set, int bit)
{
    if (bit == VP_RANGE) return set->RangeMode >= 1;
    const int* flag = m_Flag(set, bit);
    return flag && *flag ? 1 : 0;
}

// A switched-off range keeps its mode negated.
void m_SwitchOn(SVIDEOPROPSET* set, int bit)
{
    if (bit == VP_RANGE) {
        if (set->RangeMode < 1) set->RangeMode = set->RangeMode < 0 ? -set->RangeMode : 1;
        return;
    }
    if (int* flag = m_Flag(set, bit)) *flag = 1;
}

void m_SwitchOff(SVIDEOPROPSET* set, int bit)
{
    if (bit == VP_RANGE) {
        if (set->RangeMode > 0) set->RangeMode = -set->RangeMode;
        return;
    }
    if (int* flag = m_Flag(set, bit)) *flag = 0;
}

void m_TakeIfUnset(int* value, int from)
{
    if (*value < 0) *value = from;
}

// Mode 1 for 4:3, 2 for 16:9, else 3 with the pair itself.
void m_TakeOwnAspect(int* mode, int* x, int* y)
{
    int ax = 0, ay = 0;
    if (!m_VideoProp_OwnAspect(&ax, &ay)) return;
    *mode = ax == 4 && ay == 3 ? 1 : (ax == 16 && ay == 9 ? 2 : 3);
    *x = ax;
    *y = ay;
}

void m_SeedRatio(int* mode, int* x, int* y, int fromOn, int fromMode, int fromX, int fromY)
{
    if (*mode >= 1 && *x >= 0 && *y >= 0) return;
    if (fromOn && fromMode >= 1) {
        *mode = fromMode;
        *x = fromX;
        *y = fromY;
        return;
    }
    m_TakeOwnAspect(mode, x, y);
}

// Positions made for another kind are converted so that they keep their
// meaning under the kind they are now filed under.
void m_SeedProcAmp(SVIDEOPROPSET* to, const SVIDEOPROPSET* from)
{
    const int kind = g_VideoPropDefault.ProcAmpKind;
    bool all = true;
    for (int v : to->ProcAmp) all = all && v >= 0;
    if (all && to->ProcAmpKind >= 0 && to->ProcAmpKind != kind) {
        SPROCAMPRANGE a, b;
        m_ProcAmp_BuildRange(&a, to->ProcAmpKind);
        m_ProcAmp_BuildRange(&b, kind);
        m_ProcAmp_Convert(to->ProcAmp, &a, &b);
    }
    to->ProcAmpKind = kind;
    for (int i = 0; i < 4; ++i) {
        const SVIDEOPROPSET* src = from && from->ProcAmp[i] >= 0 ? from : &g_VideoPropDefault;
        m_TakeIfUnset(&to->ProcAmp[i], src->ProcAmp[i]);
    }
}

// FILE's value when it is set, else DEF's.
int m_FileOrDefault(int fileValue, int defValue) { return fileValue >= 0 ? fileValue : defValue; }

}  // namespace

int m_VideoProp_IsPresent(int level, int bit)
{
    if (level < VP_LEVEL_DEF || level > VP_LEVEL_TEMP) return 0;
    return m_Holds(m_VideoProp_GetSet(level), bit);
}

int m_VideoProp_GetOrigin(int mask, SVIDEOPROPSET** set, const wchar_t** text)
{
    const int bit = mask & VP_PROCAMP ? VP_CONTRAST : mask;
    int origin = VP_LEVEL_DEF;
    if (m_Holds(&g_VideoPropTemp, bit))
        origin = VP_LEVEL_TEMP;
    else if (!m_Holds(&g_VideoPropDefault, bit))
        origin = VP_LEVEL_NONE;
    else if (g_TrackPropsInUse && m_Holds(&g_VideoPropTrack, bit))
        origin = VP_LEVEL_SNGL;
    else if (m_Holds(&g_VideoPropFile, bit))
        origin = VP_LEVEL_FILE;
    if (set) *set = m_VideoProp_GetSet(origin);
    if (text) *text = m_VideoProp_LevelText(origin);
    return origin;
}

int m_VideoProp_MarkPresent(int level, int bit)
{
    if (bit & VP_PROCAMP) bit = VP_CONTRAST;
    SVIDEOPROPSET* target = m_VideoProp_GetSet(level);
    if (!target || level == VP_LEVEL_NONE) return 0;
    const SVIDEOPROPSET defBefore = g_VideoPropDefault, tempBefore = g_VideoPropTemp,
                        before = *target;
    if (level <= VP_LEVEL_SNGL) {
        m_SwitchOff(&g_VideoPropTemp, bit);
        m_SwitchOn(&g_VideoPropDefault, bit);
    }
    if (level >= VP_LEVEL_FILE) {
        if (bit == VP_RANGE)
            target->RangeMode = 1;
        else
            m_SwitchOn(target, bit);
    }
    return memcmp(&defBefore, &g_VideoPropDefault, sizeof before) ||
           memcmp(&tempBefore, &g_VideoPropTemp, sizeof before) ||
           memcmp(&before, target, sizeof before);
}

int m_VideoProp_SeedFile(int bit)
{
    SVIDEOPROPSET& f = g_VideoPropFile;
    const SVIDEOPROPSET& d = g_VideoPropDefault;
    const SVIDEOPROPSET before = f;
    if (bit & VP_PROCAMP) m_SeedProcAmp(&f, nullptr);
    if (bit & VP_ASPECT) m_SeedRatio(&f.AspectMode, &f.AspectX, &f.AspectY, 0, 0, 0, 0);
    if (bit & VP_CROP) m_SeedRatio(&f.CropMode, &f.CropX, &f.CropY, 0, 0, 0, 0);
    if (bit & VP_RANGE) m_TakeIfUnset(&f.RangePercent, d.RangePercent);
    if (bit & VP_BOOST) m_TakeIfUnset(&f.Boost, d.Boost);
    if (bit & VP_BALANCE) m_TakeIfUnset(&f.Balance, d.Balance);
    return memcmp(&before, &f, sizeof before) != 0;
}

int m_VideoProp_SeedTrack(int bit)
{
    SVIDEOPROPSET& t = g_VideoPropTrack;
    const SVIDEOPROPSET& f = g_VideoPropFile;
    const SVIDEOPROPSET& d = g_VideoPropDefault;
    const SVIDEOPROPSET before = t;
    if (bit & VP_PROCAMP) m_SeedProcAmp(&t, f.ProcAmpKind == d.ProcAmpKind ? &f : nullptr);
    if (bit & VP_ASPECT)
        m_SeedRatio(&t.AspectMode, &t.AspectX, &t.AspectY, f.AspectOn, f.AspectMode, f.AspectX,
                    f.AspectY);
    if (bit & VP_CROP)
        m_SeedRatio(&t.CropMode, &t.CropX, &t.CropY, f.CropOn, f.CropMode, f.CropX, f.CropY);
    if (bit & VP_RANGE) {
        m_TakeIfUnset(&t.RangePercent, m_FileOrDefault(f.RangePercent, d.RangePercent));
        if (t.RangeRect[0] < 0 && f.RangeRect[0] >= 0)
            memcpy(t.RangeRect, f.RangeRect, sizeof t.RangeRect);
    }
    if (bit & VP_BOOST) m_TakeIfUnset(&t.Boost, m_FileOrDefault(f.Boost, d.Boost));
    if (bit & VP_BALANCE) m_TakeIfUnset(&t.Balance, m_FileOrDefault(f.Balance, d.Balance));
    const int changed = memcmp(&before, &t, sizeof before) != 0;
    if (changed) m_TrackSettings_Store();
    return changed;
}

int m_VideoProp_SeedTemp(int bit)
{
    SVIDEOPROPSET& t = g_VideoPropTemp;
    const SVIDEOPROPSET& s = g_VideoPropTrack;
    const SVIDEOPROPSET& f = g_VideoPropFile;
    const SVIDEOPROPSET& d = g_VideoPropDefault;
    // The nearest level below TEMP that holds the group.
    auto from = [&](int b) -> const SVIDEOPROPSET& {
        if (g_TrackPropsInUse && m_Holds(&g_VideoPropTrack, b)) return s;
        if (m_Holds(&g_VideoPropFile, b)) return f;
        return d;
    };
    int changed = 0;
    if ((bit & VP_PROCAMP) && !t.ProcAmpOn) {
        const SVIDEOPROPSET& src = from(VP_CONTRAST);
        t.ProcAmpKind = src.ProcAmpKind;
        memcpy(t.ProcAmp, src.ProcAmp, sizeof t.ProcAmp);
        changed = 1;
    }
    if ((bit & VP_RANGE) && t.RangeMode < 1) {
        const SVIDEOPROPSET& src = g_TrackPropsInUse && s.RangeMode != 0 ? s : f;
        t.RangePercent = src.RangeMode == 1 ? src.RangePercent : d.RangePercent;
        changed = 1;
    }
    if ((bit & VP_BOOST) && !t.BoostOn) {
        t.Boost = from(VP_BOOST).Boost;
        changed = 1;
    }
    if ((bit & VP_BALANCE) && !t.BalanceOn) {
        t.Balance = from(VP_BALANCE).Balance;
        changed = 1;
    }
    return changed;
}

int m_VideoProp_OwnAspect(int* x, int* y)
{
    if (!g_VideoRenderer || !g_MediaOpen || g_MediaKind != MEDIA_KIND_VIDEO) return 0;
    int w = 0, h = 0, ax = 0, ay = 0;
    g_VideoRenderer->m_VR_GetNativeInfo(&w, &h, &ax, &ay);
    if (ax < 1 || ay < 1) ax = w, ay = h;
    if (ax < 1 || ay < 1) return 0;
    int a = ax, b = ay;
    while (b) {
        const int r = a % b;
        a = b;
        b = r;
    }
    *x = ax / a;
    *y = ay / a;
    return 1;
}
