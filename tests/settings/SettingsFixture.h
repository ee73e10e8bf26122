// A settings file of its own in a fresh temp folder for each test, with the
// settings state cleared; removed afterwards.
#pragma once
#include <windows.h>

#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "TempFolder.h"
#include "app/MainWindow.h"
#include "settings/IniPath.h"
#include "settings/InstanceNotice.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsMain.h"

// Wide texts shown as UTF-8 in failure messages.
namespace doctest {
template <>
struct StringMaker<std::wstring> {
    static String convert(const std::wstring& text)
    {
        char out[2048] = {};
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, (int)sizeof(out) - 1, nullptr,
                            nullptr);
        return String(out);
    }
};
}  // namespace doctest

class CSettingsFixture {
public:
    CSettingsFixture()
    {
        lstrcpynW(g_IniPath, m_Folder.Join(kIniName).c_str(), MAX_PATH + 1);
        m_FolderPath = m_Folder.Path();
        if (!m_FolderPath.empty()) m_FolderPath.pop_back();
        g_Settings = SSETTINGS{};
        g_SettingsCopy = SSETTINGS{};
        g_TimerSettings = STIMERSETTINGS{};
        g_VideoPropDefault = SVIDEOPROPSET{};
        g_VideoPropDefaultCopy = SVIDEOPROPSET{};
        g_MainWindowState = SMAINWINDOWSTATE{};
        g_MainWindowStateCopy = SMAINWINDOWSTATE{};
        g_MainSavePending = 0;
        g_NoticeCount = 0;
        g_OsVersion = 10;
        g_hWndMain = nullptr;
        m_SettingsLists_Free();
    }
    // The folder itself goes after this, with whatever the test left in it.
    ~CSettingsFixture()
    {
        Flush();
        m_SettingsLists_Free();
    }

    // The folder that holds the settings file, without a trailing backslash
    // (removed afterwards with whatever a test puts there).
    const wchar_t* Folder() const { return m_FolderPath.c_str(); }

    // The settings file as UTF-16 with a byte-order mark.
    void Write(const wchar_t* text)
    {
        std::string bytes("\xFF\xFE", 2);
        bytes.append(reinterpret_cast<const char*>(text), wcslen(text) * sizeof(wchar_t));
        WriteBytes(bytes);
    }
    void WriteBytes(const std::string& bytes)
    {
        Flush();
        REQUIRE(!m_Folder.MakeFile(kIniName, bytes).empty());
    }
    std::string ReadBytes()
    {
        Flush();
        std::string bytes;
        HANDLE file = CreateFileW(g_IniPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return bytes;
        bytes.resize(GetFileSize(file, nullptr));
        DWORD read = 0;
        if (!bytes.empty()) ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        return bytes;
    }
    void Delete()
    {
        Flush();
        DeleteFileW(g_IniPath);
    }
    static std::wstring Get(const wchar_t* section, const wchar_t* key)
    {
        wchar_t value[4096];
        GetPrivateProfileStringW(section, key, L"<none>", value, 4096, g_IniPath);
        return value;
    }
    // The snapshots start-up takes after the first load.
    static void TakeSnapshots()
    {
        g_SettingsCopy = g_Settings;
        g_VideoPropDefaultCopy = g_VideoPropDefault;
        m_Filter_Snapshot(1);
        m_FolderSetting_Snapshot(1);
        m_Capture_Snapshot(1);
        m_Bind_CopyList(0);
    }

private:
    // The system keeps the file cached between profile calls.
    static void Flush() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, g_IniPath); }

    static constexpr const wchar_t* kIniName = L"Zentavio.ini";
    CTempFolder m_Folder;
    std::wstring m_FolderPath;
};
