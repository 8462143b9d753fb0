// Opens an address through the replacement opener when one is set, else the desktop's.
#include "platform/shell/open_address.h"

#include <mutex>
#include <utility>

#include "platform/shell/desktop.h"

namespace shell {
namespace {

std::mutex gOpenerMutex;
std::function<void(std::string_view)> gOpener;

}  // namespace

void openAddress(std::string_view address) {
    std::function<void(std::string_view)> opener;
    {
        std::lock_guard lock(gOpenerMutex);
        opener = gOpener;
    }
    if (opener) {
        opener(address);
    } else {
        openWithDesktop(address);
    }
}

void setOpener(std::function<void(std::string_view)> opener) {
    std::lock_guard lock(gOpenerMutex);
    gOpener = std::move(opener);
}

}  // namespace shell
