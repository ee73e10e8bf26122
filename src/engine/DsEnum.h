// Enumerators of a filter's pins and of a pin's preferred media types.
#pragma once
#include <windows.h>
#include <dshow.h>

class CBaseFilter;
class CBasePin;

HRESULT m_Ds_CreatePinEnum(CBaseFilter* filter, IEnumPins** out);
HRESULT m_Ds_CreateMediaTypeEnum(CBasePin* pin, IEnumMediaTypes** out);
