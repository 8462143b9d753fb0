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
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/types.h"

namespace host {

// One command of a script.
struct ScriptCommand {
    int line = 0;                           // 1-based line number in the script
    std::string word;                       // the command word, UTF-8
    std::vector<std::u16string> arguments;  // escapes resolved
    std::string text;                       // the line as written, without outer blanks

    // Argument i as UTF-8 (a lone surrogate becomes U+FFFD).
    std::string argumentUtf8(std::size_t i) const;
};

// Exit statuses of a run.
inline constexpr int kExitFailedCheck = 1;  // an `expect` or the --check transcript differed
inline constexpr int kExitScriptError = 2;  // an unusable command line or a script error

struct ScriptError {
    std::string source;  // the script's name as given, "<stdin>" for standard input
    int line = 0;
    std::string why;
    int status = kExitScriptError;

    // "SOURCE:LINE: why"
    std::string message() const;
};

// A text as a script would quote it: "..." with \\ \" \n \t and \uXXXX for other control
// characters, so that it reads on one line and pastes back into a script.
std::string quoted(std::string_view utf8);

// The words of one line (without its line end): none for an empty or comment line, else the
// command word and its arguments. error is non-empty (and words empty) for a malformed line:
// "invalid UTF-8", "unterminated quote", "bad escape \x", "text after a closing quote".
struct LineWords {
    std::vector<std::u16string> words;
    std::string error;
};
LineWords splitScriptLine(std::string_view line);

enum class ReaderMode {
    Script,       // the first error ends the reading; messages carry SOURCE:LINE
    Interactive,  // an error is shown (without a line number) and the reading goes on
};

inline constexpr std::string_view kPrompt = "quorvex> ";
inline constexpr std::string_view kStandardInputName = "<stdin>";

// Where the lines of a script come from.
class LineInput {
  public:
    virtual ~LineInput() = default;
    // The next line without its line end; false at the end of the input.
    virtual bool readLine(std::string& line) = 0;
};

// Lines of a stream; with a prompt stream, kPrompt is written before each line is read (and a
// line end when the input ends).
class StreamInput final : public LineInput {
  public:
    explicit StreamInput(std::istream& in, std::ostream* prompt = nullptr)
        : in_(in), prompt_(prompt) {}
    bool readLine(std::string& line) override;

  private:
    std::istream& in_;
    std::ostream* prompt_;
};

// Yields the commands of a script one at a time, so that a modal loop started by one command
// can pull the commands that follow it.
class ScriptReader {
  public:
    // Script mode over a stream, errors and warnings not printed (tests).
    explicit ScriptReader(std::istream& in);
    // errors receives warnings, and in interactive mode errors too; source names the script in
    // messages.
    ScriptReader(LineInput& input, ReaderMode mode, std::string source, std::ostream& errors);
    ~ScriptReader();

    ScriptReader(const ScriptReader&) = delete;
    ScriptReader& operator=(const ScriptReader&) = delete;

    // The next command; none at the end of the input, or in script mode once an error has
    // been met (see error()).
    std::optional<ScriptCommand> next();

    // Reports a fault of a command this reader yielded (a wrong argument count, an unknown
    // control, a failed expectation, ...). Script mode: the fault becomes error(), reading
    // stops, and the answer is true (stop the run; print error()->message() on stderr and exit
    // with its status). Interactive mode: the why is written to the error stream and the answer
    // is false (go on).
    bool fail(int line, std::string why, int status = kExitScriptError);
    // A mistake that changes nothing in the run: "SOURCE:LINE: warning: why" (interactive:
    // "warning: why") on the error stream.
    void warn(int line, std::string_view why);
    // Ends the reading (the `quit` command).
    void end() { ended_ = true; }

    // The error that ended a script, if any.
    const std::optional<ScriptError>& error() const { return error_; }
    ReaderMode mode() const { return mode_; }
    // The number of the line read last (0 before the first).
    int lineNumber() const { return lineNumber_; }

  private:
    bool readLine(std::string& line);

    std::unique_ptr<LineInput> owned_;
    LineInput& input_;
    ReaderMode mode_;
    std::string source_;
    std::ostream* errors_ = nullptr;
    int lineNumber_ = 0;
    bool ended_ = false;
    std::optional<ScriptError> error_;
};

// The commands of the script format: the one table that runs them and that `help`, --help and
// completion are made from.
enum class CommandGroup {
    Setup,    // belongs before `create`: ini, file, queue
    Mask,     // create, destroy and the automation members
    Agent,    // what an agent does, and the chooser answers
    Query,    // prints what it finds
    Check,    // makes a script check itself
    Session,  // help and quit
};

inline constexpr int kUnbounded = -1;

struct CommandInfo {
    std::string_view name;
    int minArguments;
    int maxArguments;  // kUnbounded: no upper limit
    CommandGroup group;
    bool needsMask;             // works on the mask made by `create`
    std::string_view synopsis;  // the arguments as `help` shows them
    std::string_view summary;   // what the command does, one sentence
};

std::span<const CommandInfo> commandTable();
// None for an unknown word.
const CommandInfo* findCommand(std::string_view word);
// The heading `help` shows for a group ("Setting up, before `create`").
std::string_view groupTitle(CommandGroup group);

// The keys of `key CONTROL KEY`.
struct KeyName {
    std::string_view name;
    ui::Key key;
};
std::span<const KeyName> keyTable();

// "unknown command `x`" and the nearest commands, or where `help` lists them.
std::string unknownCommand(std::string_view word);

// None when the command is known and its argument count fits; else the why of the script
// error: "unknown command `x`" (with the nearest commands), "`type` takes 2 arguments",
// "`destroy` takes no arguments", "`choose` takes 1 or 2 arguments", "`pick` takes at least 2
// arguments".
std::optional<std::string> checkArguments(const ScriptCommand& command);

}  // namespace host
