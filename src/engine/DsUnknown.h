// The COM identity that every object of the filter framework stands on: a
// counted, non-delegating IUnknown whose interfaces forward to it.
#pragma once
#include <windows.h>
#include <unknwn.h>

// The IUnknown of the object itself, apart from the IUnknown methods that
// its other interfaces inherit and forward here.
struct INonDelegatingUnknown {
    virtual HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) = 0;
    virtual ULONG STDMETHODCALLTYPE NonDelegatingAddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE NonDelegatingRelease() = 0;
};

// A new object holds one reference, its creator's; the last Release
// deletes it. Answers IUnknown; derived classes add their interfaces.
class CUnknown : public INonDelegatingUnknown {
public:
    explicit CUnknown(const wchar_t* name);
    virtual ~CUnknown() = default;
    CUnknown(const CUnknown&) = delete;
    CUnknown& operator=(const CUnknown&) = delete;

    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE NonDelegatingAddRef() override;
    ULONG STDMETHODCALLTYPE NonDelegatingRelease() override;

    // The object's own IUnknown (not counted).
    IUnknown* GetOwner()
    {
        return reinterpret_cast<IUnknown*>(static_cast<INonDelegatingUnknown*>(this));
    }
    const wchar_t* GetObjectName() const { return m_ObjectName; }
    LONG GetRefCount() const { return m_RefCount; }

private:
    volatile LONG m_RefCount = 1;
    const wchar_t* m_ObjectName;
};

// Stores an AddRef'd interface pointer in *out; E_POINTER for a null out.
HRESULT m_Ds_GetInterface(IUnknown* unknown, void** out);

// The IUnknown methods of every interface a CUnknown-derived class offers.
#define ZV_DELEGATING_IUNKNOWN                                                  \
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override   \
    {                                                                           \
        return NonDelegatingQueryInterface(iid, out);                           \
    }                                                                           \
    ULONG STDMETHODCALLTYPE AddRef() override { return NonDelegatingAddRef(); } \
    ULONG STDMETHODCALLTYPE Release() override { return NonDelegatingRelease(); }
