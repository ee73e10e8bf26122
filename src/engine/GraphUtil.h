// Small helpers of the engine's graph code: releasing interface pointers
// and finding pins.
#pragma once
#include <windows.h>
#include <dshow.h>

template <class T>
void m_VR_Release(T*& p)
{
    if (p) {
        p->Release();
        p = nullptr;
    }
}

// Logs a failed call as "VR_<line> : Error / <call> = 0x<hr>"; the result.
HRESULT m_VR_Checked(HRESULT hr, int line, const wchar_t* call);

// The first pin of the filter in the direction (AddRef'd), null when none.
// With a major type, only a pin offering a media type of that major type.
IPin* m_VR_FindPin(IBaseFilter* filter, PIN_DIRECTION direction, const GUID* majorType);

// 1 when the pin is connected with, or offers, a media type of the major
// type.
int m_VR_PinOffersMajorType(IPin* pin, REFGUID majorType);
