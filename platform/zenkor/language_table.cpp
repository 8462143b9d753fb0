#include "platform/zenkor/language_table.h"

#include "platform/text/plain_name.h"
#include "platform/text/trim.h"

namespace zenkor {
namespace {

// The blanks dropped around keys and texts.
constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
    return text::trim(s, kBlanks);
}

bool isValidKey(std::string_view key) {
    return text::isPlainName(key, LanguageTable::kMaxKeyBytes, "_-.");
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
