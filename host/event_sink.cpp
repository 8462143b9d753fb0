#include "host/event_sink.h"

#include <new>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "platform/zenkor/log.h"
#include "server/class_table.h"

namespace host {
namespace {

constexpr EventInfo kSkyfolioEvents[] = {
    {1, "Cancel", 0}, {2, "Send", 1}, {3, "OnEvent", 2}, {4, "OnSendCommand", 1}};
constexpr EventInfo kIssuanceEvents[] = {
    {1, "Cancel", 0}, {2, "Send", 1}, {3, "SendCommand", 1}, {4, "OnEvent", 2}};
constexpr EventInfo kReIssuanceEvents[] = {{1, "Cancel", 0}, {2, "Send", 1}, {3, "OnEvent", 2}};
constexpr EventInfo kStockEvents[] = {{1, "Cancel", 0}, {2, "Send", 1}};

struct ClassEvents {
    std::string_view coclass;
    std::span<const EventInfo> events;
};

constexpr ClassEvents kClassEvents[] = {
    {"Skyfolio", kSkyfolioEvents},
    {"TicketingIssuance", kIssuanceEvents},
    {"TicketingReIssuance", kReIssuanceEvents},
    {"IssLogTkt", kStockEvents},
    {"IssManualVoidTkt", kStockEvents},
    {"IssBSPDamagedTkt", kStockEvents},
};

// The text of one string argument, by value or by reference; false for any other type.
bool argumentText(const VARIANTARG& arg, std::string& out) {
    BSTR value = nullptr;
    if (arg.vt == VT_BSTR) {
        value = arg.bstrVal;
    } else if (arg.vt == (VT_BSTR | VT_BYREF) && arg.pbstrVal != nullptr) {
        value = *arg.pbstrVal;
    } else {
        return false;
    }
    // Escaped like every printed text, so that an argument cannot forge a line.
    out.clear();
    zenkor::appendEscaped(out, text::fromUtf16(com::Bstr::view(value), text::kUtf8));
    return true;
}

}  // namespace

std::span<const EventInfo> eventsOf(std::string_view coclass) {
    for (const ClassEvents& c : kClassEvents) {
        if (c.coclass == coclass)
            return c.events;
    }
    return {};
}

com::Ptr<EventSink> EventSink::create(REFIID diid, std::span<const EventInfo> events,
                                      EventOutput output) {
    return com::Ptr<EventSink>::attach(new (std::nothrow)
                                           EventSink(diid, events, std::move(output)));
}

HRESULT STDMETHODCALLTYPE EventSink::Invoke(DISPID dispIdMember, REFIID, LCID, WORD,
                                            DISPPARAMS* pDispParams, VARIANT*, EXCEPINFO*,
                                            UINT* puArgErr) {
    const EventInfo* event = nullptr;
    for (const EventInfo& e : events_) {
        if (e.id == dispIdMember)
            event = &e;
    }
    if (event == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    const UINT count = pDispParams != nullptr ? pDispParams->cArgs : 0;
    if (count != event->argCount)
        return DISP_E_BADPARAMCOUNT;
    if (count != 0 && pDispParams->rgvarg == nullptr)
        return E_INVALIDARG;
    try {
        std::string line = "event ";
        line += event->name;
        // Arguments arrive last-first.
        for (UINT i = 0; i < count; ++i) {
            std::string argument;
            if (!argumentText(pDispParams->rgvarg[count - 1 - i], argument)) {
                if (puArgErr != nullptr)
                    *puArgErr = count - 1 - i;
                return DISP_E_TYPEMISMATCH;
            }
            line += ' ';
            line += argument;
        }
        if (output_)
            output_(std::move(line));
        return S_OK;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

EventSinkConnection::EventSinkConnection(IUnknown* source, std::string_view coclass,
                                         EventOutput output) {
    const server::ClassEntry* entry = server::findClassByName(server::classTable(), coclass);
    if (source == nullptr || entry == nullptr) {
        status_ = E_INVALIDARG;
        return;
    }
    sink_ = EventSink::create(entry->diid, eventsOf(coclass), std::move(output));
    if (!sink_) {
        status_ = E_OUTOFMEMORY;
        return;
    }
    com::Ptr<IConnectionPointContainer> container;
    status_ = source->QueryInterface(IID_IConnectionPointContainer,
                                     reinterpret_cast<void**>(container.out()));
    if (FAILED(status_) || !container) {
        container.detach();
        if (SUCCEEDED(status_))
            status_ = E_NOINTERFACE;
        return;
    }
    status_ = container->FindConnectionPoint(entry->diid, point_.out());
    if (FAILED(status_) || !point_) {
        point_.detach();
        if (SUCCEEDED(status_))
            status_ = E_NOINTERFACE;
        return;
    }
    status_ = point_->Advise(static_cast<IDispatch*>(sink_.get()), &cookie_);
    if (FAILED(status_)) {
        cookie_ = 0;
        point_.reset();
    }
}

EventSinkConnection::~EventSinkConnection() {
    if (point_ && cookie_ != 0)
        point_->Unadvise(cookie_);
    if (sink_)
        sink_->detach();
}

}  // namespace host
