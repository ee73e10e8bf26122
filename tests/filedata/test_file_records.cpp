#include <doctest/doctest.h>

#include <string.h>

#include "filedata/FileInfo.h"
#include "filedata/ResumeInfo.h"

TEST_CASE("a cleared resume record holds the neutral value of every settings group")
{
    SRESUMEINFO record;
    memset(&record, 0x5A, sizeof(record));
    m_Resume_ClearRecord(&record);
    CHECK(record.HasData == 0);
    CHECK(record.Key == 0);
    CHECK(record.PositionOn == 0);
    CHECK(record.Track == 0);
    CHECK(record.Position == 0);
    CHECK(record.CheckText[0] == 0);
    CHECK(record.StreamMask[0] == 0);
    CHECK(record.ProcAmpOn == 0);
    CHECK(record.ProcAmpKind == -1);
    for (int i = 0; i < 4; ++i) {
        CHECK(record.ProcAmp[i] == -1);
        CHECK(record.RangeRect[i] == -1);
    }
    CHECK(record.AspectOn == 0);
    CHECK(record.AspectX == 0);
    CHECK(record.CropOn == 0);
    CHECK(record.RangeMode == 0);  // no range group
    CHECK(record.RangeValue == 10000);
    CHECK(record.BoostOn == 0);
    CHECK(record.Boost == 100);
    CHECK(record.BalanceOn == 0);
    CHECK(record.Balance == 100);
    CHECK(record.ShufflePass == 0);
    m_Resume_ClearRecord(nullptr);
}

TEST_CASE("a cleared file information record is all zero")
{
    static SFILEINFO info;
    memset(&info, 0x5A, sizeof(info));
    m_FileInfo_Clear(&info);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&info);
    size_t nonZero = 0;
    for (size_t i = 0; i < sizeof(info); ++i) nonZero += bytes[i] != 0;
    CHECK(nonZero == 0);
    CHECK(sizeof(info.Chapters) / sizeof(info.Chapters[0]) == 199);
    m_FileInfo_Clear(nullptr);
}
