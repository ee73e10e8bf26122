#include <doctest/doctest.h>

#include <shlobj.h>
#include <stdlib.h>
#include <string>

#include "TempFolder.h"
#include "base/PathUtil.h"

namespace {

std::wstring CurrentFolder()
{
    wchar_t buffer[kPathCap];
    GetCurrentDirectoryW(kPathCap, buffer);
    return buffer;
}

// A drive letter with no drive behind it, or 0.
wchar_t MissingDrive()
{
    for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
        wchar_t root[4] = {letter, L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) return letter;
    }
    return 0;
}

}  // namespace

TEST_CASE("m_GetPathRoot")
{
    struct Case {
        const wchar_t* path;
        int size;
        const wchar_t* expected;
        int result;
    };
    const Case cases[] = {
        {L"C:\\a\\b", kPathCap, L"C:", 1},
        {L"\\\\srv\\share\\dir\\f", kPathCap, L"\\\\srv\\share", 1},
        {L"\\\\srv\\share", kPathCap, L"\\\\srv\\share", 1},
        {L"\\\\srv", kPathCap, L"\\\\srv", 1},
        {L"\\\\\\x", kPathCap, L"", 0},  // three backslashes: not a share
        {L"rel\\x", kPathCap, L"", 0},
        {L"\\\\server\\share\\x", 6, L"\\\\ser", 1},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.path).size());
        wchar_t out[kPathCap] = L"junk";
        CHECK(m_GetPathRoot(c.path, out, c.size) == c.result);
        CHECK(std::wstring(out) == c.expected);
    }
}

TEST_CASE("m_GetDriveKind and m_PathExistsKind")
{
    CHECK(m_GetDriveKind(L"\\\\srv\\share\\x") == DRIVE_REMOTE);
    CHECK(m_GetDriveKind(L"C:\\whatever") == (int)GetDriveTypeW(L"C:\\"));
    if (wchar_t missing = MissingDrive()) {
        wchar_t path[] = {missing, L':', L'\\', L'x', 0};
        CHECK(m_GetDriveKind(path) == DRIVE_NO_ROOT_DIR);
    }

    CTempFolder temp;
    temp.MakeFile(L"f.txt");
    CHECK(m_PathExistsKind(temp.Join(L"f.txt").c_str()) == 1);
    CHECK(m_PathExistsKind(temp.Path().c_str()) == 2);
    CHECK(m_PathExistsKind(temp.Join(L"missing").c_str()) == 0);
    CHECK(m_PathExistsKind(L"") == 0);
    CHECK(m_PathExistsKind(nullptr) == 0);
}

TEST_CASE("parent, file name and extension of a path")
{
    struct Case {
        const wchar_t* path;
        const wchar_t* parent;
        int parentResult;
        const wchar_t* name;
        const wchar_t* stem;
        const wchar_t* ext;
    };
    const Case cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a", 1, L"b.txt", L"b", L"txt"},
        {L"C:\\a\\b\\", L"C:\\a", 1, L"b", L"b", L""},
        {L"C:\\a", L"C:", 1, L"a", L"a", L""},
        {L"C:\\", L"C:", 0, L"", L"", L""},
        {L"C:\\a.b\\c", L"C:\\a.b", 1, L"c", L"c", L""},
        {L"\\\\srv\\share\\d\\f.tar.gz", L"\\\\srv\\share\\d", 1, L"f.tar.gz", L"f.tar", L"gz"},
        {L"\\\\srv\\share\\", L"\\\\srv\\share", 0, L"", L"", L""},
        {L"name.ext", L"", 0, L"name.ext", L"name", L"ext"},
        {L"dir/f.mp4", L"dir", 1, L"f.mp4", L"f", L"mp4"},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.path).size());
        CAPTURE(c.name);
        wchar_t out[kPathCap];
        CHECK(m_GetParentFolder(out, kPathCap, c.path, 0) == c.parentResult);
        CHECK(std::wstring(out) == c.parent);
        m_GetParentFolder(out, kPathCap, c.path, 1);
        CHECK(std::wstring(out) == (*c.parent ? std::wstring(c.parent) + L"\\" : L""));
        CHECK(m_GetFileName(out, kPathCap, c.path, 1) == 1);
        CHECK(std::wstring(out) == c.name);
        m_GetFileName(out, kPathCap, c.path, 0);
        CHECK(std::wstring(out) == c.stem);
        CHECK(m_GetExtension(out, kPathCap, c.path, 0) == 1);
        CHECK(std::wstring(out) == c.ext);
        m_GetExtension(out, kPathCap, c.path, 1);
        CHECK(std::wstring(out) == (*c.ext ? std::wstring(L".") + c.ext : L""));
    }

    wchar_t out[kPathCap] = L"junk";
    CHECK(m_GetParentFolder(out, kPathCap, L"", 1) == 0);
    CHECK(std::wstring(out) == L"");
    CHECK(m_GetFileName(out, kPathCap, L"", 1) == 0);
    CHECK(m_GetExtension(out, kPathCap, L"", 1) == 0);

    wchar_t small[4];
    m_GetFileName(small, 4, L"C:\\abcdef.txt", 1);
    CHECK(std::wstring(small) == L"abc");
    m_GetParentFolder(small, 4, L"C:\\long\\x", 1);
    CHECK(std::wstring(small) == L"C:\\");
}

TEST_CASE("m_SplitFolderName")
{
    wchar_t parent[kPathCap], name[kNameCap];
    CHECK(m_SplitFolderName(L"C:\\a\\b\\", parent, name) == 1);
    CHECK(std::wstring(parent) == L"C:\\a");
    CHECK(std::wstring(name) == L"b");
    CHECK(m_SplitFolderName(L"C:\\a\\b.mkv", parent, name) == 1);
    CHECK(std::wstring(name) == L"b.mkv");
    CHECK(m_SplitFolderName(L"", parent, name) == 0);
    CHECK(std::wstring(parent) == L"");
    CHECK(std::wstring(name) == L"");
}

TEST_CASE("m_CreateDirectoryTree")
{
    CTempFolder temp;
    std::wstring deep = temp.Join(L"x\\y\\z");
    CHECK(m_CreateDirectoryTree(deep.c_str()) == 1);
    CHECK(m_PathExistsKind(deep.c_str()) == 2);
    CHECK(m_CreateDirectoryTree(deep.c_str()) == 2);
    CHECK(m_CreateDirectoryTree(temp.Join(L"x\\w\\\\v\\").c_str()) == 1);
    CHECK(m_PathExistsKind(temp.Join(L"x\\w\\v").c_str()) == 2);

    temp.MakeFile(L"file");
    CHECK(m_CreateDirectoryTree(temp.Join(L"file\\g\\h").c_str()) == -1);
    CHECK(m_PathExistsKind(temp.Join(L"file\\g").c_str()) == 0);
    CHECK(m_CreateDirectoryTree(temp.Join(L"file").c_str()) == -1);

    CHECK(m_CreateDirectoryTree(temp.Join(L"ok\\bad|name\\x").c_str()) == -2);
    if (wchar_t missing = MissingDrive()) {
        wchar_t path[] = {missing, L':', L'\\', L'a', L'\\', L'b', 0};
        CHECK(m_CreateDirectoryTree(path) == -3);
    }
    CHECK(m_CreateDirectoryTree(L"") == -3);
}

TEST_CASE("m_FindFileRecursive and m_FindExistingParent")
{
    CTempFolder temp;
    m_CreateDirectoryTree(temp.Join(L"a\\b").c_str());
    m_CreateDirectoryTree(temp.Join(L"c").c_str());
    temp.MakeFile(L"a\\b\\target.txt");
    temp.MakeFile(L"top.txt");

    wchar_t out[kPathCap];
    CHECK(m_FindFileRecursive(out, kPathCap, L"top.txt", temp.Path().c_str(), 0) == 1);
    CHECK(std::wstring(out) == temp.Join(L"top.txt"));
    CHECK(m_FindFileRecursive(out, kPathCap, L"target.txt", temp.Path().c_str(), 1) == 0);
    CHECK(std::wstring(out) == L"");
    CHECK(m_FindFileRecursive(out, kPathCap, L"target.txt", temp.Path().c_str(), 2) == 1);
    CHECK(std::wstring(out) == temp.Join(L"a\\b\\target.txt"));
    std::wstring noSlash = temp.Path().substr(0, temp.Path().size() - 1);
    CHECK(m_FindFileRecursive(out, kPathCap, L"target.txt", noSlash.c_str(), 8) == 1);
    CHECK(std::wstring(out) == temp.Join(L"a\\b\\target.txt"));
    CHECK(m_FindFileRecursive(out, kPathCap, L"none.txt", temp.Path().c_str(), 8) == 0);

    CHECK(m_FindExistingParent(out, kPathCap, temp.Join(L"a\\gone\\deeper\\f.mp4").c_str()) == 1);
    CHECK(std::wstring(out) == temp.Join(L"a\\"));
    CHECK(m_FindExistingParent(out, kPathCap, temp.Join(L"a\\b\\target.txt").c_str()) == 1);
    CHECK(std::wstring(out) == temp.Join(L"a\\b\\"));
    CHECK(m_FindExistingParent(out, kPathCap, L"nowhere") == 1);
    CHECK(std::wstring(out) == L"");
    if (wchar_t missing = MissingDrive()) {
        wchar_t path[] = {missing, L':', L'\\', L'a', L'\\', L'b', 0};
        CHECK(m_FindExistingParent(out, kPathCap, path) == 1);
        CHECK(std::wstring(out) == L"");
    }
}

TEST_CASE("m_GetFullPath matches resolving against the base as current folder, and leaves it alone")
{
    CTempFolder temp;
    m_CreateDirectoryTree(temp.Join(L"base\\sub").c_str());
    m_CreateDirectoryTree(temp.Join(L"elsewhere").c_str());
    temp.MakeFile(L"base\\list.m3u");
    std::wstring folder = temp.Join(L"base");

    const wchar_t* bases[] = {L"base", L"base\\", L"base\\list.m3u"};
    const wchar_t* relatives[] = {L"..\\x.mp4",
                                  L".\\x.mp4",
                                  L"x.mp4",
                                  L"sub\\..\\y.mp4",
                                  L"sub/z.mp4",
                                  L"C:\\abs\\p.mp4",
                                  L"\\rootrel\\q.mp4",
                                  L"C:dr.mp4",
                                  L"Z:other.mp4",
                                  L"\\\\srv\\share\\u.mp4",
                                  L"..\\..\\..\\..\\..\\..\\..\\..\\..\\up.mp4"};
    std::wstring elsewhere = temp.Join(L"elsewhere");
    SetCurrentDirectoryW(elsewhere.c_str());
    std::wstring before = CurrentFolder();
    for (const wchar_t* base : bases) {
        for (const wchar_t* relative : relatives) {
            CAPTURE(std::wstring(base).size());
            CAPTURE(std::wstring(relative).size());
            wchar_t got[kPathCap];
            CHECK(m_GetFullPath(got, kPathCap, temp.Join(base).c_str(), relative) == 1);
            CHECK(CurrentFolder() == before);

            // The way it used to be done: move the current folder, resolve, move back.
            wchar_t expected[kPathCap];
            SetCurrentDirectoryW(folder.c_str());
            const wchar_t* ok = _wfullpath(expected, relative, kPathCap);
            SetCurrentDirectoryW(elsewhere.c_str());
            REQUIRE(ok != nullptr);
            CHECK(std::wstring(got) == std::wstring(expected));
        }
    }

    // Another thread resolving relative paths meanwhile must never see the
    // current folder move.
    struct SWatch {
        std::wstring expected;
        volatile LONG stop = 0;
        volatile LONG moved = 0;
    } watch{before};
    HANDLE watcher = CreateThread(
        nullptr, 0,
        [](void* p) -> DWORD {
            SWatch* w = static_cast<SWatch*>(p);
            while (!w->stop) {
                if (CurrentFolder() != w->expected) w->moved = 1;
            }
            return 0;
        },
        &watch, 0, nullptr);
    REQUIRE(watcher != nullptr);
    for (int i = 0; i < 300; ++i) {
        wchar_t got[kPathCap];
        m_GetFullPath(got, kPathCap, temp.Join(L"base\\list.m3u").c_str(), L"..\\x.mp4");
    }
    watch.stop = 1;
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    CHECK(watch.moved == 0);

    wchar_t out[kPathCap] = L"junk";
    CHECK(m_GetFullPath(out, kPathCap, temp.Join(L"missing").c_str(), L"x") == 0);
    CHECK(std::wstring(out) == L"");
    CHECK(m_GetFullPath(out, 8, folder.c_str(), L"x.mp4") == 0);  // does not fit
    CHECK(std::wstring(out) == L"");
    CHECK(m_GetFullPath(out, kPathCap, L"C:\\", L"x.mp4") == 1);
    CHECK(std::wstring(out) == L"C:\\x.mp4");
    SetCurrentDirectoryW(temp.Path().c_str());
    SetCurrentDirectoryW(L"C:\\");  // let the folder go before it is removed
}

TEST_CASE("m_SplitCommandPath")
{
    CTempFolder temp;
    temp.MakeFile(L"my prog.exe");
    std::wstring program = temp.Join(L"my prog.exe");
    wchar_t path[kPathCap], args[kPathCap];

    CHECK(m_SplitCommandPath((L"\"" + program + L"\"   -a  -b  ").c_str(), path, kPathCap, args,
                             kPathCap) == 1);
    CHECK(std::wstring(path) == program);
    CHECK(std::wstring(args) == L"-a  -b");

    CHECK(m_SplitCommandPath((program + L" -a b").c_str(), path, kPathCap, args, kPathCap) == 1);
    CHECK(std::wstring(path) == program);
    CHECK(std::wstring(args) == L"-a b");

    CHECK(m_SplitCommandPath(program.c_str(), path, kPathCap, args, kPathCap) == 1);
    CHECK(std::wstring(path) == program);
    CHECK(std::wstring(args) == L"");

    CHECK(m_SplitCommandPath((program + L" " + std::wstring(400, L'x')).c_str(), path, kPathCap,
                             args, 16) == 1);
    CHECK(std::wstring(args) == std::wstring(15, L'x'));

    CHECK(m_SplitCommandPath(temp.Join(L"none.exe -a").c_str(), path, kPathCap, args, kPathCap) ==
          0);
    CHECK(std::wstring(path) == L"");
    CHECK(std::wstring(args) == L"");
}

TEST_CASE("m_GetSpecialFolder")
{
    wchar_t out[kPathCap];
    CHECK(m_GetSpecialFolder(CSIDL_APPDATA, out, 1) == 1);
    size_t len = wcslen(out);
    REQUIRE(len > 3);
    CHECK(out[len - 1] == L'\\');
    CHECK(m_PathExistsKind(out) == 2);
    wchar_t plain[kPathCap];
    CHECK(m_GetSpecialFolder(CSIDL_APPDATA, plain, 0) == 1);
    CHECK(std::wstring(plain) + L"\\" == std::wstring(out));
    CHECK(m_GetSpecialFolder(CSIDL_DRIVES, out, 0) == 0);  // virtual: no path
    CHECK(std::wstring(out) == L"");
}
