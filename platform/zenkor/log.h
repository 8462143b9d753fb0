// Trace and error log of one mask: to a log file in the home directory and to the observer
// the host registers. Formats are printf-style; text from outside is always an argument.
#pragma once

#include <string>
#include <string_view>

#if defined(__GNUC__)
#define ZENKOR_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define ZENKOR_PRINTF(fmt, args)
#endif

namespace zenkor {

// Receives every line logged by any mask (the stand-in terminal prints them).
class LogObserver {
  public:
    virtual ~LogObserver() = default;
    virtual void diagnostic(std::string_view component, std::string_view function, int category,
                            std::string_view text) = 0;
    virtual void error(std::string_view component, std::string_view function, int code,
                       std::string_view text) = 0;
};

// Appends text to line with line breaks and the other control bytes but tab escaped ("\n",
// "\r", "\x1B"), so that a logged or printed text stays on its one line.
void appendEscaped(std::string& line, std::string_view text);

// Registers the observer (nullptr removes it). The caller keeps it alive while registered.
void setLogObserver(LogObserver* observer);

// A burst of lines, such as the traces of one long host answer: while one lives on a thread,
// the lines logged on that thread reach the observer at once but the log file together, in
// whole lines, when the outermost burst ends (or a large part of it has gathered).
class LogBurst {
  public:
    LogBurst();
    ~LogBurst();
    LogBurst(const LogBurst&) = delete;
    LogBurst& operator=(const LogBurst&) = delete;
};

}  // namespace zenkor

class CZenkorLog {
  public:
    void diagnostic(const char* component, const char* function, int category, int level, int line,
                    const char* format, ...) ZENKOR_PRINTF(7, 8);
    void error(const char* component, const char* function, int code, const char* format, ...)
        ZENKOR_PRINTF(5, 6);
};
