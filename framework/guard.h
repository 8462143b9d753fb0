// Nothing thrown inside a mask crosses the automation boundary or the window procedure: a
// failure is logged and the caller carries on.
#pragma once

#include <exception>

#include "platform/zenkor/log.h"

namespace framework {

template <class Body>
void Guarded(CZenkorLog& log, const char* component, const char* function, Body&& body) noexcept {
    try {
        body();
    } catch (const std::exception& e) {
        log.error(component, function, 500, "%s", e.what());
    } catch (...) {
        log.error(component, function, 500, "%s", "unexpected failure");
    }
}

}  // namespace framework
