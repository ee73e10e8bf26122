#include "engine/DsEnum.h"
#include <new>
#include "engine/DsFilter.h"
#include "engine/DsMediaType.h"
#include "engine/DsPin.h"

namespace {

// Shared by both enumerators: counting and the position.
template <class TInterface>
class CEnumBase : public TInterface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(TInterface))) {
            *out = static_cast<TInterface*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&m_RefCount));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&m_RefCount);
        if (left == 0) delete this;
        return static_cast<ULONG>(left < 0 ? 0 : left);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        int total = Count();
        if (m_Position + static_cast<LONG>(count) > total) {
            m_Position = total;
            return S_FALSE;
        }
        m_Position += static_cast<LONG>(count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_Position = 0;
        return S_OK;
    }

protected:
    virtual ~CEnumBase() = default;
    virtual int Count() = 0;

    volatile LONG m_RefCount = 1;
    LONG m_Position = 0;
};

class CEnumPins : public CEnumBase<IEnumPins> {
public:
    explicit CEnumPins(CBaseFilter* filter) : m_Filter(filter) { m_Filter->AddRef(); }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, IPin** pins, ULONG* fetched) override
    {
        if (!pins || (count > 1 && !fetched)) return E_POINTER;
        ULONG got = 0;
        int total = Count();
        while (got < count && m_Position < total) {
            CBasePin* pin = m_Filter->GetPin(m_Position++);
            if (!pin) continue;
            pin->AddRef();
            pins[got++] = pin;
        }
        if (fetched) *fetched = got;
        return got == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumPins** out) override
    {
        if (!out) return E_POINTER;
        auto* copy = new (std::nothrow) CEnumPins(m_Filter);
        *out = copy;
        if (!copy) return E_OUTOFMEMORY;
        copy->m_Position = m_Position;
        return S_OK;
    }

private:
    ~CEnumPins() override { m_Filter->Release(); }
    int Count() override { return m_Filter->GetPinCount(); }

    CBaseFilter* m_Filter;
};

class CEnumMediaTypes : public CEnumBase<IEnumMediaTypes> {
public:
    explicit CEnumMediaTypes(CBasePin* pin) : m_Pin(pin) { m_Pin->AddRef(); }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) override
    {
        if (!types || (count > 1 && !fetched)) return E_POINTER;
        ULONG got = 0;
        while (got < count) {
            AM_MEDIA_TYPE type = {};
            if (m_Pin->GetMediaType(m_Position, &type) != S_OK) break;
            m_Position++;
            types[got] = m_Ds_CreateMediaType(&type);
            m_Ds_FreeMediaType(&type);
            if (!types[got]) break;
            got++;
        }
        if (fetched) *fetched = got;
        return got == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumMediaTypes** out) override
    {
        if (!out) return E_POINTER;
        auto* copy = new (std::nothrow) CEnumMediaTypes(m_Pin);
        *out = copy;
        if (!copy) return E_OUTOFMEMORY;
        copy->m_Position = m_Position;
        return S_OK;
    }

private:
    ~CEnumMediaTypes() override { m_Pin->Release(); }
    int Count() override
    {
        int n = 0;
        AM_MEDIA_TYPE type = {};
        while (m_Pin->GetMediaType(n, &type) == S_OK) {
            m_Ds_FreeMediaType(&type);
            type = {};
            n++;
        }
        return n;
    }

    CBasePin* m_Pin;
};

}  // namespace

HRESULT m_Ds_CreatePinEnum(CBaseFilter* filter, IEnumPins** out)
{
    if (!out) return E_POINTER;
    *out = filter ? new (std::nothrow) CEnumPins(filter) : nullptr;
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT m_Ds_CreateMediaTypeEnum(CBasePin* pin, IEnumMediaTypes** out)
{
    if (!out) return E_POINTER;
    *out = pin ? new (std::nothrow) CEnumMediaTypes(pin) : nullptr;
    return *out ? S_OK : E_OUTOFMEMORY;
}
