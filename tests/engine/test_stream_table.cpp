// The stream table: streams read through IAMStreamSelect, side subtitle
// files and their names and language numbers.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include <windows.h>
#include <dshow.h>

#include "engine/StreamTable.h"

namespace {

// {E487EB08-6B26-4BE9-9DD3-993434D313FD}
constexpr GUID kSubtitleType = {
    0xE487EB08, 0x6B26, 0x4BE9, {0x9D, 0xD3, 0x99, 0x34, 0x34, 0xD3, 0x13, 0xFD}};

struct SFakeStream {
    GUID Major;
    DWORD Flags;
    std::wstring Name;
};

// A source whose streams are a list; Enable sets the flag.
class CStreamSource : public IAMStreamSelect {
public:
    explicit CStreamSource(std::vector<SFakeStream> streams) : m_Streams(std::move(streams)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Count(DWORD* count) override
    {
        *count = static_cast<DWORD>(m_Streams.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Info(long index, AM_MEDIA_TYPE** type, DWORD* flags, LCID*, DWORD*,
                                   WCHAR** name, IUnknown**, IUnknown**) override
    {
        if (index < 0 || index >= static_cast<long>(m_Streams.size())) return E_INVALIDARG;
        const SFakeStream& s = m_Streams[index];
        if (type) {
            *type = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
            **type = AM_MEDIA_TYPE{};
            (*type)->majortype = s.Major;
        }
        if (flags) *flags = s.Flags;
        if (name) {
            size_t bytes = (s.Name.size() + 1) * sizeof(WCHAR);
            *name = static_cast<WCHAR*>(CoTaskMemAlloc(bytes));
            memcpy(*name, s.Name.c_str(), bytes);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Enable(long index, DWORD flags) override
    {
        m_Streams[index].Flags = flags;
        return S_OK;
    }

    std::vector<SFakeStream> m_Streams;
};

}  // namespace

TEST_CASE("streams read from the source")
{
    static SStreamTable table;
    SUBCASE("kinds, flags, names and the no-subtitles entry")
    {
        CStreamSource source({{MEDIATYPE_Video, 1, L"Video"},
                              {MEDIATYPE_Audio, 1, L"English"},
                              {MEDIATYPE_Audio, 0, L"Japanese"},
                              {kSubtitleType, 0, L"Signs"},
                              {GUID_NULL, 0, L"No Subtitles"},
                              {GUID_NULL, 0, std::wstring(300, L'n')}});
        REQUIRE(m_Streams_Read(&source, &table) == S_OK);
        REQUIRE(table.Count == 6);
        CHECK(table.KindCounts[0] == 1);
        CHECK(table.KindCounts[1] == 1);
        CHECK(table.KindCounts[2] == 2);
        CHECK(table.KindCounts[3] == 2);
        CHECK(table.Items[1].Enabled == 1);
        CHECK(table.Items[2].SourceEnabled == 0);
        CHECK(table.Items[4].Kind == STREAM_KIND_SUBTITLE);
        CHECK(table.Items[4].NoSubtitles == 1);
        CHECK(table.SelectedSubtitle == 4);
        CHECK(std::wstring(table.Items[5].Name) == std::wstring(127, L'n'));

        source.Enable(2, 1);
        m_Streams_Refresh(&source, &table);
        CHECK(table.Items[2].SourceEnabled == 1);
        CHECK(table.Items[2].Enabled == 0);  // the engine's choice stays
    }
    SUBCASE("only the first 16 of 20 streams")
    {
        CStreamSource source(std::vector<SFakeStream>(20, {MEDIATYPE_Audio, 0, L"a"}));
        m_Streams_Read(&source, &table);
        CHECK(table.Count == 16);
        CHECK(table.KindCounts[2] == 16);
        CHECK(table.SelectedSubtitle == -1);
    }
}

TEST_CASE("side subtitle files")
{
    static SStreamTable table;
    m_Streams_Clear(&table);
    SUBCASE("names from the media file's name, the no-subtitles entry first")
    {
        REQUIRE(m_Streams_AddSideFile(&table, L"C:\\v\\movie.mkv", L"C:\\s\\movie.en.SRT"));
        REQUIRE(m_Streams_AddSideFile(&table, L"C:\\v\\movie.mkv", L"C:\\v\\movie.srt"));
        REQUIRE(table.Count == 3);
        CHECK(std::wstring(table.Items[0].Name) == L"S: NO SUBTITLES");
        CHECK(table.Items[0].NoSubtitles == 1);
        CHECK(table.SelectedSubtitle == 0);
        CHECK(std::wstring(table.Items[1].Name) == L"S: FILE .en (srt)");
        CHECK(std::wstring(table.Items[2].Name) == L"S: FILE (srt)");
        CHECK(std::wstring(table.Items[2].Path) == L"C:\\v\\movie.srt");
        CHECK(table.KindCounts[3] == 3);
    }
    SUBCASE("a second file of the same name is the next language")
    {
        m_Streams_AddSideFile(&table, L"C:\\movie.mkv", L"C:\\movie.srt");
        m_Streams_AddSideFile(&table, L"C:\\movie.mkv", L"C:\\movie.idx");
        m_Streams_AddSideFile(&table, L"C:\\movie.mkv", L"C:\\other.idx");
        CHECK(m_Streams_SideFileLanguage(&table, 1) == 0);
        CHECK(m_Streams_SideFileLanguage(&table, 2) == 1);
        CHECK(m_Streams_SideFileLanguage(&table, 3) == 0);
    }
    SUBCASE("a full table refuses files; 15 entries refuse the first")
    {
        table.Count = 15;
        CHECK(m_Streams_AddSideFile(&table, L"C:\\m.avi", L"C:\\m.srt") == 0);
        CHECK(table.Count == 15);
        table.Count = 14;
        CHECK(m_Streams_AddSideFile(&table, L"C:\\m.avi", L"C:\\m.srt") == 1);
        CHECK(table.Count == 16);
        CHECK(m_Streams_AddSideFile(&table, L"C:\\m.avi", L"C:\\m2.srt") == 0);
    }
}
