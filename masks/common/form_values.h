// What the host entry reads of the form: texts, boxes and list choices by control. The entry's
// builders read through this view only, so that they run on a dialog or on plain values.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

namespace masks {

class FormValues {
  public:
    virtual std::string text(ui::ControlId id) const = 0;
    virtual bool checked(ui::ControlId id) const = 0;
    // The item code of the list's selected entry, or -1 when none is selected.
    virtual long choice(ui::ControlId id) const = 0;

    // The text holds more than white space.
    bool given(ui::ControlId id) const;

  protected:
    ~FormValues() = default;
};

// The values of a living form.
class DialogValues final : public FormValues {
  public:
    explicit DialogValues(const ui::Dialog& form) : form_(form) {}

    std::string text(ui::ControlId id) const override { return form_.text(id); }
    bool checked(ui::ControlId id) const override { return form_.isChecked(id); }
    long choice(ui::ControlId id) const override;

  private:
    const ui::Dialog& form_;
};

// What an entry reads of a form besides texts, boxes and codes: the text shown for a list's
// choice ("" for the empty entry).
class EntryValues : public FormValues {
  public:
    virtual std::string choiceText(ui::ControlId id) const = 0;

  protected:
    ~EntryValues() = default;
};

class DialogEntryValues final : public EntryValues {
  public:
    explicit DialogEntryValues(const ui::Dialog& form) : values_(form), form_(form) {}

    std::string text(ui::ControlId id) const override { return values_.text(id); }
    bool checked(ui::ControlId id) const override { return values_.checked(id); }
    long choice(ui::ControlId id) const override { return values_.choice(id); }
    std::string choiceText(ui::ControlId id) const override;

  private:
    DialogValues values_;
    const ui::Dialog& form_;
};

}  // namespace masks
