// One connection point of a mask: the host's sinks for one event dispinterface, and the firing
// of that interface's events to them.
//
// The connection point lives inside the mask object and shares its lifetime: AddRef and
// Release go to the mask (the container given at construction). Its own IUnknown answers
// IConnectionPoint only.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace framework {

class EventSource final
    : public com::Part<com::Implements<IConnectionPoint, IID_IConnectionPoint>> {
  public:
    // container: the mask that owns this connection point (and answers for its lifetime).
    // eventIid: the event dispinterface whose sinks connect here.
    EventSource(IConnectionPointContainer& container, REFIID eventIid);
    ~EventSource() = default;

    // Calls event `id` on every connected sink in connection order, by IDispatch::Invoke with
    // IID_NULL, the user-default locale and DISPATCH_METHOD. Each argument is 8-bit text of
    // the system code page, handed over as a new automation string. Sinks' results are
    // ignored; a sink may disconnect itself, or release the mask, while the event runs.
    void fire(DISPID id, std::span<const std::string> ansiArgs = {});
    void fire(DISPID id, const std::string& ansiArg) { fire(id, std::span(&ansiArg, 1)); }

    // IConnectionPointContainer::FindConnectionPoint for a mask with this one connection
    // point: this source for its own event interface, else CONNECT_E_NOCONNECTION.
    HRESULT find(REFIID riid, IConnectionPoint** ppCP);

    const IID& eventIid() const { return eventIid_; }
    std::size_t connectionCount() const { return sinks_.size(); }

    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) override;

  private:
    struct Connection {
        DWORD cookie;
        com::Ptr<IDispatch> sink;
    };

    IConnectionPointContainer& container_;
    IID eventIid_;
    std::vector<Connection> sinks_;
    DWORD lastCookie_ = 0;
};

}  // namespace framework
