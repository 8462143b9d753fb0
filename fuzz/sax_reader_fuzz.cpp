// Untrusted XML through both readers: neither may crash, they must agree on what is readable,
// and a document written out must read back as the same document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/xml/sax_reader.h"
#include "platform/xml/xml_document.h"

namespace {

class Counting : public xml::SaxHandler {
  public:
    std::size_t events = 0;
    void startElement(std::string_view, const Attributes& attributes) override {
        events += 1 + attributes.size();
    }
    void endElement(std::string_view) override { ++events; }
    void characters(std::string_view) override { ++events; }
};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Counting handler;
    const bool saxRead = xml::parseSax(input, handler);
    const auto doc = xml::Document::parse(input);
    check(saxRead == doc.has_value());
    if (doc) {
        const std::string written = doc->serialize();
        const auto again = xml::Document::parse(written);
        check(again.has_value());
        check(again->serialize() == written);
    }
    return 0;
}
