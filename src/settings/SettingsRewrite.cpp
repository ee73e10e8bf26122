#include "settings/SettingsRewrite.h"

#include "app/ToolWindowPlacement.h"
#include "commands/MenuPresets.h"
#include "options/OptionColumns.h"
#include "playback/AudioDeviceList.h"
#include "playlist/Playlist.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsCarryOver.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsMain.h"
#include "timer/TimerSettings.h"

namespace {

// Section order of a fresh file; keys land in the sections as the writers
// add them.
const wchar_t kSkeleton[] =
    L"[Main]\r\n\r\n[Common]\r\n\r\n[Seek]\r\n\r\n[File]\r\n\r\n[Rec]\r\n\r\n"
    L"[Jumplist]\r\n\r\n[Ctrl]\r\n\r\n[Menu]\r\n\r\n[Lnch]\r\n\r\n[Fullscr]\r\n\r\n"
    L"[Opt]\r\n\r\n[Playlist]\r\n\r\n[Favo]\r\n\r\n[Timer]\r\n\r\n[AudDev]\r\n\r\n"
    L"[Cap]\r\n\r\n[Prop]\r\n\r\n[Mon]\r\n\r\n[Filter]\r\n\r\n[Dir_Playlist]\r\n\r\n"
    L"[Bind]\r\n";

bool FileExists(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// UTF-16 little-endian with a byte-order mark.
int WriteSkeleton()
{
    HANDLE file = CreateFileW(g_IniPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const wchar_t bom = 0xFEFF;
    const DWORD textBytes = (DWORD)(sizeof(kSkeleton) - sizeof(wchar_t));
    DWORD written = 0;
    BOOL ok = WriteFile(file, &bom, sizeof(bom), &written, nullptr);
    if (ok) ok = WriteFile(file, kSkeleton, textBytes, &written, nullptr);
    ok = CloseHandle(file) && ok;
    return ok ? 1 : 0;
}

// Values of windows not created this run exist only in the file, so they
// are read before the file goes. The favorites window and the options dialog
// are not built yet, so theirs are always read.
void ReadUnopenedWindows()
{
    if (!g_Playlist.m_GetWindow()) m_ReadPlayListWnd();
    m_ReadOptDlgColumns();
    m_ReadFavoWndPos();
}

void m_WriteEverything(int deleteExisting)
{
    if (!deleteExisting && !g_Settings.Main_Fst) g_Settings.Main_Fst = kSettingsVersion;
    m_Settings_WriteMain(1, 0xFFFF);
    m_SaveSettings(1);
    m_SavePlayListWnd(1, 0);
    m_SaveOptDlgColumns(1);
    m_SaveFavoWndPos(1);
    m_SaveTimerDlg(1);
    m_AudDev_Enumerate();
    m_AudDev_Write();
}

}  // namespace

int m_Settings_RewriteFile(int deleteExisting)
{
    m_SettingsFile_BeginWrite();
    const bool replace = deleteExisting && FileExists(g_IniPath);
    CSettingsCarryOver kept;
    if (replace) {
        m_AudDev_Enumerate();
        for (int kind = 0; kind < 3; ++kind) m_MenuPresets_Read(kind, 1);
        kept.m_Take(g_IniPath);
    }
    ReadUnopenedWindows();
    // No cached copy of the old file may outlive it, also when an unreadable
    // one is overwritten in place.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, g_IniPath);
    if (replace) DeleteFileW(g_IniPath);
    const int created = WriteSkeleton();
    m_WriteEverything(deleteExisting);
    kept.m_PutBack(g_IniPath);
    const int replaced = m_SettingsFile_EndWrite();
    return created && replaced ? 1 : 0;
}
