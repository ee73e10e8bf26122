// The marker interface some source filters offer; the platform headers do
// not declare it (IAMStreamSelect is in strmif.h).
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <strmif.h>

// {FA2AA8F9-8B62-11D0-A520-000000000000}
inline constexpr IID IID_IAMExtendedSeeking = {
    0xFA2AA8F9, 0x8B62, 0x11D0, {0xA5, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}};

// Markers are numbered from 1; times in seconds.
MIDL_INTERFACE("FA2AA8F9-8B62-11D0-A520-000000000000")
IAMExtendedSeeking : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE get_ExSeekCapabilities(long* capabilities) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MarkerCount(long* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentMarker(long* marker) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMarkerTime(long marker, double* seconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMarkerName(long marker, BSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PlaybackSpeed(double speed) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PlaybackSpeed(double* speed) = 0;
};
__CRT_UUID_DECL(IAMExtendedSeeking, 0xFA2AA8F9, 0x8B62, 0x11D0, 0xA5, 0x20, 0x00, 0x00, 0x00, 0x00,
                0x00, 0x00)
