// Until the history store is built, its records are paths in a table here.
#include "library/RecentRecords.h"

#include <cstring>

namespace {

SRECENTITEM s_Records[kRecentRecordCap];
int s_Count;

bool m_InTable(int index) { return index >= 0 && index < s_Count; }

}  // namespace

int m_Recent_GetRecordCount() { return s_Count; }

SRECENTITEM* m_Recent_GetRecord(int index) { return m_InTable(index) ? &s_Records[index] : nullptr; }

const wchar_t* m_Recent_GetRecordPath(int index)
{
    return m_InTable(index) ? s_Records[index].Path : L"";
}

int m_Recent_GetRecordState(int index)
{
    return m_InTable(index) ? s_Records[index].State : RECENT_UNTESTED;
}

void m_Recent_SetRecordState(int index, int state)
{
    if (m_InTable(index)) s_Records[index].State = state;
}

int m_Recent_AddRecord(const wchar_t* path)
{
    if (s_Count >= kRecentRecordCap || !path) return 0;
    SRECENTITEM& record = s_Records[s_Count];
    memset(&record, 0, sizeof(record));
    record.State = RECENT_UNTESTED;
    lstrcpynW(record.Path, path, MAX_PATH + 1);
    ++s_Count;
    return 1;
}

void m_Recent_ClearRecords() { s_Count = 0; }
