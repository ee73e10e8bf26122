#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "app/SettingsUpgrade.h"
#include "app/Startup.h"
#include "settings/SettingsFile.h"

namespace {

// Start-up's order: phase 1 for a file with a version, the loads and the
// snapshots, phase 0; all within one save of the file.
void StartUp(int version)
{
    g_IniVersion = version;
    m_SettingsFile_BeginWrite();
    if (version != 0) m_UpgradeIniFile(1);
    m_Settings_ReadMain();
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CSettingsFixture::TakeSnapshots();
    m_Settings_SnapshotMain();
    m_UpgradeIniFile(0);
    m_SettingsFile_EndWrite();
}

std::string ReadFileBytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

std::wstring BackupPath() { return std::wstring(g_IniPath) + L".bak"; }

struct SKey {
    const wchar_t* Section;
    const wchar_t* Key;
    const wchar_t* Value;  // "<none>" for a key that must be gone
};

void CheckKeys(CSettingsFixture& ini, std::initializer_list<SKey> keys)
{
    for (const SKey& k : keys) {
        CAPTURE(std::wstring(k.Section) + L"." + k.Key);
        CHECK(ini.Get(k.Section, k.Key) == k.Value);
    }
}

}  // namespace

TEST_CASE("each file step moves or reshapes its keys below its version")
{
    struct SCase {
        int Version;
        const wchar_t* Text;
        std::initializer_list<SKey> Keys;
    };
    const SCase cases[] = {
        {90678,
         L"[Timer]\r\nPos=1,2,3\r\n",
         {{L"Timer", L"StPos", L"1,2,3"}, {L"Timer", L"Pos", L"<none>"}}},
        {90678,
         L"[Timer]\r\nPos=1,2,3\r\nStPos=0,1,0\r\n",
         {{L"Timer", L"StPos", L"0,1,0"}, {L"Timer", L"Pos", L"1,2,3"}}},
        {90680,
         L"[Common]\r\nRct=30\r\n",
         {{L"Menu", L"Rct", L"30"}, {L"Common", L"Rct", L"<none>"}}},
        {90681,
         L"[Common]\r\nRct=30\r\n",
         {{L"Menu", L"Rct", L"<none>"}, {L"Common", L"Rct", L"30"}}},
        // a stored "-" counts as absent: neither moved nor deleted
        {90680,
         L"[Common]\r\nRct=-\r\n",
         {{L"Menu", L"Rct", L"<none>"}, {L"Common", L"Rct", L"-"}}},
        {90685,
         L"[Common]\r\nMon=2-1\r\nClip=1\r\nOvrFrm=1\r\n[Fullscr]\r\nTtl=1\r\nStt=2\r\nCtlAlp="
         L"80\r\n",
         {{L"Fullscr", L"Mon", L"2-1"},
          {L"Fullscr", L"Clip", L"1"},
          {L"Fullscr", L"Ovr", L"1"},
          {L"Fullscr", L"Ctrl", L"1,2"},
          {L"Fullscr", L"CtrlAlp", L"80,50,50"},
          {L"Common", L"Mon", L"<none>"},
          {L"Common", L"OvrFrm", L"<none>"},
          {L"Fullscr", L"Ttl", L"<none>"},
          {L"Fullscr", L"CtlAlp", L"<none>"}}},
        {90685,
         L"[Main]\r\n",
         {{L"Fullscr", L"Ctrl", L"0,0"}, {L"Fullscr", L"CtrlAlp", L"100,50,50"}}},
        {90686,
         L"[Ctrl]\r\nCustClr=,,FF,,,00FF00,,\r\n",
         {{L"Main", L"ClrDlg", L"/,FF,00FF00,"}, {L"Ctrl", L"CustClr", L"<none>"}}},
        {90686,
         L"[Ctrl]\r\nCustClr=\r\n",
         {{L"Main", L"ClrDlg", L"<none>"}, {L"Ctrl", L"CustClr", L"<none>"}}},
        {90687,
         L"[Opt]\r\nBindClm=1\r\nCapClm=2\r\nPg=3\r\n",
         {{L"Playlist", L"Clm", L"75,20"},
          {L"Opt", L"BindClm", L"<none>"},
          {L"Opt", L"CapClm", L"<none>"},
          {L"Opt", L"Pg", L"3"}}},
    };
    for (const SCase& c : cases) {
        CSettingsFixture ini;
        std::wstring text = L"[Main]\r\nVer=" + std::to_wstring(c.Version) + L"\r\n" + c.Text;
        ini.Write(text.c_str());
        CAPTURE(c.Version);
        StartUp(c.Version);
        CheckKeys(ini, c.Keys);
        CHECK(ini.Get(L"Main", L"Ver") == L"90690");
        DeleteFileW(BackupPath().c_str());
    }
}

TEST_CASE("a file older than every step runs them all and keeps a copy of itself first")
{
    CSettingsFixture ini;
    const wchar_t* text =
        L"[Main]\r\nVer=90600\r\nCapLastPath=C:\\x\r\n"
        L"[Common]\r\nRct=30\r\n[Menu]\r\nSize=1\r\nTimer=2\r\n[Lnch]\r\nLbl=1\r\nIco=1\r\n"
        L"[Jumplist]\r\nPrev=2\r\n[Ctrl]\r\nStyle=2,1\r\nBtn=28,30\r\n"
        L"[Rec]\r\nCount=2\r\n0=2,C:\\v\r\n1=1\r\n[Cap]\r\nCount=1\r\n0=\r\n0_Val=3\r\n"
        L"[Bind]\r\nCount=8\r\n0=1,3D,5,41\r\n1=1,3F,-3,42\r\n2=1,3D,0,43\r\n3=1,42,4,44\r\n"
        L"4=1,42,1,45\r\n5=1,4B,6,46\r\n6=0,4B,7,47\r\n7=1,4B,2,48\r\n";
    ini.Write(text);
    const std::string before = ini.ReadBytes();
    StartUp(90600);

    CHECK(ReadFileBytes(BackupPath()) == before);
    CheckKeys(ini, {{L"Main", L"Ver", L"90690"},    {L"Main", L"CapLastPath", L"<none>"},
                    {L"Menu", L"Rct", L"30"},       {L"Menu", L"Size", L"<none>"},
                    {L"Menu", L"Timer", L"<none>"}, {L"Playlist", L"Clm", L"75,20"},
                    {L"Lnch", L"Ico", L"0"},        {L"Jumplist", L"Prev", L"0,3"},
                    {L"Ctrl", L"Btn", L"30,32"},    {L"Rec", L"0", L"1A,C:\\v"},
                    {L"Rec", L"1", L"1"},           {L"Cap", L"0", L"DEFAULT"},
                    {L"Bind", L"0", L"1,8D,+5,41"}, {L"Bind", L"1", L"1,8E,-3,42"},
                    {L"Bind", L"2", L"1,8D,0,43"},  {L"Bind", L"3", L"1,44,,44"},
                    {L"Bind", L"4", L"1,42,1,45"},  {L"Bind", L"5", L"1,4C,-1,46"},
                    {L"Bind", L"6", L"0,4C,+1,47"}, {L"Bind", L"7", L"1,4B,2,48"}});
    CHECK(m_pBind[5].Param == 6);
    CHECK(m_pBind[6].Param == 7);
    // what was migrated is the new saved state: nothing is left to save
    CHECK(m_SaveSettings(0) == 0);
}

TEST_CASE("a file of 90687 gets only its own rows")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Main]\r\nVer=90687\r\n[Common]\r\nRct=30\r\n[Lnch]\r\nLbl=1\r\nIco=1\r\n"
        L"[Opt]\r\nRecClm=5\r\n[Bind]\r\nCount=2\r\n0=1,3D,5,41\r\n1=1,4B,7,42\r\n");
    const std::string before = ini.ReadBytes();
    StartUp(90687);
    CHECK(ReadFileBytes(BackupPath()) == before);
    CheckKeys(ini, {{L"Common", L"Rct", L"30"},
                    {L"Menu", L"Rct", L"<none>"},
                    {L"Lnch", L"Ico", L"1"},
                    {L"Opt", L"RecClm", L"<none>"},
                    {L"Playlist", L"Clm", L"75,20"},
                    {L"Bind", L"0", L"1,3D,5,41"},
                    {L"Bind", L"1", L"1,4C,+1,42"},
                    {L"Main", L"Ver", L"90690"}});
}

TEST_CASE("no copy is kept for 90688 and later; the current version is not touched")
{
    for (int version : {90688, 90689}) {
        CSettingsFixture ini;
        ini.Write(
            (L"[Main]\r\nVer=" + std::to_wstring(version) + L"\r\n[Common]\r\nRct=30\r\n").c_str());
        StartUp(version);
        CHECK(ReadFileBytes(BackupPath()) == "<none>");
        CheckKeys(ini, {{L"Main", L"Ver", L"90690"}, {L"Common", L"Rct", L"30"}});
    }
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\nVer=90690\r\n[Common]\r\nRct=30\r\n[Bind]\r\nCount=1\r\n0=1,3D,5,41\r\n");
    const std::string before = ini.ReadBytes();
    StartUp(90690);
    CHECK(ini.ReadBytes() == before);
    CHECK(ReadFileBytes(BackupPath()) == "<none>");
}

TEST_CASE("a file without a version is upgraded after loading only")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nRct=30\r\n[Bind]\r\nCount=1\r\n0=1,3D,5,41\r\n");
    const std::string before = ini.ReadBytes();
    StartUp(0);
    CHECK(ReadFileBytes(BackupPath()) == before);
    CheckKeys(
        ini,
        {{L"Common", L"Rct", L"30"}, {L"Bind", L"0", L"1,8D,+5,41"}, {L"Main", L"Ver", L"90690"}});
    DeleteFileW(BackupPath().c_str());
}
