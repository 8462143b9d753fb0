// GoogleMock fakes of the two outside controls the choosers host. Advise keeps the sink and
// Unadvise lets it go, as a real control does; fire() raises an event on the advised sink the
// way the control would. The mocks are compiled once, in fake_outside_controls.cpp (see
// mock_dialog.h).
#pragma once

#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/com/bstr.h"
#include "platform/com/com_ptr.h"
#include "platform/ui/outside_controls.h"

namespace fakes {

// Raises event `id` on `sink` with string arguments (given in declaration order).
inline HRESULT fireEvent(IDispatch* sink, DISPID id, const std::vector<std::u16string>& args) {
    if (sink == nullptr)
        return E_UNEXPECTED;
    std::vector<com::Bstr> strings;
    std::vector<VARIANT> variants(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        strings.emplace_back(args[i]);
        VARIANT& v = variants[args.size() - 1 - i];  // DISPPARAMS holds them reversed
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = strings.back().get();
    }
    DISPPARAMS params{variants.empty() ? nullptr : variants.data(), nullptr,
                      static_cast<UINT>(variants.size()), 0};
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                        nullptr, nullptr);
}

// What both fakes share: the advised sink, and the last sink ever advised (a control that
// misbehaves may still call it after Unadvise).
class SinkHolder {
  public:
    HRESULT advise(IDispatch* sink) {
        sink_ = sink;
        everAdvised_ = sink;
        return S_OK;
    }
    HRESULT unadvise() {
        sink_.reset();
        return S_OK;
    }
    bool advised() const { return static_cast<bool>(sink_); }
    HRESULT fire(DISPID id, const std::vector<std::u16string>& args = {}) {
        return fireEvent(sink_.get(), id, args);
    }
    HRESULT fireLate(DISPID id, const std::vector<std::u16string>& args = {}) {
        return fireEvent(everAdvised_.get(), id, args);
    }

  private:
    com::Ptr<IDispatch> sink_;
    com::Ptr<IDispatch> everAdvised_;
};

class MockEncoderControl : public ui::EncoderControl, public SinkHolder {
  public:
    MockEncoderControl();
    ~MockEncoderControl() override;
    MOCK_METHOD(HRESULT, SetCodeList, (BSTR list), (override));
    MOCK_METHOD(HRESULT, GetSecondText, (BSTR * text), (override));
    MOCK_METHOD(HRESULT, Advise, (IDispatch * sink), (override));
    MOCK_METHOD(HRESULT, Unadvise, (), (override));

    std::u16string secondText;               // what GetSecondText answers
    std::optional<std::u16string> lastList;  // what SetCodeList was given
};

// An action writing *value to the out-argument of a Get method.
inline auto answer(const SHORT* value) {
    return [value](SHORT* out) {
        *out = *value;
        return S_OK;
    };
}

class MockCalendarControl : public ui::CalendarControl, public SinkHolder {
  public:
    MockCalendarControl();
    ~MockCalendarControl() override;
    MOCK_METHOD(HRESULT, SetDateFormat, (SHORT kind), (override));
    MOCK_METHOD(HRESULT, Start, (), (override));
    MOCK_METHOD(HRESULT, GetDay, (SHORT * day), (override));
    MOCK_METHOD(HRESULT, GetMonth, (SHORT * month), (override));
    MOCK_METHOD(HRESULT, GetYear, (SHORT * year), (override));
    MOCK_METHOD(HRESULT, Advise, (IDispatch * sink), (override));
    MOCK_METHOD(HRESULT, Unadvise, (), (override));

    // The date the Get methods answer.
    SHORT day = 0;
    SHORT month = 0;
    SHORT year = 0;
};

}  // namespace fakes

extern template class testing::NiceMock<fakes::MockEncoderControl>;
extern template class testing::NiceMock<fakes::MockCalendarControl>;
