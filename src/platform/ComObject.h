// What every COM object of the program shares: its reference count, and the
// interfaces it answers for (IUnknown, `Interface`, and the interfaces that
// one derives from, named in `Bases`). Their ids come with the headers
// (__uuidof): no system library is linked for them.
#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <unknwn.h>

template <typename Interface, typename... Bases>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (!IsEqualIID(id, __uuidof(IUnknown)) && !IsEqualIID(id, __uuidof(Interface)) &&
            !(IsEqualIID(id, __uuidof(Bases)) || ...)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&Refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&Refs);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG Refs = 1;
};
