#include "platform/debug/debug_output.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace debug {
namespace {

bool onAtStart() {
    const char* value = std::getenv("FAREWRIGHT_DEBUG");
    return value != nullptr && *value != '\0';
}

std::atomic<bool>& switchedOn() {
    static std::atomic<bool> on{onAtStart()};
    return on;
}

void writeDefault(std::string_view line) {
    std::string text(line);
    text += '\n';
#ifdef _WIN32
    ::OutputDebugStringA(text.c_str());
#else
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
#endif
}

// Every call arrives on the host's user-interface thread.
Sink& currentSink() {
    static Sink sink;
    return sink;
}

}  // namespace

void output(std::string_view line) {
    if (!enabled()) {
        return;
    }
    if (const Sink& sink = currentSink()) {
        sink(line);
    } else {
        writeDefault(line);
    }
}

void enable(bool on) {
    switchedOn().store(on, std::memory_order_relaxed);
}

bool enabled() {
    return switchedOn().load(std::memory_order_relaxed);
}

Sink setSink(Sink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

}  // namespace debug
