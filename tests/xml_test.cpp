// The XML document and the SAX reader over untrusted text.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/xml/limits.h"
#include "platform/xml/sax_reader.h"
#include "platform/xml/xml_document.h"
#include "tests/support/xml_text.h"

namespace {

using testing_support::Nested;
using testing_support::Repeat;

// A file with a secret that no parse may read, and a DTD that declares an entity of it.
struct SecretFile {
    SecretFile() {
        std::ofstream(path) << "TOPSECRET";
        std::ofstream(dtd) << "<!ENTITY leak SYSTEM \"" << url() << "\">";
    }
    ~SecretFile() {
        std::filesystem::remove(path);
        std::filesystem::remove(dtd);
    }
    std::string url() const { return "file://" + path.string(); }
    std::string dtdUrl() const { return "file://" + dtd.string(); }

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("farewright-xml-secret-" + std::to_string(std::random_device{}()) + ".txt");
    const std::filesystem::path dtd = std::filesystem::path(path).replace_extension(".dtd");
};

// Records the SAX callbacks as one line each; adjacent pieces of text are one text.
struct Recorder : xml::SaxHandler {
    std::string all;
    bool inText = false;
    void startElement(std::string_view name, const Attributes& attributes) override {
        all += "start " + std::string(name);
        for (const auto& [key, value] : attributes)
            all += " " + std::string(key) + "=" + std::string(value);
        all += "\n";
        inText = false;
    }
    void endElement(std::string_view name) override {
        all += "end " + std::string(name) + "\n";
        inText = false;
    }
    void characters(std::string_view text) override {
        all.resize(inText ? all.size() - 1 : all.size());
        all += (inText ? "" : "text ") + std::string(text) + "\n";
        inText = true;
    }
};

std::vector<std::string> texts(const auto& elements) {
    std::vector<std::string> out;
    for (const xml::Element& e : elements)
        out.push_back(e.text());
    return out;
}

TEST(XmlDocument, ReadsElementsInDocumentOrderWithTheirText) {
    const auto doc = xml::Document::parse(
        "<?xml version=\"1.0\"?><VELMORA><LINE><TEXT>one</TEXT></LINE>"
        "<X><LINE><TEXT>two &amp; &lt;three&gt; &#x41;</TEXT></LINE></X>"
        "<LINE><TEXT><![CDATA[<four>]]> and <b>bold</b></TEXT></LINE></VELMORA>");
    ASSERT_TRUE(doc);
    EXPECT_EQ(texts(doc->elementsByName("TEXT")),
              (std::vector<std::string>{"one", "two & <three> A", "<four> and bold"}));
    EXPECT_EQ(doc->elementsByName("LINE").size(), 3u);
    EXPECT_TRUE(doc->elementsByName("line").empty()) << "names are case-sensitive";
    EXPECT_EQ(doc->elementsByName("VELMORA").front().name(), "VELMORA");

    const auto prefixed = xml::Document::parse("<p:r xmlns:p=\"urn:x\"><p:LINE>a</p:LINE></p:r>");
    ASSERT_TRUE(prefixed);
    EXPECT_EQ(texts(prefixed->elementsByName("p:LINE")), std::vector<std::string>{"a"});
    EXPECT_TRUE(prefixed->elementsByName("LINE").empty());

    // Text is UTF-8 whatever the declaration says, and stays so when written back.
    const auto latin =
        xml::Document::parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>5\xC2\xA5</r>");
    ASSERT_TRUE(latin);
    const auto again = xml::Document::parse(latin->serialize());
    ASSERT_TRUE(again);
    EXPECT_EQ(texts(again->elementsByName("r")), std::vector<std::string>{"5\xC2\xA5"});
}

TEST(XmlDocument, APathSelectsOnlyElementsWhoseParentsFollowIt) {
    const auto doc = xml::Document::parse(
        "<r><VELMORA><LINE><TEXT>1</TEXT><X><TEXT>no</TEXT></X></LINE><TEXT>no</TEXT>"
        "<LINE><TEXT>2</TEXT><TEXT>3</TEXT></LINE></VELMORA><LINE><TEXT>no</TEXT></LINE>"
        "<VELMORA><LINE><TEXT>4</TEXT></LINE></VELMORA></r>");
    ASSERT_TRUE(doc);
    using Path = std::vector<std::string_view>;
    EXPECT_EQ(texts(doc->elementsByPath(Path{"VELMORA", "LINE", "TEXT"})),
              (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(doc->elementsByPath(Path{"r"}).size(), 1u) << "a path of one name: anywhere";
    EXPECT_TRUE(doc->elementsByPath(Path{}).empty());
    EXPECT_EQ(doc->elementsByPath(Path{"r", "LINE", "TEXT"}).size(), 1u);
}

struct ReadCase {
    const char* what;
    std::string text;
    bool read = false;  // a safe document holding <a>x</a>
};

std::vector<ReadCase> readCases(const SecretFile& secret) {
    const std::string dtd = "<!DOCTYPE a SYSTEM \"" + secret.dtdUrl() + "\">";
    return {
        {"empty text", ""},
        {"text only", "hello"},
        {"unclosed element", "<a><b></a>"},
        {"two roots", "<a/><b/>"},
        {"NUL inside", std::string("<a>x\0y</a>", 10)},
        {"undeclared entity", "<a>&nbsp;</a>"},
        {"internal entity", "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"},
        {"entity declared but unused", "<!DOCTYPE a [<!ENTITY e \"x\">]><a/>"},
        {"external entity", "<!DOCTYPE a [<!ENTITY e SYSTEM \"" + secret.url() + "\">]><a>&e;</a>"},
        {"parameter entity",
         "<!DOCTYPE a [<!ENTITY % p SYSTEM \"" + secret.url() + "\"> %p;]><a/>"},
        {"unparsed entity", "<!DOCTYPE a [<!NOTATION n SYSTEM \"n\"><!ENTITY u SYSTEM \"" +
                                secret.url() + "\" NDATA n>]><a/>"},
        {"entity from external subset", dtd + "<a>&leak;</a>"},
        {"entity from external subset in attribute", dtd + "<a b=\"x&leak;\"/>"},
        {"element declaration", "<!DOCTYPE a [<!ELEMENT a (#PCDATA)>]><a>x</a>"},
        {"attribute list declaration", "<!DOCTYPE a [<!ATTLIST a b CDATA \"&lt;\">]><a>x</a>"},
        {"notation declaration", "<!DOCTYPE a [<!NOTATION n SYSTEM \"n\">]><a/>"},
        {"nesting far too deep", Nested(100000)},
        // A doctype that declares nothing is read, and fetches nothing.
        {"external subset not used", dtd + "<a>x</a>", true},
        {"nothing declared", "<!DOCTYPE a [<!-- nothing declared -->]><a>x</a>", true},
    };
}

TEST(Xml, DocumentAndSaxReadOnlyASafeWellFormedDocumentAndQuietly) {
    const SecretFile secret;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    for (const ReadCase& c : readCases(secret)) {
        const auto doc = xml::Document::parse(c.text);
        const std::string written = doc ? doc->serialize() : "";
        EXPECT_EQ(doc.has_value(), c.read) << c.what << ": parsed as\n" << written;
        Recorder recorder;
        EXPECT_EQ(xml::parseSax(c.text, recorder), c.read) << c.what;
        EXPECT_EQ(recorder.all.find("TOPSECRET"), std::string::npos) << c.what;
        EXPECT_LT(std::ranges::count(recorder.all, '\n'), 1000) << c.what;
        if (doc && c.read) {
            EXPECT_EQ(texts(doc->elementsByName("a")), std::vector<std::string>{"x"}) << c.what;
            EXPECT_EQ(written.find("TOPSECRET"), std::string::npos) << c.what;
            EXPECT_TRUE(xml::Document::parse(written)) << "reads back:\n" << written;
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "parse errors are not printed";
}

TEST(XmlLimits, MarkupIsCountedAsAParserReadsIt) {
    const struct {
        std::string text;
        std::size_t nodes;
        std::size_t mostAttributes;
    } cases[] = {
        {"<a b=\"1\" c='2'><d/>text = x</a>", 4, 2},
        {"<a b=\"x=y>z\" c = '>'/>", 3, 2},  // "=" and ">" inside values
        {"<!--<a b=1>--><![CDATA[<a b=1>]]><?pi <a b=1>?><a/>", 4, 0},
        {"</a b=1><a b=1 <c d=1 e=2>", 5, 2},  // an unquoted "<" ends a tag
        {"<a b=\"unterminated", 2, 1},
        {"no markup = none", 0, 0},
    };
    for (const auto& c : cases) {
        const xml::Markup markup = xml::measure(c.text);
        EXPECT_EQ(markup.bytes, c.text.size()) << c.text;
        EXPECT_EQ(markup.nodes, c.nodes) << c.text;
        EXPECT_EQ(markup.mostAttributes, c.mostAttributes) << c.text;
    }
}

TEST(XmlLimits, AreInclusiveForBothReaders) {
    const std::string flat = "<a b=\"1\" c=\"2\"><d/><e/></a>";  // 5 nodes, 2 attributes
    const struct {
        std::string fits;
        std::string refused;
        xml::Limits limits;
    } cases[] = {
        {Nested(256), Nested(257), {}},
        {flat, flat + " ", {.maxBytes = flat.size()}},
        {flat, "<x>" + flat + "</x>", {.maxNodes = 5}},
        {flat, "<a b=\"1\" c=\"2\" d=\"3\"/>", {.maxAttributes = 2}},
    };
    for (const auto& c : cases) {
        Recorder recorder;
        EXPECT_TRUE(xml::Document::parse(c.fits, c.limits)) << c.fits;
        EXPECT_TRUE(xml::parseSax(c.fits, recorder, c.limits)) << c.fits;
        EXPECT_FALSE(xml::Document::parse(c.refused, c.limits)) << c.refused;
        EXPECT_FALSE(xml::parseSax(c.refused, recorder, c.limits)) << c.refused;
    }
}

TEST(XmlSax, ReportsElementsAttributesAndText) {
    Recorder recorder;
    ASSERT_TRUE(xml::parseSax(
        "<?xml version=\"1.0\"?><!-- note --><R xmlns:p=\"urn:p\" a=\"1 &amp; 2\">"
        "<N_01PA>1</N_01PA><p:N_000T p:k=\"v\">5\xC2\xA5 x&lt;y<![CDATA[<z>]]></p:N_000T>"
        "<E/></R>",
        recorder));
    EXPECT_EQ(recorder.all,
              "start R a=1 & 2\n"
              "start N_01PA\ntext 1\nend N_01PA\n"
              "start p:N_000T p:k=v\ntext 5\xC2\xA5 x<y<z>\nend p:N_000T\n"
              "start E\nend E\n"
              "end R\n");
}

TEST(XmlSax, AnExceptionOfTheHandlerReachesTheCaller) {
    struct Throwing : xml::SaxHandler {
        int starts = 0;
        void startElement(std::string_view name, const Attributes&) override {
            ++starts;
            if (name == "stop") {
                throw std::runtime_error("stop");
            }
        }
    } handler;
    EXPECT_THROW(xml::parseSax("<a><stop/><b/><c/></a>", handler), std::runtime_error);
    EXPECT_EQ(handler.starts, 2) << "no callback after the throw";
    EXPECT_TRUE(xml::parseSax("<a/>", handler)) << "the reader is usable afterwards";
}

}  // namespace
