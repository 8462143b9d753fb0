// What every parse of untrusted XML shares: the parser options, the nesting limit, a silent
// error sink, and a scope during which external entities are refused.
#pragma once

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace xml::guard {

// Deepest element nesting a document may have (the root element is at depth 1).
inline constexpr int kMaxDepth = 256;

// Never fetch, never substitute entities, never load or apply a DTD, never relax the
// parser's own limits; read the text as UTF-8 whatever its declaration says.
inline constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;

// Whether a text of this size may be parsed at all.
bool sizeAllowed(std::string_view utf8, std::size_t maxBytes);

// The value of an attribute as the SAX2 start-element callback gives it: an ampersand arrives
// as "&#38;"; any other "&" is a reference to an entity we do not know.
std::string_view attributeValue(const xmlChar* begin, const xmlChar* end);
std::string decodeAttributeValue(std::string_view raw);
bool attributeHasUnknownEntity(std::string_view raw);
// Whether every attribute of a start-element callback (five pointers each) is free of
// references to entities we do not know.
bool attributesKnown(int count, const xmlChar** attributes);

// Swallows a parse error (installed as the structured error handler of every context).
void silentError(void* context, xmlErrorPtr error);

// While one lives on a thread, that thread's parses load no external entity (whatever asks
// for one gets nothing) and libxml2's generic error output goes nowhere. Parses outside such
// a scope keep whatever loader was installed before.
class ParseScope {
  public:
    ParseScope();
    ParseScope(const ParseScope&) = delete;
    ParseScope& operator=(const ParseScope&) = delete;
    ~ParseScope();

  private:
    xmlGenericErrorFunc savedGeneric_ = nullptr;
    void* savedGenericContext_ = nullptr;
};

// Owns a parser context.
struct ContextDeleter {
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};

}  // namespace xml::guard
