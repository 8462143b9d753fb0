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

    framework::AccumulatedResponse accumulated;
    framework::MergeResponse(accumulated, first);
    check(accumulated.text() == first);

    const std::string before = accumulated.text();
    framework::MergeResponse(accumulated, second);
    if (before.empty()) {
        check(accumulated.text() == second);  // an empty response takes the screen as it is
        return 0;
    }
    if (accumulated.text() == before) {
        return 0;
    }
    const auto merged = xml::Document::parse(accumulated.text());
    check(merged.has_value());
    const auto old = xml::Document::parse(before);
    check(old.has_value());
    check(texts(*merged, "LINE").size() >= texts(*old, "LINE").size());

    // A join on the response as it was joined (kept open) must equal a join on the same text
    // received afresh.
    framework::AccumulatedResponse fresh;
    framework::MergeResponse(fresh, accumulated.text());
    framework::MergeResponse(accumulated, second);
    framework::MergeResponse(fresh, second);
    const auto keptDoc = xml::Document::parse(accumulated.text());
    const auto freshDoc = xml::Document::parse(fresh.text());
    check(keptDoc.has_value() && freshDoc.has_value());
    check(texts(*keptDoc, "LINE") == texts(*freshDoc, "LINE"));
    check(texts(*keptDoc, "TEXT") == texts(*freshDoc, "TEXT"));
    return 0;
}
