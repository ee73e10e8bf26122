// Interfaces and class ids of the filters from outside the program that the
// engine loads when present: the time-stretch filter, the VSFilter subtitle
// filter and the madVR renderer. Only the calls the engine makes are named;
// the other slots keep the named calls at their places in the tables.
#pragma once
#include <windows.h>
#include <unknwn.h>
#include <strmif.h>

// The time-stretch filter, from "TimeStretchFilter.ax" or by class id.
// {9BCE4697-3F65-4A16-B506-73D937FE94A8}
inline constexpr CLSID CLSID_TimeStretchFilter = {
    0x9BCE4697, 0x3F65, 0x4A16, {0xB5, 0x06, 0x73, 0xD9, 0x37, 0xFE, 0x94, 0xA8}};
// {D85F5D73-1547-4CF0-AC00-04838891ACB2}
inline constexpr IID IID_ITimeStretchFilter = {
    0xD85F5D73, 0x1547, 0x4CF0, {0xAC, 0x00, 0x04, 0x83, 0x88, 0x91, 0xAC, 0xB2}};

MIDL_INTERFACE("D85F5D73-1547-4CF0-AC00-04838891ACB2")
ITimeStretchFilter : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Reserved1() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved2() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved3() = 0;
    // The playback rate in percent (100 = normal speed).
    virtual HRESULT STDMETHODCALLTYPE SetRate(int percent) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved5() = 0;
    // Turns the filter on and names the window and message of its notices.
    virtual HRESULT STDMETHODCALLTYPE Enable(int on, HWND window, UINT message) = 0;
};
__CRT_UUID_DECL(ITimeStretchFilter, 0xD85F5D73, 0x1547, 0x4CF0, 0xAC, 0x00, 0x04, 0x83, 0x88, 0x91,
                0xAC, 0xB2)

// VSFilter (DirectVobSub). {93A22E7A-5091-45EF-BA61-6DA26156A5D0}
inline constexpr CLSID CLSID_VSFilter = {
    0x93A22E7A, 0x5091, 0x45EF, {0xBA, 0x61, 0x6D, 0xA2, 0x61, 0x56, 0xA5, 0xD0}};
// {EBE1FB08-3957-47CA-AF13-5827E5442E56}
inline constexpr IID IID_IDirectVobSub = {
    0xEBE1FB08, 0x3957, 0x47CA, {0xAF, 0x13, 0x58, 0x27, 0xE5, 0x44, 0x2E, 0x56}};

MIDL_INTERFACE("EBE1FB08-3957-47CA-AF13-5827E5442E56")
IDirectVobSub : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE get_FileName(WCHAR * fileName) = 0;
    // The subtitle file to show; an empty name shows none.
    virtual HRESULT STDMETHODCALLTYPE put_FileName(WCHAR * fileName) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LanguageCount(int* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LanguageName(int language, WCHAR** name) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SelectedLanguage(int* language) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SelectedLanguage(int language) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HideSubtitles(bool* hide) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HideSubtitles(bool hide) = 0;
};
__CRT_UUID_DECL(IDirectVobSub, 0xEBE1FB08, 0x3957, 0x47CA, 0xAF, 0x13, 0x58, 0x27, 0xE5, 0x44, 0x2E,
                0x56)

// madVR. {E1A8B82A-32CE-4B0D-BE0D-AA68C772E423}
inline constexpr CLSID CLSID_madVR = {
    0xE1A8B82A, 0x32CE, 0x4B0D, {0xBE, 0x0D, 0xAA, 0x68, 0xC7, 0x72, 0xE4, 0x23}};

// The time-stretch filter from its module's own class factory
// (DllGetClassObject); null when the module offers none.
IBaseFilter* m_CreateTimeStretchFromModule(HMODULE module);
