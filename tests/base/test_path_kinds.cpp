#include <doctest/doctest.h>

#include <map>
#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "base/FolderListing.h"
#include "base/FolderPrefetch.h"
#include "base/PathKinds.h"
#include "base/PathUtil.h"

namespace {

// Asks for all paths at once and checks each answer against the one-by-one
// question; returns the answers.
std::vector<int> m_AskAll(const std::vector<std::wstring>& paths,
                          const std::vector<bool>& null = {}, CFolderPrefetch* prefetch = nullptr)
{
    std::vector<const wchar_t*> raw;
    for (size_t i = 0; i < paths.size(); ++i)
        raw.push_back(i < null.size() && null[i] ? nullptr : paths[i].c_str());
    std::vector<int> kinds(paths.size(), -7);
    m_PathExistsKinds(raw.data(), (int)raw.size(), kinds.data(), prefetch);
    for (size_t i = 0; i < raw.size(); ++i) {
        INFO("path ", i, ": ", raw[i] ? std::string(raw[i], raw[i] + wcslen(raw[i])) : "null");
        CHECK(kinds[i] == m_PathExistsKind(raw[i]));
    }
    return kinds;
}

std::wstring m_Track(int i) { return L"\u8a18\u9332_" + std::to_wstring(100 + i) + L".wav"; }

}  // namespace

TEST_CASE("m_PathExistsKinds answers every kind of path as the one-by-one question does")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    const std::wstring dir = temp.Path();
    // Enough tracks in one folder that it is read whole.
    std::vector<std::wstring> paths;
    for (int i = 0; i < 12; ++i) paths.push_back(temp.MakeFile(m_Track(i), "RIFF"));
    REQUIRE(CreateDirectoryW((dir + L"sub").c_str(), nullptr));
    REQUIRE(!temp.MakeFile(L"sub\\inner.wav", "x").empty());
    wchar_t shortName[MAX_PATH] = {};
    GetShortPathNameW(paths[0].c_str(), shortName, MAX_PATH);

    struct SCASE {
        std::wstring Path;
        int Expected;  // -1: whatever the file system says
    } cases[] = {
        {dir + L"sub", 2},
        {dir + L"missing.wav", 0},
        {dir + L"\u8a18\u9332_100.WAV", -1},   // case differs
        {dir + L"\u8a18\u9332_100.wav.", -1},  // trailing dot
        {dir + L"\u8a18\u9332_100.wav ", -1},  // trailing blank
        {dir + L"sub\\..\\\u8a18\u9332_101.wav", 1},
        {dir + L".\\\u8a18\u9332_101.wav", 1},
        {dir + L"\\\u8a18\u9332_102.wav", -1},  // doubled separator
        {dir + L"sub/inner.wav", 1},
        {dir + L"\u8a18\u9332_10?.wav", 0},
        {dir + L"\u8a18\u9332_103.wav:stream", -1},
        {dir + L"NUL", -1},
        {dir + L"con.wav", -1},
        {shortName, -1},
        {L"\\\\?\\" + paths[4], 1},
        {dir + std::wstring(300, L'a') + L".wav", 0},
        {dir + L"gone\\a.wav", 0},
        {dir + L"sub\\", 2},
        {L"C:", -1},
        {L"relative.wav", -1},
        {L"", 0},
    };
    std::vector<std::wstring> all = paths;
    for (const SCASE& c : cases) all.push_back(c.Path);
    // A folder that does not exist, with a group large enough to be read.
    for (int i = 0; i < 10; ++i) all.push_back(dir + L"gone\\" + m_Track(i));
    all.push_back(L"null");
    std::vector<bool> null(all.size(), false);
    null.back() = true;

    const std::vector<int> kinds = m_AskAll(all, null);
    for (int i = 0; i < 12; ++i) CHECK(kinds[i] == 1);
    for (size_t c = 0; c < sizeof(cases) / sizeof(cases[0]); ++c) {
        if (cases[c].Expected >= 0) CHECK(kinds[12 + c] == cases[c].Expected);
    }
    for (size_t i = all.size() - 11; i < all.size(); ++i) CHECK(kinds[i] == 0);
}

TEST_CASE("m_PathExistsKinds in a folder much larger than the paths asked, and few paths")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    for (int i = 0; i < 80; ++i) temp.MakeFile(m_Track(i), "x");
    std::vector<std::wstring> paths;
    for (int i = 0; i < 8; ++i) paths.push_back(temp.Join(m_Track(i * 10 + 5)));
    paths.push_back(temp.Join(L"none.wav"));
    std::vector<int> kinds = m_AskAll(paths);
    for (int i = 0; i < 8; ++i) CHECK(kinds[i] == 1);
    CHECK(kinds[8] == 0);

    // The same path twice, and a group too small to read the folder.
    kinds = m_AskAll({paths[0], paths[0], temp.Join(L"none.wav")});
    CHECK(kinds == std::vector<int>{1, 1, 0});
}

TEST_CASE("m_ListFolder hands every entry once with its attributes, past one read's worth")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    // Long names, so that the records fill more than one read.
    std::map<std::wstring, int> expected;
    for (int i = 0; i < 300; ++i) {
        const std::wstring name = m_Track(i) + std::wstring(100, L'x') + L".wav";
        REQUIRE(!temp.MakeFile(name, "x").empty());
        expected[name] = 1;
    }
    REQUIRE(CreateDirectoryW(temp.Join(L"sub").c_str(), nullptr));
    expected[L"sub"] = 2;

    struct SSEEN {
        std::map<std::wstring, int> Kinds;
        int Calls = 0;
        int StopAfter = 0;  // 0: never
    };
    auto onEntry = [](void* context, const SFOLDERENTRY& entry) {
        SSEEN* seen = (SSEEN*)context;
        ++seen->Calls;
        const std::wstring name(entry.Name, entry.NameLength);
        CHECK(seen->Kinds.count(name) == 0);
        seen->Kinds[name] = (entry.Attributes & FILE_ATTRIBUTE_DIRECTORY) ? 2 : 1;
        return seen->StopAfter == 0 || seen->Calls < seen->StopAfter;
    };
    const std::wstring& dir = temp.Path();
    SSEEN all;
    CHECK(m_ListFolder(dir.c_str(), (int)dir.size(), onEntry, &all));
    CHECK(all.Kinds == expected);

    SSEEN stopped;
    stopped.StopAfter = 5;
    CHECK_FALSE(m_ListFolder(dir.c_str(), (int)dir.size(), onEntry, &stopped));
    CHECK(stopped.Calls == 5);

    SSEEN none;
    const std::wstring gone = dir + L"gone\\";
    CHECK_FALSE(m_ListFolder(gone.c_str(), (int)gone.size(), onEntry, &none));
    CHECK(none.Calls == 0);

    // A drive's root has no "." entries and is opened with its backslash.
    SSEEN root;
    root.StopAfter = 1;
    const std::wstring drive = dir.substr(0, 3);
    m_ListFolder(drive.c_str(), 3, onEntry, &root);
    CHECK(root.Calls == 1);
}

TEST_CASE("m_PathExistsKinds folds names with and without case as the file system does")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    std::vector<std::wstring> paths;
    for (int i = 0; i < 10; ++i) {
        const std::wstring n = std::to_wstring(i);
        temp.MakeFile(L"\u00c9t\u00e9_" + n + L".wav", "x");
        temp.MakeFile(L"\u66f2\u30c8\uac00_" + n + L".wav", "x");
        paths.push_back(temp.Join(L"\u00e9T\u00c9_" + n + L".WAV"));
        paths.push_back(temp.Join(L"\u66f2\u30c8\uac00_" + n + L".wav"));
        paths.push_back(temp.Join(L"\u66f2\u30c8\uac01_" + n + L".wav"));
    }
    const std::vector<int> kinds = m_AskAll(paths);
    for (size_t i = 0; i < paths.size(); i += 3) CHECK(kinds[i + 2] == 0);
}

namespace {

// Entry names a listing hands over, in order; stops after StopAfter.
struct SNAMES {
    std::vector<std::wstring> Names;
    size_t StopAfter = 0;  // 0: never
};

bool m_Collect(void* context, const SFOLDERENTRY& entry)
{
    SNAMES* names = (SNAMES*)context;
    names->Names.emplace_back(entry.Name, entry.NameLength);
    return names->StopAfter == 0 || names->Names.size() < names->StopAfter;
}

// Starts a prefetch of path's folder and waits (bounded) for a worker to
// take it up.
bool m_StartAndWait(CFolderPrefetch* prefetch, const std::wstring& path)
{
    if (!prefetch->m_Start(path.c_str())) return false;
    for (int i = 0; i < 2000 && !prefetch->m_Begun(); ++i) Sleep(1);
    return prefetch->m_Begun();
}

}  // namespace

TEST_CASE("CFolderPrefetch hands its own folder's listing over once, as m_ListFolder reads it")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    for (int i = 0; i < 12; ++i) temp.MakeFile(m_Track(i), "x");
    REQUIRE(CreateDirectoryW(temp.Join(L"sub").c_str(), nullptr));
    const std::wstring dir = temp.Path();
    SNAMES listed;
    REQUIRE(m_ListFolder(dir.c_str(), (int)dir.size(), m_Collect, &listed));

    CFolderPrefetch prefetch;
    REQUIRE(m_StartAndWait(&prefetch, temp.Join(L"any.wav")));
    CHECK_FALSE(prefetch.m_Start(temp.Join(L"any.wav").c_str()));
    // Another folder, or this one spelt otherwise, is not answered.
    SNAMES none;
    const std::wstring sub = dir + L"sub\\";
    std::wstring upper = dir;
    CharUpperW(&upper[0]);
    CHECK(prefetch.m_Replay(sub.c_str(), (int)sub.size(), m_Collect, &none) == -1);
    if (upper != dir)
        CHECK(prefetch.m_Replay(upper.c_str(), (int)upper.size(), m_Collect, &none) == -1);
    CHECK(none.Names.empty());
    SNAMES replayed;
    CHECK(prefetch.m_Replay(dir.c_str(), (int)dir.size(), m_Collect, &replayed) == 1);
    CHECK(replayed.Names == listed.Names);
    CHECK(prefetch.m_Replay(dir.c_str(), (int)dir.size(), m_Collect, &none) == -1);
    CHECK(none.Names.empty());

    // A callback that stops the replay stops it as it stops a listing.
    CFolderPrefetch stopped;
    REQUIRE(m_StartAndWait(&stopped, temp.Join(L"any.wav")));
    SNAMES three;
    three.StopAfter = 3;
    CHECK(stopped.m_Replay(dir.c_str(), (int)dir.size(), m_Collect, &three) == 0);
    CHECK(three.Names.size() == 3);

    // Nothing to list: no worker.
    CFolderPrefetch refused;
    const wchar_t* bad[] = {nullptr, L"", L"relative\\a.wav", L"C:a.wav",
                            L"\\\\server\\share\\a.wav"};
    for (const wchar_t* path : bad) CHECK_FALSE(refused.m_Start(path));
    CHECK_FALSE(refused.m_Start((dir + std::wstring(MAX_PATH, L'a')).c_str()));
    CHECK(refused.m_Replay(dir.c_str(), (int)dir.size(), m_Collect, &none) == -1);
}

TEST_CASE("m_PathExistsKinds answers the same with a prefetch of its folder, another, or none")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    std::vector<std::wstring> paths;
    for (int i = 0; i < 12; ++i) paths.push_back(temp.MakeFile(m_Track(i), "x"));
    REQUIRE(CreateDirectoryW(temp.Join(L"sub").c_str(), nullptr));
    paths.push_back(temp.Join(L"sub"));
    paths.push_back(temp.Join(L"missing.wav"));
    paths.push_back(temp.Join(L"\u8a18\u9332_100.WAV"));
    const std::vector<int> plain = m_AskAll(paths);

    // Listed before a file came and one went: a listing taken up by
    // another load is never seen by this one.
    CFolderPrefetch early;
    REQUIRE(m_StartAndWait(&early, paths[0]));
    SNAMES drained;
    const std::wstring dir = temp.Path();
    early.m_Replay(dir.c_str(), (int)dir.size(), m_Collect, &drained);
    REQUIRE(DeleteFileW(paths[3].c_str()));
    temp.MakeFile(L"missing.wav", "x");
    std::vector<int> expected = plain;
    expected[3] = 0;
    expected[13] = 1;

    CFolderPrefetch same, other, begun;
    REQUIRE(m_StartAndWait(&same, paths[0]));
    REQUIRE(m_StartAndWait(&other, temp.Join(L"sub\\x.wav")));
    CHECK(m_AskAll(paths, {}, &same) == expected);
    CHECK(m_AskAll(paths, {}, &other) == expected);
    CHECK(m_AskAll(paths, {}, &early) == expected);
    // Asked at once, the worker may not have begun: the folder is read here.
    begun.m_Start(paths[0].c_str());
    CHECK(m_AskAll(paths, {}, &begun) == expected);
}
