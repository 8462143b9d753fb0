#include "host/host_window.h"

namespace host {

std::unique_ptr<HostWindow> openHostWindow() {
    return std::make_unique<HostWindow>();
}

}  // namespace host
