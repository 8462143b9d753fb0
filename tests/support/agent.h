// The agent's actions while a modal loop runs (a sub-dialog, a chooser): one each time the loop
// asks for input; the input ends, and with it the loop, when none is left.
#pragma once

#include <deque>
#include <functional>

#include "platform/ui/headless/headless_toolkit.h"

namespace testing_support {

struct Agent {
    Agent() {
        ui::headless::headlessToolkit().setInputPump([this] {
            if (actions.empty())
                return false;
            std::function<void()> next = std::move(actions.front());
            actions.pop_front();
            next();
            return true;
        });
    }
    ~Agent() { ui::headless::headlessToolkit().setInputPump({}); }
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;
    void then(std::function<void()> action) { actions.push_back(std::move(action)); }

    std::deque<std::function<void()>> actions;
};

}  // namespace testing_support
