// One changed record saved into a resume store at its limit, and the trim
// after it, against a plain line copy of the same file through the C
// runtime, all in the same run.
#include "BenchTiming.h"
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "filedata/ResumeStore.h"
#include "filedata/ResumeTrim.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

namespace {

constexpr int kRounds = 15;
constexpr int kStoreBytes = 255 * 1024;

std::wstring g_Folder;
std::wstring g_Template;
std::wstring g_Store;
std::wstring g_Copy;

// A store of typical records, oldest first, filled to the limit.
void m_MakeTemplate()
{
    FILE* f = _wfopen(g_Template.c_str(), L"wb");
    fputs("[ZENTAVIO_RESUME]\r\n", f);
    long size = 19;
    for (int i = 0; size < kStoreBytes; ++i) {
        char line[96];
        const int n = snprintf(line, sizeof(line), "%016X=%d.%d,%d,,,,%s\r\n", 0x2000000 + i * 7,
                               i % 3000, i % 10, i % 40 + 2, (i % 5) ? "" : "16:9");
        fwrite(line, 1, n, f);
        size += n;
    }
    fclose(f);
}

void m_Restore() { CopyFileW(g_Template.c_str(), g_Store.c_str(), FALSE); }

double m_LineCopy()
{
    m_Restore();
    const double began = m_Now();
    FILE* in = _wfopen(g_Store.c_str(), L"rb");
    FILE* out = _wfopen(g_Copy.c_str(), L"wb");
    char line[1024];
    while (fgets(line, sizeof(line), in)) fputs(line, out);
    fclose(in);
    fclose(out);
    return m_Now() - began;
}

// The open file's record changes by a second on every round.
double m_SaveOnce(int round, int trim)
{
    m_Restore();
    m_Resume_LoadCurrent();
    g_ResumeOpen.Position = 60000 + round * 1000;
    const double began = m_Now();
    m_Resume_Save();
    if (trim) m_Resume_CutDataSize();
    const double took = m_Now() - began;
    m_Resume_ClearOpenItem();
    return took;
}

// Where the time goes, one step at a time.
void m_Steps()
{
    m_Restore();
    m_Resume_LoadCurrent();
    SRESUMEINFO r;
    double t = m_Now();
    m_Resume_Lookup(g_ListPath, &r, 0, 0);
    printf("  lookup %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    m_Resume_MakeRecord(&r, 1);
    printf("  make %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    WritePrivateProfileStringW(L"ZENTAVIO_RESUME", L"0000000000000001", L"5", g_ResumeFilePath);
    printf("  one profile write %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    static wchar_t section[300 * 1024];
    GetPrivateProfileSectionW(L"ZENTAVIO_RESUME", section, 300 * 1024, g_ResumeFilePath);
    printf("  section read %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, g_ResumeFilePath);
    printf("  flush %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    GetPrivateProfileStringW(L"ZENTAVIO_RESUME", L"0000000000000001", L"", section, 256,
                             g_ResumeFilePath);
    printf("  cold read %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    const wchar_t* keys[] = {L"0000000000000001"};
    m_Resume_EditKeys(g_ResumeFilePath, L"ZENTAVIO_RESUME", keys, 1, L"0000000000000001", L"7");
    printf("  edit %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    CScratchBuffer<wchar_t> sec;
    m_Resume_ReadSection(g_ResumeFilePath, L"ZENTAVIO_RESUME", &sec);
    printf("  own section read %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    CopyFileW(g_Template.c_str(), g_Copy.c_str(), FALSE);
    MoveFileExW(g_Copy.c_str(), g_Store.c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    printf("  copy+move %.3f ms\n", (m_Now() - t) * 1000);
    t = m_Now();
    m_Resume_Lookup(g_ListPath, &r, 0, 0);
    printf("  lookup after %.3f ms\n", (m_Now() - t) * 1000);
    m_Resume_ClearOpenItem();
}

}  // namespace

int main()
{
    g_Folder = m_MakeBenchFolder(L"zv_bench_resume_");
    g_Template = g_Folder + L"\\template.dat";
    g_Store = g_Folder + L"\\Resume.dat";
    g_Copy = g_Folder + L"\\copy.dat";
    lstrcpynW(g_ResumeFilePath, g_Store.c_str(), MAX_PATH + 1);
    m_MakeTemplate();

    g_Settings.Common_MaxRsm = 255;
    g_Settings.Common_RsmIgnr[0] = g_Settings.Common_RsmIgnr[1] = 5000;
    g_Settings.Common_RsmIgnr[2] = 15000;
    g_ListType = LIST_SINGLE;
    lstrcpynW(g_ListPath, (g_Folder + L"\\movie.mkv").c_str(), MAX_PATH + 1);
    g_PlayState = 5;
    g_DurationMs = 3600000;

    m_Steps();
    std::vector<double> copy, save, saveTrim;
    for (int round = 0; round < kRounds; ++round) {
        copy.push_back(m_LineCopy());
        save.push_back(m_SaveOnce(round, 0));
        saveTrim.push_back(m_SaveOnce(round, 1));
    }
    const double base = m_Median(copy);
    printf("resume_save      %.3f ms  ratio %.2f (goal <= 3)\n", m_Median(save) * 1000,
           m_Median(save) / base);
    printf("resume_save_trim %.3f ms  ratio %.2f (goal <= 5)\n", m_Median(saveTrim) * 1000,
           m_Median(saveTrim) / base);
    printf("line_copy        %.3f ms\n", base * 1000);
    DeleteFileW(g_Template.c_str());
    DeleteFileW(g_Store.c_str());
    DeleteFileW(g_Copy.c_str());
    RemoveDirectoryW(g_Folder.c_str());
    return 0;
}
