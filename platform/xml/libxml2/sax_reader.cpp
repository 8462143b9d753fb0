// The SAX2 reader over libxml2, behind the parse guard. Its handler has element and character
// callbacks only: no entity lookup, so only the predefined entities and character references
// are understood.
#include "platform/xml/sax_reader.h"

#include <exception>
#include <string>
#include <vector>

#include "platform/xml/libxml2/parse_guard.h"

namespace xml {
namespace {

struct ReadState {
    SaxHandler* handler = nullptr;
    std::exception_ptr thrown;  // from the handler, carried past libxml2's frames
};

// Runs a handler callback; an exception stops the parse and is rethrown after it.
template <typename Call>
void guarded(void* ctx, Call&& call) {
    auto& state = *static_cast<ReadState*>(guard::readerStateOf(ctx));
    try {
        call(*state.handler);
    } catch (...) {
        state.thrown = std::current_exception();
        guard::refuse(ctx);
    }
}

void onStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar*, int,
                    const xmlChar**, int nbAttributes, int, const xmlChar** attributes) {
    guarded(ctx, [&](SaxHandler& handler) {
        // Names and values are kept alive here while the handler looks at their views.
        const auto count = static_cast<std::size_t>(nbAttributes);
        std::vector<std::string> names(count);
        std::vector<std::string> values(count);
        SaxHandler::Attributes list;
        list.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const xmlChar** attribute = attributes + 5 * i;  // local, prefix, URI, value, end
            names[i] = guard::qualifiedName(attribute[1], attribute[0]);
            values[i] = guard::attributeValue(attribute[3], attribute[4]);
            list.emplace_back(names[i], values[i]);
        }
        handler.startElement(guard::qualifiedName(prefix, localname), list);
    });
}

void onEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar*) {
    guarded(ctx, [&](SaxHandler& handler) {
        handler.endElement(guard::qualifiedName(prefix, localname));
    });
}

void onCharacters(void* ctx, const xmlChar* text, int length) {
    guarded(ctx, [&](SaxHandler& handler) {
        handler.characters({reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(length > 0 ? length : 0)});
    });
}

}  // namespace

bool parseSax(std::string_view utf8, SaxHandler& handler, const Limits& limits) {
    xmlSAXHandler sax{};
    sax.startElementNs = onStartElement;
    sax.endElementNs = onEndElement;
    sax.characters = onCharacters;
    sax.ignorableWhitespace = onCharacters;
    sax.cdataBlock = onCharacters;
    ReadState state;
    state.handler = &handler;
    const guard::Result result = guard::read(utf8, limits, sax, &state);
    if (state.thrown)
        std::rethrow_exception(state.thrown);
    return result.read;
}

}  // namespace xml
