#include "platform/zenkor/language_table.h"

namespace zenkor {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isValidKey(std::string_view key) {
    if (key.empty() || key.size() > LanguageTable::kMaxKeyBytes)
        return false;
    for (char c : key) {
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '-' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace

std::string LanguageTable::unescape(std::string_view raw) {
    raw = trim(raw);
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c != '\\' || i + 1 == raw.size()) {
            text += c;
            continue;
        }
        switch (raw[i + 1]) {
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 's':
                text += ' ';
                break;
            case '\\':
                text += '\\';
                break;
            default:
                text += c;
                continue;  // not an escape: the backslash stays
        }
        ++i;
    }
    return text;
}

void LanguageTable::merge(std::string_view tableText) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (tableText.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        tableText.remove_prefix(kByteOrderMark.size());
    }
    while (!tableText.empty()) {
        std::size_t end = tableText.find_first_of("\r\n");
        std::string_view line = tableText.substr(0, end);
        tableText.remove_prefix(end == std::string_view::npos ? tableText.size() : end + 1);
        if (line.size() > kMaxLineBytes)
            continue;
        line = trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        std::string_view key = trim(line.substr(0, eq));
        if (!isValidKey(key))
            continue;
        strings_.insert_or_assign(std::string(key), unescape(line.substr(eq + 1)));
    }
}

std::optional<std::string_view> LanguageTable::find(std::string_view key) const {
    auto found = strings_.find(std::string(key));
    if (found == strings_.end())
        return std::nullopt;
    return found->second;
}

}  // namespace zenkor
