// The SAX2 reader over MSXML (SAXXMLReader 6.0, else 3.0): events reach the handler as the
// text is read, so that those before a fault stand, as with the libxml2 reader. The text is
// checked for declarations and entities first, as Document::parse checks it. Namespace
// declarations are not reported as attributes.
#include "platform/xml/sax_reader.h"

#include <exception>
#include <string>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "platform/xml/msxml/msxml_document.h"
#include "platform/xml/msxml/safe_text.h"

namespace xml {
namespace {

// {88D96A0C-F192-11D4-A65F-0040963251E5}, {3124C396-FB13-4836-A6AD-1317F1713688}
constexpr CLSID kSaxReader60 = {
    0x88d96a0c, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kSaxReader30 = {
    0x3124c396, 0xfb13, 0x4836, {0xa6, 0xad, 0x13, 0x17, 0xf1, 0x71, 0x36, 0x88}};
// ISAXXMLReader {A4F96ED0-F829-476E-81C0-CDC7BD2A0802}
constexpr IID kSaxReader = {
    0xa4f96ed0, 0xf829, 0x476e, {0x81, 0xc0, 0xcd, 0xc7, 0xbd, 0x2a, 0x08, 0x02}};
// ISAXContentHandler {1545CDFA-9E4E-4497-A8A4-2BF7D0112C44}
constexpr IID kContentHandler = {
    0x1545cdfa, 0x9e4e, 0x4497, {0xa8, 0xa4, 0x2b, 0xf7, 0xd0, 0x11, 0x2c, 0x44}};

std::string utf8Of(const wchar_t* text, int length) {
    if (text == nullptr || length <= 0)
        return {};
    return text::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length)),
        text::kUtf8);
}

// Passes the reader's events on to a SaxHandler. It lives on the stack of parseSax, longer
// than the reader that holds it, so its references are not counted. An exception of the
// handler stops the parse and is kept to be thrown again once the reader is done.
class Events final : public ISAXContentHandler {
  public:
    explicit Events(SaxHandler& handler) : handler_(handler) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        *out = riid == IID_IUnknown || riid == kContentHandler ? this : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE putDocumentLocator(ISAXLocator*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE startDocument() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE endDocument() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE startPrefixMapping(const wchar_t*, int, const wchar_t*,
                                                 int) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE endPrefixMapping(const wchar_t*, int) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE startElement(const wchar_t*, int, const wchar_t*, int,
                                           const wchar_t* qName, int qNameLength,
                                           ISAXAttributes* attributes) override {
        return pass([&] {
            if (++depth_ > kMaxDepth)
                return false;
            std::vector<std::pair<std::string, std::string>> owned;
            int count = 0;
            if (attributes != nullptr)
                attributes->getLength(&count);
            for (int i = 0; i < count; ++i) {
                const wchar_t* name = nullptr;
                const wchar_t* value = nullptr;
                int nameLength = 0;
                int valueLength = 0;
                if (FAILED(attributes->getQName(i, &name, &nameLength)) ||
                    FAILED(attributes->getValue(i, &value, &valueLength))) {
                    continue;
                }
                std::string key = utf8Of(name, nameLength);
                if (key == "xmlns" || key.starts_with("xmlns:"))
                    continue;
                owned.emplace_back(std::move(key), utf8Of(value, valueLength));
            }
            SaxHandler::Attributes views;
            for (const auto& [key, value] : owned)
                views.emplace_back(key, value);
            handler_.startElement(utf8Of(qName, qNameLength), views);
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE endElement(const wchar_t*, int, const wchar_t*, int,
                                         const wchar_t* qName, int qNameLength) override {
        return pass([&] {
            --depth_;
            handler_.endElement(utf8Of(qName, qNameLength));
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE characters(const wchar_t* text, int length) override {
        return pass([&] {
            handler_.characters(utf8Of(text, length));
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE ignorableWhitespace(const wchar_t* text, int length) override {
        return characters(text, length);
    }
    HRESULT STDMETHODCALLTYPE processingInstruction(const wchar_t*, int, const wchar_t*,
                                                    int) override {
        return S_OK;
    }
    // An entity the reader did not expand: the text was checked to hold none.
    HRESULT STDMETHODCALLTYPE skippedEntity(const wchar_t*, int) override { return E_FAIL; }

    // Throws what the handler threw.
    void rethrow() const {
        if (thrown_)
            std::rethrow_exception(thrown_);
    }

  private:
    template <class Body>
    HRESULT pass(Body&& body) noexcept {
        if (thrown_)
            return E_FAIL;
        try {
            return body() ? S_OK : E_FAIL;
        } catch (...) {
            thrown_ = std::current_exception();
            return E_FAIL;
        }
    }

    SaxHandler& handler_;
    int depth_ = 0;
    std::exception_ptr thrown_;
};

com::Ptr<ISAXXMLReader> createReader() {
    com::Ptr<ISAXXMLReader> reader;
    for (const CLSID& clsid : {kSaxReader60, kSaxReader30}) {
        if (SUCCEEDED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kSaxReader,
                                         reinterpret_cast<void**>(reader.out())))) {
            break;
        }
    }
    if (reader) {
        // Nothing is fetched: the text was checked to declare and refer to nothing.
        reader->putFeature(L"external-general-entities", VARIANT_FALSE);
        reader->putFeature(L"external-parameter-entities", VARIANT_FALSE);
    }
    return reader;
}

}  // namespace

bool parseSax(std::string_view utf8, SaxHandler& handler, const Limits& limits) {
    if (!measure(utf8).within(limits) || !msxml::safeText(utf8, kMaxDepth))
        return false;
    // The masks live in the host's apartment; a thread of our own (a test) joins one here.
    static thread_local const HRESULT joined = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)joined;
    Events events(handler);
    HRESULT parsed = E_FAIL;
    {
        const com::Ptr<ISAXXMLReader> reader = createReader();
        if (!reader || FAILED(reader->putContentHandler(&events)))
            return false;
        com::Bstr source(text::toUtf16(utf8, text::kUtf8));
        VARIANT input;
        ::VariantInit(&input);
        input.vt = VT_BSTR;
        input.bstrVal = source.get();
        parsed = reader->parse(input);
        reader->putContentHandler(nullptr);
    }
    events.rethrow();
    return SUCCEEDED(parsed);
}

}  // namespace xml
