// restables: turns the compiled resources of the module into C++ tables for the headless dialog
// backend.
//
//   restables RESOURCES.res OUTPUT.cpp
//
// It takes the DIALOGEX templates and the string blocks, checks the bitmaps and skips the type
// library and the registry scripts, which the headless backend does not use. Any other resource,
// a malformed file or a form the headless dialogs cannot behave like stops the build with
// FILE: error: WHY. The output implements platform/ui/dialog_template.h and is rewritten only
// when its text changes.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/text/codepage.h"
#include "tools/compiled_resources.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kDefaultCodePage = 1252;

struct Dialog {
    int id;
    rc::DialogEx form;
};

struct Tables {
    std::vector<Dialog> dialogs;
    std::map<unsigned, std::map<int, std::u16string>> strings;  // by code page, then ID
};

std::string utf8(std::u16string_view s) {
    return text::fromUtf16(s, text::kUtf8);
}

int number(const rc::Resource& r, const char* what) {
    if (!r.name.ordinal)
        throw rc::ResourceError(std::string(what) + " " + r.name.display() + " is not numbered");
    return *r.name.ordinal;
}

void addDialog(Tables& tables, const rc::Resource& r) {
    int id = number(r, "dialog");
    for (const Dialog& d : tables.dialogs) {
        if (d.id == id)
            throw rc::ResourceError("dialog " + std::to_string(id) + " exists twice");
    }
    Dialog d{id, rc::readDialogEx(r.data)};
    std::set<int> ids;
    for (const rc::DialogItem& item : d.form.items) {
        rc::controlKind(item);  // refuses what the headless dialogs cannot do
        if (item.id != ui::kUnnamed && !ids.insert(item.id).second)
            throw rc::ResourceError("control " + std::to_string(item.id) + " appears twice");
        if (item.title.ordinal) {
            throw rc::ResourceError("control " + std::to_string(item.id) +
                                    ": a text given by number is not supported");
        }
    }
    tables.dialogs.push_back(std::move(d));
}

void addStrings(Tables& tables, const rc::Resource& r) {
    int block = number(r, "string block");
    auto& table = tables.strings[rc::codePageOfLanguage(r.language)];
    auto strings = rc::readStringBlock(r.data);
    for (int i = 0; i < 16; ++i) {
        if (!strings[i].empty())
            table[(block - 1) * 16 + i] = strings[i];
    }
}

bool skipped(const rc::Resource& r) {
    return r.type == u"TYPELIB" || r.type == u"REGISTRY";
}

Tables readTables(std::span<const std::uint8_t> bytes) {
    Tables tables;
    for (const rc::Resource& r : rc::readResFile(bytes)) {
        try {
            if (r.type == rc::kDialogType) {
                addDialog(tables, r);
            } else if (r.type == rc::kStringType) {
                addStrings(tables, r);
            } else if (r.type == rc::kBitmapType) {
                rc::readBitmap(r.data);
            } else if (!skipped(r)) {
                throw rc::ResourceError("resource type " + r.type.display() +
                                        " has no place in the headless tables");
            }
        } catch (const rc::ResourceError& e) {
            char at[24];
            std::snprintf(at, sizeof at, "0x%zX", r.offset);
            throw rc::ResourceError("resource " + r.name.display() + " of type " +
                                    r.type.display() + " (entry at " + at + "): " + e.what());
        }
    }
    if (!tables.strings.empty() && tables.strings.count(kDefaultCodePage) == 0)
        throw rc::ResourceError("string tables exist but none for the default language");
    return tables;
}

// ---------------------------------------------------------------------------------------------
// Output

bool isHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A C++ literal: printable ASCII as itself, the rest as \x escapes of the given width (a
// literal is split after an escape followed by a hexadecimal digit).
template <class Units>
std::string literal(const Units& units, const char* prefix, int width) {
    std::string out = std::string(prefix) + "\"";
    bool afterHex = false;
    for (auto unit : units) {
        auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<decltype(unit)>>(unit));
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            if (afterHex && isHexDigit(c))
                out += "\" " + std::string(prefix) + "\"";
            out += static_cast<char>(c);
            afterHex = false;
        } else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "\\x%0*X", width, static_cast<unsigned>(c));
            out += buf;
            afterHex = true;
        }
    }
    return out + "\"";
}

std::string narrow(std::u16string_view s) {
    return literal(utf8(s), "", 2);
}

std::string hex32(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

const char* kindName(ui::ControlKind kind) {
    static constexpr const char* kNames[] = {"Edit",  "Static", "Link",    "Button", "CheckBox",
                                             "Radio", "Combo",  "ListBox", "Group",  "Custom"};
    return kNames[static_cast<int>(kind)];
}

std::string generate(const Tables& tables, const std::string& source) {
    std::ostringstream o;
    o << "// Generated by restables from " << fs::path(source).filename().string()
      << ". Do not edit.\n"
      << "#include \"platform/ui/dialog_template.h\"\n\n"
      << "namespace ui {\nnamespace {\n\n";
    for (const Dialog& d : tables.dialogs) {
        if (d.form.items.empty())
            continue;
        o << "constexpr ControlTemplate kControls" << d.id << "[] = {\n";
        for (const rc::DialogItem& c : d.form.items) {
            ui::ControlKind kind = rc::controlKind(c);
            o << "    {" << c.id << ", ControlKind::" << kindName(kind) << ", "
              << narrow(c.title.name) << ", " << c.x << ", " << c.y << ", " << c.width << ", "
              << c.height << ", " << hex32(c.style) << ", " << hex32(c.exStyle) << ", "
              << narrow(kind == ui::ControlKind::Custom ? c.windowClass.name : u"") << "},\n";
        }
        o << "};\n\n";
    }
    if (!tables.dialogs.empty()) {
        o << "constexpr DialogTemplate kDialogs[] = {\n";
        for (const Dialog& d : tables.dialogs) {
            o << "    {" << d.id << ", " << narrow(d.form.title) << ", " << d.form.width << ", "
              << d.form.height << ", " << narrow(d.form.fontFace) << ", " << d.form.fontSize
              << ", ";
            if (d.form.items.empty()) {
                o << "{}},\n";
            } else {
                o << "kControls" << d.id << "},\n";
            }
        }
        o << "};\n\n";
    }
    for (const auto& [codePage, table] : tables.strings) {
        o << "constexpr StringResource kStrings" << codePage << "[] = {\n";
        for (const auto& [id, text] : table)
            o << "    {" << id << ", " << literal(text, "u", 4) << "},\n";
        o << "};\n\n";
    }
    o << "}  // namespace\n\n"
      << "const DialogTemplate* findTemplate(DialogId id) {\n";
    if (tables.dialogs.empty()) {
        o << "    (void)id;\n";
    } else {
        o << "    for (const DialogTemplate& d : kDialogs) {\n"
          << "        if (d.id == id) return &d;\n"
          << "    }\n";
    }
    o << "    return nullptr;\n"
      << "}\n\n"
      << "std::span<const StringResource> stringTable(unsigned codePage) {\n";
    for (const auto& [codePage, table] : tables.strings) {
        if (codePage != kDefaultCodePage)
            o << "    if (codePage == " << codePage << ") return kStrings" << codePage << ";\n";
    }
    o << "    (void)codePage;\n";
    if (tables.strings.count(kDefaultCodePage) != 0) {
        o << "    return kStrings" << kDefaultCodePage << ";\n";
    } else {
        o << "    return {};\n";
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
        std::cerr << "usage: restables RESOURCES.res OUTPUT.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": error: cannot read the file\n";
        return 1;
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    std::string output;
    try {
        output = generate(readTables(bytes), argv[1]);
    } catch (const rc::ResourceError& e) {
        std::cerr << argv[1] << ": error: " << e.what() << "\n";
        return 1;
    }
    if (!writeIfChanged(argv[2], output)) {
        std::cerr << argv[2] << ": error: cannot write the output\n";
        return 1;
    }
    return 0;
}
