// The parsed command line of a start or of a second start's hand-over.
#pragma once
#include <windows.h>

struct SCOMMANDLINE {
    int nArgCount;  // CommandLineToArgvW count, program path included
    LPWSTR* pArgs;  // its block; free with m_FreeCommandLine
    UINT bHasFiles;
    int nFirstFile;  // index of the first file argument, -1 when none
    int nLastFile;
    int nFileCount;
    UINT bPaused;           // -PAU
    UINT bMinimized;        // -MIN
    UINT bNewInstance;      // -NEW, also set by -JL
    UINT bJumpList;         // -JL path
    LPCWSTR pJumpListPath;  // points into pArgs
    int nBlock[3];          // -BLK values
    UINT bJumpListOption;   // -LO
    UINT bAsPlaylist;       // -NP path
    LPCWSTR pPlaylistPath;  // points into pArgs
    UINT bPosition;         // -POS [track,]time
    int nPosTrack;          // 0-based
    int nPosMs;
    UINT bRange;  // -RNG value
    int nRangeSingle;
    int nRangeFrom;
    int nRangeTo;
};

extern SCOMMANDLINE g_CmdLine;

// Sets the record to its initial values (no arguments, nothing seen).
void m_InitCommandLine(SCOMMANDLINE* cmd);

// Fills a record (set up by m_InitCommandLine) from a whole command line,
// program path first. Returns 1 when CommandLineToArgvW succeeded.
int m_ParseCommandLine(SCOMMANDLINE* cmd, LPCWSTR line);

// Frees the argument block; the record's path pointers become invalid.
void m_FreeCommandLine(SCOMMANDLINE* cmd);

// Milliseconds of a "-POS" time: h:m:s, m:s or s (seconds may be decimal).
int m_ParsePositionMs(LPCWSTR text);
