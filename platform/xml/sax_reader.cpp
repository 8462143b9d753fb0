// The SAX2 reader over libxml2. Its handler has element and character callbacks only: no
// entity lookup, so only the predefined entities and character references are understood.
// The few declaration callbacks it has are there to refuse: an entity declaration, a
// reference to an entity that is not predefined, or nesting beyond the limit ends the parse
// as a failure.
#include "platform/xml/sax_reader.h"

#include <libxml/parser.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/xml/parse_guard.h"

namespace xml {
namespace {

struct ReadState {
    SaxHandler* handler = nullptr;
    int depth = 0;
    bool refused = false;
    std::exception_ptr thrown;  // from the handler, carried past libxml2's frames
};

xmlParserCtxtPtr contextOf(void* ctx) {
    return static_cast<xmlParserCtxtPtr>(ctx);
}
ReadState& stateOf(void* ctx) {
    return *static_cast<ReadState*>(contextOf(ctx)->_private);
}

void refuse(void* ctx) {
    stateOf(ctx).refused = true;
    xmlStopParser(contextOf(ctx));
}

std::string_view view(const xmlChar* text) {
    return text == nullptr ? std::string_view() : reinterpret_cast<const char*>(text);
}

std::string qualified(const xmlChar* prefix, const xmlChar* localname) {
    std::string name;
    if (prefix != nullptr) {
        name = view(prefix);
        name += ':';
    }
    name += view(localname);
    return name;
}

// Runs a handler callback; an exception stops the parse and is rethrown after it.
template <typename Call>
void guarded(void* ctx, Call&& call) {
    ReadState& state = stateOf(ctx);
    try {
        call(*state.handler);
    } catch (...) {
        state.thrown = std::current_exception();
        xmlStopParser(contextOf(ctx));
    }
}

void onStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar*, int,
                    const xmlChar**, int nbAttributes, int, const xmlChar** attributes) {
    if (++stateOf(ctx).depth > guard::kMaxDepth ||
        !guard::attributesKnown(nbAttributes, attributes)) {
        refuse(ctx);
        return;
    }
    guarded(ctx, [&](SaxHandler& handler) {
        // Names and values are kept alive here while the handler looks at their views.
        const auto count = static_cast<std::size_t>(nbAttributes);
        std::vector<std::string> names(count);
        std::vector<std::string> values(count);
        SaxHandler::Attributes list;
        list.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const xmlChar** attribute = attributes + 5 * i;  // local, prefix, URI, value, end
            names[i] = qualified(attribute[1], attribute[0]);
            values[i] =
                guard::decodeAttributeValue(guard::attributeValue(attribute[3], attribute[4]));
            list.emplace_back(names[i], values[i]);
        }
        handler.startElement(qualified(prefix, localname), list);
    });
}

void onEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar*) {
    --stateOf(ctx).depth;
    guarded(ctx, [&](SaxHandler& handler) { handler.endElement(qualified(prefix, localname)); });
}

void onCharacters(void* ctx, const xmlChar* text, int length) {
    guarded(ctx, [&](SaxHandler& handler) {
        handler.characters({reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(length > 0 ? length : 0)});
    });
}

void onEntityDecl(void* ctx, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    refuse(ctx);
}

void onUnparsedEntityDecl(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    refuse(ctx);
}

void onReference(void* ctx, const xmlChar*) {
    refuse(ctx);
}

xmlSAXHandler makeHandler() {
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = onStartElement;
    sax.endElementNs = onEndElement;
    sax.characters = onCharacters;
    sax.ignorableWhitespace = onCharacters;
    sax.cdataBlock = onCharacters;
    sax.entityDecl = onEntityDecl;
    sax.unparsedEntityDecl = onUnparsedEntityDecl;
    sax.reference = onReference;
    sax.serror = guard::silentError;
    return sax;
}

}  // namespace

bool parseSax(std::string_view utf8, SaxHandler& handler, std::size_t maxBytes) {
    if (!guard::sizeAllowed(utf8, maxBytes)) {
        return false;
    }
    guard::ParseScope scope;
    std::unique_ptr<xmlParserCtxt, guard::ContextDeleter> ctxt(xmlNewParserCtxt());
    if (ctxt == nullptr || ctxt->sax == nullptr) {
        return false;
    }
    *ctxt->sax = makeHandler();
    ReadState state;
    state.handler = &handler;
    ctxt->_private = &state;
    ctxt->userData = ctxt.get();

    xmlDocPtr doc = xmlCtxtReadMemory(ctxt.get(), utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, "UTF-8", guard::kParseOptions);
    xmlFreeDoc(doc);  // the handler builds no tree; this is always null
    if (state.thrown) {
        std::rethrow_exception(state.thrown);
    }
    return !state.refused && ctxt->wellFormed != 0;
}

}  // namespace xml
