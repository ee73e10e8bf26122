// Until the history store is built, its records are paths in a table here.
#include "library/RecentRecords.h"

namespace {

constexpr int kRecordCap = 400;

struct SRecord {
    int State;
    int Minutes;
    wchar_t Path[MAX_PATH + 1];
};

SRecord s_Records[kRecordCap];
int s_Count;

bool m_InTable(int index) { return index >= 0 && index < s_Count; }

}  // namespace

int m_Recent_GetRecordCount() { return s_Count; }

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

int m_Recent_GetRecordMinutes(int index) { return m_InTable(index) ? s_Records[index].Minutes : 0; }

void m_Recent_SetRecordMinutes(int index, int minutes)
{
    if (m_InTable(index)) s_Records[index].Minutes = minutes;
}

int m_Recent_AddRecord(const wchar_t* path)
{
    if (s_Count >= kRecordCap || !path) return 0;
    s_Records[s_Count].State = RECENT_UNTESTED;
    s_Records[s_Count].Minutes = 0;
    lstrcpynW(s_Records[s_Count].Path, path, MAX_PATH + 1);
    ++s_Count;
    return 1;
}

void m_Recent_ClearRecords() { s_Count = 0; }
