// The receiving end of events: an IDispatch without type information whose only real member
// is Invoke. Reference counted; it deletes itself with its last reference.
#pragma once

#include "platform/com/com.h"
#include "platform/com/object.h"

namespace com {

// Answers IUnknown, IDispatch and the event interface given at construction (if any).
class DispatchReceiver : public Object<Implements<IDispatch, IID_IDispatch>> {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;

  protected:
    explicit DispatchReceiver(const IID& eventIid = IID_IDispatch) : Object(eventIid) {}
    ~DispatchReceiver() override = default;
};

}  // namespace com
