#include "platform/zenkor/ini_file.h"

#include <algorithm>
#include <unordered_set>

#include "platform/text/ascii_case.h"
#include "platform/text/trim.h"

namespace zenkor {
namespace {

// The blanks that the reader drops around names and values.
constexpr std::string_view kBlanks = " \t\v\f\x1a";
bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}
bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) {
    return text::trim(s, kBlanks);
}

// One line of text from pos: [begin, end) without its line break, which ends at next.
struct TextLine {
    std::size_t begin, end, next;
};
TextLine lineAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && !isLineBreak(text[end]))
        ++end;
    std::size_t next = end;
    if (next < text.size()) {
        next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
    }
    return {pos, end, next};
}

// The name of a section header line (its first non-blank character is "[").
std::string_view sectionNameOf(std::string_view line) {
    line = trim(line);
    line.remove_prefix(1);
    std::size_t close = line.find(']');
    return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// The first section header line at or after pos (a line whose first non-blank character is
// "["), found by looking only at the "[" characters of the text and the blanks before them.
std::optional<TextLine> nextHeader(std::string_view text, std::size_t pos) {
    for (; (pos = text.find('[', pos)) != std::string_view::npos; ++pos) {
        std::size_t begin = pos;
        while (begin > 0 && isBlank(text[begin - 1]))
            --begin;
        if (begin == 0 || isLineBreak(text[begin - 1]))
            return lineAt(text, begin);
    }
    return std::nullopt;
}

std::string_view headerName(std::string_view text, const TextLine& header) {
    return sectionNameOf(text.substr(header.begin, header.end - header.begin));
}

std::string_view detectLineEnd(std::string_view text) {
    std::size_t brk = text.find_first_of("\r\n");
    if (brk == std::string_view::npos) {
#if defined(_WIN32)
        return "\r\n";
#else
        return "\n";
#endif
    }
    // A file of lone CRs gets LF: a CR written before an LF of the file would join two breaks.
    return text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? "\r\n" : "\n";
}

bool hasAny(std::string_view name, std::string_view chars) {
    return name.find_first_of(chars) != std::string_view::npos;
}

}  // namespace

std::size_t IniFile::NameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(text::asciiLower(c))) * 1099511628211ull;
    return hash;
}

bool IniFile::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return text::equalsIgnoringAsciiCase(a, b);
}

IniFile::IniFile(std::string text) : text_(std::make_unique<const std::string>(std::move(text))) {
    eol_ = detectLineEnd(*text_);
}

std::string_view IniFile::readValue(std::string_view raw) {
    raw = trim(raw);
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
        raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return raw;
}

std::string_view IniFile::storedValue(std::string_view value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

std::string IniFile::writtenValue(std::string_view value) {
    value = storedValue(value);
    bool quote = !value.empty() && (readValue(value) != value || hasAny(value, ";="));
    if (!quote)
        return std::string(value);
    std::string result;
    result.reserve(value.size() + 2);
    result += '"';
    result += value;
    result += '"';
    return result;
}

bool IniFile::isValidSectionName(std::string_view name) {
    return !name.empty() && trim(name) == name && !hasAny(name, std::string_view("]\r\n\0", 4));
}

bool IniFile::isValidKeyName(std::string_view name) {
    return !name.empty() && trim(name) == name && name.front() != '[' && name.front() != ';' &&
           !hasAny(name, std::string_view("=\r\n\0", 4));
}

std::size_t IniFile::findSection(std::string_view name) const {
    if (auto found = sectionIndex_.find(name); found != sectionIndex_.end())
        return found->second;
    const std::string_view all(*text_);
    for (auto header = nextHeader(all, 0); header; header = nextHeader(all, header->next)) {
        const std::string_view headerText = headerName(all, *header);
        if (!NameEqual()(headerText, name))
            continue;
        const auto following = nextHeader(all, header->next);
        sections_.push_back({header->begin,
                             header->end,
                             header->next,
                             following ? following->begin : all.size(),
                             {},
                             nullptr});
        sectionIndex_.emplace(headerText, sections_.size() - 1);
        return sections_.size() - 1;
    }
    sectionIndex_.emplace(absentNames_.emplace_back(name), kNone);
    return kNone;
}

IniFile::Keys& IniFile::keysOf(const Section& section) const {
    if (section.keys)
        return *section.keys;
    auto keys = std::make_unique<Keys>();
    const std::string_view all(*text_);
    for (std::size_t pos = section.bodyBegin; pos < section.bodyEnd;) {
        TextLine line = lineAt(all, pos);
        std::string_view content = trim(all.substr(line.begin, line.end - line.begin));
        std::size_t eq = content.find('=');
        if (!content.empty() && content.front() != ';' && eq != std::string_view::npos) {
            std::string_view name = trim(content.substr(0, eq));
            keys->lines.push_back({line.begin, line.end, line.next, name});
            if (!name.empty())
                keys->index.emplace(name, keys->lines.size() - 1);
        }
        pos = line.next;
    }
    section.keys = std::move(keys);
    return *section.keys;
}

std::string_view IniFile::valueOf(const Keys& keys, std::size_t position) const {
    if (position >= keys.lines.size())
        return readValue(keys.added[position - keys.lines.size()].written);
    const KeyLine& line = keys.lines[position];
    if (line.changed)
        return readValue(line.written);
    std::string_view content = std::string_view(*text_).substr(line.begin, line.end - line.begin);
    return readValue(content.substr(content.find('=') + 1));
}

std::optional<std::string_view> IniFile::find(std::string_view section,
                                              std::string_view key) const {
    std::size_t s = findSection(section);
    if (s == kNone)
        return std::nullopt;
    const Keys& keys = keysOf(sections_[s]);
    auto found = keys.index.find(key);
    if (found == keys.index.end())
        return std::nullopt;
    return valueOf(keys, found->second);
}

bool IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!isValidSectionName(section) || !isValidKeyName(key))
        return false;
    std::size_t s = findSection(section);
    if (s == kNone) {
        sections_.push_back({kNone, kNone, 0, 0, std::string(section), std::make_unique<Keys>()});
        s = sections_.size() - 1;
        sectionIndex_[sections_.back().newName] = s;
    }
    Keys& keys = keysOf(sections_[s]);
    auto found = keys.index.find(key);
    if (found != keys.index.end()) {
        if (valueOf(keys, found->second) == storedValue(value))
            return true;  // left as it is
        modified_ = true;
        if (found->second >= keys.lines.size()) {
            keys.added[found->second - keys.lines.size()].written = writtenValue(value);
        } else {
            KeyLine& line = keys.lines[found->second];
            line.changed = true;
            line.written = writtenValue(value);  // the line keeps the name as the file spells it
        }
        return true;
    }
    modified_ = true;
    keys.added.push_back({std::string(key), writtenValue(value)});
    keys.index.emplace(keys.added.back().name, keys.lines.size() + keys.added.size() - 1);
    return true;
}

void IniFile::appendAdded(std::string& out, const Keys& keys) const {
    for (const AddedKey& key : keys.added) {
        out.append(key.name).append("=").append(key.written).append(eol_);
    }
}

std::string IniFile::serialize() const {
    const std::string_view all(*text_);
    std::string out;
    out.reserve(all.size() + 256);
    // The sections of the text whose keys were gathered, in file order; the rest goes out with
    // the text around them.
    std::vector<const Section*> gathered;
    for (const Section& section : sections_) {
        if (section.headerBegin != kNone && section.keys)
            gathered.push_back(&section);
    }
    std::sort(gathered.begin(), gathered.end(),
              [](const Section* a, const Section* b) { return a->bodyBegin < b->bodyBegin; });
    std::size_t pos = 0;  // what comes before it is out already
    for (const Section* section : gathered) {
        const Keys& keys = *section->keys;
        out += all.substr(pos, section->bodyBegin - pos);
        pos = section->bodyBegin;
        // New keys follow the last key line, or the header when there is none.
        bool lastHasBreak = section->headerEnd != section->bodyBegin;
        for (const KeyLine& line : keys.lines) {
            out += all.substr(pos, line.begin - pos);
            if (line.changed) {
                out.append(line.name).append("=").append(line.written);
            } else {
                out += all.substr(line.begin, line.end - line.begin);
            }
            out += all.substr(line.end, line.next - line.end);
            pos = line.next;
            lastHasBreak = line.end != line.next;
        }
        if (!keys.added.empty()) {
            if (!lastHasBreak)
                out += eol_;
            appendAdded(out, keys);
        }
    }
    out += all.substr(pos);
    for (const Section& section : sections_) {
        if (section.headerBegin != kNone)
            continue;
        if (!out.empty()) {
            if (!isLineBreak(out.back()))
                out += eol_;
            out += eol_;  // a blank line before the new section
        }
        out.append("[").append(section.newName).append("]").append(eol_);
        appendAdded(out, *section.keys);
    }
    return out;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string_view, NameHash, NameEqual> seen;
    const std::string_view all(*text_);
    for (auto header = nextHeader(all, 0); header; header = nextHeader(all, header->next)) {
        const std::string_view name = headerName(all, *header);
        if (seen.insert(name).second)
            names.emplace_back(name);
    }
    for (const Section& section : sections_) {
        if (section.headerBegin == kNone)
            names.push_back(section.newName);
    }
    return names;
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> result;
    std::size_t s = findSection(section);
    if (s == kNone)
        return result;
    const Keys& keys = keysOf(sections_[s]);
    auto take = [&](std::string_view name, std::size_t position) {
        if (name.empty() || keys.index.at(name) != position)
            return;  // not the first one
        result.emplace_back(std::string(name), std::string(valueOf(keys, position)));
    };
    for (std::size_t i = 0; i < keys.lines.size(); ++i)
        take(keys.lines[i].name, i);
    for (std::size_t i = 0; i < keys.added.size(); ++i) {
        take(keys.added[i].name, keys.lines.size() + i);
    }
    return result;
}

}  // namespace zenkor
