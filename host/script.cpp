#include "host/script.h"

#include <algorithm>
#include <array>

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

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (cp >> 10));
        out += static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
    }
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
                    return "bad escape \\u" + toUtf8(line.substr(pos, digits)) +
                           " (\\u takes four hex digits)";
                }
                word += static_cast<char16_t>(unit);
                pos += 4;
                break;
            }
            default:
                return "bad escape \\" + toUtf8(line.substr(pos - 1, 1));
        }
    }
    return "unterminated quote";
}

}  // namespace

std::string ScriptCommand::argumentUtf8(std::size_t i) const {
    return i < arguments.size() ? toUtf8(arguments[i]) : std::string();
}

std::string ScriptError::message() const {
    return "line " + std::to_string(line) + ": " + why;
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::optional<std::u16string> utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        unsigned char low = 0x80;  // the range of the second byte
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF;  // no encoded surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
        } else {
            return std::nullopt;
        }
        if (text.size() - i < length) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            auto byte = static_cast<unsigned char>(text[i + k]);
            unsigned char min = k == 1 ? low : 0x80;
            unsigned char max = k == 1 ? high : 0xBF;
            if (byte < min || byte > max) {
                return std::nullopt;
            }
            cp = (cp << 6) | (byte & 0x3F);
        }
        appendUtf16(out, cp);
        i += length;
    }
    return out;
}

LineWords splitScriptLine(std::string_view line) {
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') {
        return {};
    }
    std::optional<std::u16string> decoded = utf8ToUtf16(line);
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

ScriptReader::ScriptReader(std::istream& in) : in_(in), mode_(ReaderMode::Script) {}

ScriptReader::ScriptReader(std::istream& in, ReaderMode mode, std::ostream& prompt,
                           std::ostream& errors)
    : in_(in), mode_(mode), prompt_(&prompt), errors_(&errors) {}

bool ScriptReader::readLine(std::string& line) {
    bool interactive = mode_ == ReaderMode::Interactive && prompt_ != nullptr;
    if (interactive) {
        *prompt_ << kPrompt << std::flush;
    }
    if (!std::getline(in_, line)) {
        if (interactive) {
            *prompt_ << '\n' << std::flush;
        }
        return false;
    }
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
        command.word = toUtf8(words.words.front());
        command.arguments.assign(std::make_move_iterator(words.words.begin() + 1),
                                 std::make_move_iterator(words.words.end()));
        return command;
    }
    ended_ = true;
    return std::nullopt;
}

bool ScriptReader::fail(int line, std::string why) {
    ScriptError error{line, std::move(why)};
    if (mode_ == ReaderMode::Interactive) {
        if (errors_ != nullptr) {
            *errors_ << error.message() << std::endl;
        }
        return false;
    }
    if (!error_) {
        error_ = std::move(error);
    }
    ended_ = true;
    return true;
}

namespace {

constexpr std::array kCommands = {
    // Setting up
    CommandInfo{"ini", 4, 4, CommandGroup::Setup, false},
    CommandInfo{"file", 2, 2, CommandGroup::Setup, false},
    CommandInfo{"queue", 2, 2, CommandGroup::Setup, false},
    // The mask
    CommandInfo{"create", 1, 1, CommandGroup::Mask, false},
    CommandInfo{"destroy", 0, 0, CommandGroup::Mask, true},
    CommandInfo{"lang", 1, 1, CommandGroup::Mask, true},
    CommandInfo{"getlang", 0, 0, CommandGroup::Mask, true},
    CommandInfo{"initfield", 1, 1, CommandGroup::Mask, true},
    CommandInfo{"initparam", 1, 1, CommandGroup::Mask, true},
    CommandInfo{"response", 1, 1, CommandGroup::Mask, true},
    // The agent
    CommandInfo{"type", 2, 2, CommandGroup::Agent, true},
    CommandInfo{"select", 2, 2, CommandGroup::Agent, true},
    CommandInfo{"pick", 2, kUnbounded, CommandGroup::Agent, true},
    CommandInfo{"click", 1, 1, CommandGroup::Agent, true},
    CommandInfo{"key", 2, 2, CommandGroup::Agent, true},
    CommandInfo{"dblclick", 1, 1, CommandGroup::Agent, true},
    CommandInfo{"choose", 1, 2, CommandGroup::Agent, false},
    CommandInfo{"pickdate", 3, 3, CommandGroup::Agent, false},
    // Queries
    CommandInfo{"dump", 1, 1, CommandGroup::Query, true},
    CommandInfo{"focus", 0, 0, CommandGroup::Query, true},
    CommandInfo{"dialogs", 0, 0, CommandGroup::Query, true},
    CommandInfo{"profile", 1, 1, CommandGroup::Query, false},
};

std::string countText(int n) {
    return n == 1 ? "1 argument" : std::to_string(n) + " arguments";
}

}  // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

const CommandInfo* findCommand(std::string_view word) {
    auto found = std::find_if(kCommands.begin(), kCommands.end(),
                              [word](const CommandInfo& info) { return info.name == word; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::optional<std::string> checkArguments(const ScriptCommand& command) {
    const CommandInfo* info = findCommand(command.word);
    if (info == nullptr) {
        return "unknown command `" + command.word + "`";
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
