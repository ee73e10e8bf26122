#include "app/CommandLine.h"

#include <shellapi.h>
#include <stdlib.h>
#include <wchar.h>

SCOMMANDLINE g_CmdLine;

void m_InitCommandLine(SCOMMANDLINE* cmd)
{
    ZeroMemory(cmd, sizeof(*cmd));
    cmd->nFirstFile = -1;
    cmd->nLastFile = -1;
    for (int& block : cmd->nBlock) block = -1;
    cmd->nRangeSingle = -1;
    cmd->nRangeFrom = -1;
    cmd->nRangeTo = -1;
}

void m_FreeCommandLine(SCOMMANDLINE* cmd)
{
    if (cmd->pArgs) LocalFree(cmd->pArgs);
    cmd->pArgs = nullptr;
    cmd->nArgCount = 0;
    cmd->pJumpListPath = nullptr;
    cmd->pPlaylistPath = nullptr;
}

// atoi's rules on wide text: leading blanks, a sign, digits; 0 when none.
// Saturates instead of overflowing on absurdly long digit runs.
static int m_AtoiW(LPCWSTR text)
{
    long long value = wcstoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return (int)value;
}

int m_ParsePositionMs(LPCWSTR text)
{
    LPCWSTR colon1 = wcschr(text, L':');
    LPCWSTR colon2 = colon1 ? wcschr(colon1 + 1, L':') : nullptr;
    double seconds;
    if (colon2) {
        seconds = _wtof(colon2 + 1) + (m_AtoiW(text) * 60.0 + m_AtoiW(colon1 + 1)) * 60.0;
    } else if (colon1) {
        seconds = _wtof(colon1 + 1) + m_AtoiW(text) * 60.0;
    } else {
        seconds = _wtof(text);
    }
    double ms = seconds * 1000.0;
    if (ms >= (double)INT_MAX) return INT_MAX;
    if (ms <= (double)INT_MIN) return INT_MIN;
    return (int)(ms < 0 ? ms - 0.5 : ms + 0.5);
}

static void m_ParseBlock(SCOMMANDLINE* cmd, LPCWSTR value)
{
    cmd->nBlock[0] = m_AtoiW(value);
    LPCWSTR comma = wcschr(value, L',');
    if (comma) {
        cmd->nBlock[1] = cmd->nBlock[0];
        cmd->nBlock[2] = m_AtoiW(comma + 1);
    }
}

static void m_ParsePosition(SCOMMANDLINE* cmd, LPCWSTR value)
{
    cmd->bPosition = 1;
    LPCWSTR comma = wcschr(value, L',');
    LPCWSTR time = value;
    if (comma) {
        int track = m_AtoiW(value) - 1;
        cmd->nPosTrack = track < 0 ? 0 : track;
        time = comma + 1;
    }
    cmd->nPosMs = m_ParsePositionMs(time);
}

static void m_ParseRange(SCOMMANDLINE* cmd, LPCWSTR value)
{
    cmd->bRange = 1;
    LPCWSTR dash = wcschr(value, L'-');
    if (!dash) {
        cmd->nRangeSingle = m_AtoiW(value);
        return;
    }
    if (dash != value) cmd->nRangeFrom = m_AtoiW(value);
    if (dash[1] != 0) cmd->nRangeTo = m_AtoiW(dash + 1);
}

// Applies one value-taking switch; returns 0 when the name is not one.
static int m_ApplyValueSwitch(SCOMMANDLINE* cmd, LPCWSTR name, LPCWSTR value)
{
    if (_wcsicmp(name, L"-JL") == 0) {
        cmd->bJumpList = 1;
        cmd->pJumpListPath = value;
        cmd->bNewInstance = 1;
    } else if (_wcsicmp(name, L"-BLK") == 0) {
        m_ParseBlock(cmd, value);
    } else if (_wcsicmp(name, L"-NP") == 0) {
        cmd->bAsPlaylist = 1;
        cmd->pPlaylistPath = value;
    } else if (_wcsicmp(name, L"-POS") == 0) {
        m_ParsePosition(cmd, value);
    } else if (_wcsicmp(name, L"-RNG") == 0) {
        m_ParseRange(cmd, value);
    } else {
        return 0;
    }
    return 1;
}

static int m_IsValueSwitch(LPCWSTR name)
{
    static const wchar_t* const names[] = {L"-JL", L"-BLK", L"-NP", L"-POS", L"-RNG"};
    for (const wchar_t* known : names) {
        if (_wcsicmp(name, known) == 0) return 1;
    }
    return 0;
}

// Handles the switch at index i; returns the index of the last argument used.
static int m_ParseSwitch(SCOMMANDLINE* cmd, int i)
{
    LPCWSTR name = cmd->pArgs[i];
    if (m_IsValueSwitch(name)) {
        if (i + 1 >= cmd->nArgCount) return i;  // no value: ignored whole
        m_ApplyValueSwitch(cmd, name, cmd->pArgs[i + 1]);
        return i + 1;
    }
    if (_wcsicmp(name, L"-MIN") == 0)
        cmd->bMinimized = 1;
    else if (_wcsicmp(name, L"-LO") == 0)
        cmd->bJumpListOption = 1;
    else if (_wcsicmp(name, L"-PAU") == 0)
        cmd->bPaused = 1;
    else if (_wcsicmp(name, L"-NEW") == 0)
        cmd->bNewInstance = 1;
    return i;
}

static void m_CountFiles(SCOMMANDLINE* cmd)
{
    cmd->nFileCount = cmd->nFirstFile != -1 ? cmd->nLastFile - cmd->nFirstFile + 1 : 0;
}

int m_ParseCommandLine(SCOMMANDLINE* cmd, LPCWSTR line)
{
    cmd->pArgs = CommandLineToArgvW(line ? line : L"", &cmd->nArgCount);
    if (!cmd->pArgs) {
        cmd->nArgCount = 0;
        m_CountFiles(cmd);
        return 0;
    }
    // File arguments form one run: the first plain argument and the plain
    // ones after it, up to the first switch that follows a collected file.
    int collecting = 1;
    for (int i = 1; i < cmd->nArgCount; i++) {
        LPCWSTR arg = cmd->pArgs[i];
        if (arg[0] == L'-') {
            if (cmd->bHasFiles) collecting = 0;
            i = m_ParseSwitch(cmd, i);
        } else if (collecting) {
            cmd->bHasFiles = 1;
            if (cmd->nFirstFile == -1) cmd->nFirstFile = i;
            cmd->nLastFile = i;
        }
    }
    m_CountFiles(cmd);
    return 1;
}
