#include <doctest/doctest.h>

#include <string>

#include "TempFolder.h"
#include "app/MonitorTable.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

SMONITORITEM Item(int l, int t, int r, int b, const wchar_t* device, DWORD flags = 0)
{
    SMONITORITEM m = {};
    SetRect(&m.rcMonitor, l, t, r, b);
    m.rcWork = m.rcMonitor;
    m.dwFlags = flags;
    lstrcpynW(m.szDevice, device, kMonitorDeviceCap);
    m.nDpiPercent = 100;
    return m;
}

void SetTable(SMONITORTABLE* table, std::initializer_list<SMONITORITEM> items)
{
    *table = SMONITORTABLE{};
    for (const SMONITORITEM& m : items) table->Items[table->nCount++] = m;
}

// A settings file of its own, the three tables empty and "Hld" off.
struct SMonitorFixture {
    CTempFolder folder;
    SMonitorFixture()
    {
        lstrcpynW(g_IniPath, folder.Join(L"Zentavio.ini").c_str(), MAX_PATH + 1);
        g_Settings = SSETTINGS{};
        g_MonitorTable = g_MonitorStored = g_MonitorWork = SMONITORTABLE{};
        m_Monitor_BuildOrder();
    }
    std::wstring Read(const wchar_t* key)
    {
        wchar_t value[300];
        GetPrivateProfileStringW(L"Mon", key, L"<none>", value, 300, g_IniPath);
        return value;
    }
    void Write(const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(L"Mon", key, value, g_IniPath);
    }
};

const SMONITORITEM kLeft = Item(0, 0, 1920, 1080, L"\\\\.\\DISPLAY1", 1);
const SMONITORITEM kRight = Item(1920, 0, 3200, 1024, L"\\\\.\\DISPLAY2");

}  // namespace

TEST_CASE("a stored entry parses field by field, and a short one leaves the rest zero")
{
    struct {
        const wchar_t* text;
        DWORD flags;
        RECT rc;
        const wchar_t* device;
    } cases[] = {
        {L"1,0,0,1920,1080,\\\\.\\DISPLAY1", 1, {0, 0, 1920, 1080}, L"\\\\.\\DISPLAY1"},
        {L"0,-1280,-200,0,824,B", 0, {-1280, -200, 0, 824}, L"B"},
        {L"1,0,0,1920,1080", 1, {0, 0, 1920, 1080}, L""},
        {L"A,5,6", 10, {5, 6, 0, 0}, L""},
        {L"", 0, {0, 0, 0, 0}, L""},
        // A device name longer than the field is cut, never overflowing it.
        {L"0,0,0,1,1,0123456789012345678901234567890123456789",
         0,
         {0, 0, 1, 1},
         L"0123456789012345678901234567890"},
    };
    for (const auto& c : cases) {
        SMONITORITEM m;
        memset(&m, 0x5A, sizeof(m));
        m_Monitor_ParseEntry(c.text, &m);
        CAPTURE(std::string(c.text, c.text + wcslen(c.text)));
        CHECK(m.dwFlags == c.flags);
        CHECK(EqualRect(&m.rcMonitor, &c.rc));
        CHECK(std::wstring(m.szDevice) == c.device);
        CHECK(m.hMonitor == nullptr);
    }
}

TEST_CASE("[Mon] is written, read back, and shrinks without leaving old keys")
{
    SMonitorFixture f;
    SetTable(&g_MonitorStored, {kLeft, kRight, Item(-800, 0, 0, 600, L"C")});
    m_Monitor_WriteStored();
    CHECK(f.Read(L"Count") == L"3");
    CHECK(f.Read(L"0") == L"1,0,0,1920,1080,\\\\.\\DISPLAY1");
    CHECK(f.Read(L"2") == L"0,-800,0,0,600,C");

    g_MonitorStored = SMONITORTABLE{};
    m_Monitor_ReadStored();
    REQUIRE(g_MonitorStored.nCount == 3);
    CHECK(EqualRect(&g_MonitorStored.Items[1].rcMonitor, &kRight.rcMonitor));
    CHECK(std::wstring(g_MonitorStored.Items[1].szDevice) == kRight.szDevice);

    SetTable(&g_MonitorStored, {kRight});
    m_Monitor_WriteStored();
    CHECK(f.Read(L"Count") == L"1");
    CHECK(f.Read(L"0") == L"0,1920,0,3200,1024,\\\\.\\DISPLAY2");
    CHECK(f.Read(L"1") == L"<none>");
    CHECK(f.Read(L"2") == L"<none>");
}

TEST_CASE("a Count from the file beyond the table is held to it")
{
    SMonitorFixture f;
    SUBCASE("reading stops at the capacity")
    {
        f.Write(L"Count", L"99");
        for (int i = 0; i < 20; ++i) f.Write(std::to_wstring(i).c_str(), L"0,0,0,10,10,M");
        m_Monitor_ReadStored();
        CHECK(g_MonitorStored.nCount == kMonitorCap);
    }
    SUBCASE("a huge old Count does not make the rewrite sweep for ever")
    {
        f.Write(L"Count", L"2000000000");
        SetTable(&g_MonitorStored, {kLeft});
        DWORD began = GetTickCount();
        m_Monitor_WriteStored();
        CHECK(GetTickCount() - began < 5000);
        CHECK(f.Read(L"Count") == L"1");
    }
    SUBCASE("no Count reads as none")
    {
        m_Monitor_ReadStored();
        CHECK(g_MonitorStored.nCount == -1);
    }
}

TEST_CASE("a stored monitor is found again by rectangle, name and size")
{
    SMonitorFixture f;
    SetTable(&g_MonitorStored, {kLeft, kRight});
    SUBCASE("same rectangle and name, whatever the live order")
    {
        SetTable(&g_MonitorTable, {kRight, kLeft});
        CHECK(m_Monitor_MatchStored(0) == 1);
        CHECK(m_Monitor_MatchStored(1) == 0);
    }
    SUBCASE("two monitors of the same rectangle are told apart by name")
    {
        SetTable(&g_MonitorTable,
                 {Item(0, 0, 1920, 1080, L"X"), kLeft, Item(0, 0, 1920, 1080, L"Y")});
        CHECK(m_Monitor_MatchStored(0) == 1);
        SetTable(&g_MonitorTable, {Item(0, 0, 1920, 1080, L"X"), Item(0, 0, 1920, 1080, L"Y")});
        CHECK(m_Monitor_MatchStored(0) == 1);  // none has the name: the last one
    }
    SUBCASE("a moved monitor of the same size: the nearest centre")
    {
        SetTable(&g_MonitorTable,
                 {kLeft, Item(1920, 500, 3200, 1524, L"Z"), Item(-1280, 0, 0, 1024, L"W")});
        CHECK(m_Monitor_MatchStored(1) == 1);
    }
    SUBCASE("gone, or outside the table")
    {
        SetTable(&g_MonitorTable, {kLeft});
        CHECK(m_Monitor_MatchStored(1) == -1);
        CHECK(m_Monitor_MatchStored(2) == -1);
        CHECK(m_Monitor_MatchStored(-1) == -1);
    }
}

TEST_CASE("with Hld the user's numbers survive unplugging and plugging back")
{
    SMonitorFixture f;
    g_Settings.Fullscr_Hld = 1;
    SetTable(&g_MonitorStored, {kRight, kLeft});  // the user's order
    SetTable(&g_MonitorTable, {kLeft, kRight});
    m_Monitor_BuildOrder();
    CHECK(m_Monitor_MapIndex(0, 1) == 1);
    CHECK(m_Monitor_MapIndex(1, 1) == 0);
    CHECK(m_Monitor_MapIndex(0, 0) == 1);
    CHECK(m_Monitor_MapIndex(2, 1) == -1);
    CHECK(m_Monitor_MapIndex(5, 0) == -1);
    CHECK(m_Monitor_MapIndex(-1, 1) == -1);

    SetTable(&g_MonitorTable, {kLeft});  // the right one unplugged
    m_Monitor_BuildOrder();
    RECT rc;
    CHECK(m_Monitor_MapIndex(0, 1) == -1);
    CHECK(m_Monitor_GetRect(&rc, 0, -1) == 0);
    CHECK(IsRectEmpty(&rc));
    CHECK(m_Monitor_GetRect(&rc, 1, -1) == 1);
    CHECK(EqualRect(&rc, &kLeft.rcMonitor));

    SetTable(&g_MonitorTable, {kLeft, kRight});  // and back
    m_Monitor_BuildOrder();
    CHECK(m_Monitor_MapIndex(0, 1) == 1);

    g_Settings.Fullscr_Hld = 0;
    CHECK(m_Monitor_MapIndex(7, 1) == 7);
}

TEST_CASE("rectangles of one monitor, a span and all monitors; lookups by point")
{
    SMonitorFixture f;
    const SMONITORITEM below = Item(0, 1080, 1920, 2160, L"D");
    const SMONITORITEM overlap = Item(1000, 1000, 2600, 1900, L"E");
    SetTable(&g_MonitorTable, {kLeft, kRight, below, overlap});
    RECT rc, other;
    CHECK(m_Monitor_GetRect(&rc, -1, -1) == 1);
    CHECK(EqualRect(&rc, std::initializer_list<RECT>{{0, 0, 3200, 2160}}.begin()));
    CHECK(m_Monitor_GetRect(&rc, 1, -1) == 1);
    CHECK(EqualRect(&rc, &kRight.rcMonitor));
    CHECK(m_Monitor_GetRect(&rc, 9, -1) == 0);

    // The span 0..1 is grown by the monitor that partly overlaps it; the
    // monitor below touches it only at the edge and stays out.
    CHECK(m_Monitor_GetRect(&rc, 0, 1) == 1);
    CHECK(EqualRect(&rc, std::initializer_list<RECT>{{0, 0, 3200, 1900}}.begin()));
    CHECK(m_Monitor_GetRect(&other, 1, 0) == 1);
    CHECK(EqualRect(&rc, &other));
    CHECK(m_Monitor_GetRect(&rc, 0, 9) == 1);
    CHECK(m_Monitor_GetRect(&rc, 8, 9) == 0);

    POINT in = {2000, 10}, out = {5000, 10};
    CHECK(m_Monitor_FromPoint(&in) == 1);
    CHECK(m_Monitor_FromPoint(&out) == -1);

    g_MonitorTable = SMONITORTABLE{};
    CHECK(m_Monitor_GetRect(&rc, -1, -1) == 0);
}

TEST_CASE("the live table holds 16 monitors at most; enumeration fills and stores it")
{
    SMonitorFixture f;
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    for (int i = 0; i < kMonitorCap; ++i) CHECK(m_Monitor_AddLive(nullptr, &info, 100) == 1);
    CHECK(m_Monitor_AddLive(nullptr, &info, 100) == 0);
    CHECK(g_MonitorTable.nCount == kMonitorCap);

    m_Monitor_Enumerate(-1);
    REQUIRE(g_MonitorTable.nCount >= 1);
    CHECK(g_MonitorStored.nCount == g_MonitorTable.nCount);
    CHECK(f.Read(L"Count") == std::to_wstring(g_MonitorTable.nCount));
    CHECK(g_MonitorOrder[0] == 0);
    POINT origin = {0, 0};
    CHECK(m_Monitor_FromPoint(&origin) >= 0);

    // With Hld on, a stored table of the user's is kept and only mapped.
    g_Settings.Fullscr_Hld = 1;
    SetTable(&g_MonitorStored, {Item(5000, 0, 6000, 800, L"gone"), g_MonitorTable.Items[0]});
    m_Monitor_Enumerate(-1);
    CHECK(g_MonitorStored.nCount == 2);
    CHECK(g_MonitorOrder[0] == -1);
    CHECK(g_MonitorOrder[1] == 0);
    m_Monitor_Enumerate(1);  // forced refresh
    CHECK(g_MonitorStored.nCount == g_MonitorTable.nCount);
}

TEST_CASE("the work copy goes back to the stored table only when it differs")
{
    SMonitorFixture f;
    SetTable(&g_MonitorStored, {kLeft, kRight});
    CHECK(m_Monitor_CopyTable(0) == 1);
    CHECK(m_Monitor_CopyTable(1) == 0);
    g_MonitorWork.Items[0].rcMonitor.left = 7;
    CHECK(m_Monitor_CopyTable(1) == 1);
    CHECK(g_MonitorStored.Items[0].rcMonitor.left == 7);
}
