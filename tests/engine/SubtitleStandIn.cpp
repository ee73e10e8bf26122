// Stand-in of the VSFilter subtitle filter: a pass-through filter for
// uncompressed video offering IDirectVobSub, logging each call.
#include <windows.h>
#include <dshow.h>
#include <new>
#include "StandInLog.h"
#include "StandInServer.h"
#include "engine/DsTransInPlace.h"
#include "engine/ExternalFilters.h"

namespace {

HMODULE g_Module = nullptr;
constexpr const wchar_t* kName = L"DirectVobSub (stand-in)";

bool IsUncompressedVideo(const AM_MEDIA_TYPE* type)
{
    static const GUID* const kTypes[] = {
        &MEDIASUBTYPE_RGB32,  &MEDIASUBTYPE_RGB24, &MEDIASUBTYPE_RGB565,
        &MEDIASUBTYPE_RGB555, &MEDIASUBTYPE_YUY2,  &MEDIASUBTYPE_UYVY,
        &MEDIASUBTYPE_YV12,   &MEDIASUBTYPE_NV12,  &MEDIASUBTYPE_IYUV};
    if (!IsEqualGUID(type->majortype, MEDIATYPE_Video)) return false;
    for (const GUID* sub : kTypes)
        if (IsEqualGUID(type->subtype, *sub)) return true;
    return false;
}

class CSubtitleStandIn : public CTransInPlaceFilter, public IDirectVobSub {
public:
    static IUnknown* Create()
    {
        auto* filter = new (std::nothrow) CSubtitleStandIn();
        return filter ? filter->GetOwner() : nullptr;
    }

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IDirectVobSub))
            return m_Ds_GetInterface(static_cast<IDirectVobSub*>(this), out);
        return CTransInPlaceFilter::NonDelegatingQueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override
    {
        m_StandIn_Log(L"VobSub JoinFilterGraph %s", graph && name ? name : L"(none)");
        return CTransInPlaceFilter::JoinFilterGraph(graph, name);
    }

    HRESULT CheckInputType(const AM_MEDIA_TYPE* type) override
    {
        return IsUncompressedVideo(type) ? S_OK : S_FALSE;
    }
    HRESULT Transform(IMediaSample*) override
    {
        if (!InterlockedExchange(&m_SawVideo, 1)) m_StandIn_Log(L"VobSub video passes");
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_FileName(WCHAR* name) override
    {
        m_StandIn_Log(L"VobSub get_FileName");
        if (name) lstrcpynW(name, m_FileName, MAX_PATH);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_FileName(WCHAR* name) override
    {
        m_StandIn_Log(L"VobSub put_FileName [%s]", name ? name : L"(null)");
        lstrcpynW(m_FileName, name ? name : L"", MAX_PATH);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_LanguageCount(int* count) override
    {
        m_StandIn_Log(L"VobSub get_LanguageCount");
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_LanguageName(int language, WCHAR** name) override
    {
        m_StandIn_Log(L"VobSub get_LanguageName %d", language);
        if (name) *name = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_SelectedLanguage(int* language) override
    {
        m_StandIn_Log(L"VobSub get_SelectedLanguage");
        if (language) *language = m_Language;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_SelectedLanguage(int language) override
    {
        m_StandIn_Log(L"VobSub put_SelectedLanguage %d", language);
        m_Language = language;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HideSubtitles(bool* hide) override
    {
        m_StandIn_Log(L"VobSub get_HideSubtitles");
        if (hide) *hide = m_Hide;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_HideSubtitles(bool hide) override
    {
        m_StandIn_Log(L"VobSub put_HideSubtitles %d", hide ? 1 : 0);
        m_Hide = hide;
        return S_OK;
    }

private:
    CSubtitleStandIn() : CTransInPlaceFilter(L"VobSub", CLSID_VSFilter) { m_StandIn_ObjectBorn(); }
    ~CSubtitleStandIn() override
    {
        m_StandIn_Log(L"VobSub destroyed");
        m_StandIn_ObjectDied();
    }

    wchar_t m_FileName[MAX_PATH] = {};
    int m_Language = 0;
    bool m_Hide = false;
    volatile LONG m_SawVideo = 0;
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) g_Module = instance;
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    return m_StandIn_GetClassObject(clsid, CLSID_VSFilter, L"VobSub", &CSubtitleStandIn::Create,
                                    iid, out);
}

STDAPI DllCanUnloadNow() { return m_StandIn_LiveObjects() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    return m_StandIn_Register(g_Module, CLSID_VSFilter, kName, CLSID_LegacyAmFilterCategory,
                              MERIT_DO_NOT_USE, nullptr);
}

STDAPI DllUnregisterServer()
{
    return m_StandIn_Unregister(CLSID_VSFilter, kName, CLSID_LegacyAmFilterCategory);
}
