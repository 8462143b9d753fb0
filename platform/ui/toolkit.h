// The process's dialog toolkit: the headless backend on Linux, real windows on Windows.
#pragma once

#include "platform/ui/dialog.h"

namespace ui {

Toolkit& toolkit();

}  // namespace ui
