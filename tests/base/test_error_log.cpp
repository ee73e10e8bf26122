#include <doctest/doctest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "base/ErrorLog.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

// The log lies beside the executable path, which is fixed at its first
// entry: every case here shares one private folder.
struct SLogFolder {
    CTempFolder folder;
    wchar_t log[MAX_PATH + 1] = {};

    SLogFolder()
    {
        lstrcpynW(g_ExePath, folder.Join(L"Zentavio.exe").c_str(), MAX_PATH + 1);
        lstrcpynW(log, folder.Join(L"Error.log").c_str(), MAX_PATH + 1);
    }
};
SLogFolder s_Folder;

struct SLogFile {
    bool exists = false;
    bool bom = false;
    bool clean = true;  // every line ended by CR LF, no stray CR or LF
    std::vector<std::string> lines;
};

std::string m_ReadBytes(const wchar_t* path, bool* exists)
{
    std::string bytes;
    FILE* f = _wfopen(path, L"rb");
    *exists = f != nullptr;
    if (!f) return bytes;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

SLogFile m_ReadLogFile()
{
    SLogFile out;
    std::string bytes = m_ReadBytes(s_Folder.log, &out.exists);
    size_t pos = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        out.bom = true;
        pos = 3;
    }
    while (pos < bytes.size()) {
        size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            out.clean = false;
            end = bytes.size();
        }
        std::string line = bytes.substr(pos, end - pos);
        if (line.find_first_of("\r\n") != std::string::npos) out.clean = false;
        out.lines.push_back(line);
        pos = end + 2;
    }
    return out;
}

void m_WriteFixture(const std::vector<std::string>& lines, bool endLast = true)
{
    FILE* f = _wfopen(s_Folder.log, L"wb");
    REQUIRE(f);
    fputs("\xEF\xBB\xBF", f);
    for (size_t i = 0; i < lines.size(); ++i) {
        fputs(lines[i].c_str(), f);
        if (i + 1 < lines.size() || endLast) fputs("\r\n", f);
    }
    fclose(f);
}

std::vector<std::string> m_NumberedLines(int count, int longEvery = 0)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        char head[32];
        snprintf(head, sizeof(head), "old %03d ", i + 1);
        size_t tail = (longEvery && i % longEvery == 0) ? 5000 : 10;
        lines.push_back(head + std::string(tail, 'x'));
    }
    return lines;
}

// The message of a stored line, after its "yyyy.mm.dd hh:mm:ss.mmm - ".
std::string m_MessageOf(const std::string& line)
{
    return line.size() >= 26 ? line.substr(26) : std::string();
}

bool m_HasStamp(const std::string& line)
{
    const char* shape = "dddd.dd.dd dd:dd:dd.ddd - ";
    if (line.size() < 26) return false;
    for (int i = 0; i < 26; ++i) {
        bool digit = line[i] >= '0' && line[i] <= '9';
        if (shape[i] == 'd' ? !digit : line[i] != shape[i]) return false;
    }
    return true;
}

void m_StartEmpty()
{
    g_Settings.Main_ErrLog = 1;
    DeleteFileW(s_Folder.log);
}

}  // namespace

TEST_CASE("a line is a local time stamp and the message, UTF-8 with a BOM and CR LF")
{
    m_StartEmpty();
    SYSTEMTIME now;
    GetLocalTime(&now);
    CHECK(m_WriteLog(L"MAIN_%d : Error / %s = 0x%08X", 12, L"CoInitialize()", 0x80004005u) == 1);
    CHECK(m_WriteLog(L"E1001 : OpenFile / %s", L"再生\r\nリスト") == 1);

    SLogFile file = m_ReadLogFile();
    REQUIRE(file.lines.size() == 2);
    CHECK(file.bom);
    CHECK(file.clean);
    CHECK(m_HasStamp(file.lines[0]));
    char date[16];
    snprintf(date, sizeof(date), "%04d.%02d.%02d", now.wYear, now.wMonth, now.wDay);
    CHECK(file.lines[0].compare(0, 10, date) == 0);
    CHECK(m_MessageOf(file.lines[0]) == "MAIN_12 : Error / CoInitialize() = 0x80004005");
    // Line breaks inside a message would split the entry.
    CHECK(m_MessageOf(file.lines[1]) == "E1001 : OpenFile / 再生  リスト");
}

TEST_CASE("with the log switched off nothing is written")
{
    m_StartEmpty();
    g_Settings.Main_ErrLog = 0;
    CHECK(m_WriteLog(L"MAIN_%d : Error", 1) == 1);
    CHECK_FALSE(m_ReadLogFile().exists);
}

TEST_CASE("299 lines grow to 300, then the next entry cuts back to the newest 200")
{
    m_StartEmpty();
    m_WriteFixture(m_NumberedLines(299));
    m_WriteLog(L"new A");
    SLogFile file = m_ReadLogFile();
    REQUIRE(file.lines.size() == 300);
    CHECK(m_MessageOf(file.lines[299]) == "new A");

    m_WriteLog(L"new B");
    file = m_ReadLogFile();
    REQUIRE(file.lines.size() == 200);
    CHECK(file.bom);
    CHECK(file.clean);
    CHECK(file.lines[0].compare(0, 8, "old 102 ") == 0);
    CHECK(file.lines[197].compare(0, 8, "old 299 ") == 0);
    CHECK(m_MessageOf(file.lines[198]) == "new A");
    CHECK(m_MessageOf(file.lines[199]) == "new B");
    wchar_t temp[MAX_PATH + 1];
    _snwprintf_s(temp, MAX_PATH + 1, _TRUNCATE, L"%s.tmp", s_Folder.log);
    CHECK(GetFileAttributesW(temp) == INVALID_FILE_ATTRIBUTES);
}

TEST_CASE("a trim keeps old lines whole however long they are")
{
    m_StartEmpty();
    std::vector<std::string> old = m_NumberedLines(300, 3);  // every third is 5,008 bytes
    m_WriteFixture(old);
    m_WriteLog(L"new");
    SLogFile file = m_ReadLogFile();
    REQUIRE(file.lines.size() == 200);
    CHECK(file.clean);
    for (int i = 0; i < 199; ++i) {
        CAPTURE(i);
        CHECK(file.lines[i] == old[101 + i]);
    }
}

TEST_CASE("a log far larger than any it writes is cut from its tail")
{
    m_StartEmpty();
    std::vector<std::string> old = m_NumberedLines(30000);
    for (auto& line : old) line += std::string(90, 'y');  // about 3 MB in all
    m_WriteFixture(old);
    m_WriteLog(L"new");
    SLogFile file = m_ReadLogFile();
    REQUIRE(file.lines.size() == 200);
    CHECK(file.bom);
    CHECK(file.lines[0] == old[30000 - 199]);
    CHECK(file.lines[198] == old.back());
}

TEST_CASE("entries never run together on one line")
{
    SUBCASE("a long message is cut so that its line keeps the newline")
    {
        m_StartEmpty();
        std::wstring text(2000, L'a');
        m_WriteLog(L"%s", text.c_str());
        m_WriteLog(L"next");
        SLogFile file = m_ReadLogFile();
        REQUIRE(file.lines.size() == 2);
        CHECK(file.clean);
        CHECK(file.lines[0].size() == 1022);  // 1,023 characters with the newline
        CHECK(m_MessageOf(file.lines[0]) == std::string(996, 'a'));
        CHECK(m_MessageOf(file.lines[1]) == "next");
    }
    SUBCASE("a last line left unended by someone else is closed first")
    {
        m_StartEmpty();
        m_WriteFixture({"old 1", "old 2"}, false);
        m_WriteLog(L"next");
        SLogFile file = m_ReadLogFile();
        REQUIRE(file.lines.size() == 3);
        CHECK(file.clean);
        CHECK(file.lines[1] == "old 2");
        CHECK(m_MessageOf(file.lines[2]) == "next");
    }
}

namespace {

DWORD WINAPI m_LogFromThread(void* param)
{
    int thread = static_cast<int>(reinterpret_cast<INT_PTR>(param));
    for (int i = 0; i < 200; ++i) m_WriteLog(L"T%d %03d", thread, i);
    return 0;
}

}  // namespace

TEST_CASE("two threads logging at once lose and split no line")
{
    m_StartEmpty();
    HANDLE threads[2];
    for (int t = 0; t < 2; ++t) {
        threads[t] = CreateThread(nullptr, 0, m_LogFromThread,
                                  reinterpret_cast<void*>(static_cast<INT_PTR>(t)), 0, nullptr);
        REQUIRE(threads[t]);
    }
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE h : threads) CloseHandle(h);

    // 400 entries: 300 lines, cut to 200 by the 301st, then 99 more.
    SLogFile file = m_ReadLogFile();
    CHECK(file.clean);
    REQUIRE(file.lines.size() == 299);
    int next[2] = {-1, -1};  // each thread's entries must follow on unbroken
    for (const std::string& line : file.lines) {
        CAPTURE(line);
        REQUIRE(m_HasStamp(line));
        int thread = -1, seq = -1;
        REQUIRE(sscanf(m_MessageOf(line).c_str(), "T%d %d", &thread, &seq) == 2);
        REQUIRE((thread == 0 || thread == 1));
        if (next[thread] >= 0) CHECK(seq == next[thread]);
        next[thread] = seq + 1;
    }
    CHECK(next[0] == 200);
    CHECK(next[1] == 200);
}
