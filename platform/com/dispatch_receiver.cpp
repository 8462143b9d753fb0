#include "platform/com/dispatch_receiver.h"

namespace com {

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
