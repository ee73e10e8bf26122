// [Bind]: the key and mouse bindings, one entry
// "enabled,function,parameter,key,mouse" per binding; the function id, key
// and mouse code are hexadecimal and the parameter takes the form of the
// function's parameter kind.
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "settings/FunctionCatalog.h"
#include "settings/SettingsListStore.h"
#include "settings/SettingsLists.h"

SFUNCTIONBIND* m_pBind = nullptr;
int m_nBindCount = 0;

namespace {

const wchar_t kSection[] = L"Bind";
constexpr int kEntryCap = 255;
constexpr int kArgCap = 32;

SFUNCTIONBIND* s_Snapshot = nullptr;
int s_SnapshotCount = 0;

bool IsTextKind(int kind) { return kind == 2 || kind == 3 || kind == FUNC_PARAM_LIST; }

// Copies text up to end (or its terminator) into the argument, cut to its
// buffer, swapping every from for to.
void CopyArg(wchar_t* out, const wchar_t* text, const wchar_t* end, wchar_t from, wchar_t to)
{
    int n = 0;
    for (const wchar_t* p = text; *p && p != end && n < kArgCap - 1; ++p)
        out[n++] = *p == from ? to : *p;
    out[n] = 0;
}

void ParseEntry(const wchar_t* text, SFUNCTIONBIND* item)
{
    item->Enabled = (int)wcstol(text, nullptr, 10);
    const wchar_t* comma = wcschr(text, L',');
    if (!comma) return;
    item->Function = (int)wcstoul(comma + 1, nullptr, 16);
    const wchar_t* param = wcschr(comma + 1, L',');
    if (!param) return;
    ++param;
    const wchar_t* end = wcschr(param, L',');
    const int kind = m_Function_GetParamKind(nullptr, item->Function);
    if (kind == FUNC_PARAM_NUMBER)
        item->Param = (int)wcstol(param, nullptr, 10);
    else if (IsTextKind(kind))
        CopyArg(item->Arg, param, end, L';', L',');
    if (!end) return;
    item->Key = (WORD)wcstoul(end + 1, nullptr, 16);
    const wchar_t* mouse = wcschr(end + 1, L',');
    if (mouse) item->Mouse = (int)wcstoul(mouse + 1, nullptr, 16);
}

void FormatEntry(const SFUNCTIONBIND* item, wchar_t* out)
{
    wchar_t param[kArgCap] = L"";
    const int kind = m_Function_GetParamKind(nullptr, item->Function);
    if (kind == FUNC_PARAM_NUMBER)
        _snwprintf(param, kArgCap - 1, L"%d", item->Param);
    else if (IsTextKind(kind))
        CopyArg(param, item->Arg, nullptr, L',', L';');
    wchar_t key[8] = L"";
    if (item->Key) _snwprintf(key, 7, L"%X", (unsigned)item->Key);
    wchar_t mouse[12] = L"";
    if (item->Mouse) _snwprintf(mouse, 11, L",%X", (unsigned)item->Mouse);
    _snwprintf(out, kEntryCap - 1, L"%d,%X,%s,%s%s", item->Enabled, (unsigned)item->Function, param,
               key, mouse);
    out[kEntryCap - 1] = 0;
}

}  // namespace

void m_Bind_Read()
{
    const int count = m_ListIni_ReadCount(kSection, kBindCap);
    if (count < 0) {
        m_Bind_SetDefaults();
        return;
    }
    delete[] m_pBind;
    m_pBind = m_List_New<SFUNCTIONBIND>(count);
    m_nBindCount = m_pBind ? count : 0;
    wchar_t entry[kEntryCap];
    for (int i = 0; i < m_nBindCount; ++i) {
        m_ListIni_Read(kSection, i, L"", entry, kEntryCap);
        ParseEntry(entry, &m_pBind[i]);
    }
}

int m_Bind_Write(int force)
{
    if (!force && m_List_Equal(m_pBind, m_nBindCount, s_Snapshot, s_SnapshotCount)) return 0;
    m_ListIni_WriteCount(kSection, m_nBindCount);
    wchar_t entry[kEntryCap];
    for (int i = 0; i < m_nBindCount; ++i) {
        FormatEntry(&m_pBind[i], entry);
        m_ListIni_Write(kSection, i, L"", entry);
    }
    m_ListIni_DeleteKeys(kSection, L"", m_nBindCount, s_SnapshotCount);
    return 1;
}

int m_Bind_CopyList(int toLive)
{
    if (m_List_Equal(m_pBind, m_nBindCount, s_Snapshot, s_SnapshotCount)) return 0;
    if (toLive)
        m_List_Assign(m_pBind, m_nBindCount, s_Snapshot, s_SnapshotCount);
    else
        m_List_Assign(s_Snapshot, s_SnapshotCount, m_pBind, m_nBindCount);
    return 1;
}
