// The five property levels: filling a set with defaults or emptying it,
// and naming a level.
#include "playback/VideoProps.h"

namespace {

void m_FillDefaults(SVIDEOPROPSET* set)
{
    set->ProcAmpOn = set->AspectOn = set->CropOn = set->BoostOn = set->BalanceOn = 1;
    set->RangeMode = 1;
    set->ProcAmpKind = 0;
    m_ProcAmp_DefaultPositions(0, set->ProcAmp);
    set->AspectMode = set->AspectX = set->AspectY = 0;
    set->CropMode = set->CropX = set->CropY = 0;
    set->RangePercent = 10000;
    for (int& side : set->RangeRect) side = 0;
    set->Boost = 100;
    set->Balance = 100;
}

// Flags 0 and every value -1: nothing set at this level.
void m_Empty(SVIDEOPROPSET* set)
{
    set->ProcAmpOn = set->AspectOn = set->CropOn = set->BoostOn = set->BalanceOn = 0;
    set->RangeMode = 0;
    set->ProcAmpKind = -1;
    for (int& v : set->ProcAmp) v = -1;
    set->AspectMode = set->AspectX = set->AspectY = -1;
    set->CropMode = set->CropX = set->CropY = -1;
    set->RangePercent = -1;
    for (int& side : set->RangeRect) side = -1;
    set->Boost = -1;
    set->Balance = -1;
}

}  // namespace

void m_VideoProp_Init(SVIDEOPROPSET* set, int mode)
{
    if (!set) return;
    if (mode == 1 || mode == -1)
        m_FillDefaults(set);
    else
        m_Empty(set);
}

SVIDEOPROPSET* m_VideoProp_GetSet(int level)
{
    switch (level) {
        case VP_LEVEL_DEF:
            return &g_VideoPropDefault;
        case VP_LEVEL_FILE:
            return &g_VideoPropFile;
        case VP_LEVEL_SNGL:
            return &g_VideoPropTrack;
        case VP_LEVEL_TEMP:
            return &g_VideoPropTemp;
        case VP_LEVEL_NONE:
            return &g_VideoPropNone;
    }
    return nullptr;
}

const wchar_t* m_VideoProp_LevelText(int level)
{
    switch (level) {
        case VP_LEVEL_DEF:
            return L"DEF";
        case VP_LEVEL_FILE:
            return L"FILE";
        case VP_LEVEL_SNGL:
            return L"SNGL";
        case VP_LEVEL_TEMP:
            return L"TEMP";
        case VP_LEVEL_NONE:
            return L"DIS";
    }
    return L"";
}

void m_VideoProp_InitLevels()
{
    m_VideoProp_Init(&g_VideoPropFile, 0);
    m_VideoProp_Init(&g_VideoPropTrack, 0);
    m_VideoProp_Init(&g_VideoPropTemp, 0);
    m_VideoProp_Init(&g_VideoPropNone, 1);
    g_TrackPropsInUse = 0;
    g_TrackPropsDirty = 0;
}
