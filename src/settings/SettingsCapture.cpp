// [Cap]: the image-capture presets, four keys per preset: "n" the name,
// "n_Val" thirteen numbers, "n_Dir" the folder and "n_Fmt" the file-name
// template.
#include <stdio.h>
#include <wchar.h>

#include "base/NumberList.h"
#include "settings/SettingsListStore.h"
#include "settings/SettingsLists.h"

SCAPTUREPRESET* g_CaptureSettings = nullptr;
int g_CaptureCount = 0;

namespace {

const wchar_t kSection[] = L"Cap";
const wchar_t* const kSuffixes[] = {L"", L"_Val", L"_Dir", L"_Fmt"};
constexpr int kPlaces = 13;
constexpr int kValueCap = 256;

SCAPTUREPRESET* s_Snapshot = nullptr;
int s_SnapshotCount = 0;

void SetValues(SCAPTUREPRESET* item, const int* v)
{
    item->Format = v[0];
    item->Quality = v[1];
    item->KeepProcAmp = v[2];
    item->KeepAspect = v[3];
    item->AsDisplayed = v[4];
    item->SizeLimit = v[5];
    item->MaxWidth = v[6];
    item->MaxHeight = v[7];
    item->CopyPath = v[8];
    item->HideSubtitles = v[9];
    item->SaveFile = v[10] == 0;
    item->Clipboard = v[11];
    item->AskDialog = v[12];
}

void FormatValues(const SCAPTUREPRESET* item, wchar_t* out)
{
    _snwprintf(out, kValueCap - 1, L"%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", (int)item->Format,
               (int)item->Quality, (int)item->KeepProcAmp, (int)item->KeepAspect,
               (int)item->AsDisplayed, (int)item->SizeLimit, (int)item->MaxWidth,
               (int)item->MaxHeight, (int)item->CopyPath, (int)item->HideSubtitles,
               item->SaveFile ? 0 : 1, (int)item->Clipboard, (int)item->AskDialog);
    out[kValueCap - 1] = 0;
}

void ReadPreset(int index, SCAPTUREPRESET* item)
{
    m_ListIni_Read(kSection, index, L"", item->Name, 64);
    wchar_t text[kValueCap];
    m_ListIni_Read(kSection, index, L"_Val", text, kValueCap);
    int values[kPlaces];
    m_ParseIntList(text, values, kPlaces, 1);
    SetValues(item, values);
    m_ListIni_Read(kSection, index, L"_Dir", item->Folder, 261);
    m_ListIni_Read(kSection, index, L"_Fmt", item->Template, 257);
}

// The texts are copied bounded first: a record's buffer may lack its
// terminator.
void WritePreset(int index, const SCAPTUREPRESET* item)
{
    wchar_t text[kValueCap];
    lstrcpynW(text, item->Name, 64);
    m_ListIni_Write(kSection, index, L"", text);
    FormatValues(item, text);
    m_ListIni_Write(kSection, index, L"_Val", text);
    wchar_t path[261];
    lstrcpynW(path, item->Folder, 261);
    m_ListIni_Write(kSection, index, L"_Dir", path);
    lstrcpynW(path, item->Template, 257);
    m_ListIni_Write(kSection, index, L"_Fmt", path);
}

// The one preset of a list that has none: JPEG 90 into a file named
// after the media file and the position.
void SetDefaultPreset(SCAPTUREPRESET* item)
{
    static const int kValues[kPlaces] = {3, 90, 0, 1, 1, 0, 1280, 720, 0, 0, 0, 0, 0};
    lstrcpynW(item->Name, L"DEFAULT", 64);
    lstrcpynW(item->Template, L"%FN%(%MT_HMS%)", 257);
    SetValues(item, kValues);
}

}  // namespace

void m_Capture_Read()
{
    int count = m_ListIni_ReadCount(kSection, kCapturePresetCap);
    const bool none = count <= 0;
    if (none) count = 1;
    delete[] g_CaptureSettings;
    g_CaptureSettings = m_List_New<SCAPTUREPRESET>(count);
    g_CaptureCount = g_CaptureSettings ? count : 0;
    if (!g_CaptureSettings) return;
    if (none) {
        SetDefaultPreset(&g_CaptureSettings[0]);
        return;
    }
    for (int i = 0; i < g_CaptureCount; ++i) ReadPreset(i, &g_CaptureSettings[i]);
}

int m_Capture_Write(int force)
{
    if (!force && !m_Capture_Changed()) return 0;
    m_ListIni_WriteCount(kSection, g_CaptureCount);
    for (int i = 0; i < g_CaptureCount; ++i) WritePreset(i, &g_CaptureSettings[i]);
    for (const wchar_t* suffix : kSuffixes)
        m_ListIni_DeleteKeys(kSection, suffix, g_CaptureCount, s_SnapshotCount);
    return 1;
}

void m_Capture_Snapshot(int take)
{
    if (take)
        m_List_Assign(s_Snapshot, s_SnapshotCount, g_CaptureSettings, g_CaptureCount);
    else
        m_List_Assign(g_CaptureSettings, g_CaptureCount, s_Snapshot, s_SnapshotCount);
}

int m_Capture_Changed()
{
    return !m_List_Equal(g_CaptureSettings, g_CaptureCount, s_Snapshot, s_SnapshotCount);
}
