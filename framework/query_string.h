// Field strings: flat lists of key=value items joined by a separator ("&"), the form of the
// start-up data the host leaves for a mask.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// One item of a field string.
class CParseField {
  public:
    CParseField(std::string key, std::string value)
        : key_(std::move(key)), value_(std::move(value)) {}

    const std::string& key() const { return key_; }
    const std::string& value() const { return value_; }

  private:
    std::string key_;
    std::string value_;
};

struct FieldLookup {
    bool found = false;
    std::string value;  // "" when not found
};

// Parses a field string at construction, byte by byte. Every separator byte ends an item, so
// n separators give n + 1 items; an empty piece is an item too. An item's key is the text
// before its first "=", its value the rest (further "=" included); a piece without "=" gives
// the key "InvalidKey" with the whole piece as value. Nothing is trimmed.
class QueryString {
  public:
    static constexpr std::string_view kInvalidKey = "InvalidKey";

    // A null text leaves the object empty (no items); a null separator set has no separators.
    QueryString(const char* text, const char* separators);
    QueryString(std::string_view text, std::string_view separators);
    // Writes the deletion lines of the object and its items to the debug channel.
    ~QueryString();

    QueryString(const QueryString&) = delete;
    QueryString& operator=(const QueryString&) = delete;

    int count() const;
    std::span<const CParseField> items() const { return items_; }
    const std::string& text() const { return text_; }

    // The value of the first item whose key equals key byte for byte (case-sensitive); a
    // later item with the same key is never reached.
    FieldLookup lookup(std::string_view key) const;

    // Writes "Key is [key], value is [value]" per item to the debug channel.
    void dump() const;

  private:
    void parse(std::string_view separators);

    std::string text_;
    bool hasText_ = false;
    std::vector<CParseField> items_;
};

}  // namespace framework
