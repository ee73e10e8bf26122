// The remembered audio output devices: the table, its [AudDev] section and
// the lookups that refresh it from the system's device list.
#pragma once
#include <windows.h>

#include "playback/AudioDeviceName.h"

constexpr int kAudioDeviceCap = 32;
// Devices the system list gives at most.
constexpr int kAudioDeviceEnumCap = 16;
// Numbers by which functions and menus pick a device: 1..9, 0 for none.
constexpr int kAudioDeviceNumberCap = 10;
// A volume offset of 100 % or more either way has no meaning (and divides
// by zero): every offset read, set or learnt stays within this.
constexpr int kAudioOffsetLimit = 99;

struct SAUDIODEVICE {
    wchar_t Name[kAudioDeviceNameCap];
    int Present;
    int Skip;
    int Lock;
    int Offset;  // percent, -99..99
    int EnumIndex;
    int Number;  // 1..9, 0 none
    int DeleteMark;
    int Default;
};

struct SAUDIODEVICES {
    SAUDIODEVICE Items[kAudioDeviceCap];
    int Count;
    // Set by the system's device notices and at start: the next lookup
    // enumerates again.
    int Changed;
    int Configured;    // record of [Common] "Audio", -1 none
    int DefaultIndex;  // record of the system default device, -1 none
};

extern SAUDIODEVICES g_AudioDevices;
// Devices the last enumeration found.
extern int g_AudioDeviceEnumCount;
// Record of g_AudioDeviceName, -1 none.
extern int g_AudioDeviceInUse;
// The device in use was chosen by the monitor rule.
extern int g_AudioDeviceByMonitor;

// What the system reports: its output devices and the default one's name.
struct SAUDIODEVICELIST {
    wchar_t Names[kAudioDeviceEnumCap][kAudioDeviceNameCap];
    int Count;
    wchar_t DefaultName[kAudioDeviceNameCap];
};
// The one place the system's list comes from; tests put their own here.
using FAudioDeviceLister = void (*)(SAUDIODEVICELIST* out);
extern FAudioDeviceLister g_AudioDeviceLister;
void m_AudDev_ListSystem(SAUDIODEVICELIST* out);

// Parses one [AudDev] value "%d,%X[/%d],name"; 0 when it is not taken.
int m_AudDev_ParseRecord(const wchar_t* text, SAUDIODEVICE* out);
// Reads [AudDev] into the table (records packed, count = records taken).
void m_AudDev_Read();
// Rebuilds the table from the system and [AudDev] when it is marked changed.
void m_AudDev_Enumerate();
// Writes the device list to [AudDev].
void m_AudDev_Write();
// 1 when a present record has exactly the name; index and number of it.
int m_AudDev_FindByName(const wchar_t* name, int refresh, int* index, int* number);
// The present record with the number after enumerating again, or -1.
int m_AudDev_FindByNumber(int number);
// The system default device's record (its name into out), or -1.
int m_AudDev_GetDefaultName(wchar_t* out, int cap, int refresh);
// Any record with exactly the name, present or not; -1 none.
int m_AudDev_IndexOf(const wchar_t* name);

// Lowest number 1..9 that no record holds, 0 when all are taken.
int m_AudDev_FreeNumber();
// By number, number 0 last; the kept indexes follow their records.
void m_AudDev_Sort();
// Removes the marked records and writes the table; 1 when any went.
int m_AudDev_DeleteMarked();
// Gives the record the number (0..9), swapping with its holder.
void m_AudDev_SetNumber(int index, int number);
void m_AudDev_SetSkip(int index, int value);
// The per-monitor device numbers of [Common] "MonAud" follow a swap.
void m_AudDev_SwapMonitorNumbers(int oldNumber, int newNumber);
