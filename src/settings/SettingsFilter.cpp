// [Filter]: the user DirectShow filters, one entry of up to eight
// comma-separated fields per filter.
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "base/TextSearch.h"
#include "settings/SettingsListStore.h"
#include "settings/SettingsLists.h"

SFILTERITEM* g_FilterList = nullptr;
int g_FilterCount = 0;

namespace {

const wchar_t kSection[] = L"Filter";
constexpr int kFieldCount = 8;
constexpr int kFieldCap = 512;  // 511 characters and the terminator
// Room for every field the writer can produce, so that an entry always
// reads back whole.
constexpr int kEntryCap = kFieldCount * kFieldCap;

SFILTERITEM* s_Snapshot = nullptr;
int s_SnapshotCount = 0;

// Copies the fields of an entry into fields[]; returns how many there were.
int SplitFields(const wchar_t* text, wchar_t (*fields)[kFieldCap])
{
    int count = 0;
    const wchar_t* p = text;
    while (count < kFieldCount) {
        const wchar_t* end = wcschr(p, L',');
        const size_t length = end ? (size_t)(end - p) : wcslen(p);
        const size_t kept = length < kFieldCap - 1 ? length : kFieldCap - 1;
        wmemcpy(fields[count], p, kept);
        fields[count][kept] = 0;
        ++count;
        if (!end) break;
        p = end + 1;
    }
    return count;
}

void ParseEntry(const wchar_t* text, SFILTERITEM* item)
{
    wchar_t fields[kFieldCount][kFieldCap] = {};
    SplitFields(text, fields);
    item->Enabled = (int)wcstol(fields[0], nullptr, 10);
    item->Kind = (int)wcstol(fields[1], nullptr, 10);
    m_EscapeText(false, ESCAPE_COMMA, item->Name, 261, fields[2]);
    m_EscapeText(false, ESCAPE_COMMA, item->Clsid, 64, fields[3]);
    item->Value = (int)wcstol(fields[4], nullptr, 10);
    item->Mode = (int)wcstol(fields[5], nullptr, 10);
    item->Match = (int)wcstol(fields[6], nullptr, 10);
    m_EscapeText(false, ESCAPE_COMMA, item->Pattern, 261, fields[7]);
}

// A zero integer is written as an empty field.
void FormatInt(wchar_t* field, int value)
{
    field[0] = 0;
    if (value) _snwprintf(field, kFieldCap - 1, L"%d", value);
}

void FormatText(wchar_t* field, const wchar_t* text, int textCap)
{
    wchar_t bounded[261];
    lstrcpynW(bounded, text, textCap < 261 ? textCap : 261);
    m_EscapeText(true, ESCAPE_COMMA, field, kFieldCap, bounded);
}

void FormatEntry(const SFILTERITEM* item, wchar_t* out, int size)
{
    wchar_t fields[kFieldCount][kFieldCap] = {};
    FormatInt(fields[0], item->Enabled);
    FormatInt(fields[1], item->Kind);
    FormatText(fields[2], item->Name, 261);
    FormatText(fields[3], item->Clsid, 64);
    FormatInt(fields[4], item->Value);
    FormatInt(fields[5], item->Mode);
    FormatInt(fields[6], item->Match);
    FormatText(fields[7], item->Pattern, 261);
    int last = kFieldCount - 1;
    while (last > 0 && !fields[last][0]) --last;
    int n = 0;
    for (int i = 0; i <= last && n < size - 1; ++i) {
        if (i) out[n++] = L',';
        for (const wchar_t* p = fields[i]; *p && n < size - 1; ++p) out[n++] = *p;
    }
    out[n] = 0;
}

}  // namespace

void m_Filter_Read()
{
    const int count = m_ListIni_ReadCount(kSection, kFilterCap);
    delete[] g_FilterList;
    g_FilterList = m_List_New<SFILTERITEM>(count);
    g_FilterCount = g_FilterList ? count : 0;
    static wchar_t entry[kEntryCap];
    for (int i = 0; i < g_FilterCount; ++i) {
        m_ListIni_Read(kSection, i, L"", entry, kEntryCap);
        ParseEntry(entry, &g_FilterList[i]);
    }
}

int m_Filter_Write(int force)
{
    if (!force && !m_Filter_Changed()) return 0;
    m_ListIni_WriteCount(kSection, g_FilterCount);
    static wchar_t entry[kEntryCap];
    for (int i = 0; i < g_FilterCount; ++i) {
        FormatEntry(&g_FilterList[i], entry, kEntryCap);
        m_ListIni_Write(kSection, i, L"", entry);
    }
    m_ListIni_DeleteKeys(kSection, L"", g_FilterCount, s_SnapshotCount);
    return 1;
}

void m_Filter_Snapshot(int take)
{
    if (take)
        m_List_Assign(s_Snapshot, s_SnapshotCount, g_FilterList, g_FilterCount);
    else
        m_List_Assign(g_FilterList, g_FilterCount, s_Snapshot, s_SnapshotCount);
}

int m_Filter_Changed()
{
    return !m_List_Equal(g_FilterList, g_FilterCount, s_Snapshot, s_SnapshotCount);
}
