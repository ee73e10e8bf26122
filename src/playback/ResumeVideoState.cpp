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
