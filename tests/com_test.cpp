// Automation strings and variants of the COM-compatible layer.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/com/bstr.h"
#include "platform/com/com.h"
#include "tests/support/com_fakes.h"

namespace {

std::uint32_t bytePrefix(BSTR s) {
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<const unsigned char*>(s) - sizeof prefix, sizeof prefix);
    return prefix;
}

TEST(AutomationString, LengthPrefixAndTerminatorFollowTheCharacters) {
    struct Case {
        const char* what;
        std::u16string text;
    };
    const Case cases[] = {
        {"empty", u""},
        {"embedded NUL", std::u16string(u"AB\0CD", 5)},
        {"non-ASCII", u"\u00A5\u20AC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        com::Bstr s(c.text);
        ASSERT_NE(s.get(), nullptr);
        EXPECT_EQ(SysStringLen(s.get()), c.text.size());
        EXPECT_EQ(bytePrefix(s.get()), c.text.size() * 2);
        EXPECT_EQ(s.get()[c.text.size()], 0) << "terminating NUL";
        EXPECT_EQ(s.view(), c.text);
    }
}

TEST(AutomationString, NullsEmbeddedNulsAndAbsurdLengths) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);  // no effect, no crash
    EXPECT_TRUE(com::Bstr::view(nullptr).empty());
    const auto cut = com::Bstr::attach(SysAllocString(OLESTR("AB\0CD")));  // stops at the first NUL
    EXPECT_EQ(SysStringLen(cut.get()), 2u);

    // A null source with a length reserves that many zeroed characters.
    const auto reserved = com::Bstr::attach(SysAllocStringLen(nullptr, 4));
    ASSERT_NE(reserved.get(), nullptr);
    EXPECT_EQ(reserved.view(), std::u16string(4, u'\0'));
    EXPECT_EQ(reserved.get()[4], 0);

    EXPECT_EQ(SysAllocStringLen(OLESTR("x"), (1u << 30) + 1), nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(Variant, ClearFreesWhatItOwnsAndEmpties) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(v.vt, VT_EMPTY);

    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(OLESTR("TEXT"));  // leaks under the sanitizer unless cleared
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_EQ(v.vt, VT_EMPTY);

    bool destroyed = false;
    auto* unknown = new testing_support::CountedUnknown(&destroyed);
    v.vt = VT_UNKNOWN;
    v.punkVal = unknown;
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_TRUE(destroyed) << "the variant's reference is released";
    EXPECT_EQ(v.vt, VT_EMPTY);
    v.vt = VT_DISPATCH;
    v.pdispVal = nullptr;
    EXPECT_EQ(VariantClear(&v), S_OK) << "a null interface is fine";

    // A reference belongs to its owner.
    com::Bstr owned(u"MINE");
    BSTR raw = owned.get();
    v.vt = VT_BSTR | VT_BYREF;
    v.pbstrVal = &raw;
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_EQ(v.vt, VT_EMPTY);
    EXPECT_EQ(owned.view(), u"MINE");
    EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
}

}  // namespace
