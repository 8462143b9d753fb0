// The receiving end of a hosted control's events: a small reference-counted IDispatch that
// hands every Invoke to its chooser, and the connection that keeps it advised.
#pragma once

#include <string_view>

#include "framework/object_count.h"
#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_receiver.h"

namespace widgets {

// What a chooser does with one event of its hosted control. Answers DISP_E_MEMBERNOTFOUND
// for a DISPID it does not handle.
class EventTarget {
  public:
    virtual HRESULT onEvent(DISPID id, const DISPPARAMS& params) = 0;

  protected:
    ~EventTarget() = default;
};

// An IDispatch without type information: only Invoke does anything. Once detached, events
// that still arrive are accepted and dropped, so a control that holds on to the sink after
// Unadvise never reaches a chooser that has gone.
class EventSink final : public com::DispatchReceiver {
  public:
    static com::Ptr<EventSink> create(EventTarget& target);

    void detach() { target_ = nullptr; }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

  private:
    explicit EventSink(EventTarget& target) : target_(&target) {}
    ~EventSink() override = default;

    EventTarget* target_;  // not owned; null once detached
    framework::ModuleLock moduleLock_;
};

// The string argument at `position` in the order the event declares them (the arguments
// arrive reversed in DISPPARAMS). A null BSTR reads as the empty text. Answers
// DISP_E_BADPARAMCOUNT when the argument is missing and DISP_E_TYPEMISMATCH when it is not a
// string.
HRESULT stringArgument(const DISPPARAMS& params, UINT position, std::u16string_view& text);

// Keeps a sink advised to one hosted control (the encoder or the calendar control, both with
// Advise(IDispatch*) and Unadvise()). Disconnecting unadvises, detaches the sink and releases
// it; destruction disconnects.
template <class Control>
class SinkConnection {
  public:
    SinkConnection() = default;
    SinkConnection(const SinkConnection&) = delete;
    SinkConnection& operator=(const SinkConnection&) = delete;
    ~SinkConnection() { disconnect(); }

    HRESULT connect(Control& control, EventTarget& target) {
        disconnect();
        com::Ptr<EventSink> sink = EventSink::create(target);
        const HRESULT hr = control.Advise(sink.get());
        if (FAILED(hr)) {
            sink->detach();
            return hr;
        }
        control_ = &control;
        sink_ = sink;
        return hr;
    }

    void disconnect() {
        if (control_ != nullptr) {
            control_->Unadvise();
            control_ = nullptr;
        }
        if (sink_) {
            sink_->detach();
            sink_.reset();
        }
    }

    bool connected() const { return control_ != nullptr; }

  private:
    Control* control_ = nullptr;  // not owned: the dialog hosting it owns it
    com::Ptr<EventSink> sink_;
};

}  // namespace widgets
