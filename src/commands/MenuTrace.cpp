// The test trace of a built popup: with [Main] "Test" on, the whole popup
// as log lines, so that tests compare menus built from the real state.
//
// "MENU : Id=<menu id> N=<items> : " and the items, each
// "<id>,<disabled>,<checked>,<text>", joined by " | ". A popup too long for
// one log line goes on in lines "MENU + Id=<menu id> : "; an item is never
// split. In texts a backslash, a bar, a TAB and a line break are written
// \\, \|, \t and \n, so that " | " only ever joins items.
#include "commands/SubmenuBuilder.h"

#include <strsafe.h>

#include "base/ErrorLog.h"
#include "controls/MenuPlus.h"
#include "settings/Settings.h"

namespace {

// Room for the log's time stamp is left in its line.
constexpr int kTraceLineCap = kLogTextCap - 64;
// An item: id and flags, and its text with every character escaped.
constexpr int kTraceItemCap = 32 + 2 * 128;

void m_EscapeText(const wchar_t* text, wchar_t* out, int cap)
{
    int n = 0;
    for (const wchar_t* p = text; *p && n < cap - 2; ++p) {
        wchar_t c = *p;
        wchar_t escaped = 0;
        if (c == L'\\' || c == L'|') escaped = c;
        if (c == L'\t') escaped = L't';
        if (c == L'\r' || c == L'\n') escaped = L'n';
        if (escaped) {
            out[n++] = L'\\';
            c = escaped;
        }
        out[n++] = c;
    }
    out[n] = L'\0';
}

void m_FormatItem(const SMENUITEM& item, wchar_t* out, int cap)
{
    wchar_t text[kTraceItemCap];
    // The record's text need not end inside its buffer.
    wchar_t raw[ARRAYSIZE(item.Text) + 1];
    (void)StringCchCopyNW(raw, ARRAYSIZE(raw), item.Text, ARRAYSIZE(item.Text));
    m_EscapeText(raw, text, kTraceItemCap - 32);
    (void)StringCchPrintfW(out, cap, L"%u,%u,%u,%s", item.Id, item.Disabled ? 1u : 0u,
                           item.Checked ? 1u : 0u, text);
}

}  // namespace

void m_Menu_TraceBuilt(const CMenuPlus* popup, UINT menuId)
{
    if (!g_Settings.Main_Test || !popup) return;
    const int count = popup->m_GetItemCount();
    wchar_t line[kTraceLineCap];
    (void)StringCchPrintfW(line, kTraceLineCap, L"MENU : Id=%u N=%d : ", menuId, count);
    size_t head = wcslen(line);
    size_t length = head;
    for (int i = 0; i < count; ++i) {
        SMENUITEM item;
        if (!popup->m_GetItem(&item, i)) continue;
        wchar_t text[kTraceItemCap];
        m_FormatItem(item, text, kTraceItemCap);
        const size_t joint = length > head ? 3 : 0;
        if (length + joint + wcslen(text) >= kTraceLineCap) {
            m_AppendLogLine(line);
            (void)StringCchPrintfW(line, kTraceLineCap, L"MENU + Id=%u : ", menuId);
            head = length = wcslen(line);
        }
        if (length > head) (void)StringCchCatW(line, kTraceLineCap, L" | ");
        (void)StringCchCatW(line, kTraceLineCap, text);
        length = wcslen(line);
    }
    m_AppendLogLine(line);
}
