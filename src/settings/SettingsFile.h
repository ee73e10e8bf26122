// Atomic saves of the settings file. Every writer names the file through
// g_IniPath; while a write batch is open, g_IniPath names a working copy
// instead, so every write (and every read) of the batch goes to the copy,
// and closing the outermost batch replaces the file with the copy in one
// rename. A process killed at any moment leaves the whole old or the whole
// new file. Batches nest; instances of the program take turns through a
// named mutex. Whoever writes the settings file opens a batch around the
// whole of one save.
#pragma once
#include <windows.h>

// Opens a batch (or a nested one). 1 when the writes go to the working
// copy; 0 when they go straight to the file (the copy could not be made).
int m_SettingsFile_BeginWrite();
// Closes a batch; the outermost one puts the copy in place when it differs
// from the file, then sends the notices that waited for it. 0 when the file
// could not be replaced.
int m_SettingsFile_EndWrite();
// The settings file itself, also while a batch points g_IniPath at the copy.
const wchar_t* m_SettingsFile_Path();
// 1 while a batch is open.
int m_SettingsFile_IsOpen();

// One batch for the life of the object.
class CSettingsFileWrite {
public:
    CSettingsFileWrite() { m_SettingsFile_BeginWrite(); }
    ~CSettingsFileWrite() { m_SettingsFile_EndWrite(); }
    CSettingsFileWrite(const CSettingsFileWrite&) = delete;
    CSettingsFileWrite& operator=(const CSettingsFileWrite&) = delete;
};
