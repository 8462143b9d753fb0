#include "framework/response.h"

#include <optional>
#include <utility>

#include "platform/text/codepage.h"
#include "platform/ui/dialog.h"
#include "platform/ui/string_table.h"
#include "platform/xml/growing_document.h"
#include "platform/xml/xml_document.h"
#include "resources/resource.h"

namespace framework {
namespace {

constexpr int kMarkerResource = IDS_CONTINUATION_MARK;
constexpr const char* kRootName = "VELMORA";
constexpr const char* kLineName = "LINE";
constexpr const char* kTextName = "TEXT";
// The largest accumulated response we produce: it must stay readable by the next merge and
// by its consumer.
constexpr std::size_t kMaxResponseBytes = 8u << 20;

// The continuation marker as UTF-8, the form the screens are compared in.
std::string continuationMarker() {
    const std::string marker = ui::loadString(kMarkerResource);
    return text::fromUtf16(text::fromAnsi(marker), text::kUtf8);
}

// The parsed form of the accumulated response this thread last produced, so that a long
// answer is neither parsed nor written whole again for every screen. It serves only a caller
// whose text is exactly the text it holds.
thread_local std::optional<xml::GrowingDocument> tLastResponse;

std::optional<xml::GrowingDocument> parsedResponse(const std::string& accumulated) {
    std::optional<xml::GrowingDocument> parsed;
    if (tLastResponse && tLastResponse->text() == accumulated) {
        parsed = std::move(tLastResponse);
    } else {
        parsed = xml::GrowingDocument::parse(accumulated, kRootName, kMaxResponseBytes);
    }
    tLastResponse.reset();
    return parsed;
}

}  // namespace

std::string ResponseTextToUtf8(std::u16string_view automationText) {
    return text::fromUtf16(automationText, text::kUtf8);
}

bool IsContinued(std::string_view screenUtf8) {
    const std::string marker = continuationMarker();
    if (marker.empty()) {
        return false;
    }
    const std::optional<xml::Document> screen = xml::Document::parse(screenUtf8);
    if (!screen) {
        return false;
    }
    const std::vector<xml::Element> texts = screen->elementsByName(kTextName);
    if (texts.empty()) {
        return false;
    }
    const std::string last = texts.back().text();
    // A line made of the marker alone, or beginning with it, does not announce a next screen.
    return last.ends_with(marker) && !last.starts_with(marker);
}

void MergeResponse(std::string& accumulated, std::string_view screenUtf8) {
    if (accumulated.empty()) {
        accumulated = screenUtf8;
        return;
    }
    const std::optional<xml::Document> screen = xml::Document::parse(screenUtf8, kMaxResponseBytes);
    if (!screen) {
        return;
    }
    std::optional<xml::GrowingDocument> whole = parsedResponse(accumulated);
    if (!whole) {
        return;
    }
    const bool merged = whole->appendCopies(screen->elementsByName(kLineName));
    if (merged) {
        accumulated = whole->text();
    }
    tLastResponse = std::move(whole);
}

bool AddResponsePage(ui::Dialog& maskWindow, std::string& accumulated,
                     std::string_view screenUtf8) {
    const bool continued = IsContinued(screenUtf8);
    if (continued) {
        maskWindow.post(kResponseContinuedMessage);
    }
    MergeResponse(accumulated, screenUtf8);
    return continued;
}

}  // namespace framework
