// The log: one line per call appended to "<home>/farewright.log", and the registered observer.
#include "platform/zenkor/log.h"

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>

#include "platform/file/file.h"

namespace zenkor {
namespace {

std::atomic<LogObserver*> observer{nullptr};

constexpr const char* kLogFileName = "farewright.log";
// A longer formatted text is cut.
constexpr std::size_t kMaxTextBytes = 4096;
// A log grown past this size is moved aside to "farewright.log.old" and started afresh.
constexpr std::uint64_t kMaxLogBytes = 8 << 20;
// How long a line waits for another process that is moving the log aside; past it, the line
// goes to the log as it is.
constexpr int kRotationWaitMs = 200;

std::string formatText(const char* format, va_list args) {
    if (format == nullptr)
        return {};
    char buffer[kMaxTextBytes];
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (n < 0)
        return {};
    std::size_t length = static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n)
                                                                     : sizeof buffer - 1;
    return std::string(buffer, length);
}

// The local time of the second, written once per second and thread.
struct SecondText {
    std::time_t seconds = -1;
    std::string text;
};
thread_local SecondText tSecond;

std::string timestamp() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    if (seconds != tSecond.seconds) {
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &seconds);
#else
        localtime_r(&seconds, &local);
#endif
        char buffer[32];
        std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
        tSecond = {seconds, std::string(buffer, n)};
    }
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", static_cast<int>(millis));
    return tSecond.text + fraction;
}

// The lines of the bursts open on this thread, not yet written.
thread_local int tBurstDepth = 0;
thread_local std::string tBurst;
// A burst writes what it has gathered once it is this long.
constexpr std::size_t kBurstBytes = 256 << 10;

void writeLines(const std::string& line) {
    const std::string home = file::homeDirectory();
    const std::string path = file::joinPath(home, kLogFileName);
    file::rotateFile(path, kMaxLogBytes, kRotationWaitMs);
    // One write of whole lines, so that lines of several processes never interleave.
    if (file::appendFile(path, line, {}).error == std::errc::no_such_file_or_directory &&
        file::ensureDirectory(home)) {
        file::appendFile(path, line, {});
    }
}

void writeLine(const std::string& line) {
    if (tBurstDepth == 0) {
        writeLines(line);
        return;
    }
    tBurst += line;
    if (tBurst.size() >= kBurstBytes)
        writeLines(std::exchange(tBurst, {}));
}

enum class Kind { kDiagnostic, kError };

void record(Kind kind, const char* component, const char* function, int number, const char* format,
            va_list args) noexcept {
    try {
        std::string text = formatText(format, args);
        std::string_view componentText = component != nullptr ? component : "";
        std::string_view functionText = function != nullptr ? function : "";
        std::string line = timestamp();
        line.append(kind == Kind::kError ? " error " : " diagnostic ");
        appendEscaped(line, componentText);
        line += ' ';
        appendEscaped(line, functionText);
        line.append(" ").append(std::to_string(number)).append(" ");
        appendEscaped(line, text);
        line += '\n';
        writeLine(line);
        if (LogObserver* target = observer.load()) {
            if (kind == Kind::kError) {
                target->error(componentText, functionText, number, text);
            } else {
                target->diagnostic(componentText, functionText, number, text);
            }
        }
    } catch (...) {
        // Logging never fails its caller.
    }
}

}  // namespace

void appendEscaped(std::string& line, std::string_view text) {
    // Runs of plain characters are copied whole.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            continue;
        line.append(text.substr(plain, i - plain));
        plain = i + 1;
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
            line += code;
        }
    }
    line.append(text.substr(plain));
}

void setLogObserver(LogObserver* newObserver) {
    observer.store(newObserver);
}

LogBurst::LogBurst() {
    ++tBurstDepth;
}

LogBurst::~LogBurst() {
    if (--tBurstDepth > 0 || tBurst.empty())
        return;
    try {
        writeLines(std::exchange(tBurst, {}));
    } catch (...) {
        // Logging never fails its caller.
    }
}

}  // namespace zenkor

void CZenkorLog::diagnostic(const char* component, const char* function, int category, int level,
                            int line, const char* format, ...) {
    va_list args;
    va_start(args, format);
    zenkor::record(zenkor::Kind::kDiagnostic, component, function, category, format, args);
    va_end(args);
}

void CZenkorLog::error(const char* component, const char* function, int code, const char* format,
                       ...) {
    va_list args;
    va_start(args, format);
    zenkor::record(zenkor::Kind::kError, component, function, code, format, args);
    va_end(args);
}
