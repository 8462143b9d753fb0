#include "platform/xml/libxml2/parse_guard.h"

#include <libxml/SAX2.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>

#include <atomic>
#include <climits>
#include <mutex>

namespace xml::guard {
namespace {

// Never fetch, never substitute entities, never load or apply a DTD, never relax the
// parser's own limits; read the text as UTF-8 whatever its declaration says.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;

// How the start-element callback hands over an ampersand of an attribute value.
constexpr std::string_view kEscapedAmpersand = "&#38;";

struct ContextDeleter {
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};

// The state of one parse, reached through the context's _private.
struct State {
    startElementNsSAX2Func start = nullptr;
    endElementNsSAX2Func end = nullptr;
    void* readerState = nullptr;
    int depth = 0;
    bool refused = false;
};

State& stateOf(void* ctx) {
    return *static_cast<State*>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
}

// An attribute value that refers to an entity we do not know.
bool hasUnknownEntity(std::string_view raw) {
    for (std::size_t at = raw.find('&'); at != std::string_view::npos; at = raw.find('&', at + 1)) {
        if (!raw.substr(at).starts_with(kEscapedAmpersand))
            return true;
    }
    return false;
}

std::string_view rawValue(const xmlChar* begin, const xmlChar* end) {
    if (begin == nullptr || end == nullptr || end < begin)
        return {};
    return {reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin)};
}

void onStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri,
                    int nbNamespaces, const xmlChar** namespaces, int nbAttributes, int nbDefaulted,
                    const xmlChar** attributes) {
    State& state = stateOf(ctx);
    if (++state.depth > kMaxDepth) {
        refuse(ctx);
        return;
    }
    for (int i = 0; i < nbAttributes; ++i) {
        const xmlChar** attribute = attributes + 5 * i;  // local, prefix, URI, value, end
        if (hasUnknownEntity(rawValue(attribute[3], attribute[4]))) {
            refuse(ctx);
            return;
        }
    }
    if (state.start != nullptr) {
        state.start(ctx, localname, prefix, uri, nbNamespaces, namespaces, nbAttributes,
                    nbDefaulted, attributes);
    }
}

void onEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri) {
    State& state = stateOf(ctx);
    --state.depth;
    if (state.end != nullptr)
        state.end(ctx, localname, prefix, uri);
}

void onEntityDecl(void* ctx, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    refuse(ctx);
}
void onUnparsedEntityDecl(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    refuse(ctx);
}
void onNotationDecl(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    refuse(ctx);
}
void onElementDecl(void* ctx, const xmlChar*, int, xmlElementContentPtr) {
    refuse(ctx);
}
void onAttributeDecl(void* ctx, const xmlChar*, const xmlChar*, int, int, const xmlChar*,
                     xmlEnumerationPtr tree) {
    xmlFreeEnumeration(tree);  // the callback owns it
    refuse(ctx);
}
void onReference(void* ctx, const xmlChar*) {
    refuse(ctx);
}

void silentError(void*, xmlErrorPtr) {}
void silentGeneric(void*, const char*, ...) {}

thread_local int tActiveScopes = 0;
std::atomic<xmlExternalEntityLoader> gPreviousLoader{nullptr};

xmlParserInputPtr refusingLoader(const char* url, const char* id, xmlParserCtxtPtr ctxt) {
    const xmlExternalEntityLoader previous = gPreviousLoader.load();
    if (tActiveScopes > 0 || previous == nullptr)
        return nullptr;
    return previous(url, id, ctxt);
}

// While one lives on a thread, that thread's parses load no external entity and libxml2's
// generic error output goes nowhere. The loader is process-wide in libxml2: it is installed
// once and refuses only while a scope is active on the asking thread.
class ParseScope {
  public:
    ParseScope() {
        static std::once_flag once;
        std::call_once(once, [] {
            xmlInitParser();
            gPreviousLoader.store(xmlGetExternalEntityLoader());
            xmlSetExternalEntityLoader(refusingLoader);
        });
        savedGeneric_ = xmlGenericError;
        savedGenericContext_ = xmlGenericErrorContext;
        ++tActiveScopes;
        xmlSetGenericErrorFunc(nullptr, silentGeneric);
    }
    ParseScope(const ParseScope&) = delete;
    ParseScope& operator=(const ParseScope&) = delete;
    ~ParseScope() {
        xmlSetGenericErrorFunc(savedGenericContext_, savedGeneric_);
        --tActiveScopes;
    }

  private:
    xmlGenericErrorFunc savedGeneric_ = nullptr;
    void* savedGenericContext_ = nullptr;
};

}  // namespace

void* readerStateOf(void* ctx) {
    return stateOf(ctx).readerState;
}

void refuse(void* ctx) {
    stateOf(ctx).refused = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(ctx));
}

std::string qualifiedName(const xmlChar* prefix, const xmlChar* local) {
    std::string name;
    if (prefix != nullptr) {
        name = view(prefix);
        name += ':';
    }
    name += view(local);
    return name;
}

std::string attributeValue(const xmlChar* begin, const xmlChar* end) {
    const std::string_view raw = rawValue(begin, end);
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

Result read(std::string_view utf8, const Limits& limits, const xmlSAXHandler& reader,
            void* readerState) {
    Result result;
    if (utf8.size() > static_cast<std::size_t>(INT_MAX) || !measure(utf8).within(limits))
        return result;
    ParseScope scope;
    std::unique_ptr<xmlParserCtxt, ContextDeleter> ctxt(xmlNewParserCtxt());
    if (ctxt == nullptr || ctxt->sax == nullptr)
        return result;
    State state;
    state.start = reader.startElementNs;
    state.end = reader.endElementNs;
    state.readerState = readerState;
    xmlSAXHandler* sax = ctxt->sax;
    *sax = reader;
    sax->initialized = XML_SAX2_MAGIC;
    sax->startElementNs = onStartElement;
    sax->endElementNs = onEndElement;
    sax->entityDecl = onEntityDecl;
    sax->unparsedEntityDecl = onUnparsedEntityDecl;
    sax->notationDecl = onNotationDecl;
    sax->elementDecl = onElementDecl;
    sax->attributeDecl = onAttributeDecl;
    sax->reference = onReference;
    sax->getParameterEntity = nullptr;
    sax->externalSubset = nullptr;
    sax->resolveEntity = nullptr;
    sax->serror = silentError;
    ctxt->_private = &state;
    ctxt->userData = ctxt.get();

    result.doc.reset(xmlCtxtReadMemory(ctxt.get(), utf8.data(), static_cast<int>(utf8.size()),
                                       nullptr, "UTF-8", kParseOptions));
    result.read = !state.refused && ctxt->wellFormed != 0;
    if (!result.read)
        result.doc.reset();
    return result;
}

}  // namespace xml::guard
