#include "widgets/event_sink.h"

#include <new>

#include "platform/com/bstr.h"

namespace widgets {

com::Ptr<EventSink> EventSink::create(EventTarget& target) {
    // The object starts with one reference, which the pointer adopts.
    return com::Ptr<EventSink>::attach(new EventSink(target));
}

HRESULT STDMETHODCALLTYPE EventSink::Invoke(DISPID id, REFIID riid, LCID, WORD, DISPPARAMS* params,
                                            VARIANT*, EXCEPINFO*, UINT*) {
    if (!IsEqualGUID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    // A reference of our own: the chooser may let go of the sink while handling the event.
    com::Ptr<EventSink> self(this);
    if (target_ == nullptr)
        return S_OK;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPPARAMS& args = params != nullptr ? *params : none;
    try {
        return target_->onEvent(id, args);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT stringArgument(const DISPPARAMS& params, UINT position, std::u16string_view& text) {
    if (params.rgvarg == nullptr || position >= params.cArgs)
        return DISP_E_BADPARAMCOUNT;
    const VARIANT& arg = params.rgvarg[params.cArgs - 1 - position];
    if (arg.vt == VT_BSTR) {
        text = com::Bstr::view(arg.bstrVal);
        return S_OK;
    }
    if (arg.vt == (VT_BSTR | VT_BYREF)) {
        text = com::Bstr::view(arg.pbstrVal != nullptr ? *arg.pbstrVal : nullptr);
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

}  // namespace widgets
