#include "platform/ui/stand_in_controls.h"

#include <string>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "platform/ui/agent.h"

namespace ui {

namespace {

enum : DISPID {
    kCalendarClosed = 1,
    kCalendarDateChosen = 2,
    kEncoderCodeChosen = 2,
    kEncoderClosed = 4,
};

// Raises an event on a sink the way a hosted control fires it: Invoke by DISPID, no result.
void fire(IDispatch* sink, DISPID event, VARIANT* args, UINT count) {
    DISPPARAMS params{args, nullptr, count, 0};
    sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                 nullptr);
}

}  // namespace

HRESULT StandInEncoder::SetCodeList(BSTR list) {
    if (Observer* o = desk_.observer())
        o->chooserEncoder(text::toAnsi(com::Bstr::view(list)));
    return S_OK;
}

HRESULT StandInEncoder::GetSecondText(BSTR* text) {
    if (text == nullptr)
        return E_POINTER;
    *text = com::Bstr(text::fromAnsi(second_)).release();
    return *text != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT StandInEncoder::Advise(IDispatch* sink) {
    if (sink == nullptr)
        return E_POINTER;
    sink_ = sink;
    return S_OK;
}

HRESULT StandInEncoder::Unadvise() {
    if (!sink_)
        return CONNECT_E_NOCONNECTION;
    sink_.reset();
    return S_OK;
}

void StandInEncoder::takeTurn() {
    if (!sink_)
        return;
    // The sink may unadvise (and the dialog close) while it handles the event.
    com::Ptr<IDispatch> sink = sink_;
    auto answer = desk_.answers().takeEncoder();
    if (!answer) {
        fire(sink.get(), kEncoderClosed, nullptr, 0);
        return;
    }
    second_ = answer->second;
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = com::Bstr(text::fromAnsi(answer->code)).release();
    fire(sink.get(), kEncoderCodeChosen, &arg, 1);
    VariantClear(&arg);
}

HRESULT StandInCalendar::SetDateFormat(SHORT kind) {
    kind_ = kind;
    return S_OK;
}

HRESULT StandInCalendar::Start() {
    if (Observer* o = desk_.observer())
        o->chooserMonth(kind_);
    return S_OK;
}

HRESULT StandInCalendar::GetDay(SHORT* day) {
    if (day == nullptr)
        return E_POINTER;
    *day = day_;
    return S_OK;
}

HRESULT StandInCalendar::GetMonth(SHORT* month) {
    if (month == nullptr)
        return E_POINTER;
    *month = month_;
    return S_OK;
}

HRESULT StandInCalendar::GetYear(SHORT* year) {
    if (year == nullptr)
        return E_POINTER;
    *year = year_;
    return S_OK;
}

HRESULT StandInCalendar::Advise(IDispatch* sink) {
    if (sink == nullptr)
        return E_POINTER;
    sink_ = sink;
    return S_OK;
}

HRESULT StandInCalendar::Unadvise() {
    if (!sink_)
        return CONNECT_E_NOCONNECTION;
    sink_.reset();
    return S_OK;
}

void StandInCalendar::takeTurn() {
    if (!sink_)
        return;
    com::Ptr<IDispatch> sink = sink_;
    auto date = desk_.answers().takeDate();
    if (!date) {
        fire(sink.get(), kCalendarClosed, nullptr, 0);
        return;
    }
    year_ = static_cast<SHORT>(date->year);
    month_ = static_cast<SHORT>(date->month);
    day_ = static_cast<SHORT>(date->day);
    fire(sink.get(), kCalendarDateChosen, nullptr, 0);
}

}  // namespace ui
