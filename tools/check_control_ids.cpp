// check_control_ids: fails when C++ code outside resources/ writes the number of a control or a
// dialog of resources/resource.h where it should write the symbol.
//
//   check_control_ids SOURCE_DIR ALLOWED_LIST
//
// The numbers are those of the IDC_ and IDD_ defines of resources/resource.h. A number counts
// where code names a control or a dialog:
//   - in the first argument of a call to a function whose first parameter is a ControlId or a
//     DialogId (the functions are found in the declarations of the tree);
//   - in the initialiser that follows a ControlId or DialogId declaration: a variable, a default
//     argument, an enumeration based on one, a container of them (std::array<ui::ControlId, 3>).
// Comments and string and character literals are not looked at. ALLOWED_LIST names files (one
// path relative to SOURCE_DIR a line, # starts a comment) that may still hold such numbers; an
// entry whose file holds none must be removed, so that the list only shrinks.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The numbers of the controls and dialogs, with their names.
std::map<long, std::string> resourceNumbers(const fs::path& header) {
    std::map<long, std::string> numbers;
    const std::string text = readFile(header);
    const std::regex define(R"(#define\s+(ID[CD]_\w+)\s+(\d+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), define);
         it != std::sregex_iterator(); ++it) {
        std::string& names = numbers[std::stol((*it)[2])];
        names += (names.empty() ? "" : " or ") + std::string((*it)[1]);
    }
    return numbers;
}

enum class Kind { Word, Number, Punct };

struct Token {
    Kind kind;
    std::string text;
    int line;
};

bool wordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The tokens of C++ text without comments and string and character literals.
std::vector<Token> tokenize(const std::string& s) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    auto skipQuoted = [&](char quote) {
        for (++i; i < s.size() && s[i] != quote; ++i) {
            if (s[i] == '\\')
                ++i;
            else if (s[i] == '\n')
                ++line;
        }
        ++i;
    };
    while (i < s.size()) {
        char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            ++i;
        } else if (s.compare(i, 2, "//") == 0) {
            i = s.find('\n', i);
            if (i == std::string::npos)
                i = s.size();
        } else if (s.compare(i, 2, "/*") == 0) {
            std::size_t end = s.find("*/", i + 2);
            end = end == std::string::npos ? s.size() : end + 2;
            for (; i < end; ++i)
                line += s[i] == '\n';
        } else if (c == '"' || c == '\'') {
            skipQuoted(c);
        } else if (wordChar(c) && std::isdigit(static_cast<unsigned char>(c)) == 0) {
            std::size_t start = i;
            while (i < s.size() && wordChar(s[i]))
                ++i;
            std::string word = s.substr(start, i - start);
            bool raw = !word.empty() && word.back() == 'R' && i < s.size() && s[i] == '"';
            if (raw) {  // R"delimiter( ... )delimiter"
                std::size_t open = s.find('(', i);
                std::string close = ")" + s.substr(i + 1, open - i - 1) + "\"";
                std::size_t end = s.find(close, open);
                end = end == std::string::npos ? s.size() : end + close.size();
                for (; i < end; ++i)
                    line += s[i] == '\n';
            } else if (i < s.size() && (s[i] == '"' || s[i] == '\'') &&
                       (word == "u8" || word == "u" || word == "U" || word == "L")) {
                skipQuoted(s[i]);
            } else {
                tokens.push_back({Kind::Word, word, line});
            }
        } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            std::size_t start = i;
            while (i < s.size() && (wordChar(s[i]) || s[i] == '.' || s[i] == '\''))
                ++i;
            tokens.push_back({Kind::Number, s.substr(start, i - start), line});
        } else {
            std::size_t n = s.compare(i, 2, "::") == 0 ? 2 : 1;
            tokens.push_back({Kind::Punct, s.substr(i, n), line});
            i += n;
        }
    }
    return tokens;
}

bool isIdType(const Token& t) {
    return t.kind == Kind::Word && (t.text == "ControlId" || t.text == "DialogId");
}

bool is(const Token& t, const char* text) {
    return t.kind == Kind::Punct && t.text == text;
}

// The value of an integer literal, or -1.
long valueOf(const Token& t) {
    std::string digits;
    for (char c : t.text) {
        if (c != '\'')
            digits += c;
    }
    try {
        std::size_t used = 0;
        long v = std::stol(digits, &used, 0);
        for (std::size_t k = used; k < digits.size(); ++k) {
            if (std::string("uUlL").find(digits[k]) == std::string::npos)
                return -1;
        }
        return v;
    } catch (const std::exception&) {
        return -1;
    }
}

// Names of functions whose first parameter is a ControlId or a DialogId: NAME ( [const] [ui::]
// ControlId.
void collectIdFunctions(const std::vector<Token>& t, std::set<std::string>& names) {
    static const std::set<std::string> kKeywords = {
        "if",     "for",      "while",   "switch",   "catch",        "return",
        "sizeof", "decltype", "alignof", "noexcept", "static_assert"};
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        if (t[i].kind != Kind::Word || !is(t[i + 1], "(") || kKeywords.count(t[i].text) != 0)
            continue;
        std::size_t k = i + 2;
        if (t[k].text == "const")
            ++k;
        if (k + 1 < t.size() && t[k].text == "ui" && is(t[k + 1], "::"))
            k += 2;
        if (k < t.size() && isIdType(t[k]))
            names.insert(t[i].text);
    }
}

struct Finding {
    int line;
    long number;
};

class Scanner {
  public:
    Scanner(const std::vector<Token>& tokens, const std::map<long, std::string>& numbers)
        : t_(tokens), numbers_(numbers) {}

    // Numbers from `from` up to the end of the group it is in: the first ',' ';' or closing
    // bracket at its own depth (a group opened at `from` is taken whole).
    void scanGroup(std::size_t from, bool wholeGroup) {
        int depth = 0;
        for (std::size_t k = from; k < t_.size(); ++k) {
            const Token& x = t_[k];
            if (is(x, "(") || is(x, "{") || is(x, "[")) {
                ++depth;
            } else if (is(x, ")") || is(x, "}") || is(x, "]")) {
                if (--depth < 0 || (wholeGroup && depth == 0))
                    return;
            } else if (depth == 0 && (is(x, ",") || is(x, ";"))) {
                return;
            } else if (x.kind == Kind::Number && numbers_.count(valueOf(x)) != 0) {
                found.insert({x.line, valueOf(x)});
            }
        }
    }

    // After a ControlId or DialogId: the initialiser of what it declares, if any. A ',' ends the
    // declaration unless it separates template arguments around the type.
    void afterIdType(std::size_t at) {
        int angles = 0;  // template argument lists open around the type
        for (std::size_t k = at; k-- > 0;) {
            const Token& x = t_[k];
            if (is(x, ";") || is(x, "{") || is(x, "}") || is(x, "(") || is(x, ")"))
                break;
            angles += is(x, "<") - is(x, ">");
        }
        int brackets = 0;
        for (std::size_t k = at + 1; k < t_.size(); ++k) {
            const Token& x = t_[k];
            if (is(x, ";") || is(x, "(") || is(x, ")") || (brackets == 0 && is(x, "]")) ||
                (angles <= 0 && is(x, ","))) {
                return;
            }
            angles += is(x, "<") - is(x, ">");
            brackets += is(x, "[") - is(x, "]");
            if (is(x, "=")) {
                scanGroup(k + 1, false);
                return;
            }
            if (is(x, "{")) {
                scanGroup(k, true);
                return;
            }
        }
    }

    void run(const std::set<std::string>& idFunctions) {
        for (std::size_t i = 0; i + 1 < t_.size(); ++i) {
            if (isIdType(t_[i])) {
                afterIdType(i);
            } else if (t_[i].kind == Kind::Word && is(t_[i + 1], "(") &&
                       idFunctions.count(t_[i].text) != 0) {
                scanGroup(i + 2, false);
            }
        }
    }

    std::set<std::pair<int, long>> found;

  private:
    const std::vector<Token>& t_;
    const std::map<long, std::string>& numbers_;
};

bool skippedDirectory(const fs::path& p) {
    std::string name = p.filename().string();
    return name.empty() || name[0] == '.' || name.rfind("build", 0) == 0 || name == "resources";
}

std::vector<fs::path> sources(const fs::path& root) {
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        if (it->is_directory() && skippedDirectory(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::set<std::string> allowedFiles(const fs::path& list) {
    std::set<std::string> allowed;
    std::istringstream in(readFile(list));
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())) != 0)
            line.pop_back();
        if (!line.empty())
            allowed.insert(line);
    }
    return allowed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: check_control_ids SOURCE_DIR ALLOWED_LIST\n";
        return 2;
    }
    const fs::path root = argv[1];
    const auto numbers = resourceNumbers(root / "resources" / "resource.h");
    if (numbers.empty()) {
        std::cerr << "check_control_ids: no IDC_ or IDD_ numbers in resources/resource.h\n";
        return 2;
    }
    std::map<std::string, std::vector<Token>> files;
    std::set<std::string> idFunctions;
    for (const fs::path& p : sources(root)) {
        auto& tokens = files[fs::relative(p, root).generic_string()] = tokenize(readFile(p));
        collectIdFunctions(tokens, idFunctions);
    }
    std::set<std::string> allowed = allowedFiles(argv[2]);
    int failures = 0;
    for (const auto& [name, tokens] : files) {
        Scanner scanner(tokens, numbers);
        scanner.run(idFunctions);
        if (allowed.erase(name) != 0) {
            if (scanner.found.empty()) {
                std::cout << name << ": names every control by its symbol now: remove it from "
                          << argv[2] << "\n";
                ++failures;
            }
            continue;
        }
        for (const auto& [line, number] : scanner.found) {
            std::cout << name << ":" << line << ": " << number << " is " << numbers.at(number)
                      << ": write the symbol of resources/resource.h\n";
            ++failures;
        }
    }
    for (const std::string& name : allowed) {
        std::cout << name << ": no such source: remove it from " << argv[2] << "\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
