// Validity date lines and answers from arbitrary bytes. The first byte chooses: even, the rest
// is one display line, read by the fixed-column reader and (when short) by the plain pattern,
// which must agree; odd, the rest is a whole answer, of which at most 19 rows are read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "masks/skyfolio/validity_lines.h"

namespace {

bool IsDate(const std::string& d) {
    static const std::regex date(R"(\d{2}[A-Z]{3}\d{2})");
    return d.empty() || std::regex_match(d, date);
}

void CheckRow(const masks::skyfolio::ValidityRow& row) {
    static const std::regex segment(R"(\d{1,2})");
    if (!std::regex_match(row.segment, segment) || !IsDate(row.minimum) || !IsDate(row.maximum))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 1) == 0) {
        const auto row = masks::skyfolio::ReadValidityLine(text);
        if (row)
            CheckRow(*row);
        // The plain pattern recurses per character: only short lines are compared with it.
        if (text.size() < 256) {
            static const std::regex line(
                R"(^(\d{1} {5}|\d{2} {4})(\d{2}[A-Z]{3}\d{2}| {7}) {2}(\d{2}[A-Z]{3}\d{2}| {7}) +$)");
            if (std::regex_match(std::string(text), line) != row.has_value())
                std::abort();
        }
        return 0;
    }
    const auto rows = masks::skyfolio::ReadValidityRows(text, 19);
    if (rows.size() > 19)
        std::abort();
    for (const auto& row : rows)
        CheckRow(row);
    return 0;
}
