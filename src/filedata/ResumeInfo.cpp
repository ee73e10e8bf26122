#include "filedata/ResumeInfo.h"

#include <string.h>

void m_Resume_ClearRecord(SRESUMEINFO* record)
{
    if (!record) return;
    memset(record, 0, sizeof(*record));
    record->ProcAmpKind = -1;
    for (int i = 0; i < 4; ++i) {
        record->ProcAmp[i] = -1;
        record->RangeRect[i] = -1;
    }
    record->RangeValue = 10000;
    record->Boost = 100;
    record->Balance = 100;
}
