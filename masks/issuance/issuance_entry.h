// The issuance host command: a remark entry for each fee-base line chosen, then the ticketing
// entry, built by one small builder per piece in a fixed order.
#pragma once

#include <span>
#include <string>

#include "masks/common/form_values.h"

namespace masks::issuance {

// What the entry reads of the form besides texts, boxes and codes: the text shown for a
// list's choice ("" for the empty entry).
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

std::string ComposeTicketingEntry(const EntryValues& values);
// The remark part: "5", the item separator and the line, for each line, joined by "|".
std::string ComposeRemarks(std::span<const std::string> lines);
// The remarks and the ticketing entry, joined by "|" when both are there.
std::string ComposeHostCommand(const EntryValues& values, std::span<const std::string> remarks);

}  // namespace masks::issuance
