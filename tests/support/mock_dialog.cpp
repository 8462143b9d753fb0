#include "tests/support/mock_dialog.h"

namespace fakes {

MockDialog::MockDialog() {
    EXPECT_CALL(*this, destroyed()).Times(testing::AnyNumber());
}

MockDialog::~MockDialog() {
    destroyed();
}

MockToolkit::MockToolkit() = default;
MockToolkit::~MockToolkit() = default;

}  // namespace fakes

template class testing::NiceMock<fakes::MockDialog>;
template class testing::StrictMock<fakes::MockDialog>;
template class testing::NiceMock<fakes::MockToolkit>;
