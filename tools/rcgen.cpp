// rcgen: turns the module's resource script into C++ tables for the headless dialog backend.
//
//   rcgen SCRIPT.rc OUTPUT.cpp
//
// It reads the subset of the resource language that the module uses: #include of the system
// header and of our own headers (whose #defines it takes), #define, #pragma once,
// #pragma code_page(65001), LANGUAGE, DIALOGEX templates with STYLE, EXSTYLE, CAPTION and FONT
// and the control statements below, STRINGTABLE, and REGISTRY / TYPELIB lines (which have no
// table and are skipped). Anything else stops the build with FILE:LINE: error: WHY. The output
// implements platform/ui/dialog_template.h and is rewritten only when its text changes.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------------
// Constants of the system header that resource scripts use.

struct Builtin {
    const char* name;
    std::int64_t value;
};

constexpr Builtin kBuiltins[] = {
    {"WS_OVERLAPPED", 0x00000000},
    {"WS_POPUP", 0x80000000},
    {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000},
    {"WS_VISIBLE", 0x10000000},
    {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000},
    {"WS_CAPTION", 0x00C00000},
    {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000},
    {"WS_VSCROLL", 0x00200000},
    {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000},
    {"WS_THICKFRAME", 0x00040000},
    {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},
    {"WS_EX_DLGMODALFRAME", 0x00000001},
    {"WS_EX_NOPARENTNOTIFY", 0x00000004},
    {"WS_EX_TOPMOST", 0x00000008},
    {"WS_EX_TRANSPARENT", 0x00000020},
    {"WS_EX_TOOLWINDOW", 0x00000080},
    {"WS_EX_WINDOWEDGE", 0x00000100},
    {"WS_EX_CLIENTEDGE", 0x00000200},
    {"WS_EX_CONTROLPARENT", 0x00010000},
    {"WS_EX_STATICEDGE", 0x00020000},
    {"DS_ABSALIGN", 0x01},
    {"DS_SYSMODAL", 0x02},
    {"DS_3DLOOK", 0x04},
    {"DS_FIXEDSYS", 0x08},
    {"DS_NOFAILCREATE", 0x10},
    {"DS_LOCALEDIT", 0x20},
    {"DS_SETFONT", 0x40},
    {"DS_MODALFRAME", 0x80},
    {"DS_NOIDLEMSG", 0x100},
    {"DS_SETFOREGROUND", 0x200},
    {"DS_CONTROL", 0x400},
    {"DS_CENTER", 0x800},
    {"DS_CENTERMOUSE", 0x1000},
    {"DS_SHELLFONT", 0x48},
    {"ES_LEFT", 0x0000},
    {"ES_CENTER", 0x0001},
    {"ES_RIGHT", 0x0002},
    {"ES_MULTILINE", 0x0004},
    {"ES_UPPERCASE", 0x0008},
    {"ES_LOWERCASE", 0x0010},
    {"ES_PASSWORD", 0x0020},
    {"ES_AUTOVSCROLL", 0x0040},
    {"ES_AUTOHSCROLL", 0x0080},
    {"ES_NOHIDESEL", 0x0100},
    {"ES_OEMCONVERT", 0x0400},
    {"ES_READONLY", 0x0800},
    {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},
    {"SS_LEFT", 0x0000},
    {"SS_CENTER", 0x0001},
    {"SS_RIGHT", 0x0002},
    {"SS_LEFTNOWORDWRAP", 0x000C},
    {"SS_NOPREFIX", 0x0080},
    {"SS_NOTIFY", 0x0100},
    {"SS_CENTERIMAGE", 0x0200},
    {"SS_SUNKEN", 0x1000},
    {"SS_ENDELLIPSIS", 0x4000},
    {"BS_PUSHBUTTON", 0x0000},
    {"BS_DEFPUSHBUTTON", 0x0001},
    {"BS_CHECKBOX", 0x0002},
    {"BS_AUTOCHECKBOX", 0x0003},
    {"BS_RADIOBUTTON", 0x0004},
    {"BS_3STATE", 0x0005},
    {"BS_AUTO3STATE", 0x0006},
    {"BS_GROUPBOX", 0x0007},
    {"BS_AUTORADIOBUTTON", 0x0009},
    {"BS_LEFTTEXT", 0x0020},
    {"BS_LEFT", 0x0100},
    {"BS_RIGHT", 0x0200},
    {"BS_CENTER", 0x0300},
    {"BS_VCENTER", 0x0C00},
    {"BS_MULTILINE", 0x2000},
    {"BS_NOTIFY", 0x4000},
    {"BS_FLAT", 0x8000},
    {"CBS_SIMPLE", 0x0001},
    {"CBS_DROPDOWN", 0x0002},
    {"CBS_DROPDOWNLIST", 0x0003},
    {"CBS_AUTOHSCROLL", 0x0040},
    {"CBS_SORT", 0x0100},
    {"CBS_HASSTRINGS", 0x0200},
    {"CBS_NOINTEGRALHEIGHT", 0x0400},
    {"LBS_NOTIFY", 0x0001},
    {"LBS_SORT", 0x0002},
    {"LBS_MULTIPLESEL", 0x0008},
    {"LBS_HASSTRINGS", 0x0040},
    {"LBS_NOINTEGRALHEIGHT", 0x0100},
    {"LBS_EXTENDEDSEL", 0x0800},
    {"IDC_STATIC", -1},
    {"LANG_NEUTRAL", 0x00},
    {"LANG_BULGARIAN", 0x02},
    {"LANG_ENGLISH", 0x09},
    {"LANG_RUSSIAN", 0x19},
    {"LANG_UKRAINIAN", 0x22},
    {"LANG_BELARUSIAN", 0x23},
    {"SUBLANG_NEUTRAL", 0x00},
    {"SUBLANG_DEFAULT", 0x01},
    {"SUBLANG_ENGLISH_US", 0x01},
    {"SUBLANG_ENGLISH_UK", 0x02},
    {"SUBLANG_RUSSIAN_RUSSIA", 0x01},
};

constexpr std::int64_t kWsVisible = 0x10000000;
constexpr std::int64_t kWsDisabled = 0x08000000;
constexpr std::int64_t kWsGroup = 0x00020000;
constexpr std::int64_t kWsTabStop = 0x00010000;
constexpr std::int64_t kWsChild = 0x40000000;
constexpr std::int64_t kEsMultiline = 0x0004;
constexpr std::int64_t kEsUppercase = 0x0008;
constexpr std::int64_t kCbsTypeMask = 0x0003;
constexpr std::int64_t kCbsDropDownList = 0x0003;
constexpr std::int64_t kLbsMultiple = 0x0008 | 0x0800;
constexpr std::int64_t kBsTypeMask = 0x000F;

// Code pages of the languages a string table may be written for; the default table is the one
// of code page 1252.
struct LanguageCodePage {
    int primaryLanguage;
    unsigned codePage;
};
constexpr LanguageCodePage kLanguageCodePages[] = {
    {0x00, 1252}, {0x09, 1252}, {0x02, 1251}, {0x19, 1251}, {0x22, 1251}, {0x23, 1251},
};
constexpr unsigned kDefaultCodePage = 1252;

// Control statements: the keyword, whether a text comes first, the window class and the
// default style (WS_CHILD | WS_VISIBLE are added to every control).
struct ControlStatement {
    const char* keyword;
    bool hasText;
    const char* windowClass;
    std::int64_t defaultStyle;
};
constexpr ControlStatement kControlStatements[] = {
    {"LTEXT", true, "Static", 0x0000 | kWsGroup},
    {"CTEXT", true, "Static", 0x0001 | kWsGroup},
    {"RTEXT", true, "Static", 0x0002 | kWsGroup},
    {"PUSHBUTTON", true, "Button", 0x0000 | kWsTabStop},
    {"DEFPUSHBUTTON", true, "Button", 0x0001 | kWsTabStop},
    {"GROUPBOX", true, "Button", 0x0007},
    {"AUTOCHECKBOX", true, "Button", 0x0003 | kWsTabStop},
    {"AUTORADIOBUTTON", true, "Button", 0x0009 | kWsTabStop},
    {"CHECKBOX", true, "Button", 0x0002 | kWsTabStop},
    {"RADIOBUTTON", true, "Button", 0x0004 | kWsTabStop},
    {"AUTO3STATE", true, "Button", 0x0006 | kWsTabStop},
    {"STATE3", true, "Button", 0x0005 | kWsTabStop},
    {"EDITTEXT", false, "Edit", 0x0000 | 0x00800000 | kWsTabStop},
    {"COMBOBOX", false, "ComboBox", 0x0001 | kWsTabStop},
    {"LISTBOX", false, "ListBox", 0x0001 | 0x00800000},
};

// ---------------------------------------------------------------------------------------------
// Errors

struct Where {
    std::string file;
    int line = 0;
};

struct Failure {
    Where where;
    std::string why;
};

[[noreturn]] void fail(const Where& where, std::string why) {
    throw Failure{where, std::move(why)};
}

// ---------------------------------------------------------------------------------------------
// Tokens

enum class Tok { Word, Number, String, WideString, Punct, End };

struct Token {
    Tok kind = Tok::End;
    std::string text;         // words, punctuation, narrow strings (UTF-8 bytes)
    std::u16string wide;      // wide strings
    std::int64_t number = 0;  // numbers
    Where where;
};

bool isWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isWordChar(char c) {
    return isWordStart(c) || (c >= '0' && c <= '9');
}
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-8 to UTF-16; nullopt for malformed input.
std::optional<std::u16string> utf8ToUtf16(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0))
            return std::nullopt;
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
        i += extra + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

class Lexer {
  public:
    Lexer(std::string text, std::string file) : text_(std::move(text)), file_(std::move(file)) {}

    // The next token of the current line, or End at the end of the line; newline() moves on.
    Token next() {
        skipBlanks();
        Token t;
        t.where = here();
        if (atLineEnd())
            return t;
        char c = text_[pos_];
        if (isWordStart(c) && !(c == 'L' && peek(1) == '"')) {
            std::size_t start = pos_;
            while (pos_ < text_.size() && isWordChar(text_[pos_]))
                ++pos_;
            t.kind = Tok::Word;
            t.text = text_.substr(start, pos_ - start);
        } else if (c >= '0' && c <= '9') {
            t.kind = Tok::Number;
            t.number = readNumber(t.where);
        } else if (c == '"' || c == 'L') {
            bool wide = c == 'L';
            if (wide)
                ++pos_;
            readString(t, wide);
        } else {
            t.kind = Tok::Punct;
            t.text = std::string(1, c);
            ++pos_;
        }
        return t;
    }

    // The rest of the current line, raw (for preprocessor lines).
    std::string restOfLine() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // Moves to the next line that holds something other than a preprocessor directive; false
    // at the end of the text or before a directive.
    bool continueOnNextLine() {
        if (!nextLine())
            return false;
        skipBlanks();
        return text_[pos_] != '#';
    }

    // Skips blank lines and comments; false at the end of the text.
    bool nextLine() {
        while (true) {
            skipBlanks();
            if (pos_ >= text_.size())
                return false;
            if (text_[pos_] != '\n')
                return true;
            ++pos_;
            ++line_;
        }
    }

    // At the start of a line: true when it is a preprocessor line (and consumes the '#').
    bool directive() {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '#') {
            ++pos_;
            return true;
        }
        return false;
    }

    bool atLineEnd() {
        skipBlanks();
        return pos_ >= text_.size() || text_[pos_] == '\n';
    }
    Where here() const { return Where{file_, line_}; }
    // Where a string first held a byte outside ASCII, if one did.
    const std::optional<Where>& firstNonAscii() const { return firstNonAscii_; }

  private:
    char peek(std::size_t ahead) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    // Blanks and comments within the line; a block comment may span lines.
    void skipBlanks() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++pos_;
            } else if (c == '/' && peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (c == '/' && peek(1) == '*') {
                Where start = here();
                pos_ += 2;
                while (pos_ < text_.size() && !(text_[pos_] == '*' && peek(1) == '/')) {
                    if (text_[pos_] == '\n')
                        ++line_;
                    ++pos_;
                }
                if (pos_ >= text_.size())
                    fail(start, "unterminated comment");
                pos_ += 2;
            } else if (c == '\\' && peek(1) == '\n') {
                pos_ += 2;
                ++line_;
            } else {
                break;
            }
        }
    }

    std::int64_t readNumber(const Where& where) {
        std::int64_t value = 0;
        if (text_[pos_] == '0' && (peek(1) == 'x' || peek(1) == 'X')) {
            pos_ += 2;
            if (hexValue(peek(0)) < 0)
                fail(where, "malformed hexadecimal number");
            while (hexValue(peek(0)) >= 0) {
                value = value * 16 + hexValue(text_[pos_++]);
                if (value > 0xFFFFFFFFll)
                    fail(where, "number out of range");
            }
        } else {
            while (peek(0) >= '0' && peek(0) <= '9') {
                value = value * 10 + (text_[pos_++] - '0');
                if (value > 0xFFFFFFFFll)
                    fail(where, "number out of range");
            }
        }
        if (peek(0) == 'L' || peek(0) == 'l' || peek(0) == 'U' || peek(0) == 'u')
            ++pos_;
        if (isWordChar(peek(0)))
            fail(where, "malformed number");
        return value;
    }

    // A quoted string: "" stands for one quote; escapes \\ \" \n \r \t \a, \x with up to two
    // (narrow) or four (wide) hexadecimal digits, and octal \ooo.
    void readString(Token& t, bool wide) {
        t.kind = wide ? Tok::WideString : Tok::String;
        if (peek(0) != '"')
            fail(t.where, "expected a string after L");
        ++pos_;
        std::u32string units;  // narrow: bytes; wide: UTF-16 units
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                fail(t.where, "unterminated string");
            char c = text_[pos_++];
            if (c == '"') {
                if (peek(0) == '"') {
                    ++pos_;
                    units += U'"';
                    continue;
                }
                break;
            }
            if (c != '\\') {
                if (static_cast<unsigned char>(c) >= 0x80 && !firstNonAscii_) {
                    firstNonAscii_ = t.where;
                }
                units += static_cast<char32_t>(static_cast<unsigned char>(c));
                continue;
            }
            char e = pos_ < text_.size() ? text_[pos_++] : '\0';
            switch (e) {
                case '\\':
                    units += U'\\';
                    break;
                case '"':
                    units += U'"';
                    break;
                case 'n':
                    units += U'\n';
                    break;
                case 'r':
                    units += U'\r';
                    break;
                case 't':
                    units += U'\t';
                    break;
                case 'a':
                    units += U'\a';
                    break;
                case 'x': {
                    int max = wide ? 4 : 2;
                    char32_t v = 0;
                    int n = 0;
                    while (n < max && hexValue(peek(0)) >= 0) {
                        v = v * 16 + hexValue(text_[pos_++]);
                        ++n;
                    }
                    if (n == 0)
                        fail(t.where, "\\x without hexadecimal digits");
                    units += v;
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        char32_t v = e - '0';
                        for (int n = 1; n < 3 && peek(0) >= '0' && peek(0) <= '7'; ++n) {
                            v = v * 8 + (text_[pos_++] - '0');
                        }
                        units += v;
                    } else {
                        fail(t.where, std::string("unknown escape \\") + e);
                    }
            }
        }
        if (wide) {
            for (char32_t u : units)
                t.wide += static_cast<char16_t>(u);
        } else {
            for (char32_t u : units) {
                if (u > 0xFF)
                    fail(t.where, "narrow string escape out of range");
                t.text += static_cast<char>(u);
            }
        }
    }

    std::string text_;
    std::string file_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::optional<Where> firstNonAscii_;
};

// ---------------------------------------------------------------------------------------------
// What the script holds

struct ControlDef {
    std::int64_t id = 0;
    std::string kind;  // ControlKind enumerator
    std::string text;  // UTF-8
    std::int64_t x = 0, y = 0, width = 0, height = 0;
    bool uppercase = false, group = false, disabled = false, hidden = false;
    bool multipleSelect = false, tabStop = false;
    std::string windowClass;
};

struct DialogDef {
    std::int64_t id = 0;
    std::string caption;
    std::int64_t width = 0, height = 0;
    std::string fontFace;
    std::int64_t fontSize = 0;
    std::vector<ControlDef> controls;
};

struct StringTableDef {
    unsigned codePage = kDefaultCodePage;
    std::map<std::int64_t, std::u16string> strings;
};

struct Script {
    std::vector<DialogDef> dialogs;
    std::map<unsigned, StringTableDef> tables;  // by code page
};

// ---------------------------------------------------------------------------------------------
// Parser

class Parser {
  public:
    explicit Parser(Script& script) : script_(script) {
        for (const Builtin& b : kBuiltins)
            defines_[b.name] = b.value;
    }

    void parseFile(const fs::path& path, bool headerOnly) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            fail(Where{path.string(), 0}, "cannot read the file");
        std::stringstream buffer;
        buffer << in.rdbuf();
        Lexer lexer(buffer.str(), path.string());
        Lexer* savedLexer = std::exchange(lex_, &lexer);
        std::optional<Token> savedPending = std::exchange(pending_, std::nullopt);
        while (true) {
            // A statement may have looked ahead at the first token of the next one.
            if (pending_ && pending_->kind == Tok::End)
                pending_.reset();
            if (!pending_) {
                if (!lexer.nextLine())
                    break;
                if (lexer.directive()) {
                    lineBound_ = true;
                    preprocessor(path);
                    lineBound_ = false;
                    pending_.reset();
                    continue;
                }
            }
            if (headerOnly) {
                fail(lexer.here(), "only preprocessor lines may stand in an included header");
            }
            statement();
        }
        if (lexer.firstNonAscii() && !utf8_) {
            fail(*lexer.firstNonAscii(), "non-ASCII text needs #pragma code_page(65001)");
        }
        lex_ = savedLexer;
        pending_ = std::move(savedPending);
    }

  private:
    // ---- tokens ----
    Token take() {
        if (pending_)
            return std::exchange(pending_, std::nullopt).value();
        Token t = lex_->next();
        // Statements may continue on the next line; preprocessor lines may not.
        while (t.kind == Tok::End && !lineBound_) {
            if (!lex_->continueOnNextLine())
                return t;
            t = lex_->next();
        }
        return t;
    }
    Token peekToken() {
        if (!pending_)
            pending_ = take();
        return *pending_;
    }
    bool peekIs(std::string_view text) {
        Token t = peekToken();
        return (t.kind == Tok::Word || t.kind == Tok::Punct) && t.text == text;
    }
    void expect(std::string_view text) {
        Token t = take();
        if (t.text != text || (t.kind != Tok::Word && t.kind != Tok::Punct)) {
            fail(t.where, "expected " + std::string(text) + describe(t));
        }
    }
    bool accept(std::string_view text) {
        if (peekIs(text)) {
            take();
            return true;
        }
        return false;
    }
    static std::string describe(const Token& t) {
        switch (t.kind) {
            case Tok::End:
                return " at the end of the script";
            case Tok::Number:
                return ", found the number " + std::to_string(t.number);
            case Tok::String:
            case Tok::WideString:
                return ", found a string";
            default:
                return ", found '" + t.text + "'";
        }
    }

    // ---- expressions ----
    std::int64_t primary() {
        Token t = take();
        if (t.kind == Tok::Number)
            return t.number;
        if (t.kind == Tok::Word) {
            auto it = defines_.find(t.text);
            if (it == defines_.end())
                fail(t.where, "unknown name " + t.text);
            return it->second;
        }
        if (t.kind == Tok::Punct && t.text == "(") {
            std::int64_t v = expression();
            expect(")");
            return v;
        }
        if (t.kind == Tok::Punct && t.text == "-")
            return -primary();
        if (t.kind == Tok::Punct && t.text == "~")
            return ~primary();
        fail(t.where, "expected a number" + describe(t));
    }
    std::int64_t expression() {
        std::int64_t v = primary();
        while (true) {
            if (accept("|")) {
                v |= primary();
            } else if (accept("+")) {
                v += primary();
            } else if (accept("-")) {
                v -= primary();
            } else {
                return v;
            }
        }
    }
    // A style list: items joined by '|', each optionally preceded by NOT (which clears bits),
    // applied in order over the defaults.
    std::int64_t style(std::int64_t defaults) {
        std::int64_t v = defaults;
        do {
            if (accept("NOT")) {
                v &= ~primary();
            } else {
                v |= primary();
            }
        } while (accept("|"));
        return v;
    }

    std::string narrowString() {
        Token t = take();
        if (t.kind == Tok::String)
            return t.text;
        if (t.kind == Tok::WideString) {
            std::string out;
            for (char16_t u : t.wide)
                appendUtf8(out, u);
            return out;
        }
        fail(t.where, "expected a string" + describe(t));
    }
    std::u16string wideString() {
        Token t = take();
        if (t.kind == Tok::WideString)
            return t.wide;
        if (t.kind == Tok::String) {
            auto w = utf8ToUtf16(t.text);
            if (!w)
                fail(t.where, "string is not valid UTF-8");
            return *w;
        }
        fail(t.where, "expected a string" + describe(t));
    }

    // ---- preprocessor ----
    void preprocessor(const fs::path& path) {
        Where where = lex_->here();
        Token word = lex_->next();
        if (word.kind != Tok::Word)
            fail(where, "malformed preprocessor line");
        if (word.text == "include") {
            std::string rest = trim(lex_->restOfLine());
            if (rest.size() >= 2 && rest.front() == '<' && rest.back() == '>') {
                std::string name = rest.substr(1, rest.size() - 2);
                if (name != "windows.h" && name != "winres.h" && name != "winresrc.h") {
                    fail(where, "unknown system header <" + name + ">");
                }
                return;  // its constants are built in
            }
            if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
                lineBound_ = false;
                parseFile(path.parent_path() / rest.substr(1, rest.size() - 2), true);
                lineBound_ = true;
                return;
            }
            fail(where, "malformed #include");
        } else if (word.text == "define") {
            Token name = lex_->next();
            if (name.kind != Tok::Word)
                fail(where, "#define needs a name");
            if (lex_->atLineEnd()) {
                defines_[name.text] = 1;
                return;
            }
            std::int64_t value = expression();
            if (peekToken().kind != Tok::End) {
                fail(where, "#define " + name.text + " is not a number");
            }
            auto [it, inserted] = defines_.emplace(name.text, value);
            if (!inserted && it->second != value)
                fail(where, name.text + " redefined");
        } else if (word.text == "pragma") {
            std::string rest = trim(lex_->restOfLine());
            if (rest == "once")
                return;
            if (rest == "code_page(65001)") {
                utf8_ = true;
                return;
            }
            fail(where, "unknown #pragma " + rest + " (only once and code_page(65001))");
        } else {
            fail(where, "unknown preprocessor directive #" + word.text);
        }
    }
    static std::string trim(std::string s) {
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!s.empty() && blank(s.back()))
            s.pop_back();
        std::size_t i = 0;
        while (i < s.size() && blank(s[i]))
            ++i;
        return s.substr(i);
    }

    // ---- statements ----
    void statement() {
        Token first = take();
        if (first.kind == Tok::Word && first.text == "LANGUAGE") {
            language();
            return;
        }
        if (first.kind == Tok::Word && first.text == "STRINGTABLE") {
            stringTable(first.where);
            return;
        }
        std::int64_t id = 0;
        if (first.kind == Tok::Number) {
            id = first.number;
        } else if (first.kind == Tok::Word && defines_.count(first.text) != 0) {
            id = defines_[first.text];
        } else {
            fail(first.where, "unknown statement" + describe(first));
        }
        Token type = take();
        if (type.kind == Tok::Word && type.text == "DIALOGEX") {
            dialog(id, first.where);
        } else if (type.kind == Tok::Word && (type.text == "REGISTRY" || type.text == "TYPELIB")) {
            narrowString();  // the file it names; nothing to tabulate
        } else {
            fail(type.where, "unknown resource type" + describe(type));
        }
    }

    void language() {
        std::int64_t primary = expression();
        expect(",");
        expression();
        for (const LanguageCodePage& l : kLanguageCodePages) {
            if (l.primaryLanguage == primary) {
                codePage_ = l.codePage;
                return;
            }
        }
        fail(lex_->here(), "no code page known for language " + std::to_string(primary));
    }

    void beginBlock() {
        if (!accept("BEGIN"))
            expect("{");
    }
    bool endBlock() { return accept("END") || accept("}"); }

    void stringTable(const Where& where) {
        // Memory options (MOVEABLE, DISCARDABLE, ...) are accepted and have no meaning here.
        while (accept("MOVEABLE") || accept("PURE") || accept("DISCARDABLE") || accept("FIXED") ||
               accept("PRELOAD") || accept("LOADONCALL") || accept("IMPURE")) {
        }
        StringTableDef& table = script_.tables[codePage_];
        table.codePage = codePage_;
        beginBlock();
        while (!endBlock()) {
            Token at = peekToken();
            if (at.kind == Tok::End)
                fail(where, "STRINGTABLE without END");
            std::int64_t id = expression();
            accept(",");
            std::u16string text = wideString();
            if (!table.strings.emplace(id, std::move(text)).second) {
                fail(at.where, "string " + std::to_string(id) + " defined twice");
            }
        }
        if (table.strings.empty())
            script_.tables.erase(codePage_);
    }

    void dialog(std::int64_t id, const Where& where) {
        for (const DialogDef& d : script_.dialogs) {
            if (d.id == id)
                fail(where, "dialog " + std::to_string(id) + " defined twice");
        }
        DialogDef d;
        d.id = id;
        expression();  // x
        expect(",");
        expression();  // y
        expect(",");
        d.width = expression();
        expect(",");
        d.height = expression();
        if (accept(","))
            expression();  // help id
        while (!peekIs("BEGIN") && !peekIs("{")) {
            Token t = take();
            if (t.kind != Tok::Word)
                fail(t.where, "expected a dialog attribute" + describe(t));
            if (t.text == "STYLE") {
                style(0);
            } else if (t.text == "EXSTYLE") {
                style(0);
            } else if (t.text == "CAPTION") {
                d.caption = narrowString();
            } else if (t.text == "FONT") {
                d.fontSize = expression();
                expect(",");
                d.fontFace = narrowString();
                for (int i = 0; i < 3 && accept(","); ++i)
                    expression();
            } else if (t.text == "LANGUAGE") {
                language();
            } else {
                fail(t.where, "unknown dialog attribute " + t.text);
            }
        }
        beginBlock();
        std::set<std::int64_t> ids;
        while (!endBlock()) {
            Token at = peekToken();
            if (at.kind == Tok::End)
                fail(where, "DIALOGEX without END");
            ControlDef c = control();
            if (c.id != -1 && !ids.insert(c.id).second) {
                fail(at.where, "control " + std::to_string(c.id) + " appears twice");
            }
            d.controls.push_back(std::move(c));
        }
        script_.dialogs.push_back(std::move(d));
    }

    ControlDef control() {
        Token keyword = take();
        if (keyword.kind != Tok::Word)
            fail(keyword.where, "expected a control" + describe(keyword));
        ControlDef c;
        std::string windowClass;
        std::int64_t styleBits = 0;
        if (keyword.text == "CONTROL") {
            c.text = narrowString();
            expect(",");
            c.id = expression();
            expect(",");
            windowClass = narrowString();
            expect(",");
            styleBits = style(kWsChild | kWsVisible);
            expect(",");
            position(c);
            if (accept(","))
                style(0);
        } else {
            const ControlStatement* s = nullptr;
            for (const ControlStatement& candidate : kControlStatements) {
                if (keyword.text == candidate.keyword)
                    s = &candidate;
            }
            if (s == nullptr)
                fail(keyword.where, "unknown control statement " + keyword.text);
            if (s->hasText) {
                c.text = narrowString();
                expect(",");
            }
            c.id = expression();
            expect(",");
            position(c);
            windowClass = s->windowClass;
            styleBits = s->defaultStyle | kWsChild | kWsVisible;
            if (accept(","))
                styleBits = style(styleBits);
            if (accept(","))
                style(0);
        }
        classify(c, windowClass, styleBits, keyword.where);
        return c;
    }

    void position(ControlDef& c) {
        c.x = expression();
        expect(",");
        c.y = expression();
        expect(",");
        c.width = expression();
        expect(",");
        c.height = expression();
    }

    static bool sameClass(std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? char(ch - 'A' + 'a') : ch; };
            if (lower(a[i]) != lower(b[i]))
                return false;
        }
        return true;
    }

    // The kind and flags of a control from its window class and style. Forms the headless
    // dialogs cannot behave like are refused rather than approximated.
    static void classify(ControlDef& c, const std::string& windowClass, std::int64_t s,
                         const Where& where) {
        c.group = (s & kWsGroup) != 0;
        c.disabled = (s & kWsDisabled) != 0;
        c.hidden = (s & kWsVisible) == 0;
        c.tabStop = (s & kWsTabStop) != 0;
        if (sameClass(windowClass, "Button")) {
            switch (s & kBsTypeMask) {
                case 0x0:
                case 0x1:
                    c.kind = "Button";
                    break;
                case 0x3:
                    c.kind = "CheckBox";
                    break;
                case 0x9:
                    c.kind = "Radio";
                    break;
                case 0x7:
                    c.kind = "Group";
                    break;
                default:
                    fail(where, "only automatic check boxes and radio buttons are supported");
            }
        } else if (sameClass(windowClass, "Edit")) {
            if ((s & kEsMultiline) != 0)
                fail(where, "only single-line edits are supported");
            c.kind = "Edit";
            c.uppercase = (s & kEsUppercase) != 0;
        } else if (sameClass(windowClass, "Static")) {
            c.kind = "Static";
        } else if (sameClass(windowClass, "ComboBox")) {
            if ((s & kCbsTypeMask) != kCbsDropDownList) {
                fail(where, "only drop-down lists (CBS_DROPDOWNLIST) are supported");
            }
            c.kind = "Combo";
        } else if (sameClass(windowClass, "ListBox")) {
            c.kind = "ListBox";
            c.multipleSelect = (s & kLbsMultiple) != 0;
        } else {
            c.kind = "Custom";
            c.windowClass = windowClass;
        }
    }

    Script& script_;
    Lexer* lex_ = nullptr;
    std::optional<Token> pending_;
    std::map<std::string, std::int64_t> defines_;
    unsigned codePage_ = kDefaultCodePage;
    bool utf8_ = false;
    bool lineBound_ = false;  // preprocessor lines end at the end of the line
};

// ---------------------------------------------------------------------------------------------
// Output

// A C++ narrow literal of UTF-8 bytes: printable ASCII as itself, the rest as \x escapes (a
// literal is split after an escape followed by a hexadecimal digit).
std::string narrowLiteral(std::string_view s) {
    std::string out = "\"";
    bool afterHex = false;
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            if (afterHex && hexValue(ch) >= 0)
                out += "\" \"";
            out += ch;
            afterHex = false;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
            afterHex = true;
        }
    }
    return out + "\"";
}

std::string wideLiteral(std::u16string_view s) {
    std::string out = "u\"";
    bool afterHex = false;
    for (char16_t u : s) {
        if (u >= 0x20 && u < 0x7F && u != '"' && u != '\\' && u != '?') {
            if (afterHex && hexValue(static_cast<char>(u)) >= 0)
                out += "\" u\"";
            out += static_cast<char>(u);
            afterHex = false;
        } else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "\\x%04X", static_cast<unsigned>(u));
            out += buf;
            afterHex = true;
        }
    }
    return out + "\"";
}

std::string generate(const Script& script, const std::string& source) {
    std::ostringstream o;
    auto flag = [](bool b) { return b ? "true" : "false"; };
    o << "// Generated by rcgen from " << fs::path(source).filename().string() << ". Do not edit.\n"
      << "#include \"platform/ui/dialog_template.h\"\n\n"
      << "namespace ui {\nnamespace {\n\n";
    for (const DialogDef& d : script.dialogs) {
        if (d.controls.empty())
            continue;
        o << "constexpr ControlTemplate kControls" << d.id << "[] = {\n";
        for (const ControlDef& c : d.controls) {
            o << "    {" << c.id << ", ControlKind::" << c.kind << ", " << narrowLiteral(c.text)
              << ", " << c.x << ", " << c.y << ", " << c.width << ", " << c.height << ", "
              << flag(c.uppercase) << ", " << flag(c.group) << ", " << flag(c.disabled) << ", "
              << flag(c.hidden) << ", " << flag(c.multipleSelect) << ", " << flag(c.tabStop) << ", "
              << narrowLiteral(c.windowClass) << "},\n";
        }
        o << "};\n\n";
    }
    if (!script.dialogs.empty()) {
        o << "constexpr DialogTemplate kDialogs[] = {\n";
        for (const DialogDef& d : script.dialogs) {
            o << "    {" << d.id << ", " << narrowLiteral(d.caption) << ", " << d.width << ", "
              << d.height << ", " << narrowLiteral(d.fontFace) << ", " << d.fontSize << ", ";
            if (d.controls.empty()) {
                o << "{}},\n";
            } else {
                o << "kControls" << d.id << "},\n";
            }
        }
        o << "};\n\n";
    }
    for (const auto& [codePage, table] : script.tables) {
        o << "constexpr StringResource kStrings" << codePage << "[] = {\n";
        for (const auto& [id, text] : table.strings) {
            o << "    {" << id << ", " << wideLiteral(text) << "},\n";
        }
        o << "};\n\n";
    }
    o << "}  // namespace\n\n"
      << "const DialogTemplate* findTemplate(DialogId id) {\n";
    if (script.dialogs.empty()) {
        o << "    (void)id;\n";
    } else {
        o << "    for (const DialogTemplate& d : kDialogs) {\n"
          << "        if (d.id == id) return &d;\n"
          << "    }\n";
    }
    o << "    return nullptr;\n"
      << "}\n\n"
      << "std::span<const StringResource> stringTable(unsigned codePage) {\n";
    for (const auto& [codePage, table] : script.tables) {
        if (codePage == kDefaultCodePage)
            continue;
        o << "    if (codePage == " << codePage << ") return kStrings" << codePage << ";\n";
    }
    if (script.tables.count(kDefaultCodePage) != 0) {
        o << "    (void)codePage;\n    return kStrings" << kDefaultCodePage << ";\n";
    } else {
        o << "    (void)codePage;\n    return {};\n";
    }
    o << "}\n\n}  // namespace ui\n";
    return o.str();
}

bool writeIfChanged(const fs::path& path, const std::string& text) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::stringstream old;
            old << in.rdbuf();
            if (old.str() == text)
                return true;
        }
    }
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            return false;
    }
    fs::rename(temp, path, ec);
    return !ec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: rcgen SCRIPT.rc OUTPUT.cpp\n";
        return 2;
    }
    Script script;
    try {
        Parser parser(script);
        parser.parseFile(argv[1], false);
        if (script.tables.count(kDefaultCodePage) == 0 && !script.tables.empty()) {
            fail(Where{argv[1], 0}, "string tables exist but none for the default language");
        }
    } catch (const Failure& f) {
        std::cerr << f.where.file << ":" << f.where.line << ": error: " << f.why << "\n";
        return 1;
    }
    if (!writeIfChanged(argv[2], generate(script, argv[1]))) {
        std::cerr << argv[2] << ": error: cannot write the output\n";
        return 1;
    }
    return 0;
}
