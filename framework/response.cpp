#include "framework/response.h"

#include <optional>
#include <utility>

#include "platform/text/codepage.h"
#include "platform/ui/dialog.h"
#include "platform/ui/string_table.h"
#include "platform/xml/xml_document.h"
#include "resources/resource.h"

namespace framework {
namespace {

constexpr int kMarkerResource = IDS_CONTINUATION_MARK;
constexpr std::string_view kRootName = "VELMORA";
constexpr std::string_view kLineName = "LINE";
constexpr std::string_view kTextName = "TEXT";
// What one screen, and the whole response, may hold.
constexpr xml::Limits kLimits{};

// The continuation marker as UTF-8, the form the screens are compared in.
std::string continuationMarker() {
    const std::string marker = ui::loadString(kMarkerResource);
    return text::fromUtf16(text::fromAnsi(marker), text::kUtf8);
}

std::optional<xml::Document> readScreen(std::string_view screenUtf8) {
    return xml::Document::parse(screenUtf8, kLimits);
}

bool continuedIn(const std::optional<xml::Document>& screen) {
    const std::string marker = continuationMarker();
    if (!screen || marker.empty())
        return false;
    const std::vector<xml::Element> texts = screen->elementsByName(kTextName);
    if (texts.empty())
        return false;
    const std::string last = texts.back().text();
    // A line made of the marker alone, or beginning with it, does not announce a next screen.
    return last.ends_with(marker) && !last.starts_with(marker);
}

}  // namespace

class ResponseMerge {
  public:
    static void merge(AccumulatedResponse& accumulated, std::string_view screenUtf8,
                      const std::optional<xml::Document>& screen) {
        if (accumulated.empty()) {
            accumulated = AccumulatedResponse();
            accumulated.text_ = screenUtf8;
            return;
        }
        if (!screen)
            return;
        // A response still as it was received is read once, written as a document open at
        // the end of its first VELMORA element; it replaces the received text only when the
        // lines have joined it.
        std::optional<AccumulatedResponse> opened;
        if (accumulated.linesEnd_ == std::string::npos) {
            opened = open(accumulated.text());
            if (!opened)
                return;
        }
        AccumulatedResponse& target = opened ? *opened : accumulated;
        // Each line is checked as it is written, so that lines nested in lines stop being
        // copied as soon as they pass the limits.
        xml::Markup markup = target.markup_;
        xml::ElementWriter lines(kLimits.maxBytes - markup.bytes);
        for (const xml::Element& line : screen->elementsByName(kLineName)) {
            if (target.anchorDepth_ + line.height() > xml::kMaxDepth)
                return;  // it could not be read back
            const std::size_t from = lines.text().size();
            if (!lines.write(line))
                return;
            markup += xml::measure(std::string_view(lines.text()).substr(from));
            if (!markup.within(kLimits))
                return;
        }
        target.text_.insert(target.linesEnd_, lines.text());
        target.linesEnd_ += lines.text().size();
        target.markup_ = markup;
        if (opened)
            accumulated = std::move(*opened);
    }

  private:
    static std::optional<AccumulatedResponse> open(const std::string& received) {
        std::optional<xml::Document> document = xml::Document::parse(received, kLimits);
        if (!document)
            return std::nullopt;
        const std::vector<xml::Element> anchors = document->elementsByName(kRootName);
        if (anchors.empty())
            return std::nullopt;
        std::optional<xml::Document::OpenText> written = document->serializeOpenAt(anchors[0]);
        if (!written)
            return std::nullopt;
        AccumulatedResponse opened;
        opened.text_ = std::move(written->text);
        opened.linesEnd_ = written->end;
        opened.anchorDepth_ = anchors[0].depth();
        opened.markup_ = xml::measure(opened.text_);
        if (!opened.markup_.within(kLimits))
            return std::nullopt;
        return opened;
    }
};

std::string ResponseTextToUtf8(std::u16string_view automationText) {
    return text::fromUtf16(automationText, text::kUtf8);
}

bool IsContinued(std::string_view screenUtf8) {
    return continuedIn(readScreen(screenUtf8));
}

void MergeResponse(AccumulatedResponse& accumulated, std::string_view screenUtf8) {
    ResponseMerge::merge(accumulated, screenUtf8,
                         accumulated.empty() ? std::nullopt : readScreen(screenUtf8));
}

bool AddResponsePage(ui::Dialog& maskWindow, AccumulatedResponse& accumulated,
                     std::string_view screenUtf8) {
    const std::optional<xml::Document> screen = readScreen(screenUtf8);
    const bool continued = continuedIn(screen);
    if (continued)
        maskWindow.post(kResponseContinuedMessage);
    ResponseMerge::merge(accumulated, screenUtf8, screen);
    return continued;
}

}  // namespace framework
