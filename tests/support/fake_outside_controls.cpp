#include "tests/support/fake_outside_controls.h"

namespace fakes {

MockEncoderControl::MockEncoderControl() {
    ON_CALL(*this, Advise).WillByDefault([this](IDispatch* sink) { return advise(sink); });
    ON_CALL(*this, Unadvise).WillByDefault([this] { return unadvise(); });
    ON_CALL(*this, SetCodeList).WillByDefault([this](BSTR list) {
        lastList = std::u16string(com::Bstr::view(list));
        return S_OK;
    });
    ON_CALL(*this, GetSecondText).WillByDefault([this](BSTR* text) {
        *text = com::Bstr(secondText).release();
        return S_OK;
    });
}

MockEncoderControl::~MockEncoderControl() = default;

MockCalendarControl::MockCalendarControl() {
    ON_CALL(*this, Advise).WillByDefault([this](IDispatch* sink) { return advise(sink); });
    ON_CALL(*this, Unadvise).WillByDefault([this] { return unadvise(); });
    ON_CALL(*this, SetDateFormat).WillByDefault(testing::Return(S_OK));
    ON_CALL(*this, Start).WillByDefault(testing::Return(S_OK));
    ON_CALL(*this, GetDay).WillByDefault(answer(&day));
    ON_CALL(*this, GetMonth).WillByDefault(answer(&month));
    ON_CALL(*this, GetYear).WillByDefault(answer(&year));
}

MockCalendarControl::~MockCalendarControl() = default;

}  // namespace fakes

template class testing::NiceMock<fakes::MockEncoderControl>;
template class testing::NiceMock<fakes::MockCalendarControl>;
