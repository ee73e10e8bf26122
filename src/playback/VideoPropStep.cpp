#include "playback/VideoPropStep.h"

#include "base/Geometry.h"
#include "base/SoundCue.h"
#include "commands/Executor.h"
#include "options/OptionAdjust.h"
#include "playback/PlayState.h"
#include "playback/VideoPropApply.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

namespace {

constexpr int kRestRepeats = 8;
constexpr int kCueRefused = 8;

int m_ProcAmpIndex(int bit)
{
    switch (bit) {
        case VP_CONTRAST:
            return 0;
        case VP_BRIGHTNESS:
            return 1;
        case VP_HUE:
            return 2;
        case VP_SATURATION:
            return 3;
    }
    return -1;
}

bool m_IsRatio(int bit) { return bit == VP_ASPECT || bit == VP_CROP; }

int* m_Field(SVIDEOPROPSET* set, int bit)
{
    const int index = m_ProcAmpIndex(bit);
    if (index >= 0) return &set->ProcAmp[index];
    switch (bit) {
        case VP_RANGE:
            return &set->RangePercent;
        case VP_ASPECT:
            return &set->AspectX;
        case VP_CROP:
            return &set->CropX;
        case VP_BOOST:
            return &set->Boost;
        case VP_BALANCE:
            return &set->Balance;
    }
    return nullptr;
}

// Aspect and crop are stepped in thousandths: a plain pair (4:3, 16:9 or
// the video's own, as seeding leaves it) becomes one first.
void m_ToThousandths(SVIDEOPROPSET* set, int bit)
{
    int& mode = bit == VP_ASPECT ? set->AspectMode : set->CropMode;
    int& x = bit == VP_ASPECT ? set->AspectX : set->CropX;
    int& y = bit == VP_ASPECT ? set->AspectY : set->CropY;
    if (mode == 3 && y == 1000) return;
    if (mode == 1) x = 4, y = 3;
    if (mode == 2) x = 16, y = 9;
    if (x > 0 && y > 0) {
        x = (int)((long long)x * 1000 / y);
    } else {
        x = 0;
    }
    mode = 3;
    y = 1000;
}

int m_Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

// Aspect and crop allow their default 0 (the video's own) below the bounds.
int m_InBounds(int bit, int value)
{
    int low, high, def;
    m_VideoProp_Bounds(bit, &low, &high, &def);
    if (value == def) return value;
    return m_Clamp(value, low, high);
}

// Level 0: SNGL when the playing entry's level holds the group, else FILE.
int m_Resolve(int level, int bit)
{
    if (level != VP_LEVEL_AUTO) return level;
    return g_TrackPropsInUse && m_VideoProp_IsPresent(VP_LEVEL_SNGL, bit) ? VP_LEVEL_SNGL
                                                                          : VP_LEVEL_FILE;
}

// Per-entry levels exist only for lists that keep them with their entries.
int m_TrackLevelOrFile()
{
    if (!g_MediaOpen || (g_ListType != LIST_ZVPL && g_ListType != LIST_FOLDERLIST))
        return VP_LEVEL_FILE;
    if (!g_TrackPropsInUse) {
        g_TrackPropsInUse = 1;
        m_TrackSettings_Load();
        m_Option_UpdateAdjustValues(nullptr, 65535, 0, 0);
    }
    return VP_LEVEL_SNGL;
}

void m_Store(int level, int bit, int value)
{
    SVIDEOPROPSET* set = m_VideoProp_GetSet(level);
    int* field = set ? m_Field(set, bit) : nullptr;
    if (!field) return;
    if (m_IsRatio(bit)) {
        int& mode = bit == VP_ASPECT ? set->AspectMode : set->CropMode;
        int& y = bit == VP_ASPECT ? set->AspectY : set->CropY;
        mode = 3;
        y = 1000;
    }
    *field = value;
    if (level == VP_LEVEL_SNGL) m_TrackSettings_Changed();
}

void m_Announce(int bit)
{
    m_Option_UpdateAdjustValues(nullptr, bit, 0, 0);
    m_VideoProp_Apply(bit, 1);
}

int m_Inherited(int level, int bit)
{
    if (level == VP_LEVEL_TEMP && m_VideoProp_IsPresent(VP_LEVEL_SNGL, bit))
        return m_VideoProp_GetValue(VP_LEVEL_SNGL, bit);
    if (level >= VP_LEVEL_SNGL && m_VideoProp_IsPresent(VP_LEVEL_FILE, bit))
        return m_VideoProp_GetValue(VP_LEVEL_FILE, bit);
    return m_VideoProp_GetValue(VP_LEVEL_DEF, bit);
}

// The level whose inherited set a ProcAmp level is compared with.
const SVIDEOPROPSET* m_InheritedSet(int level)
{
    if (level == VP_LEVEL_TEMP && m_VideoProp_IsPresent(VP_LEVEL_SNGL, VP_CONTRAST))
        return &g_VideoPropTrack;
    if (level >= VP_LEVEL_SNGL && m_VideoProp_IsPresent(VP_LEVEL_FILE, VP_CONTRAST))
        return &g_VideoPropFile;
    return &g_VideoPropDefault;
}

// A level stepped back onto what it would inherit lets the group go again.
void m_DropWhenInherited(int level, int bit, int value)
{
    SVIDEOPROPSET* set = m_VideoProp_GetSet(level);
    if (m_ProcAmpIndex(bit) >= 0) {
        const SVIDEOPROPSET* from = m_InheritedSet(level);
        if (set->ProcAmpKind != from->ProcAmpKind) return;
        for (int c = 0; c < 4; ++c) {
            if (set->ProcAmp[c] != from->ProcAmp[c]) return;
        }
        set->ProcAmpOn = 0;
    } else {
        if (value != m_Inherited(level, bit)) return;
        switch (bit) {
            case VP_RANGE:
                if (set->RangeMode > 0) set->RangeMode = -set->RangeMode;
                break;
            case VP_ASPECT:
                set->AspectOn = 0;
                break;
            case VP_CROP:
                set->CropOn = 0;
                break;
            case VP_BOOST:
                set->BoostOn = 0;
                break;
            case VP_BALANCE:
                set->BalanceOn = 0;
                break;
        }
    }
    if (level == VP_LEVEL_SNGL) m_TrackSettings_Changed();
}

int m_Seed(int level, int bit)
{
    switch (level) {
        case VP_LEVEL_FILE:
            return m_VideoProp_SeedFile(bit);
        case VP_LEVEL_SNGL:
            return m_VideoProp_SeedTrack(bit);
        case VP_LEVEL_TEMP:
            return m_VideoProp_SeedTemp(bit);
    }
    return 0;
}

}  // namespace

void m_VideoProp_Bounds(int bit, int* low, int* high, int* byDefault)
{
    const int index = m_ProcAmpIndex(bit);
    *low = 0, *high = 0, *byDefault = 0;
    if (index >= 0) {
        *high = g_ProcAmpRange.Span[index];
        *byDefault = g_ProcAmpRange.DefaultPos[index];
    } else if (m_IsRatio(bit)) {
        *low = 500, *high = 5000;
    } else if (bit == VP_RANGE) {
        *low = 1000, *high = *byDefault = 10000;
    } else if (bit == VP_BOOST) {
        *high = 300, *byDefault = 100;
    } else if (bit == VP_BALANCE) {
        *high = 200, *byDefault = 100;
    }
}

int m_VideoProp_GetValue(int level, int bit)
{
    SVIDEOPROPSET* set = m_VideoProp_GetSet(level);
    if (!set) return -1;
    if (m_IsRatio(bit)) {
        SVIDEOPROPSET copy = *set;
        m_ToThousandths(&copy, bit);
        return bit == VP_ASPECT ? copy.AspectX : copy.CropX;
    }
    const int* field = m_Field(set, bit);
    return field ? *field : -1;
}

void m_VideoProp_SetValue(int level, int bit, int value, int mark)
{
    if (m_IsRatio(bit) && (level == VP_LEVEL_DEF || level == VP_LEVEL_TEMP)) {
        m_PlaySoundCue(kCueRefused);
        return;
    }
    level = m_Resolve(level, bit);
    if (!m_VideoProp_GetSet(level) || level == VP_LEVEL_NONE) return;
    // The other three ProcAmp positions of a level must not stay unset.
    m_Seed(level, bit);
    if (mark) m_VideoProp_MarkPresent(level, bit);
    m_Store(level, bit, m_InBounds(bit, value));
    m_Announce(bit);
}

void m_VideoProp_Step(int level, int bit, int step)
{
    if (!m_Field(&g_VideoPropNone, bit)) return;
    level = m_Resolve(level, bit);
    if (level == VP_LEVEL_SNGL) level = m_TrackLevelOrFile();
    if (level < VP_LEVEL_DEF || level > VP_LEVEL_TEMP) return;
    const int fileHolds = m_VideoProp_IsPresent(VP_LEVEL_FILE, bit);
    const int trackHolds = g_TrackPropsInUse && m_VideoProp_IsPresent(VP_LEVEL_SNGL, bit);
    if ((level == VP_LEVEL_DEF && fileHolds) || (level <= VP_LEVEL_FILE && trackHolds) ||
        (m_IsRatio(bit) && (level == VP_LEVEL_DEF || level == VP_LEVEL_TEMP))) {
        m_PlaySoundCue(kCueRefused);
        m_VideoProp_Apply(bit, 1);
        return;
    }
    const int held = m_VideoProp_IsPresent(level, bit);
    int changed = m_Seed(level, bit);
    if (step != 0 || held) changed |= m_VideoProp_MarkPresent(level, bit);
    SVIDEOPROPSET* set = m_VideoProp_GetSet(level);
    if (m_IsRatio(bit)) m_ToThousandths(set, bit);
    int low, high, def;
    m_VideoProp_Bounds(bit, &low, &high, &def);
    int value = *m_Field(set, bit);
    const bool stepped = step != 0 && !(g_Settings.Prop_EnbOut && changed && !held);
    if (step == 0) {
        value = def;
    } else if (stepped) {
        if (value < 0) value = def;
        value = m_Clamp(m_RoundUpToMultiple(value, step), low, high);
        if (g_Settings.Prop_PauCnt && value == def) g_RepeatSkipCount = kRestRepeats;
    } else if (m_ProcAmpIndex(bit) >= 0) {
        m_Option_UpdateAdjustControls(nullptr, VP_PROCAMP);
    }
    m_Store(level, bit, value);
    if (g_Settings.Prop_AtDis && level != VP_LEVEL_DEF && stepped) {
        m_DropWhenInherited(level, bit, value);
        m_Option_UpdateAdjustValues(nullptr, bit, 0, 0);
    }
    m_Announce(bit);
}

int m_VideoProp_BalancePreset(int level, int preset)
{
    SVIDEOPROPSET* set = nullptr;
    m_VideoProp_GetOrigin(VP_BALANCE, &set, nullptr);
    const int now = set && set->Balance >= 0 ? set->Balance : 100;
    int value;
    if (preset >= 0 && preset <= 2)
        value = preset == 0 ? 100 : (preset == 1 ? 0 : 200);
    else
        value = now == 100 ? 0 : (now > 100 ? 100 : 200);
    m_VideoProp_SetValue(level, VP_BALANCE, value, 1);
    return value != now;
}
