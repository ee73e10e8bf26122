#include "playback/ResumeVideoState.h"

namespace {

int m_RatioMode(int x, int y)
{
    if (x == 4 && y == 3) return 1;
    if (x == 16 && y == 9) return 2;
    return 3;
}

// One aspect-like group: present, its x:y, and the mode the set keeps.
void m_TakeRatio(int present, int x, int y, int* on, int* mode, int* outX, int* outY)
{
    *on = present ? 1 : 0;
    if (!present) {
        *outX = *outY = -1;
        return;
    }
    *mode = m_RatioMode(x, y);
    *outX = x;
    *outY = y;
}

// The record's form of one aspect-like group: 4:3 and 16:9 by their modes,
// x:y as it is.
void m_PutRatio(int on, int mode, int x, int y, UINT* outOn, int* outX, int* outY)
{
    *outOn = on ? 1 : 0;
    if (!on) return;
    if (mode == 1 || mode == 2) {
        *outX = mode == 1 ? 4 : 16;
        *outY = mode == 1 ? 3 : 9;
    } else {
        *outX = mode == 3 ? x : 0;
        *outY = mode == 3 ? y : 0;
    }
}

}  // namespace

void m_Resume_GetVideoState(SVIDEOPROPSET* set, const SRESUMEINFO* r)
{
    set->ProcAmpOn = r->ProcAmpOn ? 1 : 0;
    set->ProcAmpKind = r->ProcAmpOn ? r->ProcAmpKind : -1;
    for (int i = 0; i < 4; ++i) set->ProcAmp[i] = r->ProcAmpOn ? r->ProcAmp[i] : -1;
    m_TakeRatio(r->AspectOn, r->AspectX, r->AspectY, &set->AspectOn, &set->AspectMode,
                &set->AspectX, &set->AspectY);
    m_TakeRatio(r->CropOn, r->CropX, r->CropY, &set->CropOn, &set->CropMode, &set->CropX,
                &set->CropY);
    set->RangeMode = r->RangeMode;
    const int range = r->RangeMode > 0;
    set->RangePercent = range ? r->RangeValue : -1;
    for (int i = 0; i < 4; ++i) set->RangeRect[i] = range ? r->RangeRect[i] : -1;
    set->BoostOn = r->BoostOn ? 1 : 0;
    set->Boost = r->BoostOn ? r->Boost : -1;
    set->BalanceOn = r->BalanceOn ? 1 : 0;
    set->Balance = r->BalanceOn ? r->Balance : -1;
}

void m_Resume_PutVideoState(SRESUMEINFO* r, const SVIDEOPROPSET* set)
{
    SRESUMEINFO cleared;
    m_Resume_ClearRecord(&cleared);
    r->ProcAmpOn = set->ProcAmpOn ? 1 : 0;
    r->ProcAmpKind = set->ProcAmpOn ? set->ProcAmpKind : cleared.ProcAmpKind;
    for (int i = 0; i < 4; ++i) r->ProcAmp[i] = set->ProcAmpOn ? set->ProcAmp[i] : cleared.ProcAmp[i];
    r->AspectX = cleared.AspectX;
    r->AspectY = cleared.AspectY;
    m_PutRatio(set->AspectOn, set->AspectMode, set->AspectX, set->AspectY, &r->AspectOn,
               &r->AspectX, &r->AspectY);
    r->CropX = cleared.CropX;
    r->CropY = cleared.CropY;
    m_PutRatio(set->CropOn, set->CropMode, set->CropX, set->CropY, &r->CropOn, &r->CropX,
               &r->CropY);
    const int range = set->RangeMode > 0;
    r->RangeMode = range ? set->RangeMode : cleared.RangeMode;
    r->RangeValue = range ? set->RangePercent : cleared.RangeValue;
    for (int i = 0; i < 4; ++i) r->RangeRect[i] = range ? set->RangeRect[i] : cleared.RangeRect[i];
    r->BoostOn = set->BoostOn ? 1 : 0;
    r->Boost = set->BoostOn ? set->Boost : cleared.Boost;
    r->BalanceOn = set->BalanceOn ? 1 : 0;
    r->Balance = set->BalanceOn ? set->Balance : cleared.Balance;
}
