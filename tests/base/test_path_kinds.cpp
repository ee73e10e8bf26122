#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "base/PathKinds.h"
#include "base/PathUtil.h"

namespace {

// Asks for all paths at once and checks each answer against the one-by-one
// question; returns the answers.
std::vector<int> m_AskAll(const std::vector<std::wstring>& paths,
                          const std::vector<bool>& null = {})
{
    std::vector<const wchar_t*> raw;
    for (size_t i = 0; i < paths.size(); ++i)
        raw.push_back(i < null.size() && null[i] ? nullptr : paths[i].c_str());
    std::vector<int> kinds(paths.size(), -7);
    m_PathExistsKinds(raw.data(), (int)raw.size(), kinds.data());
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
