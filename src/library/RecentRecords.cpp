// Until the history store is built, its records are paths in a table here.
#include "library/RecentRecords.h"

#include <cstring>

namespace {

SRECENTITEM s_Records[kRecentRecordCap];
int s_Count;

bool m_InTable(int index) { return index >= 0 && index < s_Count; }

}  // namespace

int m_Recent_GetRecordCount() { return s_Count; }

SRECENTITEM* m_Recent_GetRecord(int index)
{
    return m_InTable(index) ? &s_Records[index] : nullptr;
}

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
    if (s_Count >= kRecentRecordCap || !path) return 0;
    SRECENTITEM& record = s_Records[s_Count];
    memset(&record, 0, sizeof(record));
    record.State = RECENT_UNTESTED;
    lstrcpynW(record.Path, path, MAX_PATH + 1);
    ++s_Count;
    return 1;
}

void m_Recent_ClearRecords() { s_Count = 0; }

void m_Recent_Add(const wchar_t* path, int minutes)
{
    if (!path || !path[0]) return;
    int at = s_Count;
    for (int i = 0; i < s_Count && at == s_Count; ++i)
        if (lstrcmpiW(s_Records[i].Path, path) == 0) at = i;
    if (at == s_Count && s_Count >= kRecentRecordCap) at = 0;
    if (at < s_Count) {
        memmove(&s_Records[at], &s_Records[at + 1], sizeof(SRECENTITEM) * (s_Count - at - 1));
        --s_Count;
    }
    if (!m_Recent_AddRecord(path)) return;
    s_Records[s_Count - 1].Minutes = minutes;
}

int m_Recent_GetDeleteMark(int index) { return m_InTable(index) ? s_Records[index].DeleteMark : 0; }

void m_Recent_SetDeleteMark(int index, int on)
{
    if (m_InTable(index)) s_Records[index].DeleteMark = on ? 1 : 0;
}

int m_Recent_TogglePin(int index)
{
    if (!m_InTable(index)) return 0;
    s_Records[index].Pin = !s_Records[index].Pin;
    return 1;
}

int m_Recent_GetPin(int index) { return m_InTable(index) ? s_Records[index].Pin : 0; }

int m_Recent_RemoveMarked()
{
    int kept = 0;
    for (int i = 0; i < s_Count; ++i)
        if (!s_Records[i].DeleteMark) s_Records[kept++] = s_Records[i];
    const int removed = s_Count - kept;
    s_Count = kept;
    return removed;
}
