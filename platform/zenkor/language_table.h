// The strings of one language, read from language tables.
//
// A table is UTF-8 text, one string per line as KEY=text. Blank lines and lines whose first
// non-blank character is "#" are skipped; a UTF-8 byte order mark at the start is skipped. The
// key (letters, digits, "_", "-" and ".", at most kMaxKeyBytes) and the text lose the blanks
// around them; in the text "\n" stands for a line break, "\t" for a tab, "\s" for a blank (for
// blanks at either end) and "\\" for a backslash; any other backslash stays as it is. Lines with
// no "=", with a key that breaks these rules or longer than kMaxLineBytes are skipped. A later
// line for a key, in the same table or in a table merged later, replaces the earlier one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zenkor {

class LanguageTable {
  public:
    static constexpr std::size_t kMaxKeyBytes = 128;
    static constexpr std::size_t kMaxLineBytes = 64 * 1024;

    // Adds the strings of a table's text, replacing those of the same keys.
    void merge(std::string_view tableText);

    // The UTF-8 string of key, or nullopt. The view lasts until the next merge().
    std::optional<std::string_view> find(std::string_view key) const;
    std::size_t size() const { return strings_.size(); }

    // The text of a line after "=", as it reads (blanks trimmed, escapes replaced).
    static std::string unescape(std::string_view raw);

  private:
    std::unordered_map<std::string, std::string> strings_;
};

}  // namespace zenkor
