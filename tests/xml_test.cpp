// The XML document and the SAX reader over untrusted text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/xml/limits.h"
#include "platform/xml/sax_reader.h"
#include "platform/xml/xml_document.h"

namespace {

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string nested(int depth) {
    return repeat("<a>", depth) + repeat("</a>", depth);
}

std::string billionLaughs() {
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 10; ++level) {
        text += "<!ENTITY lol" + std::to_string(level) + " \"";
        text +=
            repeat(level == 1 ? "&lol;" : "&lol" + std::to_string(level - 1) + ";", 10) + "\">\n";
    }
    text += "]>\n<lolz>&lol10;</lolz>";
    return text;
}

// A file with a secret that no parse may read.
class SecretFile {
  public:
    SecretFile() {
        path_ = std::filesystem::temp_directory_path() /
                ("farewright-xml-secret-" + std::to_string(std::random_device{}()) + ".txt");
        std::ofstream(path_) << "TOPSECRET";
        dtdPath_ = path_;
        dtdPath_.replace_extension(".dtd");
        std::ofstream(dtdPath_) << "<!ENTITY leak SYSTEM \"file://" << path_.string() << "\">";
    }
    ~SecretFile() {
        std::filesystem::remove(path_);
        std::filesystem::remove(dtdPath_);
    }
    std::string url() const { return "file://" + path_.string(); }
    std::string dtdUrl() const { return "file://" + dtdPath_.string(); }

  private:
    std::filesystem::path path_;
    std::filesystem::path dtdPath_;
};

// Records the SAX callbacks as one line each.
class Recorder : public xml::SaxHandler {
  public:
    std::vector<std::string> events;
    void startElement(std::string_view name, const Attributes& attributes) override {
        std::string event = "start " + std::string(name);
        for (const auto& [key, value] : attributes) {
            event += " " + std::string(key) + "=" + std::string(value);
        }
        events.push_back(event);
    }
    void endElement(std::string_view name) override {
        events.push_back("end " + std::string(name));
    }
    void characters(std::string_view text) override {
        // Adjacent pieces are one text as far as the reader is concerned.
        if (!events.empty() && events.back().starts_with("text ")) {
            events.back() += text;
        } else {
            events.push_back("text " + std::string(text));
        }
    }
    std::string all() const {
        std::string joined;
        for (const std::string& e : events) {
            joined += e + "\n";
        }
        return joined;
    }
};

std::vector<std::string> texts(const xml::Document& doc, std::string_view name) {
    std::vector<std::string> out;
    for (const xml::Element& e : doc.elementsByName(name)) {
        out.push_back(e.text());
    }
    return out;
}

TEST(XmlDocument, ReadsElementsInDocumentOrderWithTheirText) {
    const auto doc = xml::Document::parse(
        "<?xml version=\"1.0\"?><VELMORA><LINE><TEXT>one</TEXT></LINE>"
        "<X><LINE><TEXT>two &amp; &lt;three&gt; &#x41;</TEXT></LINE></X>"
        "<LINE><TEXT><![CDATA[<four>]]> and <b>bold</b></TEXT></LINE></VELMORA>");
    ASSERT_TRUE(doc);
    EXPECT_EQ(texts(*doc, "TEXT"),
              (std::vector<std::string>{"one", "two & <three> A", "<four> and bold"}));
    EXPECT_EQ(doc->elementsByName("LINE").size(), 3u);
    EXPECT_TRUE(doc->elementsByName("line").empty()) << "names are case-sensitive";
    EXPECT_EQ(doc->elementsByName("VELMORA").front().name(), "VELMORA");

    const auto prefixed = xml::Document::parse("<p:r xmlns:p=\"urn:x\"><p:LINE>a</p:LINE></p:r>");
    ASSERT_TRUE(prefixed);
    EXPECT_EQ(texts(*prefixed, "p:LINE"), std::vector<std::string>{"a"});
    EXPECT_TRUE(prefixed->elementsByName("LINE").empty());

    // Text is UTF-8 whatever the declaration says, and stays so when written back.
    const auto latin =
        xml::Document::parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>5\xC2\xA5</r>");
    ASSERT_TRUE(latin);
    const auto again = xml::Document::parse(latin->serialize());
    ASSERT_TRUE(again);
    EXPECT_EQ(texts(*again, "r"), std::vector<std::string>{"5\xC2\xA5"});
}

struct RefusedCase {
    const char* what;
    std::string text;
};

std::vector<RefusedCase> refusedCases(const SecretFile& secret) {
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
        {"entity expansion bomb", billionLaughs()},
        {"element declaration", "<!DOCTYPE a [<!ELEMENT a (#PCDATA)>]><a>x</a>"},
        {"attribute list declaration", "<!DOCTYPE a [<!ATTLIST a b CDATA \"&lt;\">]><a>x</a>"},
        {"notation declaration", "<!DOCTYPE a [<!NOTATION n SYSTEM \"n\">]><a/>"},
        {"nesting far too deep", nested(100000)},
        {"nesting just past the limit", nested(300)},
    };
}

TEST(Xml, DocumentAndSaxRefuseWhatIsNotASafeWellFormedDocument) {
    const SecretFile secret;
    for (const RefusedCase& c : refusedCases(secret)) {
        const auto doc = xml::Document::parse(c.text);
        EXPECT_FALSE(doc.has_value()) << c.what << ": parsed as\n" << doc->serialize();
        Recorder recorder;
        EXPECT_FALSE(xml::parseSax(c.text, recorder)) << c.what;
        EXPECT_EQ(recorder.all().find("TOPSECRET"), std::string::npos) << c.what;
        EXPECT_LT(recorder.events.size(), 1000u) << c.what;
    }
}

TEST(XmlDocument, AcceptsADoctypeWithoutDeclarationsAndFetchesNothing) {
    const SecretFile secret;
    for (const std::string& text : {
             "<!DOCTYPE a SYSTEM \"" + secret.dtdUrl() + "\"><a>x</a>",
             std::string("<!DOCTYPE a [<!-- nothing declared -->]><a>x</a>"),
         }) {
        const auto doc = xml::Document::parse(text);
        ASSERT_TRUE(doc) << text;
        EXPECT_EQ(texts(*doc, "a"), std::vector<std::string>{"x"}) << text;
        const std::string written = doc->serialize();
        EXPECT_EQ(written.find("TOPSECRET"), std::string::npos) << text;
        EXPECT_TRUE(xml::Document::parse(written)) << "reads back:\n" << written;
    }
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
        {nested(256), nested(257), {}},
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

TEST(XmlDocument, ParseErrorsAreNotPrinted) {
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(xml::Document::parse("<a><b></a>"));
    EXPECT_FALSE(
        xml::Document::parse("<!DOCTYPE a SYSTEM \"file:///nonexistent/x.dtd\"><a>&e;</a>"));
    Recorder recorder;
    EXPECT_FALSE(xml::parseSax("<a>&undeclared;</a>", recorder));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(XmlDocument, ElementsWrittenAtTheOpenEndReadBackAsItsLastChildren) {
    auto doc = xml::Document::parse("<R><V><LINE>1</LINE></V><V/></R>");
    const auto other = xml::Document::parse(
        "<S xmlns:q=\"urn:q\"><LINE q:at=\"x\">2</LINE><LINE>3 &amp; \xC3\xA9</LINE></S>");
    ASSERT_TRUE(doc && other);
    auto open = doc->serializeOpenAt(doc->elementsByName("V").front());
    ASSERT_TRUE(open);
    xml::ElementWriter writer(100);
    for (const xml::Element& line : other->elementsByName("LINE"))
        ASSERT_TRUE(writer.write(line));
    open->text.insert(open->end, writer.text());
    const auto reread = xml::Document::parse(open->text);
    ASSERT_TRUE(reread) << open->text;
    EXPECT_EQ(texts(*reread, "V"), (std::vector<std::string>{"123 & \xC3\xA9", ""}));
    EXPECT_NE(open->text.find("xmlns:q=\"urn:q\""), std::string::npos)
        << "a namespace used by a written element travels with it:\n"
        << open->text;

    const std::size_t size = writer.text().size();
    for (const std::size_t limit : {size, size - 1}) {
        xml::ElementWriter bounded(limit);
        bool all = true;
        for (const xml::Element& line : other->elementsByName("LINE"))
            all = bounded.write(line) && all;
        EXPECT_EQ(all, limit == size) << "the limit holds for all that is written";
    }
}

TEST(XmlSax, ReportsElementsAttributesAndText) {
    Recorder recorder;
    ASSERT_TRUE(xml::parseSax(
        "<?xml version=\"1.0\"?><!-- note --><R xmlns:p=\"urn:p\" a=\"1 &amp; 2\">"
        "<N_01PA>1</N_01PA><p:N_000T p:k=\"v\">5\xC2\xA5 x&lt;y<![CDATA[<z>]]></p:N_000T>"
        "<E/></R>",
        recorder));
    EXPECT_EQ(recorder.all(),
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
