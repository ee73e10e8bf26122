// A fresh folder under the temp folder for one test, removed with all it
// holds when the test is over.
#pragma once
#include <windows.h>

#include <string>

class CTempFolder {
public:
    CTempFolder()
    {
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        if (length == 0 || length > MAX_PATH) return;
        const std::wstring stem =
            std::wstring(temp) + L"zv_test_" + std::to_wstring(GetCurrentProcessId()) + L"_";
        // A name left behind by an earlier process with the same id is passed over,
        // so that a test never starts with someone else's files.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::wstring path = stem + std::to_wstring(NextSerial()) + L"\\";
            if (CreateDirectoryW(path.c_str(), nullptr)) {
                m_Path = path;
                return;
            }
            if (GetLastError() != ERROR_ALREADY_EXISTS) return;
        }
    }
    ~CTempFolder()
    {
        if (!m_Path.empty()) RemoveTree(m_Path);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // With a trailing backslash; empty when no folder could be made.
    const std::wstring& Path() const { return m_Path; }

    // Empty without a folder, so that nothing lands in the current folder.
    std::wstring Join(const std::wstring& name) const
    {
        return m_Path.empty() ? std::wstring() : m_Path + name;
    }

    // The file's full path, or empty when it could not be written whole.
    std::wstring MakeFile(const std::wstring& name, const std::string& bytes = std::string()) const
    {
        const std::wstring full = Join(name);
        if (full.empty() || bytes.size() > MAXDWORD) return std::wstring();
        HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::wstring();
        DWORD written = 0;
        const BOOL ok =
            bytes.empty() || WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        const BOOL closed = CloseHandle(file);
        return ok && closed && written == bytes.size() ? full : std::wstring();
    }

private:
    // One count for the whole process, whichever file the fixture is used from.
    static LONG NextSerial()
    {
        static volatile LONG s_Serial = 0;
        return InterlockedIncrement(&s_Serial);
    }

    // folder ends with a backslash. Links to folders elsewhere are removed,
    // never followed.
    static void RemoveTree(const std::wstring& folder)
    {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = folder + name;
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only ones too
                const DWORD attributes = data.dwFileAttributes;
                if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW(full.c_str());
                else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                    RemoveDirectoryW(full.c_str());
                else
                    RemoveTree(full + L"\\");
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring m_Path;
};
