// Paths that name a device or a pipe rather than a file on a disk.
#pragma once
#include <windows.h>

// True for the device namespace ("\\.\COM1", "\\.\pipe\x", "\\?\" not
// followed by a drive, UNC or volume) and for the DOS device names (CON,
// NUL, COM1, LPT1 ... also with an extension or in a folder) that the
// system turns into such a path. Nothing is opened: reading a serial port
// or a pipe can block for ever.
bool m_IsDevicePath(const wchar_t* path);
