// The error log: "Error.log" beside the executable, UTF-8 with a BOM, one
// time-stamped line per entry, cut back to its newest 200 lines once it
// reaches 300. Written only while [Main] "ErrLog" is on; every entry also
// goes to the debugger output. Safe to call from any thread.
#pragma once
#include <windows.h>

// Capacity of one formatted message and of one stored line (characters,
// with the terminator).
constexpr int kLogTextCap = 1024;

// Formats the message (printf-style, wide %s) and stores it; nothing at all
// while the log is off. Always 1.
int m_WriteLog(const wchar_t* format, ...);

// Stores one finished message as a time-stamped line and sends it to the
// debugger output, whatever the log switch says. Always 1.
int m_AppendLogLine(const wchar_t* message);
