// A 1000-track .zvpl list loaded (existence checked), sorted by name and
// saved with a backup, against a plain line copy of the same file through
// the C runtime's UTF-16 streams, all in the same run.
#include "BenchTiming.h"
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "filedata/ResumeInfo.h"
#include "filedata/ResumeValue.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "settings/Settings.h"

namespace {

constexpr int kTracks = 1000;
constexpr int kRounds = 15;
constexpr int kSortByName = 2;

std::wstring g_Folder;
std::wstring g_Template;
std::wstring g_List;
std::wstring g_Copy;

std::wstring m_MediaPath(int i)
{
    wchar_t name[64];
    swprintf(name, 64, L"\\\u8a18\u9332_%04d.wav", i);
    return g_Folder + name;
}

void m_MakeMedia()
{
    for (int i = 0; i < kTracks; ++i) {
        HANDLE f = CreateFileW(m_MediaPath(i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD done = 0;
        WriteFile(f, "RIFF", 4, &done, nullptr);
        CloseHandle(f);
    }
}

std::wstring m_ResumeText(int track, int position)
{
    SRESUMEINFO r;
    m_Resume_ClearRecord(&r);
    r.HasData = r.PositionOn = 1;
    r.Track = track;
    r.Position = position;
    wchar_t text[kResumeValueCap];
    m_Resume_FormatValue(&r, text);
    return text;
}

// The tracks in a scrambled order, so that the sort has work; one in fifty
// with a RESUME value.
void m_MakeTemplate()
{
    std::wstring text = L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1000\r\nRESUME=" +
                        m_ResumeText(12, 345000) + L"\r\n";
    for (int n = 1; n <= kTracks; ++n) {
        const int i = (n * 7919) % kTracks;
        wchar_t entry[512];
        swprintf(entry, 512,
                 L"[TRACK_%d]\r\nPATH=%ls\r\nNAME=\u7b2c%d\u8a71 \u30bf\u30a4\u30c8\u30eb"
                 L"\r\nTIME=%d.%03d\r\n",
                 n, m_MediaPath(i).c_str(), i, 60 + i * 3, i % 1000);
        text += entry;
        if (n % 50 == 0) text += L"RESUME=" + m_ResumeText(0, i * 1000) + L"\r\n";
    }
    HANDLE f = CreateFileW(g_Template.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    WriteFile(f, "\xFF\xFE", 2, &done, nullptr);
    WriteFile(f, text.data(), (DWORD)(text.size() * sizeof(wchar_t)), &done, nullptr);
    CloseHandle(f);
}

void m_Restore()
{
    CopyFileW(g_Template.c_str(), g_List.c_str(), FALSE);
    DeleteFileW((g_List + L".bak").c_str());
}

double m_LineCopy()
{
    m_Restore();
    const double began = m_Now();
    FILE* in = _wfopen(g_List.c_str(), L"r, ccs=UNICODE");
    FILE* out = _wfopen(g_Copy.c_str(), L"w, ccs=UNICODE");
    if (!in || !out) {
        if (in) fclose(in);
        if (out) fclose(out);
        return -1;
    }
    wchar_t line[1024];
    while (fgetws(line, 1024, in)) fputws(line, out);
    fclose(in);
    fclose(out);
    return m_Now() - began;
}

struct SSTEPS {
    double Load, Sort, Save;
};

// Load, sort and save; false when a step failed.
bool m_LoadSortSave(SSTEPS* steps)
{
    m_Restore();
    SRESUMEINFO record;
    m_Resume_ClearRecord(&record);
    int skipped = 0;
    const double began = m_Now();
    const int taken = m_PlaylistFile_ReadZvpl(g_List.c_str(), 1, &record, 1, 1, &skipped, 0);
    const double loaded = m_Now();
    g_Playlist.m_SortPlayList(kSortByName, 1, 0);
    const double sorted = m_Now();
    const int saved = m_PlaylistFile_WriteZvpl(g_List.c_str(), 1, 0, 1);
    const double done = m_Now();
    steps->Load = loaded - began;
    steps->Sort = sorted - loaded;
    steps->Save = done - sorted;
    return taken && saved && g_Playlist.m_Count == kTracks && skipped == 0 && record.Track == 12;
}

}  // namespace

int main()
{
    g_Folder = m_MakeBenchFolder(L"zv_bench_playlist_");
    g_Template = g_Folder + L"\\template.dat";
    g_List = g_Folder + L"\\list.zvpl";
    g_Copy = g_Folder + L"\\copy.dat";
    m_MakeMedia();
    m_MakeTemplate();
    g_Settings.Main_Lgcy = 0;

    std::vector<double> copy, total, load, sort, save;
    bool ok = true;
    for (int round = 0; round < kRounds && ok; ++round) {
        const double c = m_LineCopy();
        SSTEPS s = {0, 0, 0};
        ok = c >= 0 && m_LoadSortSave(&s);
        copy.push_back(c);
        total.push_back(s.Load + s.Sort + s.Save);
        load.push_back(s.Load);
        sort.push_back(s.Sort);
        save.push_back(s.Save);
    }
    if (ok) {
        const double base = m_Median(copy);
        printf("playlist_load_sort_save: %.2fx of baseline (goal <= 3x)\n", m_Median(total) / base);
        printf("  load %.3f ms, sort %.3f ms, save %.3f ms; line copy %.3f ms\n",
               m_Median(load) * 1000, m_Median(sort) * 1000, m_Median(save) * 1000, base * 1000);
    } else {
        printf("playlist_load_sort_save: failed (a step did not complete)\n");
    }
    g_Playlist.m_ClearPlayList();
    for (int i = 0; i < kTracks; ++i) DeleteFileW(m_MediaPath(i).c_str());
    DeleteFileW(g_Template.c_str());
    DeleteFileW(g_List.c_str());
    DeleteFileW((g_List + L".bak").c_str());
    DeleteFileW(g_Copy.c_str());
    RemoveDirectoryW(g_Folder.c_str());
    return ok ? 0 : 1;
}
