// The test source's module: its class, its registration as a filter, and
// how the filter graph finds it for a file: by the file's first bytes (a
// check-bytes pattern under Media Type). No key under Media Type\Extensions:
// Wine's graph, finding one, reads its source filter and then takes the
// plain file source all the same.
#include <windows.h>
#include <dshow.h>
#include <strsafe.h>

#include "StandInServer.h"
#include "TestSourceFilter.h"

namespace {

HMODULE g_Module = nullptr;

// {DAE1B78D-3604-43E6-B69F-C5D29D1ECD58}: the subtype of description files.
constexpr GUID kDescriptionSubtype = {
    0xDAE1B78D, 0x3604, 0x43E6, {0xB6, 0x9F, 0xC5, 0xD2, 0x9D, 0x1E, 0xCD, 0x58}};
// The first bytes of a description file: "ZVSRC".
constexpr const wchar_t* kCheckBytes = L"0,5,,5A56535243";

void m_CheckBytesKey(wchar_t* key, int size)
{
    wchar_t major[64] = {}, subtype[64] = {};
    StringFromGUID2(MEDIATYPE_Stream, major, 64);
    StringFromGUID2(kDescriptionSubtype, subtype, 64);
    StringCchPrintfW(key, size, L"Media Type\\%s\\%s", major, subtype);
}

LONG m_SetText(HKEY key, const wchar_t* name, const wchar_t* text)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

LONG m_SetGuid(HKEY key, const wchar_t* name, REFGUID guid)
{
    wchar_t text[64];
    if (!StringFromGUID2(guid, text, 64)) return ERROR_INVALID_DATA;
    return m_SetText(key, name, text);
}

HRESULT m_RegisterKeys()
{
    wchar_t key[160];
    m_CheckBytesKey(key, 160);
    HKEY check = nullptr;
    LONG rc =
        RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &check, nullptr);
    if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    rc = m_SetText(check, L"0", kCheckBytes);
    if (rc == ERROR_SUCCESS) rc = m_SetGuid(check, L"Source Filter", CLSID_ZvTestSource);
    RegCloseKey(check);
    return HRESULT_FROM_WIN32(rc);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) g_Module = instance;
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    return m_StandIn_GetClassObject(clsid, CLSID_ZvTestSource, L"TestSource", &CTestSource::Create,
                                    iid, out);
}

STDAPI DllCanUnloadNow() { return m_StandIn_LiveObjects() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    HRESULT hr = m_StandIn_Register(g_Module, CLSID_ZvTestSource, kTestSourceName,
                                    CLSID_LegacyAmFilterCategory, MERIT_DO_NOT_USE, nullptr);
    return SUCCEEDED(hr) ? m_RegisterKeys() : hr;
}

STDAPI DllUnregisterServer()
{
    wchar_t key[160];
    m_CheckBytesKey(key, 160);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    return m_StandIn_Unregister(CLSID_ZvTestSource, kTestSourceName, CLSID_LegacyAmFilterCategory);
}
