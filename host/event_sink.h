// The terminal's ear for a mask's events: an automation sink that writes one line per event
// ("event Send TEXT", "event Cancel", ...) and the connection that keeps it advised.
#pragma once

#include <atomic>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_receiver.h"

namespace host {

// One event of a mask's event interface.
struct EventInfo {
    DISPID id;
    std::string_view name;
    UINT argCount;
};

// The events of a coclass; empty for a name that is not a mask.
std::span<const EventInfo> eventsOf(std::string_view coclass);

using EventOutput = std::function<void(std::string)>;

class EventSink final : public com::DispatchReceiver {
  public:
    // A sink for the event interface diid with the given events; null when out of memory.
    static com::Ptr<EventSink> create(REFIID diid, std::span<const EventInfo> events,
                                      EventOutput output);

    // Events that still arrive afterwards are accepted and dropped.
    void detach() { output_ = nullptr; }

    // The line is "event NAME" and one blank-led UTF-8 text per argument, in declared order.
    // An unknown DISPID, a wrong argument count or a non-string argument writes nothing.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  private:
    EventSink(REFIID diid, std::span<const EventInfo> events, EventOutput output)
        : DispatchReceiver(diid), events_(events), output_(std::move(output)) {}
    ~EventSink() override = default;

    std::span<const EventInfo> events_;
    EventOutput output_;
};

// Connects an event sink to a mask for as long as it lives: finds the connection point of the
// coclass's event interface, advises the sink, and unadvises it on destruction.
class EventSinkConnection {
  public:
    EventSinkConnection(IUnknown* source, std::string_view coclass, EventOutput output);
    EventSinkConnection(const EventSinkConnection&) = delete;
    EventSinkConnection& operator=(const EventSinkConnection&) = delete;
    ~EventSinkConnection();

    // S_OK when the sink is connected, else why not.
    HRESULT status() const { return status_; }

  private:
    com::Ptr<EventSink> sink_;
    com::Ptr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    HRESULT status_ = E_FAIL;
};

}  // namespace host
