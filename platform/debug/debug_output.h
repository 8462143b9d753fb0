// The debugger output channel: diagnostic lines for a developer, silent unless switched on.
// It is on at start when the environment variable FAREWRIGHT_DEBUG is set non-empty. A line
// is always written as data, never read as a format.
#pragma once

#include <functional>
#include <string_view>

namespace debug {

// Writes one line (a line end is added) when the channel is on.
void output(std::string_view line);

void enable(bool on);
// Callers with costly lines ask first.
bool enabled();

// Where the lines go: standard error (the debugger on Windows) unless replaced. Answers the
// sink it replaces; an empty sink restores the default.
using Sink = std::function<void(std::string_view line)>;
Sink setSink(Sink sink);

}  // namespace debug
