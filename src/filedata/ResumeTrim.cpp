#include "filedata/ResumeTrim.h"

#include <string.h>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "base/FileFacts.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "settings/Settings.h"

namespace {

constexpr int kKeyLength = 16;
constexpr int kMinLimitKb = 127;

struct SENTRY {
    int Offset;
    int Size;
    int KeyLength;
    int Rich;  // has check states or ProcAmp: kept longer
};

// Field 3 (check states) or 5 (ProcAmp) not empty, as reading the value
// would find them: a field of 256 characters or more ends the reading.
int m_HasCheckOrProcAmp(const wchar_t* value)
{
    const wchar_t* p = value;
    for (int field = 0; field < 5; ++field) {
        const wchar_t* comma = wcschr(p, L',');
        const size_t length = comma ? size_t(comma - p) : wcslen(p);
        if (length >= kResumeValueCap) return 0;
        if ((field == 2 || field == 4) && length) return 1;
        if (!comma) return 0;
        p = comma + 1;
    }
    return 0;
}

void m_ReadEntry(const wchar_t* text, int offset, SENTRY* e)
{
    e->Offset = offset;
    e->Size = lstrlenW(text) + 2;
    const wchar_t* eq = wcschr(text, L'=');
    e->KeyLength = eq ? int(eq - text) : lstrlenW(text);
    e->Rich = eq && m_HasCheckOrProcAmp(eq + 1);
}

void m_LogBadKey(const wchar_t* text, int keyLength)
{
    wchar_t name[32];
    lstrcpynW(name, text, keyLength + 1 < 32 ? keyLength + 1 : 32);
    m_WriteLog(L"MAIN_%d : m_Resume_CutDataSize() / Error Key Name=[%s] Len=%d", __LINE__, name,
               keyLength);
}

class CTrimWalk {
public:
    CTrimWalk(const wchar_t* section, int fileSize, int target, SRESUMETRIM* plan)
        : m_Section(section), m_Left(fileSize), m_Target(target), m_Plan(plan)
    {
    }
    // 1 once the store is small enough.
    int m_Delete(const SENTRY& e)
    {
        m_Plan->Entries[m_Plan->Count++] = e.Offset;
        m_Plan->Bytes += e.Size;
        m_Left -= e.Size;
        return m_Left <= m_Target;
    }
    int m_Usable(const SENTRY& e, int logBad) const
    {
        if (e.KeyLength >= kKeyLength) return 1;
        if (logBad) m_LogBadKey(m_Section + e.Offset, e.KeyLength);
        return 0;
    }

private:
    const wchar_t* m_Section;
    int m_Left;
    int m_Target;
    SRESUMETRIM* m_Plan;
};

int m_CountEntries(const wchar_t* section, int length, int* equals)
{
    int count = 0;
    *equals = 0;
    for (int at = 0; at < length && section[at];) {
        const int n = lstrlenW(section + at);
        for (int i = 0; i < n; ++i) *equals += section[at + i] == L'=';
        ++count;
        at += n + 1;
    }
    return count;
}

}  // namespace

void m_Resume_PlanTrim(const wchar_t* section, int length, int fileSize, int target,
                       SRESUMETRIM* plan)
{
    const int count = m_CountEntries(section, length, &plan->KeyCount);
    plan->Entries.reset(new int[count > 0 ? count : 1]);
    plan->Count = plan->Bytes = 0;
    static CScratchBuffer<SENTRY> s_Entries;
    SENTRY* const entries = s_Entries.m_Reserve(count > 0 ? count : 1);
    for (int i = 0, at = 0; i < count; ++i) {
        m_ReadEntry(section + at, at, &entries[i]);
        at += lstrlenW(section + at) + 1;
    }
    CTrimWalk walk(section, fileSize, target, plan);
    const int quarter = plan->KeyCount / 4 + 1;
    const int head = quarter < count ? quarter : count;
    for (int i = 0; i < head; ++i) {
        const SENTRY& e = entries[i];
        if (!walk.m_Usable(e, 1) || e.Rich) continue;
        if (walk.m_Delete(e)) return;
    }
    for (int i = 0; i < head; ++i) {
        const SENTRY& e = entries[i];
        if (!walk.m_Usable(e, 0) || !e.Rich) continue;
        if (walk.m_Delete(e)) return;
    }
    for (int i = head; i < count; ++i)
        if (walk.m_Usable(entries[i], 1) && walk.m_Delete(entries[i])) return;
}

void m_Resume_CutDataSize()
{
    const int limitKb = g_Settings.Common_MaxRsm;
    if (limitKb < 1) return;
    const int limit = (limitKb > kMinLimitKb ? limitKb : kMinLimitKb) * 1024;
    const INT64 size64 = m_GetFileSize(g_ResumeFilePath);
    if (size64 < limit) return;
    const int size = static_cast<int>(size64 < 0x7FFFFFFF ? size64 : 0x7FFFFFFF);
    const double share = limit * 0.05;
    const int remove = static_cast<int>(share < 2500.0 ? share : 2500.0);
    const int target = limit - remove;
    m_WriteLog(L"MAIN_%d : m_Resume_CutDataSize() / FileSize=%d, Limit=%d, Delete=%d, Target=%d",
               __LINE__, size, limit, remove, target);
    // Read from the file at once: the profile API would parse it all again.
    static CScratchBuffer<wchar_t> s_Section;
    const DWORD read = m_Resume_ReadSection(g_ResumeFilePath, kResumeSection, &s_Section);
    wchar_t* const section = s_Section.m_Get();
    SRESUMETRIM plan;
    if (read > 0) m_Resume_PlanTrim(section, static_cast<int>(read), size, target, &plan);
    m_WriteLog(L"MAIN_%d : GetPrivateProfileSection() / FileSize=%d, Sections=%d, KeyCount=%d",
               __LINE__, size, static_cast<int>(read), plan.KeyCount);
    if (!plan.Count) return;
    // The deletions as key names: each entry cut at its "=".
    std::unique_ptr<const wchar_t*[]> keys(new const wchar_t*[plan.Count]);
    for (int i = 0; i < plan.Count; ++i) {
        wchar_t* entry = section + plan.Entries[i];
        wchar_t* eq = wcschr(entry, L'=');
        if (eq) *eq = 0;
        keys[i] = entry;
    }
    if (!m_Resume_RemoveKeys(g_ResumeFilePath, kResumeSection, keys.get(), plan.Count))
        m_WriteLog(L"MAIN_%d : m_Resume_CutDataSize() / Error Delete Key Name=[%s] Size=%d",
                   __LINE__, keys[0], plan.Bytes);
    m_WriteLog(
        L"MAIN_%d : m_Resume_CutDataSize() / FileSize=%d->%d(%lld), Limit=%d, Target=%d, "
        L"Delete=%d(Key=%d)",
        __LINE__, size, size - plan.Bytes, m_GetFileSize(g_ResumeFilePath), limit, target,
        plan.Bytes, plan.Count);
}
