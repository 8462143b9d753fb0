#include "masks/reissuance/check_rows.h"

#include "framework/list_entries.h"

namespace masks::reissue {
namespace {

bool Holds(const ui::Dialog& form, const Condition& c) {
    switch (c.kind) {
        case Condition::Kind::Always:
            return true;
        case Condition::Kind::Filled:
            return !framework::IsFieldEmpty(form, c.id);
        case Condition::Kind::Checked:
            return framework::IsChecked(form, c.id);
        case Condition::Kind::Chosen:
            return framework::SelectedCode(form, c.id) > 0;
    }
    return false;
}

}  // namespace

bool RunRows(ui::Dialog& form, std::string_view title, std::span<const Row> rows) {
    for (const Row& row : rows) {
        if (Holds(form, row.when) && !framework::RunCheck(form, title, row.check))
            return false;
    }
    return true;
}

}  // namespace masks::reissue
