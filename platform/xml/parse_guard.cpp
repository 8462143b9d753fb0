#include "platform/xml/parse_guard.h"

#include <libxml/xmlIO.h>

#include <atomic>
#include <climits>
#include <mutex>

namespace xml::guard {
namespace {

// How the start-element callback hands over an ampersand of an attribute value.
constexpr std::string_view kEscapedAmpersand = "&#38;";

thread_local int tActiveScopes = 0;
std::atomic<xmlExternalEntityLoader> gPreviousLoader{nullptr};

xmlParserInputPtr refusingLoader(const char* url, const char* id, xmlParserCtxtPtr ctxt) {
    const xmlExternalEntityLoader previous = gPreviousLoader.load();
    if (tActiveScopes > 0 || previous == nullptr) {
        return nullptr;
    }
    return previous(url, id, ctxt);
}

void silentGeneric(void*, const char*, ...) {}

// The loader is process-wide in libxml2; it is installed once and refuses only while a scope
// is active on the asking thread.
void installOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        gPreviousLoader.store(xmlGetExternalEntityLoader());
        xmlSetExternalEntityLoader(refusingLoader);
    });
}

}  // namespace

bool sizeAllowed(std::string_view utf8, std::size_t maxBytes) {
    return utf8.size() <= maxBytes && utf8.size() <= static_cast<std::size_t>(INT_MAX);
}

void silentError(void*, xmlErrorPtr) {}

std::string_view attributeValue(const xmlChar* begin, const xmlChar* end) {
    if (begin == nullptr || end == nullptr || end < begin) {
        return {};
    }
    return {reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin)};
}

std::string decodeAttributeValue(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        if (raw.substr(i).starts_with(kEscapedAmpersand)) {
            value += '&';
            i += kEscapedAmpersand.size();
        } else {
            value += raw[i++];
        }
    }
    return value;
}

bool attributeHasUnknownEntity(std::string_view raw) {
    for (std::size_t at = raw.find('&'); at != std::string_view::npos; at = raw.find('&', at + 1)) {
        if (!raw.substr(at).starts_with(kEscapedAmpersand)) {
            return true;
        }
    }
    return false;
}

bool attributesKnown(int count, const xmlChar** attributes) {
    for (int i = 0; i < count; ++i) {
        const xmlChar** attribute = attributes + 5 * i;  // local, prefix, URI, value, end
        if (attributeHasUnknownEntity(attributeValue(attribute[3], attribute[4]))) {
            return false;
        }
    }
    return true;
}

ParseScope::ParseScope() {
    installOnce();
    savedGeneric_ = xmlGenericError;
    savedGenericContext_ = xmlGenericErrorContext;
    ++tActiveScopes;
    xmlSetGenericErrorFunc(nullptr, silentGeneric);
}

ParseScope::~ParseScope() {
    xmlSetGenericErrorFunc(savedGenericContext_, savedGeneric_);
    --tActiveScopes;
}

}  // namespace xml::guard
