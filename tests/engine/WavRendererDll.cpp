// The module of the WAV-writing audio renderer.
#include <windows.h>
#include <dshow.h>
#include "StandInServer.h"
#include "WavRenderer.h"

namespace {

HMODULE g_Module = nullptr;

const REGPINTYPES kPinTypes = {&MEDIATYPE_Audio, &MEDIASUBTYPE_PCM};
const REGFILTERPINS kPins = {nullptr,     TRUE,    FALSE, FALSE,     FALSE,
                             &CLSID_NULL, nullptr, 1,     &kPinTypes};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) g_Module = instance;
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    return m_StandIn_GetClassObject(clsid, CLSID_ZvWavRenderer, L"WavRenderer",
                                    &CWavRenderer::Create, iid, out);
}

STDAPI DllCanUnloadNow() { return m_StandIn_LiveObjects() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    REGFILTER2 info = {};
    info.dwVersion = 1;
    info.dwMerit = MERIT_DO_NOT_USE;
    info.cPins = 1;
    info.rgPins = &kPins;
    return m_StandIn_Register(g_Module, CLSID_ZvWavRenderer, kWavRendererName,
                              CLSID_AudioRendererCategory, MERIT_DO_NOT_USE, &info);
}

STDAPI DllUnregisterServer()
{
    return m_StandIn_Unregister(CLSID_ZvWavRenderer, kWavRendererName, CLSID_AudioRendererCategory);
}
