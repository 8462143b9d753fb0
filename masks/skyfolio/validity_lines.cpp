#include "masks/skyfolio/validity_lines.h"

#include <array>
#include <regex>

#include "platform/xml/xml_document.h"

namespace masks::skyfolio {
namespace {

// The fixed columns: a segment of 6, a date of 7, a gap of 2, a date of 7.
constexpr std::size_t kFixedColumns = 22;

const std::regex& LinePattern() {
    static const std::regex pattern(
        R"(^(\d{1} {5}|\d{2} {4})(\d{2}[A-Z]{3}\d{2}| {7}) {2}(\d{2}[A-Z]{3}\d{2}| {7}) +$)");
    return pattern;
}

std::string WithoutTrailingBlanks(std::string text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n\v\f");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

std::optional<ValidityRow> ReadValidityLine(std::string_view line) {
    // Past the fixed columns a matching line holds blanks only, at least one: that much is
    // checked here, so that the pattern only ever sees the fixed columns and one blank,
    // however long the line.
    if (line.size() <= kFixedColumns ||
        line.find_first_not_of(' ', kFixedColumns) != std::string_view::npos)
        return std::nullopt;
    const std::string head(line.substr(0, kFixedColumns + 1));
    std::smatch parts;
    if (!std::regex_match(head, parts, LinePattern()))
        return std::nullopt;
    return ValidityRow{WithoutTrailingBlanks(parts[1]), WithoutTrailingBlanks(parts[2]),
                       WithoutTrailingBlanks(parts[3])};
}

std::vector<ValidityRow> ReadValidityRows(std::string_view responseUtf8, std::size_t maxRows) {
    std::vector<ValidityRow> rows;
    const std::optional<xml::Document> doc = xml::Document::parse(responseUtf8);
    if (!doc)
        return rows;
    constexpr std::array<std::string_view, 3> kPath = {"VELMORA", "LINE", "TEXT"};
    for (const xml::Element& text : doc->elementsByPath(kPath)) {
        if (rows.size() >= maxRows)
            break;
        if (std::optional<ValidityRow> row = ReadValidityLine(text.text()))
            rows.push_back(std::move(*row));
    }
    return rows;
}

}  // namespace masks::skyfolio
