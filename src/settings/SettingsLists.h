// The variable-length settings lists: user filters [Filter], per-folder
// settings [Rec], capture presets [Cap] and key and mouse bindings [Bind].
// Each live list is a new[]-allocated array with its count, beside a
// snapshot that tells the saver whether the list changed and lets a
// cancelled options dialog put it back. Whoever replaces a live array
// frees the old one with delete[].
#pragma once
#include <windows.h>

// Table limits: a larger Count in the file is cut to these.
constexpr int kFilterCap = 32;
constexpr int kFolderSettingCap = 100;
constexpr int kCapturePresetCap = 100;
constexpr int kBindCap = 1000;

constexpr int kDefaultBindCount = 28;

struct SFILTERITEM {
    int Enabled;
    int Kind;  // 0 = add the filter by its CLSID, 2 = a typed name or file
    wchar_t Clsid[64];
    wchar_t Name[261];
    int Value;
    int Mode;   // 0 add, 1 block
    int Match;  // 0 all, 1 video, 2 audio, 3 extension, 4 folder, 5 regex
    wchar_t Pattern[261];
};

struct SFOLDERSETTING {
    // Do-not-keep switches: history, position, properties, check, stream.
    unsigned int Flags[5];
    wchar_t Folder[262];  // empty = all folders
};

struct SCAPTUREPRESET {
    wchar_t Name[64];
    unsigned int SaveFile;   // 1 when place 11 of "_Val" is 0
    unsigned int AskDialog;  // place 13
    unsigned int Clipboard;  // place 12
    unsigned int CopyPath;   // place 9
    // Places 1 to 5.
    unsigned int Format;  // 0 BMP, 1 GIF, 2 PNG, 3 JPEG, 4 bookmark
    unsigned int Quality;
    unsigned int KeepProcAmp;
    unsigned int KeepAspect;
    unsigned int AsDisplayed;
    unsigned int HideSubtitles;  // place 10
    // Places 6 to 8.
    unsigned int SizeLimit;
    unsigned int MaxWidth;
    unsigned int MaxHeight;
    wchar_t Folder[261];    // "_Dir"
    wchar_t Template[257];  // "_Fmt"
};

struct SFUNCTIONBIND {
    int Enabled;
    int Function;
    int Param;        // for number parameters
    wchar_t Arg[32];  // for text and list parameters
    WORD Key;         // virtual-key code | 0x100 Shift | 0x200 Ctrl | 0x400 Alt
    int Mouse;        // mouse input code, 0 = none
    int KeyDup;       // set by the binding editor only
    int MouseDup;
};

extern SFILTERITEM* g_FilterList;
extern int g_FilterCount;
extern SFOLDERSETTING* g_FolderSettings;
extern int g_FolderSettingCount;
extern SCAPTUREPRESET* g_CaptureSettings;
extern int g_CaptureCount;
extern SFUNCTIONBIND* m_pBind;
extern int m_nBindCount;

// Readers: replace the live list with the section's entries. A missing or
// negative Count reads as 0 for [Filter] and [Rec], as the one "DEFAULT"
// preset for [Cap] and as the 28 default bindings for [Bind].
void m_Filter_Read();
void m_FolderSetting_Read();
void m_Capture_Read();
void m_Bind_Read();

// Writers: when forced or when the live list differs from its snapshot,
// write Count and the entries and delete the keys the list no longer has.
// 1 when they wrote. The snapshots are left to the caller. m_Bind_Write
// writes Count and entries only; the [Bind] switches live in the settings
// block.
int m_Filter_Write(int force);
int m_FolderSetting_Write(int force);
int m_Capture_Write(int force);
int m_Bind_Write(int force);

// take 1: live list into the snapshot; 0: the snapshot back into the live list.
void m_Filter_Snapshot(int take);
void m_FolderSetting_Snapshot(int take);
void m_Capture_Snapshot(int take);

// 1 when the live list differs from its snapshot (count or bytes).
int m_Filter_Changed();
int m_FolderSetting_Changed();
int m_Capture_Changed();

// toLive 1: the snapshot back into the live table; 0: the live table into
// the snapshot. 0 when both were already equal.
int m_Bind_CopyList(int toLive);

// Replaces the live binding table with the 28 default bindings.
void m_Bind_SetDefaults();

// Frees every live list and snapshot (counts become 0).
void m_SettingsLists_Free();
