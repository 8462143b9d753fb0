// The receiving end of events: an IDispatch without type information whose only real member
// is Invoke. Reference counted; it deletes itself with its last reference.
#pragma once

#include "platform/com/com.h"

namespace com {

class DispatchReceiver : public IDispatch {
  public:
    DispatchReceiver(const DispatchReceiver&) = delete;
    DispatchReceiver& operator=(const DispatchReceiver&) = delete;

    // IUnknown, IDispatch and the event interface given at construction (if any).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;

  protected:
    explicit DispatchReceiver(const IID& eventIid = IID_IDispatch) : eventIid_(eventIid) {}
    virtual ~DispatchReceiver() = default;

  private:
    IID eventIid_;
    ULONG refs_ = 1;
};

}  // namespace com
