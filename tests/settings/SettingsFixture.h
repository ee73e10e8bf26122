// A settings file of its own in a fresh temp folder for each test, with the
// settings state cleared; removed afterwards.
#pragma once
#include <windows.h>

#include <doctest/doctest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

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
        static int s_Serial = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        _snwprintf(m_Folder, MAX_PATH - 1, L"%lszv_settings_%lu_%d", temp, GetCurrentProcessId(),
                   ++s_Serial);
        CreateDirectoryW(m_Folder, nullptr);
        _snwprintf(g_IniPath, MAX_PATH - 1, L"%ls\\Zentavio.ini", m_Folder);
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
    ~CSettingsFixture()
    {
        Flush();
        DeleteFileW(g_IniPath);
        for (const wchar_t* suffix : {L".bak", L".new"})
            DeleteFileW((std::wstring(g_IniPath) + suffix).c_str());
        RemoveDirectoryW(m_Folder);
        m_SettingsLists_Free();
    }

    // The folder that holds the settings file (removed afterwards, so
    // whatever a test puts there must go again).
    const wchar_t* Folder() const { return m_Folder; }

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
        HANDLE file = CreateFileW(g_IniPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        CloseHandle(file);
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
        wchar_t value[1024];
        GetPrivateProfileStringW(section, key, L"<none>", value, 1024, g_IniPath);
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

    wchar_t m_Folder[MAX_PATH] = {};
};
