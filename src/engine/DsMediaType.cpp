#include "engine/DsMediaType.h"
#include <string.h>

void m_Ds_FreeMediaType(AM_MEDIA_TYPE* type)
{
    if (!type) return;
    if (type->pbFormat) CoTaskMemFree(type->pbFormat);
    type->pbFormat = nullptr;
    type->cbFormat = 0;
    if (type->pUnk) type->pUnk->Release();
    type->pUnk = nullptr;
}

void m_Ds_DeleteMediaType(AM_MEDIA_TYPE* type)
{
    if (!type) return;
    m_Ds_FreeMediaType(type);
    CoTaskMemFree(type);
}

HRESULT m_Ds_CopyMediaType(AM_MEDIA_TYPE* out, const AM_MEDIA_TYPE* type)
{
    if (!out || !type) return E_POINTER;
    *out = *type;
    out->pbFormat = nullptr;
    out->cbFormat = 0;
    if (type->cbFormat && type->pbFormat) {
        out->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(type->cbFormat));
        if (!out->pbFormat) {
            out->pUnk = nullptr;
            return E_OUTOFMEMORY;
        }
        memcpy(out->pbFormat, type->pbFormat, type->cbFormat);
        out->cbFormat = type->cbFormat;
    }
    if (out->pUnk) out->pUnk->AddRef();
    return S_OK;
}

AM_MEDIA_TYPE* m_Ds_CreateMediaType(const AM_MEDIA_TYPE* type)
{
    auto* copy = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (!copy) return nullptr;
    if (FAILED(m_Ds_CopyMediaType(copy, type))) {
        CoTaskMemFree(copy);
        return nullptr;
    }
    return copy;
}

bool m_Ds_MediaTypeEqual(const AM_MEDIA_TYPE* a, const AM_MEDIA_TYPE* b)
{
    if (!a || !b) return false;
    if (!IsEqualGUID(a->majortype, b->majortype) || !IsEqualGUID(a->subtype, b->subtype) ||
        !IsEqualGUID(a->formattype, b->formattype) || a->cbFormat != b->cbFormat)
        return false;
    if (a->cbFormat == 0) return true;
    if (!a->pbFormat || !b->pbFormat) return false;
    return memcmp(a->pbFormat, b->pbFormat, a->cbFormat) == 0;
}

bool m_Ds_MediaTypeComplete(const AM_MEDIA_TYPE* type)
{
    return type && !IsEqualGUID(type->majortype, GUID_NULL) &&
           !IsEqualGUID(type->subtype, GUID_NULL) && !IsEqualGUID(type->formattype, GUID_NULL);
}
