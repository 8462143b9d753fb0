#include "platform/com/dispatch_receiver.h"

namespace com {

HRESULT STDMETHODCALLTYPE DispatchReceiver::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == eventIid_) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DispatchReceiver::AddRef() {
    return ++refs_;
}

ULONG STDMETHODCALLTYPE DispatchReceiver::Release() {
    const ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE DispatchReceiver::GetTypeInfoCount(UINT* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchReceiver::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchReceiver::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                                          DISPID* ids) {
    if (ids != nullptr) {
        for (UINT i = 0; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
    }
    return DISP_E_UNKNOWNNAME;
}

}  // namespace com
