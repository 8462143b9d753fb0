// The two outside controls that the choosers host. Their events reach an IDispatch sink by
// DISPID:
//   encoder:  2 (BSTR code) a code was chosen; 3 (BSTR text) a status text; 4 () closed
//   calendar: 1 () closed without a date; 2 () a date was chosen
#pragma once

#include "platform/com/com.h"

namespace ui {

class EncoderControl {
  public:
    virtual ~EncoderControl() = default;
    virtual HRESULT SetCodeList(BSTR list) = 0;
    virtual HRESULT GetSecondText(BSTR* text) = 0;
    virtual HRESULT Advise(IDispatch* sink) = 0;
    virtual HRESULT Unadvise() = 0;
};

class CalendarControl {
  public:
    virtual ~CalendarControl() = default;
    // The date layout the caller will write (shown to the agent as a hint).
    virtual HRESULT SetDateFormat(SHORT kind) = 0;
    virtual HRESULT Start() = 0;
    virtual HRESULT GetDay(SHORT* day) = 0;
    virtual HRESULT GetMonth(SHORT* month) = 0;
    virtual HRESULT GetYear(SHORT* year) = 0;
    virtual HRESULT Advise(IDispatch* sink) = 0;
    virtual HRESULT Unadvise() = 0;
};

}  // namespace ui
