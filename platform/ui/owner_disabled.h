// While a modal loop runs, its dialog's owner is disabled; afterwards it is enabled again,
// unless the loop destroyed it meanwhile. An owner that was disabled already is left as its own
// code keeps it.
#pragma once

#include <functional>

#include "platform/ui/dialog.h"

namespace ui {

class OwnerDisabled {
  public:
    // isLive answers whether a dialog still exists when the loop ends.
    OwnerDisabled(Dialog* owner, std::function<bool(const Dialog*)> isLive)
        : isLive_(std::move(isLive)) {
        if (owner == nullptr || !isLive_(owner) || !owner->isWindowEnabled())
            return;
        owner_ = owner;
        owner_->enableWindow(false);
    }
    ~OwnerDisabled() {
        if (owner_ != nullptr && isLive_(owner_))
            owner_->enableWindow(true);
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

  private:
    std::function<bool(const Dialog*)> isLive_;
    Dialog* owner_ = nullptr;
};

}  // namespace ui
