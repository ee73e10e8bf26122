// Chapters read from a source's markers through IAMExtendedSeeking.
#include <doctest/doctest.h>

#include <string>

#include "engine/MarkerChapters.h"
#include "engine/SourceInterfaces.h"

namespace {

// A source whose markers are a table; a null name fails GetMarkerName.
class CMarkerSource : public IAMExtendedSeeking {
public:
    struct SMarker {
        double Start;
        const wchar_t* Name;
    };
    CMarkerSource(const SMarker* markers, long count) : m_Markers(markers), m_Count(count) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IAMExtendedSeeking)) {
            *out = static_cast<IAMExtendedSeeking*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_Refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_Refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_ExSeekCapabilities(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_MarkerCount(long* count) override
    {
        *count = m_Count;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_CurrentMarker(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMarkerTime(long marker, double* seconds) override
    {
        if (marker < 1 || marker > m_Count) return E_INVALIDARG;
        *seconds = m_Markers[marker - 1].Start;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMarkerName(long marker, BSTR* name) override
    {
        if (marker < 1 || marker > m_Count || !m_Markers[marker - 1].Name) return E_FAIL;
        *name = SysAllocString(m_Markers[marker - 1].Name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_PlaybackSpeed(double) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlaybackSpeed(double*) override { return E_NOTIMPL; }

    ULONG m_Refs = 1;

private:
    const SMarker* m_Markers;
    long m_Count;
};

}  // namespace

TEST_CASE("chapters from a source's markers")
{
    SCHAPTERITEM* items = nullptr;
    int count = 0;
    SUBCASE("late first marker: an unnamed chapter at 0, names bounded, a failed name empty")
    {
        std::wstring longName(300, L'x');
        CMarkerSource::SMarker markers[] = {
            {30, L"Opening"}, {90, longName.c_str()}, {95, nullptr}};
        CMarkerSource source(markers, 3);
        REQUIRE(m_Chapters_ReadFromSource(&source, 100, &items, &count) == S_OK);
        REQUIRE(count == 4);
        CHECK(items[0].Start == 0.0);
        CHECK(std::wstring(items[0].Name).empty());
        CHECK(items[0].Length == 30.0);
        CHECK(std::wstring(items[1].Name) == L"Opening");
        CHECK(std::wstring(items[2].Name) == std::wstring(127, L'x'));
        CHECK(std::wstring(items[3].Name).empty());
        CHECK(items[3].Length == 5.0);
        CHECK(source.m_Refs == 1);
    }
    SUBCASE("a first marker within a second starts at 0")
    {
        CMarkerSource::SMarker markers[] = {{0.5, L"A"}, {60, L"B"}, {120, L"C"}};
        CMarkerSource source(markers, 3);
        REQUIRE(m_Chapters_ReadFromSource(&source, 150, &items, &count) == S_OK);
        REQUIRE(count == 3);
        CHECK(items[0].Start == 0.0);
        CHECK(std::wstring(items[0].Name) == L"A");
        CHECK(items[2].Length == 30.0);
    }
    SUBCASE("no interface or no source: one chapter over the file")
    {
        REQUIRE(m_Chapters_ReadFromSource(nullptr, 100, &items, &count) == S_OK);
        REQUIRE(count == 1);
        CHECK(items[0].Length == 100.0);
    }
    delete[] items;
}
