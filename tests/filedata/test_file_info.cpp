#include <doctest/doctest.h>

#include <string.h>

#include <string>

#include "FileDataFixture.h"
#include "filedata/FileInfo.h"
#include "settings/Settings.h"
#include "WideStringMaker.h"

namespace {

// What Python's configparser writes (interpolation off, key case kept,
// encoding "utf-16"): LF line ends, " = ", sections in another order.
const wchar_t kConfigParserFile[] =
    L"[custom]\nnote = kept\n\n[MARKER]\n1 = 00:00:03.000,M%c1\n\n[CHAPTER]\n"
    L"2 = 00:01:00.000,Second\n1 = 00:00:00.000,A%cB%%\n\n[RANGE]\n"
    L"1 = -00:00:05.000,open start\n2 = 00:00:10.000-\n3 = nodash\n\n"
    L"[ZENTAVIO_FILEINFO]\nLEN = 02:00.000\nFMT = 100\n\n";

void Defaults()
{
    g_Settings.File_Inf = 0;
    lstrcpyW(g_Settings.File_InfSub, L"zvfiles");
    g_Settings.File_InfDir[0] = 0;
}

std::wstring Text(const wchar_t* header, const std::wstring& body)
{
    return std::wstring(header) + body;
}

const wchar_t kOurs[] = L"[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n";

}  // namespace

TEST_CASE("a configparser-written file reads with its names unescaped and survives a write")
{
    Defaults();
    CScratchFolder dir;
    const std::wstring path = dir / L"clip.avi.zvinf";
    CScratchFolder::m_WriteUtf16(path, kConfigParserFile);
    static SFILEINFO info;
    REQUIRE(m_FileInfo_Read(path.c_str(), &info) == 1);
    CHECK(info.Length == 120000);
    REQUIRE(info.ChapterCount == 2);
    CHECK(info.Chapters[0].Start == 0.0);
    CHECK(wcscmp(info.Chapters[0].Name, L"A,B%") == 0);
    CHECK(info.Chapters[0].Length == doctest::Approx(60.0));
    CHECK(info.Chapters[1].Length == doctest::Approx(60.0));
    REQUIRE(info.RangeCount == 3);
    CHECK(info.Ranges[0].start == -1);
    CHECK(info.Ranges[0].end == 5000);
    CHECK(wcscmp(info.Ranges[0].name, L"open start") == 0);
    CHECK(info.Ranges[1].start == 10000);
    CHECK(info.Ranges[1].end == -1);
    CHECK((info.Ranges[2].start == 0 && info.Ranges[2].end == 0 && !info.Ranges[2].name[0]));
    REQUIRE(info.MarkerCount == 1);
    CHECK(info.Markers[0].position == 3000);
    CHECK(wcscmp(info.Markers[0].name, L"M,1") == 0);

    // One chapter less: key 2 goes, the foreign section stays, UTF-16 stays.
    CHECK(m_FileInfo_WriteChapters(path.c_str(), info.Chapters, 1) == 1);
    const std::wstring after = CScratchFolder::m_ReadUtf16(path);
    CHECK(CScratchFolder::m_ReadBytes(path).substr(0, 2) == "\xFF\xFE");
    wchar_t note[16] = L"";
    GetPrivateProfileStringW(L"custom", L"note", L"", note, 16, path.c_str());
    CHECK(std::wstring(note) == L"kept");
    CHECK(after.find(L"00:01:00.000,Second") == std::wstring::npos);
    CHECK(after.find(L"00:00:00.000,A%cB%%") != std::wstring::npos);
}

TEST_CASE("reading stops at the first missing key and takes bad times as numbers it can")
{
    Defaults();
    CScratchFolder dir;
    const std::wstring path = dir / L"a.zvinf";
    const std::wstring longValue = L"00:00:01.000," + std::wstring(2000, L'x');
    CScratchFolder::m_WriteUtf16(
        path, Text(kOurs, L"LEN=abc\r\n[CHAPTER]\r\n1=abc,first\r\n2=99:99:99.9999\r\n4=00:00:09.000\r\n"
                          L"[MARKER]\r\n1=" + longValue + L"\r\n"));
    static SFILEINFO info;
    REQUIRE(m_FileInfo_Read(path.c_str(), &info) == 1);
    CHECK(info.Length == 0);
    REQUIRE(info.ChapterCount == 2);
    CHECK(info.Chapters[0].Start == 0.0);
    CHECK(info.Chapters[1].Start == doctest::Approx((99 * 60 + 99) * 60 + 99.9999).epsilon(1e-6));
    REQUIRE(info.MarkerCount == 1);
    CHECK(info.Markers[0].position == 1000);
    CHECK(wcslen(info.Markers[0].name) == kFileInfoNameCap - 1);
}

TEST_CASE("files that are not ours read as none, and the next write replaces them")
{
    Defaults();
    CScratchFolder dir;
    struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"UTF-8", "[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n[CHAPTER]\r\n1=00:00:01.000\r\n"},
        {"FMT=101", ""},
        {"empty", ""},
    };
    std::wstring fmt101 = std::wstring(L"[ZENTAVIO_FILEINFO]\r\nFMT=101\r\n[CHAPTER]\r\n1=00:00:01.000\r\n");
    cases[1].bytes = std::string("\xFF\xFE") +
                     std::string(reinterpret_cast<const char*>(fmt101.data()), fmt101.size() * 2);
    for (auto& c : cases) {
        CAPTURE(c.what);
        const std::wstring path = dir / L"x.zvinf";
        CScratchFolder::m_WriteBytes(path, c.bytes);
        static SFILEINFO info;
        CHECK(m_FileInfo_Read(path.c_str(), &info) == 0);
        CHECK(info.ChapterCount == 0);
        CHECK(m_FileInfo_WriteMarkers(path.c_str(), nullptr, 0) == 0);  // nothing to write: untouched
        CHECK(CScratchFolder::m_ReadBytes(path) == c.bytes);
        SMARKERITEM marker = {2500, L"m"};
        CHECK(m_FileInfo_WriteMarkers(path.c_str(), &marker, 1) == 1);
        const std::wstring fresh = CScratchFolder::m_ReadUtf16(path);
        CHECK(fresh.rfind(L"[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n", 0) == 0);
        CHECK(fresh.find(L"[MARKER]\r\n1=00:00:02.500,m\r\n") != std::wstring::npos);
        CHECK(fresh.find(L"CHAPTER") == std::wstring::npos);
    }
}

TEST_CASE("a TIME key gives the length and is rewritten as LEN")
{
    Defaults();
    CScratchFolder dir;
    const std::wstring path = dir / L"t.zvinf";
    CScratchFolder::m_WriteUtf16(path, Text(kOurs, L"TIME=1:02:03.004\r\n"));
    static SFILEINFO info;
    REQUIRE(m_FileInfo_Read(path.c_str(), &info) == 1);
    CHECK(info.Length == 3723004);
    const std::wstring after = CScratchFolder::m_ReadUtf16(path);
    CHECK(after.find(L"TIME=") == std::wstring::npos);
    CHECK(after.find(L"LEN=1:02:03.004") != std::wstring::npos);
}

TEST_CASE("writing: times, escaped names cut before an escape, and later keys deleted")
{
    Defaults();
    CScratchFolder dir;
    const std::wstring path = dir / L"w.zvinf";
    CScratchFolder::m_WriteUtf16(
        path, Text(kOurs, L"[CHAPTER]\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n7=g\r\n"));
    static SCHAPTERITEM chapters[3] = {};
    chapters[0].Start = 65.25;
    lstrcpyW(chapters[0].Name, L"");
    chapters[1].Start = 3600 * 101 + 0.0004;
    // 126 characters and a comma: the escape would be characters 127
    // and 128, so the name stops before it.
    std::wstring name(126, L'n');
    name += L",";
    lstrcpyW(chapters[2].Name, name.c_str());
    REQUIRE(m_FileInfo_WriteChapters(path.c_str(), chapters, 3) == 1);
    CHECK(m_FileInfo_WriteLength(path.c_str(), 307000) == 1);
    CHECK(m_FileInfo_WriteLength(path.c_str(), 0) == 0);
    const std::wstring text = CScratchFolder::m_ReadUtf16(path);
    CHECK(text.find(L"1=00:01:05.250\r\n") != std::wstring::npos);
    CHECK(text.find(L"2=101:00:00.000\r\n") != std::wstring::npos);
    CHECK(text.find(L"3=00:00:00.000," + std::wstring(126, L'n') + L"\r\n") != std::wstring::npos);
    CHECK(text.find(L"4=") == std::wstring::npos);
    CHECK(text.find(L"5=") == std::wstring::npos);
    CHECK(text.find(L"7=g") != std::wstring::npos);
    CHECK(text.find(L"LEN=05:07.000") != std::wstring::npos);

    wchar_t t[32];
    m_FileInfo_FormatTime(t, 32, 3723004, 1);
    CHECK(wcscmp(t, L"1:02:03.004") == 0);

    SPLAYRANGEITEM ranges[2] = {{-1, 2000, L""}, {1000, -1, L"x%y"}};
    REQUIRE(m_FileInfo_WriteRanges(path.c_str(), ranges, 2) == 1);
    const std::wstring again = CScratchFolder::m_ReadUtf16(path);
    CHECK(again.find(L"1=-00:00:02.000\r\n") != std::wstring::npos);
    CHECK(again.find(L"2=00:00:01.000-,x%%y\r\n") != std::wstring::npos);
}

TEST_CASE("an emptied file is deleted below 10000 bytes and only with the .zvinf extension")
{
    Defaults();
    CScratchFolder dir;
    struct {
        const wchar_t* name;
        size_t bytes;
        bool deleted;
    } cases[] = {
        {L"small.zvinf", 9999, true},
        {L"big.zvinf", 10000, false},
        {L"upper.ZVINF", 500, true},
        {L"other.txt", 500, false},
    };
    for (auto& c : cases) {
        CAPTURE(c.bytes);
        const std::wstring path = dir / c.name;
        std::wstring text = Text(kOurs, L"[CHAPTER]\r\n[pad]\r\nx=");
        const size_t fixed = 2 + (text.size() + 2) * 2;  // BOM, text, CRLF
        REQUIRE(fixed < c.bytes);
        // Odd sizes take one stray byte at the end, which the reader ignores.
        std::wstring pad((c.bytes - fixed) / 2, L'p');
        std::string bytes = "\xFF\xFE";
        std::wstring all = text + pad + L"\r\n";
        bytes.append(reinterpret_cast<const char*>(all.data()), all.size() * 2);
        if (bytes.size() < c.bytes) bytes += '\n';
        REQUIRE(bytes.size() == c.bytes);
        CScratchFolder::m_WriteBytes(path, bytes);
        CHECK(m_FileInfo_DeleteIfEmpty(path.c_str()) == 1);
        CHECK(CScratchFolder::m_Exists(path) == !c.deleted);
    }
}

TEST_CASE("finding the file by location mode, with and without search")
{
    CScratchFolder dir;
    CreateDirectoryW((dir / L"zvfiles").c_str(), nullptr);
    CreateDirectoryW((dir / L"central").c_str(), nullptr);
    CScratchFolder::m_WriteBytes(dir / L"afile", "x");
    const std::wstring media = dir / L"movie.mp4";
    wchar_t out[kFileInfoPathCap];

    struct {
        int mode;
        const wchar_t* sub;
        std::wstring central;
        std::wstring expected;
        int expectedMode;
    } cases[] = {
        {0, L"zvfiles", L"", media + L".zvinf", 0},
        {1, L"zvfiles", L"", dir / L"zvfiles\\movie.mp4.zvinf", 1},
        {1, L"", L"", media + L".zvinf", 0},                         // empty InfSub
        {2, L"zvfiles", dir / L"missing", media + L".zvinf", 0},    // no such folder
        {2, L"zvfiles", dir / L"afile", media + L".zvinf", 0},      // names a file
        {2, L"zvfiles", dir / L"central", dir / L"central\\movie.mp4.zvinf", 2},
        {2, L"zvfiles", dir / L"central\\", dir / L"central\\movie.mp4.zvinf", 2},
    };
    for (auto& c : cases) {
        CAPTURE(c.mode);
        g_Settings.File_Inf = c.mode;
        lstrcpyW(g_Settings.File_InfSub, c.sub);
        lstrcpyW(g_Settings.File_InfDir, c.central.c_str());
        int mode = -1;
        CHECK(m_FileInfo_FindPath(out, kFileInfoPathCap, media.c_str(), 0, 1, &mode) == 0);
        CHECK(std::wstring(out) == c.expected);
        CHECK(mode == c.expectedMode);
    }

    // Mode 0 finds a sub-folder file by search and reports mode 1.
    Defaults();
    const std::wstring sub = dir / L"zvfiles\\movie.mp4.zvinf";
    CScratchFolder::m_WriteUtf16(sub, kOurs);
    int mode = -1;
    CHECK(m_FileInfo_FindPath(out, kFileInfoPathCap, media.c_str(), 0, 1, &mode) == 1);
    CHECK(std::wstring(out) == sub);
    CHECK(mode == 1);
    // Without search the mode's own place is the answer.
    mode = -1;
    CHECK(m_FileInfo_FindPath(out, kFileInfoPathCap, media.c_str(), 0, 0, &mode) == 0);
    CHECK(std::wstring(out) == media + L".zvinf");
    // The upper-case form.
    CHECK(m_FileInfo_FindPath(out, kFileInfoPathCap, media.c_str(), 1, 0, nullptr) == 0);
    CHECK(std::wstring(out) == media + L".ZVINF");
    int bad = 3;
    CHECK(m_FileInfo_FindPath(out, kFileInfoPathCap, media.c_str(), 0, 1, &bad) == 0);
    CHECK(out[0] == 0);
}
