// The script reader of quorvex-host. A script is UTF-8 text, one command a line:
//
//     type 848 125
//     queue ID_TICKETING_ISSUANCE "TFR=12&X=1"
//     # a comment
//
// A line is a command word and its arguments separated by blanks (spaces and tabs). Empty
// lines, lines of blanks and lines whose first non-blank character is "#" are skipped; a "#"
// elsewhere is an ordinary character. An argument is a bare word (no blanks, taken literally,
// backslashes and quotes included) or a double-quoted string with the escapes \\ \" \n \t and
// \uXXXX (one UTF-16 unit, exactly four hex digits). A closing quote must be followed by a
// blank or the end of the line. Lines may end in LF or CRLF; a UTF-8 byte order mark before
// the first line is skipped.
//
// Arguments are kept as UTF-16 so that any unit, even a lone surrogate, reaches the
// automation boundary unchanged.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// One command of a script.
struct ScriptCommand {
    int line = 0;                           // 1-based line number in the script
    std::string word;                       // the command word, UTF-8
    std::vector<std::u16string> arguments;  // escapes resolved

    // Argument i as UTF-8 (a lone surrogate becomes U+FFFD).
    std::string argumentUtf8(std::size_t i) const;
};

struct ScriptError {
    int line = 0;
    std::string why;

    // "line N: why"
    std::string message() const;
};

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);
// Strict UTF-8 to UTF-16: none for overlong forms, encoded surrogates, code points above
// U+10FFFF, stray or missing continuation bytes.
std::optional<std::u16string> utf8ToUtf16(std::string_view text);

// The words of one line (without its line end): none for an empty or comment line, else the
// command word and its arguments. error is non-empty (and words empty) for a malformed line:
// "invalid UTF-8", "unterminated quote", "bad escape \x", "text after a closing quote".
struct LineWords {
    std::vector<std::u16string> words;
    std::string error;
};
LineWords splitScriptLine(std::string_view line);

enum class ReaderMode {
    Script,       // the first error ends the reading
    Interactive,  // a prompt before every line; an error is shown and the reading goes on
};

inline constexpr std::string_view kPrompt = "quorvex> ";

// Yields the commands of a script one at a time, so that a modal loop started by one command
// can pull the commands that follow it.
class ScriptReader {
  public:
    // Script mode.
    explicit ScriptReader(std::istream& in);
    // Interactive mode writes kPrompt to prompt before reading each line (and a line end when
    // the input ends) and writes errors to errors.
    ScriptReader(std::istream& in, ReaderMode mode, std::ostream& prompt, std::ostream& errors);

    ScriptReader(const ScriptReader&) = delete;
    ScriptReader& operator=(const ScriptReader&) = delete;

    // The next command; none at the end of the input, or in script mode once an error has
    // been met (see error()).
    std::optional<ScriptCommand> next();

    // Reports a fault of a command this reader yielded (a wrong argument count, an unknown
    // control, ...). Script mode: the fault becomes error(), reading stops, and the answer is
    // true (stop the run; print error()->message() on stderr and exit 2). Interactive mode:
    // "line N: why" is written to the error stream and the answer is false (go on).
    bool fail(int line, std::string why);

    // The error that ended a script, if any.
    const std::optional<ScriptError>& error() const { return error_; }
    ReaderMode mode() const { return mode_; }
    // The number of the line read last (0 before the first).
    int lineNumber() const { return lineNumber_; }

  private:
    bool readLine(std::string& line);

    std::istream& in_;
    ReaderMode mode_;
    std::ostream* prompt_ = nullptr;
    std::ostream* errors_ = nullptr;
    int lineNumber_ = 0;
    bool ended_ = false;
    std::optional<ScriptError> error_;
};

// The commands of the script format and their argument counts.
enum class CommandGroup {
    Setup,  // belongs before `create`: ini, file, queue
    Mask,   // create, destroy and the automation members
    Agent,  // what an agent does, and the chooser answers
    Query,  // prints what it finds
};

inline constexpr int kUnbounded = -1;

struct CommandInfo {
    std::string_view name;
    int minArguments;
    int maxArguments;  // kUnbounded: no upper limit
    CommandGroup group;
    bool needsMask;  // works on the mask made by `create`
};

std::span<const CommandInfo> commandTable();
// None for an unknown word.
const CommandInfo* findCommand(std::string_view word);

// None when the command is known and its argument count fits; else the why of the script
// error: "unknown command `x`", "`type` takes 2 arguments", "`destroy` takes no arguments",
// "`choose` takes 1 or 2 arguments", "`pick` takes at least 2 arguments".
std::optional<std::string> checkArguments(const ScriptCommand& command);

}  // namespace host
