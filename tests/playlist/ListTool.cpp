// Reads list files and folders with the player's own readers and writers,
// for the behaviour tests that make those inputs:
//   ListTool read <list> [lgcy=1]         .m3u/.m3u8 as M3U, else as .zvpl
//   ListTool save <in> <out> [lgcy=1]     read, then write .zvpl or .m3u8/.m3u
//   ListTool folder <dir> [subdir=1]      the folder's playable files
// Prints "COUNT\t<n>", one UTF-8 line per track (index, seconds,
// milliseconds, missing, name, path, tab separated), "SAVED\t<result>" for
// save, and "LOG\t<message>" for every error-log entry written meanwhile.
#include <windows.h>

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

void m_PrintUtf8(const wchar_t* text)
{
    static char bytes[8192];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, (int)sizeof(bytes), nullptr, nullptr);
    if (n > 1) fwrite(bytes, 1, (size_t)(n - 1), stdout);
}

bool m_HasExt(const wchar_t* path, const wchar_t* ext)
{
    return _wcsicmp(PathFindExtensionW(path), ext) == 0;
}

bool m_IsM3u(const wchar_t* path) { return m_HasExt(path, L".m3u") || m_HasExt(path, L".m3u8"); }

void m_Read(const wchar_t* path)
{
    if (m_IsM3u(path))
        m_PlaylistFile_ReadM3u(path, 1);
    else
        m_PlaylistFile_ReadZvpl(path, 1, nullptr, 1, 0, nullptr, 0);
}

void m_PrintTracks()
{
    wchar_t line[64 + kTrackNameCap + MAX_PATH + 1];
    _snwprintf_s(line, _countof(line), _TRUNCATE, L"COUNT\t%d\n", g_Playlist.m_Count);
    m_PrintUtf8(line);
    for (int i = 0; i < g_Playlist.m_Count; ++i) {
        const STRACKINFO* t = &g_Playlist.m_Tracks[i];
        _snwprintf_s(line, _countof(line), _TRUNCATE, L"%d\t%u\t%lld\t%u\t%s\t%s\n", i, t->Seconds,
                     (long long)t->Milliseconds, t->Missing, t->Name, t->Path);
        m_PrintUtf8(line);
    }
}

// The log lands beside g_ExePath: a folder of this run's own.
bool m_StartLog(wchar_t folder[MAX_PATH + 1])
{
    wchar_t temp[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, temp)) return false;
    _snwprintf_s(folder, MAX_PATH + 1, _TRUNCATE, L"%sListTool-%lu", temp, GetCurrentProcessId());
    if (!CreateDirectoryW(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    _snwprintf_s(g_ExePath, MAX_PATH + 1, _TRUNCATE, L"%s\\ListTool.exe", folder);
    g_IniPath[0] = 0;
    g_Settings.Main_ErrLog = 1;
    return true;
}

// Each "time - message" line of the log as "LOG\tmessage"; the log goes.
void m_PrintLog(const wchar_t* folder)
{
    wchar_t path[MAX_PATH + 1];
    _snwprintf_s(path, _countof(path), _TRUNCATE, L"%s\\Error.log", folder);
    FILE* f = _wfopen(path, L"rb");
    if (f) {
        char line[8192];
        while (fgets(line, sizeof(line), f)) {
            char* text = line;
            if (!memcmp(text, "\xEF\xBB\xBF", 3)) text += 3;
            char* dash = strstr(text, " - ");
            printf("LOG\t%s", dash ? dash + 3 : text);
        }
        fclose(f);
    }
    DeleteFileW(path);
    RemoveDirectoryW(folder);
}

void m_TakeOptions(int argc, wchar_t** argv, int from)
{
    for (int a = from; a < argc; ++a) {
        if (!wcscmp(argv[a], L"lgcy=1")) g_Settings.Main_Lgcy = 1;
        if (!wcscmp(argv[a], L"subdir=1")) g_Settings.Main_SubDir = 1;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 2;
    wchar_t logFolder[MAX_PATH + 1];
    if (!m_StartLog(logFolder)) return 3;
    const wchar_t* command = argv[1];
    int code = 0;
    if (!wcscmp(command, L"read")) {
        m_TakeOptions(argc, argv, 3);
        m_Read(argv[2]);
        m_PrintTracks();
    } else if (!wcscmp(command, L"save") && argc >= 4) {
        m_TakeOptions(argc, argv, 4);
        m_Read(argv[2]);
        int saved = m_IsM3u(argv[3]) ? m_PlaylistFile_WriteM3u(argv[3])
                                     : m_PlaylistFile_WriteZvpl(argv[3], 0, 0, 1);
        m_PrintTracks();
        printf("SAVED\t%d\n", saved);
    } else if (!wcscmp(command, L"folder")) {
        m_TakeOptions(argc, argv, 3);
        g_Playlist.m_AddFolderFiles(argv[2], 1, 0);
        m_PrintTracks();
    } else {
        code = 2;
    }
    fflush(stdout);
    m_PrintLog(logFolder);
    return code;
}
