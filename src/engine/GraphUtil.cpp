#include "engine/GraphUtil.h"

#include "base/ErrorLog.h"
#include "engine/DsMediaType.h"

HRESULT m_VR_Checked(HRESULT hr, int line, const wchar_t* call)
{
    if (FAILED(hr)) m_WriteLog(L"VR_%d : Error / %s = 0x%08X", line, call, hr);
    return hr;
}

int m_VR_PinOffersMajorType(IPin* pin, REFGUID majorType)
{
    // A connected renderer pin often lists no types of its own: its
    // connection tells.
    AM_MEDIA_TYPE connected = {};
    if (pin->ConnectionMediaType(&connected) == S_OK) {
        int same = IsEqualGUID(connected.majortype, majorType) ? 1 : 0;
        m_Ds_FreeMediaType(&connected);
        if (same) return 1;
    }
    IEnumMediaTypes* types = nullptr;
    if (FAILED(pin->EnumMediaTypes(&types)) || !types) return 0;
    int found = 0;
    AM_MEDIA_TYPE* type = nullptr;
    while (!found && types->Next(1, &type, nullptr) == S_OK) {
        if (type) {
            found = IsEqualGUID(type->majortype, majorType) ? 1 : 0;
            m_Ds_DeleteMediaType(type);
            type = nullptr;
        }
    }
    types->Release();
    return found;
}

IPin* m_VR_FindPin(IBaseFilter* filter, PIN_DIRECTION direction, const GUID* majorType)
{
    if (!filter) return nullptr;
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return nullptr;
    IPin* found = nullptr;
    IPin* pin = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION d;
        if (SUCCEEDED(pin->QueryDirection(&d)) && d == direction &&
            (!majorType || m_VR_PinOffersMajorType(pin, *majorType))) {
            found = pin;
        } else {
            pin->Release();
        }
        pin = nullptr;
    }
    pins->Release();
    return found;
}
