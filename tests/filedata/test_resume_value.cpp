#include <doctest/doctest.h>

#include <string.h>

#include <string>
#include <vector>

#include "base/Crc64.h"
#include "filedata/ResumeCheckText.h"
#include "filedata/ResumeValue.h"
#include "settings/SettingsLists.h"

namespace {

SRESUMEINFO Cleared()
{
    SRESUMEINFO r;
    m_Resume_ClearRecord(&r);
    return r;
}

std::wstring Format(const SRESUMEINFO& r)
{
    wchar_t out[kResumeValueCap];
    m_Resume_FormatValue(&r, out);
    return out;
}

SRESUMEINFO Parse(const std::wstring& text, const SFOLDERSETTING* folder = nullptr)
{
    SRESUMEINFO r = Cleared();
    m_Resume_ParseRecord(text.c_str(), &r, folder);
    return r;
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

}  // namespace

TEST_CASE("the value text is written and read back field by field")
{
    SUBCASE("positions in tenths of a second")
    {
        struct {
            int ms;
            const wchar_t* text;
            int back;
        } rows[] = {
            {61250, L"61.3", 61300}, {61000, L"61", 61000}, {-1, L"-1", -1},
            {8049, L"8", 8000},      {99, L"0.1", 100},     {0, L"", 0},
        };
        for (const auto& row : rows) {
            SRESUMEINFO r = Cleared();
            r.PositionOn = 1;
            r.Position = row.ms;
            CAPTURE(row.ms);
            CHECK(Format(r) == row.text);
            const SRESUMEINFO back = Parse(row.text);
            CHECK(back.Position == row.back);
        }
    }
    SUBCASE("entry and shuffle pass")
    {
        SRESUMEINFO r = Cleared();
        r.PositionOn = 1;
        r.ShufflePass = 2;
        CHECK(Format(r) == L",/3");
        const SRESUMEINFO back = Parse(L",/3");
        CHECK(back.Track == 0);
        CHECK(back.ShufflePass == 2);
        CHECK(back.PositionOn == 1);
        r.Track = 4;
        r.Position = 12300;
        CHECK(Format(r) == L"12.3,5/3");
        CHECK(Parse(L"12.3,5/3").Track == 4);
    }
    SUBCASE("settings groups")
    {
        SRESUMEINFO r = Cleared();
        r.AspectOn = 1;
        r.AspectX = 2350;
        r.AspectY = 1000;
        CHECK(Format(r) == L",,,,,2350:");
        SRESUMEINFO back = Parse(L",,,,,2350:");
        CHECK(back.AspectX == 2350);
        CHECK(back.AspectY == 1000);

        r = Cleared();
        r.RangeMode = 1;
        r.RangeValue = 9000;
        r.CropOn = 1;
        r.CropX = 16;
        r.CropY = 9;
        CHECK(Format(r) == L",,,,,,1000/16:9");
        back = Parse(L",,,,,,1000/16:9");
        CHECK(back.RangeMode == 1);
        CHECK(back.RangeValue == 9000);
        CHECK(back.CropX == 16);
        CHECK(back.CropY == 9);
        CHECK(Parse(L",,,,,,12000").RangeValue == 10000);  // outside 1000..10000

        r = Cleared();
        r.RangeMode = 2;
        r.RangeRect[0] = 0;
        r.RangeRect[1] = 250;
        r.RangeRect[2] = 9000;
        r.RangeRect[3] = 9750;
        r.CropOn = 1;  // not written with a rectangle
        CHECK(Format(r) == L",,,,,,:250:9000:9750");
        back = Parse(L",,,,,,:250:9000:9750");
        CHECK(back.RangeMode == 2);
        CHECK(back.RangeRect[1] == 250);
        CHECK(back.RangeRect[3] == 9750);
        CHECK(back.CropOn == 0);

        r = Cleared();
        r.BoostOn = 1;
        r.Boost = 120;
        CHECK(Format(r) == L",,,,,,,120");
        r.BalanceOn = 1;
        r.Balance = 80;
        CHECK(Format(r) == L",,,,,,,120,-20");
        CHECK(Parse(L",,,,,,,120,-20").Balance == 80);
    }
    SUBCASE("ProcAmp keeps its letter, and a whole record survives the trip")
    {
        SRESUMEINFO r = Cleared();
        r.PositionOn = 1;
        r.Position = 5000;
        r.CheckOn = 1;
        wcscpy(r.CheckText, L"+2:1.3");
        r.StreamOn = 1;
        wcscpy(r.StreamMask, L"5");
        r.ProcAmpOn = 1;
        r.ProcAmpKind = 1;
        const int positions[4] = {10, 20, 30, 40};
        memcpy(r.ProcAmp, positions, sizeof(positions));
        const std::wstring text = Format(r);
        CHECK(text.substr(0, 13) == L"5,,+2:1.3,5,I");
        CHECK(text.size() == 21);  // the letter and eight digits
        SRESUMEINFO back = Parse(text);
        back.HasData = 0;
        CHECK(Format(back) == text);
        CHECK(memcmp(back.ProcAmp, positions, sizeof(positions)) == 0);
    }
    SUBCASE("an empty record gives no text and reading nothing changes nothing")
    {
        CHECK(Format(Cleared()) == L"");
        SRESUMEINFO r = Cleared();
        CHECK(m_Resume_ParseRecord(L"", &r, nullptr) == 0);
        CHECK(r.HasData == 0);
        CHECK(m_Resume_ParseRecord(L",", &r, nullptr) == 1);
        CHECK(r.HasData == 1);
        CHECK(m_Resume_HasAny(&r) == 0);
    }
}

TEST_CASE("bad value texts read safely")
{
    // An over-long field ends the reading; the fields before it stand.
    const std::wstring longField(300, L'7');
    SRESUMEINFO r = Parse(L"12," + longField + L",ABC");
    CHECK(r.Position == 12000);
    CHECK(r.PositionOn == 1);
    CHECK(r.Track == 0);
    CHECK(r.CheckOn == 0);
    // A 1000-character value as one field.
    r = Parse(std::wstring(1000, L'9'));
    CHECK(r.HasData == 1);
    CHECK(r.PositionOn == 0);
    // Junk numbers read as 0; a tenth field is ignored.
    r = Parse(L"abc,xyz,,,,,,,,99");
    CHECK(r.Position == 0);
    CHECK(r.Track == 0);
    // A check text as long as the field allows keeps 254 characters.
    r = Parse(
        L","
        L"," +
        std::wstring(255, L'1'));
    CHECK(wcslen(r.CheckText) == 254);
    r = Parse(L",,,0123456789ABCDEFGH");
    CHECK(wcslen(r.StreamMask) == 15);
}

TEST_CASE("a folder setting's flags skip their groups when reading and merging")
{
    const std::wstring text = L"30,2,5,3,,4:3,,150,90";
    SFOLDERSETTING folder = {};
    folder.Flags[FOLDERSET_POSITION] = 1;
    SRESUMEINFO r = Parse(text, &folder);
    CHECK(r.PositionOn == 0);
    CHECK(r.CheckOn == 1);
    CHECK(r.BoostOn == 1);
    folder = {};
    folder.Flags[FOLDERSET_SETTINGS] = 1;
    folder.Flags[FOLDERSET_STREAM] = 1;
    r = Parse(text, &folder);
    CHECK(r.PositionOn == 1);
    CHECK(r.StreamOn == 0);
    CHECK(r.AspectOn == 0);
    CHECK(r.BoostOn == 0);

    // Merging: an excluded group keeps the destination's values.
    SRESUMEINFO stored = Parse(L"40,,,,,16:9");
    SRESUMEINFO now = Parse(L"10,,,,,4:3");
    folder = {};
    folder.Flags[FOLDERSET_POSITION] = 1;
    SRESUMEINFO merged = stored;
    CHECK(m_Resume_Merge(&merged, &now, &folder) == 1);
    CHECK(merged.Position == 40000);
    CHECK(merged.AspectX == 4);
    // Nothing now and the position excluded: an empty stored record stays empty.
    SRESUMEINFO none = Cleared();
    merged = Cleared();
    CHECK(m_Resume_Merge(&merged, &now, &folder) == 1);
    CHECK(merged.PositionOn == 0);
    now = Parse(L"10");
    CHECK(m_Resume_Merge(&none, &now, &folder) == 0);
}

TEST_CASE("the key is the CRC-64/WE of the upper-cased name, folder left out")
{
    const uint64_t expected = m_Crc64String(L"CLIP.AVI");
    CHECK(m_Resume_GetKey(L"C:\\a\\clip.avi") == expected);
    CHECK(m_Resume_GetKey(L"D:\\other\\Clip.AVI") == expected);
    CHECK(m_Resume_GetKey(L"clip.Avi") == expected);
    CHECK(m_Resume_GetKey(L"C:\\media\\Folder\\") == m_Crc64String(L"FOLDER"));
    CHECK(m_Resume_GetKey(L"") == 0);
    CHECK(m_Resume_GetKey(L"C:\\") == m_Crc64String(L"C:"));
}

namespace {

struct SROWS {
    std::vector<std::wstring> Rows;
};

void RowOf(int row, wchar_t out[kCheckRowCap], void* context)
{
    lstrcpynW(out, static_cast<SROWS*>(context)->Rows[row].c_str(), kCheckRowCap);
}

std::wstring Join(const std::vector<std::wstring>& rows, int off = 0)
{
    SROWS data{rows};
    wchar_t out[256];
    m_Resume_JoinCheckRows(static_cast<int>(rows.size()), RowOf, &data, off, out);
    return out;
}

std::wstring Mask(const std::vector<UINT>& flags)
{
    wchar_t out[kCheckRowCap];
    m_Resume_MaskRow(flags.data(), static_cast<int>(flags.size()), out);
    return out;
}

}  // namespace

TEST_CASE("check-state rows: masks, runs and the cut")
{
    CHECK(Mask({0, 1, 0}) == L"2");
    CHECK(Mask({0, 0, 0}) == L"");
    CHECK(Mask({1, 0, 0, 0, 1}) == L"11");
    std::vector<UINT> many(40, 0);
    many[33] = 1;
    CHECK(Mask(many) == L"200000000");

    // Entries 0..507 fit 127 digits; a later flag is dropped, never moved.
    std::vector<UINT> big(1000, 0);
    big[0] = 1;
    big[507] = 1;
    big[900] = 1;
    const std::wstring row = Mask(big);
    CHECK(row.size() == 127);
    CHECK(row.front() == L'8');  // item 507: the top bit of digit 126
    CHECK(row.back() == L'1');
    big[507] = 0;
    CHECK(Mask(big) == L"1");  // leading zeros of the kept digits go

    CHECK(Join({L"2", L"", L"", L""}) == L"2");
    CHECK(Join({L"2", L"", L"", L""}, 1) == L"+2");
    CHECK(Join({L"", L"1", L"1", L"1", L""}) == L":1.2");
    CHECK(Join({L"", L"1", L"1", L"1", L"", L"3"}) == L":1.2::3");
    CHECK(Join({L"", L"", L"", L"4"}) == L":.1:4");
    CHECK(Join({L"F", L"", L"", L""}) == L"F");

    // The cut falls between rows: the last row that does not fit goes whole.
    std::vector<std::wstring> rows = {L"1"};
    for (int i = 0; i < 10; ++i) rows.push_back(std::wstring(40, wchar_t(L'1' + i)));
    const std::wstring joined = Join(rows);
    CHECK(joined.size() <= 255);
    CHECK(joined.size() == 1 + 6 * 41);
    CHECK(joined.back() == L'6');
    CAPTURE(Narrow(joined));
}
