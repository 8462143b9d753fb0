#include "host/script.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "host/suggest.h"

#include "platform/text/codepage.h"

namespace host {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

std::string utf8(std::u16string_view text) {
    return text::fromUtf16(text, text::kUtf8);
}

LineWords lineError(std::string why) {
    LineWords result;
    result.error = std::move(why);
    return result;
}

// Reads the quoted string that starts at line[pos] (the opening quote) into word; pos ends
// after the closing quote. Answers the why of an error, or "".
std::string readQuoted(std::u16string_view line, std::size_t& pos, std::u16string& word) {
    ++pos;
    while (pos < line.size()) {
        char16_t c = line[pos++];
        if (c == u'"') {
            return "";
        }
        if (c != u'\\') {
            word += c;
            continue;
        }
        if (pos == line.size()) {
            break;
        }
        char16_t escape = line[pos++];
        switch (escape) {
            case u'\\':
                word += u'\\';
                break;
            case u'"':
                word += u'"';
                break;
            case u'n':
                word += u'\n';
                break;
            case u't':
                word += u'\t';
                break;
            case u'u': {
                std::size_t digits = std::min<std::size_t>(4, line.size() - pos);
                unsigned unit = 0;
                bool valid = digits == 4;
                for (std::size_t i = 0; i < digits && valid; ++i) {
                    int v = hexValue(line[pos + i]);
                    valid = v >= 0;
                    unit = unit * 16 + static_cast<unsigned>(v);
                }
                if (!valid) {
                    return "bad escape \\u" + utf8(line.substr(pos, digits)) +
                           " (\\u takes four hex digits)";
                }
                word += static_cast<char16_t>(unit);
                pos += 4;
                break;
            }
            default:
                return "bad escape \\" + utf8(line.substr(pos - 1, 1));
        }
    }
    return "unterminated quote";
}

}  // namespace

std::string ScriptCommand::argumentUtf8(std::size_t i) const {
    return i < arguments.size() ? utf8(arguments[i]) : std::string();
}

std::string ScriptError::message() const {
    return source + ":" + std::to_string(line) + ": " + why;
}

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

LineWords splitScriptLine(std::string_view line) {
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') {
        return {};
    }
    std::optional<std::u16string> decoded = text::utf8ToUtf16Strict(line);
    if (!decoded) {
        return lineError("invalid UTF-8");
    }
    std::u16string_view text = *decoded;
    LineWords result;
    std::size_t pos = 0;
    while (true) {
        while (pos < text.size() && isBlank(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            break;
        }
        std::u16string word;
        if (text[pos] == u'"') {
            if (std::string why = readQuoted(text, pos, word); !why.empty()) {
                return lineError(std::move(why));
            }
            if (pos < text.size() && !isBlank(text[pos])) {
                return lineError("text after a closing quote");
            }
        } else {
            std::size_t end = pos;
            while (end < text.size() && !isBlank(text[end])) {
                ++end;
            }
            word.assign(text.substr(pos, end - pos));
            pos = end;
        }
        result.words.push_back(std::move(word));
    }
    return result;
}

bool StreamInput::readLine(std::string& line) {
    if (prompt_ != nullptr)
        *prompt_ << kPrompt << std::flush;
    if (!std::getline(in_, line)) {
        if (prompt_ != nullptr)
            *prompt_ << '\n' << std::flush;
        return false;
    }
    return true;
}

ScriptReader::ScriptReader(std::istream& in)
    : owned_(std::make_unique<StreamInput>(in)),
      input_(*owned_),
      mode_(ReaderMode::Script),
      source_(kStandardInputName) {}

ScriptReader::ScriptReader(LineInput& input, ReaderMode mode, std::string source,
                           std::ostream& errors)
    : input_(input), mode_(mode), source_(std::move(source)), errors_(&errors) {}

ScriptReader::~ScriptReader() = default;

bool ScriptReader::readLine(std::string& line) {
    if (!input_.readLine(line))
        return false;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (lineNumber_ == 0 && line.starts_with("\xEF\xBB\xBF")) {
        line.erase(0, 3);
    }
    ++lineNumber_;
    return true;
}

std::optional<ScriptCommand> ScriptReader::next() {
    std::string line;
    while (!ended_ && readLine(line)) {
        LineWords words = splitScriptLine(line);
        if (!words.error.empty()) {
            fail(lineNumber_, std::move(words.error));
            continue;
        }
        if (words.words.empty()) {
            continue;
        }
        ScriptCommand command;
        command.line = lineNumber_;
        command.word = utf8(words.words.front());
        command.arguments.assign(std::make_move_iterator(words.words.begin() + 1),
                                 std::make_move_iterator(words.words.end()));
        const std::size_t first = line.find_first_not_of(" \t");
        command.text = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
        return command;
    }
    ended_ = true;
    return std::nullopt;
}

bool ScriptReader::fail(int line, std::string why, int status) {
    if (mode_ == ReaderMode::Interactive) {
        if (errors_ != nullptr) {
            *errors_ << why << std::endl;
        }
        return false;
    }
    if (!error_) {
        error_ = ScriptError{source_, line, std::move(why), status};
    }
    ended_ = true;
    return true;
}

void ScriptReader::warn(int line, std::string_view why) {
    if (errors_ == nullptr)
        return;
    if (mode_ == ReaderMode::Script)
        *errors_ << source_ << ':' << line << ": ";
    *errors_ << "warning: " << why << std::endl;
}

namespace {

using G = CommandGroup;

constexpr std::array kCommands = {
    CommandInfo{"ini", 4, 4, G::Setup, false, "FILE SECTION KEY VALUE",
                "writes a value into Quorvex.ini, ZenkorMain.ini or an INI file under the home"},
    CommandInfo{"file", 2, 2, G::Setup, false, "PATH CONTENT",
                "writes a file under the home (e.g. install/marketconfig.xml)"},
    CommandInfo{"queue", 2, 2, G::Setup, false, "KEY VALUE",
                "leaves start-up data in the queue QUORVEX under KEY"},
    CommandInfo{"register", 0, 0, G::Setup, false, "",
                "registers every class of the component server (DllRegisterServer)"},
    CommandInfo{"unregister", 0, 0, G::Setup, false, "",
                "removes every class's registration (DllUnregisterServer)"},
    CommandInfo{"create", 1, 1, G::Mask, false, "CLASS",
                "creates a mask through the component server, connects to its events and "
                "shows it"},
    CommandInfo{"destroy", 0, 0, G::Mask, true, "", "releases the mask"},
    CommandInfo{"lang", 1, 1, G::Mask, true, "VALUE", "puts the mask's Lang"},
    CommandInfo{"getlang", 0, 0, G::Mask, true, "", "prints the mask's Lang"},
    CommandInfo{"initfield", 1, 1, G::Mask, true, "VALUE", "calls initField"},
    CommandInfo{"initparam", 1, 1, G::Mask, true, "VALUE", "calls initParam"},
    CommandInfo{"response", 1, 1, G::Mask, true, "VALUE",
                "hands a host response to the mask (SetResponse)"},
    CommandInfo{"type", 2, 2, G::Agent, true, "CONTROL TEXT",
                "types into an edit: focus, text upper-cased and cut at its limit, change "
                "notifications"},
    CommandInfo{"select", 2, 2, G::Agent, true, "CONTROL CODE",
                "chooses the drop-down entry whose item code is CODE"},
    CommandInfo{"pick", 2, kUnbounded, G::Agent, true, "CONTROL INDEX...",
                "selects exactly these 0-based entries of a multiple-selection list"},
    CommandInfo{"click", 1, 1, G::Agent, true, "CONTROL",
                "clicks a button, check box, radio button or link label"},
    CommandInfo{"key", 2, 2, G::Agent, true, "CONTROL KEY",
                "presses enter, alt+up, f1, space or tab with the focus on CONTROL"},
    CommandInfo{"dblclick", 1, 1, G::Agent, true, "CONTROL", "double-clicks an edit"},
    CommandInfo{"choose", 1, 2, G::Agent, false, "CODE [SECOND]",
                "queues the answer of the next encoder chooser"},
    CommandInfo{"pickdate", 3, 3, G::Agent, false, "YEAR MONTH DAY",
                "queues the answer of the next month picker"},
    CommandInfo{"dump", 1, 1, G::Query, true, "CONTROL", "prints a control's properties"},
    CommandInfo{"focus", 0, 0, G::Query, true, "", "prints the control with the focus"},
    CommandInfo{"dialogs", 0, 0, G::Query, true, "", "prints every dialog of the mask"},
    CommandInfo{"profile", 1, 1, G::Query, false, "SECTION",
                "prints the keys of a section of Quorvex.ini"},
    CommandInfo{"controls", 0, 1, G::Query, false, "[DIALOG]",
                "lists every control of the form (or of DIALOG): ID, symbol, kind, limit, "
                "state, label and text"},
    CommandInfo{"draw", 0, 1, G::Query, false, "[DIALOG]",
                "draws the form (or DIALOG) as text, each control with its ID"},
    CommandInfo{"picture", 1, 1, G::Query, true, "FILE",
                "saves a PNG picture of the form as it shows (on real windows)"},
    CommandInfo{"expect", 1, 2, G::Check, false, "TEXT | CONTROL TEXT",
                "fails the run unless the last line printed, or the control's text, is TEXT"},
    CommandInfo{"help", 0, 1, G::Session, false, "[COMMAND]", "lists the commands, or tells one"},
    CommandInfo{"quit", 0, 0, G::Session, false, "", "ends the run"},
};

constexpr std::array<KeyName, 5> kKeys = {{
    {"enter", ui::Key::Enter},
    {"alt+up", ui::Key::AltUp},
    {"f1", ui::Key::F1},
    {"space", ui::Key::Space},
    {"tab", ui::Key::Tab},
}};

std::string countText(int n) {
    return n == 1 ? "1 argument" : std::to_string(n) + " arguments";
}

}  // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

std::span<const KeyName> keyTable() {
    return kKeys;
}

std::string_view groupTitle(CommandGroup group) {
    switch (group) {
        case G::Setup:
            return "Setting up, before `create`";
        case G::Mask:
            return "The mask";
        case G::Agent:
            return "The agent";
        case G::Query:
            return "Queries";
        case G::Check:
            return "Checks";
        case G::Session:
            return "The session";
    }
    return "";
}

const CommandInfo* findCommand(std::string_view word) {
    auto found = std::find_if(kCommands.begin(), kCommands.end(),
                              [word](const CommandInfo& info) { return info.name == word; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::string unknownCommand(std::string_view word) {
    std::vector<std::string_view> names;
    for (const CommandInfo& c : kCommands)
        names.push_back(c.name);
    const std::string suggestion = suggestionFor(word, names, "commands");
    return "unknown command `" + std::string(word) + "`" +
           (suggestion.empty() ? " (`help` lists the commands)" : suggestion);
}

std::optional<std::string> checkArguments(const ScriptCommand& command) {
    const CommandInfo* info = findCommand(command.word);
    if (info == nullptr) {
        return unknownCommand(command.word);
    }
    auto count = static_cast<long long>(command.arguments.size());
    bool fits = count >= info->minArguments &&
                (info->maxArguments == kUnbounded || count <= info->maxArguments);
    if (fits) {
        return std::nullopt;
    }
    std::string takes = "`" + std::string(info->name) + "` takes ";
    if (info->maxArguments == kUnbounded) {
        return takes + "at least " + countText(info->minArguments);
    }
    if (info->minArguments == info->maxArguments) {
        return takes + (info->minArguments == 0 ? "no arguments" : countText(info->minArguments));
    }
    if (info->maxArguments == info->minArguments + 1) {
        return takes + std::to_string(info->minArguments) + " or " + countText(info->maxArguments);
    }
    return takes + std::to_string(info->minArguments) + " to " + countText(info->maxArguments);
}

}  // namespace host
