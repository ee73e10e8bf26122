#include "engine/DsUnknown.h"

CUnknown::CUnknown(const wchar_t* name) : m_ObjectName(name) {}

HRESULT STDMETHODCALLTYPE CUnknown::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) return m_Ds_GetInterface(GetOwner(), out);
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CUnknown::NonDelegatingAddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_RefCount));
}

ULONG STDMETHODCALLTYPE CUnknown::NonDelegatingRelease()
{
    LONG left = InterlockedDecrement(&m_RefCount);
    if (left == 0) delete this;
    return static_cast<ULONG>(left < 0 ? 0 : left);
}

HRESULT m_Ds_GetInterface(IUnknown* unknown, void** out)
{
    if (!out) return E_POINTER;
    *out = unknown;
    if (unknown) unknown->AddRef();
    return unknown ? S_OK : E_NOINTERFACE;
}
