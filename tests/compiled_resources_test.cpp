// The compiled resources: the headless tables against what the resource compiler built into the
// module, and the reader of the compiled formats on good and on damaged input.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"
#include "tools/compiled_resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string utf8(std::u16string_view s) {
    return text::fromUtf16(s, text::kUtf8);
}

std::string hex(std::uint32_t style) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(style));
    return buf;
}

// Every field of every control of every compiled template, and every compiled string, against
// the tables the headless dialogs are built from: read from the compiled file at test time,
// apart from the tables compiled into this program.
TEST(CompiledResourcesTest, TheHeadlessTablesCarryWhatTheModuleCarries) {
    const Bytes bytes = readFile(FAREWRIGHT_RES_FILE);
    int dialogs = 0, strings = 0;
    for (const rc::Resource& r : rc::readResFile(bytes)) {
        ASSERT_TRUE(r.name.ordinal) << r.name.display();
        if (r.type == rc::kDialogType) {
            ++dialogs;
            const rc::DialogEx d = rc::readDialogEx(r.data);
            const ui::DialogTemplate* t = ui::findTemplate(*r.name.ordinal);
            ASSERT_NE(t, nullptr) << "dialog " << *r.name.ordinal;
            SCOPED_TRACE("dialog " + std::to_string(t->id));
            EXPECT_EQ(std::tuple(t->caption, t->width, t->height, t->fontFace, t->fontSize),
                      std::tuple(utf8(d.title), d.width, d.height, utf8(d.fontFace), d.fontSize));
            ASSERT_EQ(t->controls.size(), d.items.size());
            for (std::size_t i = 0; i < d.items.size(); ++i) {
                const ui::ControlTemplate& c = t->controls[i];
                const rc::DialogItem& item = d.items[i];
                SCOPED_TRACE("control " + std::to_string(item.id));
                const bool custom = c.kind == ui::ControlKind::Custom;
                EXPECT_EQ(
                    std::tuple(c.id, c.kind, hex(c.style), hex(c.exStyle), c.x, c.y, c.width,
                               c.height, c.text, c.windowClass),
                    std::tuple(item.id, rc::controlKind(item), hex(item.style), hex(item.exStyle),
                               item.x, item.y, item.width, item.height, utf8(item.title.name),
                               custom ? utf8(item.windowClass.name) : ""));
            }
        } else if (r.type == rc::kStringType) {
            std::map<int, std::u16string> table;
            for (const ui::StringResource& s : ui::stringTable(rc::codePageOfLanguage(r.language)))
                table[s.id] = s.text;
            const auto block = rc::readStringBlock(r.data);
            for (int i = 0; i < 16; ++i) {
                const int id = (*r.name.ordinal - 1) * 16 + i;
                EXPECT_EQ(table[id], block[i]) << "string " << id << " language " << r.language;
                strings += !block[i].empty();
            }
        }
    }
    EXPECT_GT(dialogs, 0);
    EXPECT_GT(strings, 0);
}

// A script of extras (see tests/data/extras.rc) as the resource compiler built it.
class ExtrasTest : public ::testing::Test {
  protected:
    const Bytes bytes = readFile(FAREWRIGHT_EXTRAS_RES_FILE);
    const std::vector<rc::Resource> resources = rc::readResFile(bytes);

    Bytes dataOf(const auto& type) const {
        for (const rc::Resource& r : resources) {
            if (r.type == type)
                return Bytes(r.data.begin(), r.data.end());
        }
        throw std::runtime_error("no resource of the type");
    }
};

// Type library, registry script and bitmap pass as compiled; every statement builds its kind.
TEST_F(ExtrasTest, EveryResourceAndControlIsReadAsCompiled) {
    std::multiset<std::string> types;
    for (const rc::Resource& r : resources)
        types.insert(r.type.display() + " " + r.name.display());
    EXPECT_EQ(types, (std::multiset<std::string>{"TYPELIB 1", "REGISTRY 102", "2 101", "5 1", "6 1",
                                                 "6 1", "6 2"}));
    EXPECT_EQ(dataOf(u"REGISTRY"), readFile(FAREWRIGHT_SOURCE_DIR "/tests/data/extras.rgs"));
    const rc::BitmapInfo bitmap = rc::readBitmap(dataOf(rc::kBitmapType));
    EXPECT_EQ((std::array{bitmap.width, bitmap.height, int(bitmap.bitsPerPixel)}),
              (std::array{2, 2, 24}));

    using K = ui::ControlKind;
    const K kinds[] = {K::Static, K::Edit,    K::Button, K::Button,   K::CheckBox, K::Radio,
                       K::Combo,  K::ListBox, K::Group,  K::CheckBox, K::Custom};
    const rc::DialogEx d = rc::readDialogEx(dataOf(rc::kDialogType));
    ASSERT_EQ(d.items.size(), std::size(kinds));
    for (std::size_t i = 0; i < d.items.size(); ++i)
        EXPECT_EQ(rc::controlKind(d.items[i]), kinds[i]) << "control " << d.items[i].id;
}

TEST(CompiledResourcesTest, FormsTheHeadlessDialogsCannotBehaveLikeAreRefused) {
    using K = ui::ControlKind;
    struct Case {
        rc::NameOrOrdinal windowClass;  // {atom, u""} or {{}, name}
        std::uint32_t style;
        std::optional<K> kind;  // none: refused
    };
    const Case cases[] = {
        {{0x80, u""}, 0x0002, {}},              // BS_CHECKBOX: the dialog would have to tick it
        {{0x80, u""}, 0x0004, {}},              // BS_RADIOBUTTON
        {{0x80, u""}, 0x0006, {}},              // BS_AUTO3STATE
        {{0x80, u""}, 0x000B, {}},              // BS_OWNERDRAW
        {{0x81, u""}, 0x0004, {}},              // ES_MULTILINE
        {{0x85, u""}, 0x0001, {}},              // CBS_SIMPLE
        {{0x85, u""}, 0x0002, {}},              // CBS_DROPDOWN
        {{0x84, u""}, 0x0000, {}},              // a scroll bar
        {{0x90, u""}, 0x0000, {}},              // no such class
        {{{}, u"EDIT"}, 0x0080, K::Edit},       // predefined classes by name, in any case
        {{{}, u"comboBOX"}, 0x0003, K::Combo},  // CBS_DROPDOWNLIST
        {{{}, u"Edith"}, 0x0004, K::Custom},    // a class of its own
    };
    for (const Case& c : cases) {
        rc::DialogItem item;
        item.windowClass = c.windowClass;
        item.style = c.style;
        std::optional<K> kind;
        try {
            kind = rc::controlKind(item);
        } catch (const rc::ResourceError&) {
        }
        EXPECT_EQ(kind, c.kind) << item.windowClass.display() << " style " << c.style;
    }
    EXPECT_THROW(rc::codePageOfLanguage(0x0411), rc::ResourceError) << "no strings in Japanese";
}

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b.at(at) = v & 0xFF;
    b.at(at + 1) = v >> 8;
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// The readers of the compiled formats, and the message of the error reading bytes with one, or ""
// when they read.
using Read = std::function<void(std::span<const std::uint8_t>)>;
const Read kFile = [](auto b) { rc::readResFile(b); };
const Read kDialog = [](auto b) { rc::readDialogEx(b); };
const Read kStrings = [](auto b) { rc::readStringBlock(b); };
const Read kBitmap = [](auto b) { rc::readBitmap(b); };
std::string errorOf(const Read& read, const Bytes& bytes) {
    try {
        read(bytes);
    } catch (const rc::ResourceError& e) {
        return e.what();
    }
    return "";
}

TEST_F(ExtrasTest, DamagedInputIsRefusedWithWhereAndWhy) {
    // Offsets: the first real entry starts at 0x20 (data size, header size, type ...); a
    // DIALOGEX holds its item count at 16; a bitmap header its width at 4 and depth at 14.
    struct Case {
        const char* name;
        const Read& read;
        Bytes input;
        std::function<void(Bytes&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"no leading empty entry", kFile, bytes,
         [](Bytes& b) { b.erase(b.begin(), b.begin() + 32); },
         "not a 32-bit compiled resource file"},
        {"cut in a header", kFile, bytes, [](Bytes& b) { b.resize(0x2A); },
         "compiled resources at offset 0x28: header size 48 is out of bounds"},
        {"header past the end", kFile, bytes, [](Bytes& b) { put32(b, 0x24, 0x7FFFFFF0); },
         "compiled resources at offset 0x28: header size 2147483632 is out of bounds"},
        {"data past the end", kFile, bytes, [](Bytes& b) { put32(b, 0x20, 0x7FFFFFF0); },
         "needs 2147483632 bytes"},
        {"not a DIALOGEX", kDialog, dataOf(rc::kDialogType), [](Bytes& b) { put16(b, 2, 0); },
         "dialog template at offset 0x4: not a DIALOGEX template"},
        {"more items than data", kDialog, dataOf(rc::kDialogType),
         [](Bytes& b) { put16(b, 16, 200); }, "dialog template at offset"},
        {"string past its block", kStrings, dataOf(rc::kStringType),
         [](Bytes& b) { put16(b, 2, 500); }, "string block at offset"},
        {"pixels past the bitmap", kBitmap, dataOf(rc::kBitmapType),
         [](Bytes& b) { put32(b, 4, 1000); }, "the pixels of 1000 x 2 do not fit"},
        {"unknown bitmap header", kBitmap, dataOf(rc::kBitmapType),
         [](Bytes& b) { put32(b, 0, 7); }, "unknown bitmap header size 7"},
    };
    for (const Case& c : cases) {
        Bytes damaged = c.input;
        c.damage(damaged);
        EXPECT_EQ(errorOf(c.read, c.input), "") << c.name << ": the undamaged input reads";
        EXPECT_NE(errorOf(c.read, damaged).find(c.message), std::string::npos)
            << c.name << ": " << errorOf(c.read, damaged);
    }
}

// Input cut anywhere reads or is refused, and never reads outside what it was given (the
// address sanitizer watches).
TEST_F(ExtrasTest, EveryCutOfTheInputIsReadWithinItsBounds) {
    auto readEveryCut = [&](std::span<const std::uint8_t> whole) {
        for (std::size_t size = 0; size < whole.size(); ++size) {
            for (const Read* read : {&kFile, &kDialog, &kStrings, &kBitmap})
                errorOf(*read, Bytes(whole.begin(), whole.begin() + size));
        }
    };
    readEveryCut(bytes);
    for (const rc::Resource& r : resources)
        readEveryCut(r.data);
}

}  // namespace
