#include "framework/query_string.h"

#include <algorithm>
#include <array>
#include <climits>

#include "platform/debug/debug_output.h"

namespace framework {
namespace {

CParseField makeItem(std::string_view token) {
    std::size_t equals = token.find('=');
    if (equals == std::string_view::npos) {
        return CParseField(std::string(QueryString::kInvalidKey), std::string(token));
    }
    return CParseField(std::string(token.substr(0, equals)), std::string(token.substr(equals + 1)));
}

std::string bracketed(std::string_view label, std::string_view text) {
    std::string line;
    line.reserve(label.size() + text.size() + 3);
    line.append(label).append(" [").append(text).append("]");
    return line;
}

}  // namespace

QueryString::QueryString(const char* text, const char* separators)
    : text_(text != nullptr ? text : ""), hasText_(text != nullptr) {
    parse(separators != nullptr ? std::string_view(separators) : std::string_view());
}

QueryString::QueryString(std::string_view text, std::string_view separators)
    : text_(text), hasText_(true) {
    parse(separators);
}

QueryString::~QueryString() {
    if (!debug::enabled()) {
        return;
    }
    debug::output("Delete " + bracketed("QueryString", text_));
    for (const CParseField& item : items_) {
        debug::output("Delete " + bracketed("CParseField::~CParseField", ""));
        debug::output("Delete " + bracketed("Key", item.key()));
        debug::output("Delete " + bracketed("Value", item.value()));
    }
}

void QueryString::parse(std::string_view separators) {
    items_.clear();
    if (!hasText_) {
        return;
    }
    std::array<bool, 256> isSeparator{};
    for (char c : separators) {
        isSeparator[static_cast<unsigned char>(c)] = true;
    }
    std::string_view text = text_;
    auto separatorCount = std::count_if(text.begin(), text.end(), [&isSeparator](char c) {
        return isSeparator[static_cast<unsigned char>(c)];
    });
    items_.reserve(static_cast<std::size_t>(separatorCount) + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isSeparator[static_cast<unsigned char>(text[i])]) {
            items_.push_back(makeItem(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    items_.push_back(makeItem(text.substr(start)));
}

int QueryString::count() const {
    return static_cast<int>(std::min<std::size_t>(items_.size(), INT_MAX));
}

FieldLookup QueryString::lookup(std::string_view key) const {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [key](const CParseField& item) { return item.key() == key; });
    if (found == items_.end()) {
        return {};
    }
    return {true, found->value()};
}

void QueryString::dump() const {
    if (!debug::enabled()) {
        return;
    }
    for (const CParseField& item : items_) {
        debug::output("Key is [" + item.key() + "], value is [" + item.value() + "]");
    }
}

}  // namespace framework
