#include <doctest/doctest.h>

#include <string>

#include "GdiplusScope.h"
#include "TempFolder.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "jumplist/ImgData.h"

namespace {

const wchar_t kBookmark[] =
    L"[ZENTAVIO_IMGDATA]\nFMT=100\nSIZE=320,180\nQT=90\nAPPVER=90690\n"
    L"[BOOKMARK]\r\nFILE=C:\\v\\list.zvpl\r\nMEDIAFILE=C:\\v\\b.avi\r\nTRACK=2\r\nPOS=5000\r\n"
    L"[FILEINFO]\nLEN=60000\n[PROP]\nRANGE=1000,9000\n";

}  // namespace

TEST_CASE("the current reader takes a bookmark's keys and play range")
{
    SIMGDATA d;
    REQUIRE(m_ImgData_Parse(kBookmark, &d) == 1);
    CHECK(d.Fmt == 100);
    CHECK(std::wstring(d.File) == L"C:\\v\\list.zvpl");
    CHECK(std::wstring(d.MediaFile) == L"C:\\v\\b.avi");
    CHECK(d.Track == 2);
    CHECK(d.PosMs == 5000);
    CHECK(d.LengthMs == 60000);
    CHECK((d.RangeOn == 1 && d.RangeStartMs == 1000 && d.RangeEndMs == 9000));
    CHECK((d.Width == 320 && d.Height == 180 && d.Quality == 90 && d.BlockCount == 1));
}

TEST_CASE("bookmark, jump-list and other texts")
{
    struct SCase {
        const wchar_t* text;
        int result, fmt, columns, rows, visible, blocks;
    };
    const SCase cases[] = {
        {L"[ZENTAVIO_IMGDATA]\nFMT=201\n[JUMPLIST]\nBLOCK=5,3\n", 1, 201, 5, 3, 3, 15},
        {L"[ZENTAVIO_IMGDATA]\nFMT=210\n[JUMPLIST]\nBLOCK=4\n", 1, 210, 4, 4, 4, 16},
        {L"[ZENTAVIO_IMGDATA]\nFMT=210\n[JUMPLIST]\nBLOCK=2,13,12\n", 1, 210, 13, 12, 2, 156},
        // More blocks than a record keeps: none are taken.
        {L"[ZENTAVIO_IMGDATA]\nFMT=201\n[JUMPLIST]\nBLOCK=100,100\n", 1, 201, 0, 0, 0, 0},
        {L"[ZENTAVIO_IMGDATA]\nFMT=305\nADD=1234\n", 1, 305, 0, 0, 0, 0},
        {L"[ZENTAVIO_IMGDATA]\nFMT=110\n", 0, 0, 0, 0, 0, 0},
        {L"[ZENTAVIO_IMGDATA]\nFMT=0\n", 0, 0, 0, 0, 0, 0},
        // Keys are case-sensitive and start a line.
        {L"[zentavio_imgdata]\nFMT=100\n", 0, 0, 0, 0, 0, 0},
        {L"[ZENTAVIO_IMGDATA]\n FMT=100\n", 0, 0, 0, 0, 0, 0},
        {L"[TORVALISK_IMGDATA]\nVER=110\n", 0, 0, 0, 0, 0, 0},
        {L"", 0, 0, 0, 0, 0, 0},
    };
    for (const SCase& c : cases) {
        CAPTURE(std::wstring(c.text).size());
        SIMGDATA d;
        CHECK(m_ImgData_Parse(c.text, &d) == c.result);
        CHECK(d.Fmt == c.fmt);
        CHECK(d.Columns == c.columns);
        CHECK(d.Rows == c.rows);
        CHECK(d.VisibleRows == c.visible);
        CHECK(d.BlockCount == c.blocks);
    }
    SIMGDATA d;
    REQUIRE(m_ImgData_Parse(L"[ZENTAVIO_IMGDATA]\nFMT=305\nADD=1234\n", &d) == 1);
    CHECK(d.AppendedBytes == 1234);
}

TEST_CASE("a bookmark naming only its media file reads it as the file, track 0")
{
    SIMGDATA d;
    REQUIRE(m_ImgData_Parse(L"[ZENTAVIO_IMGDATA]\nFMT=100\n[BOOKMARK]\nMEDIAFILE=C:\\a.avi\n"
                            L"TRACK=4\nPOS=1\n[PROP]\nRANGE=5\n",
                            &d) == 1);
    CHECK(std::wstring(d.File) == L"C:\\a.avi");
    CHECK(d.MediaFile[0] == 0);
    CHECK(d.Track == 0);
    CHECK(d.RangeOn == 0);
}

TEST_CASE("m_ImgData_ReadFile reads the user comment of a JPEG")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    CTempFolder folder;
    CArgbImage img;
    REQUIRE(img.m_Create(nullptr, 32, 18));
    const std::string bookmark =
        "[ZENTAVIO_IMGDATA]\nFMT=100\n[BOOKMARK]\nFILE=C:\\\xE5\x8B\x95\xE7\x94\xBB.avi\nPOS=7\n";
    const std::wstring good = folder.Join(L"good.jpg");
    REQUIRE(m_SaveImageFile(&img, good.c_str(), IMAGE_FORMAT_JPEG, 90, bookmark.c_str(),
                            unsigned(bookmark.size() + 1)));
    const std::string junk(16000, 'x');
    const std::wstring junkPath = folder.Join(L"junk.jpg");
    REQUIRE(m_SaveImageFile(&img, junkPath.c_str(), IMAGE_FORMAT_JPEG, 90, junk.c_str(),
                            unsigned(junk.size())));
    const std::wstring plain = folder.Join(L"plain.jpg");
    REQUIRE(m_SaveImageFile(&img, plain.c_str(), IMAGE_FORMAT_JPEG, 90, nullptr, 0));

    SIMGDATA d;
    CHECK(m_ImgData_ReadFile(nullptr, good.c_str(), &d) == 1);
    CHECK(std::wstring(d.File) == L"C:\\\x52D5\x753B.avi");
    CHECK(d.PosMs == 7);
    CHECK(m_ImgData_ReadFile(nullptr, junkPath.c_str(), &d) == 0);
    CHECK(d.Fmt == 0);
    CHECK(m_ImgData_ReadFile(nullptr, plain.c_str(), &d) == 0);
    CHECK(m_ImgData_ReadFile(nullptr, folder.Join(L"none.jpg").c_str(), &d) == 0);
}
