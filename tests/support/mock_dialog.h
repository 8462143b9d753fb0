// GoogleMock fakes of the dialog layer: a dialog and a toolkit that hands out prepared
// dialogs, running WM_INITDIALOG on them as a real one does.
//
// The mocks are compiled once, in mock_dialog.cpp: their constructors and destructors are
// defined there (the destructor is the key function, which places the members and tables),
// and so are the nice and strict variants, which would otherwise be instantiated, with every
// mocked member, in each test that names them.
#pragma once

#include <gmock/gmock.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace fakes {

class MockDialog : public ui::Dialog {
  public:
    MockDialog();
    ~MockDialog() override;

    // Called when the dialog (and with it its window and hosted controls) goes away.
    MOCK_METHOD(void, destroyed, ());

    MOCK_METHOD(ui::DialogId, templateId, (), (const, override));
    MOCK_METHOD(bool, hasControl, (ui::ControlId id), (const, override));
    MOCK_METHOD(ui::ControlKind, kind, (ui::ControlId id), (const, override));
    MOCK_METHOD(std::string, text, (ui::ControlId id), (const, override));
    MOCK_METHOD(void, setText, (ui::ControlId id, std::string_view text), (override));
    MOCK_METHOD(void, enable, (ui::ControlId id, bool on), (override));
    MOCK_METHOD(bool, isEnabled, (ui::ControlId id), (const, override));
    MOCK_METHOD(void, show, (ui::ControlId id, bool on), (override));
    MOCK_METHOD(bool, isVisible, (ui::ControlId id), (const, override));
    MOCK_METHOD(void, setChecked, (ui::ControlId id, bool on), (override));
    MOCK_METHOD(bool, isChecked, (ui::ControlId id), (const, override));
    MOCK_METHOD(void, setLimit, (ui::ControlId id, int chars), (override));
    MOCK_METHOD(void, setFocus, (ui::ControlId id), (override));
    MOCK_METHOD(std::optional<ui::ControlId>, focus, (), (const, override));
    MOCK_METHOD(void, clearList, (ui::ControlId id), (override));
    MOCK_METHOD(int, addItem, (ui::ControlId id, std::string_view text, long data), (override));
    MOCK_METHOD(int, itemCount, (ui::ControlId id), (const, override));
    MOCK_METHOD(long, itemData, (ui::ControlId id, int index), (const, override));
    MOCK_METHOD(std::string, itemText, (ui::ControlId id, int index), (const, override));
    MOCK_METHOD(int, selection, (ui::ControlId id), (const, override));
    MOCK_METHOD(void, select, (ui::ControlId id, int index), (override));
    MOCK_METHOD(bool, isSelected, (ui::ControlId id, int index), (const, override));
    MOCK_METHOD(void, setSelected, (ui::ControlId id, int index, bool on), (override));
    MOCK_METHOD(void, setFont, (ui::ControlId id, const ui::Font& font), (override));
    MOCK_METHOD(void, setTooltip, (ui::ControlId id, std::string_view text), (override));
    MOCK_METHOD(void, makeLink, (ui::ControlId id), (override));
    MOCK_METHOD(void, showWindow, (bool on), (override));
    MOCK_METHOD(bool, isWindowVisible, (), (const, override));
    MOCK_METHOD(void, enableWindow, (bool on), (override));
    MOCK_METHOD(bool, isWindowEnabled, (), (const, override));
    MOCK_METHOD(void, sendSetText, (std::optional<std::string_view> text), (override));
    MOCK_METHOD(void, post, (unsigned message), (override));
    MOCK_METHOD(void, messageBox, (std::string_view text, std::string_view title, ui::Icon icon),
                (override));
    MOCK_METHOD(void, runModal, (), (override));
    MOCK_METHOD(void, endModal, (), (override));
    MOCK_METHOD(ui::EncoderControl*, encoderControl, (ui::ControlId id), (override));
    MOCK_METHOD(ui::CalendarControl*, calendarControl, (ui::ControlId id), (override));
};

class MockToolkit : public ui::Toolkit {
  public:
    MockToolkit();
    ~MockToolkit() override;
    MOCK_METHOD(std::unique_ptr<ui::Dialog>, createDialog,
                (ui::DialogId templateId, ui::DialogProc& proc, ui::Dialog* owner), (override));
    MOCK_METHOD(void, messageBox, (std::string_view text, std::string_view title, ui::Icon icon),
                (override));
};

// An action for MockToolkit::createDialog that sends WM_INITDIALOG to the caller's procedure
// and hands `dialog` over, as a toolkit creating it from its template would.
inline auto createsDialog(std::unique_ptr<ui::Dialog>& dialog) {
    return
        [&dialog](ui::DialogId, ui::DialogProc& proc, ui::Dialog*) -> std::unique_ptr<ui::Dialog> {
            proc.onInitDialog(*dialog);
            return std::move(dialog);
        };
}

}  // namespace fakes

extern template class testing::NiceMock<fakes::MockDialog>;
extern template class testing::StrictMock<fakes::MockDialog>;
extern template class testing::NiceMock<fakes::MockToolkit>;
