// Two host screens from one input (split at the first NUL byte, else in the middle): reading
// continuation and joining them must never crash, and a joined text must read back with the
// lines of both screens, the same whichever way the join was made.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/response.h"
#include "platform/xml/xml_document.h"

namespace {

std::vector<std::string> texts(const xml::Document& doc, const char* name) {
    std::vector<std::string> out;
    for (const xml::Element& e : doc.elementsByName(name)) {
        out.push_back(e.text());
    }
    return out;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.find('\0');
    const std::size_t skip = split == std::string_view::npos ? 0 : 1;
    if (split == std::string_view::npos) {
        split = size / 2;
    }
    const std::string_view first = input.substr(0, split);
    const std::string_view second = input.substr(split + skip);

    framework::IsContinued(first);
    framework::IsContinued(second);

    std::string accumulated;
    framework::MergeResponse(accumulated, first);
    check(accumulated == first);

    const std::string before = accumulated;
    framework::MergeResponse(accumulated, second);
    if (before.empty()) {
        check(accumulated == second);  // an empty response takes the screen as it is
        return 0;
    }
    if (accumulated == before) {
        return 0;
    }
    const auto merged = xml::Document::parse(accumulated);
    check(merged.has_value());
    const auto old = xml::Document::parse(before);
    check(old.has_value());
    check(texts(*merged, "LINE").size() >= texts(*old, "LINE").size());

    // The join made on the text just produced (kept parsed) must equal the join made from
    // scratch on the same content (a trailing newline makes the text differ).
    std::string kept = accumulated;
    std::string fresh = accumulated + "\n";
    framework::MergeResponse(kept, second);
    framework::MergeResponse(fresh, second);
    const auto keptDoc = xml::Document::parse(kept);
    const auto freshDoc = xml::Document::parse(fresh);
    check(keptDoc.has_value() == freshDoc.has_value());
    if (keptDoc) {
        check(texts(*keptDoc, "LINE") == texts(*freshDoc, "LINE"));
        check(texts(*keptDoc, "TEXT") == texts(*freshDoc, "TEXT"));
    }
    return 0;
}
