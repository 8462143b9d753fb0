// Late-bound calls on a mask: names to DISPIDs and the routing of Invoke.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/mask_dispatch.h"
#include "platform/com/bstr.h"
#include "platform/com/object.h"

namespace {

// A mask that records what reached its members.
class RecordingMask final
    : public com::Object<
          com::Implements<framework::MaskDispatch<framework::IZenkorMask>, IID_IDispatch>> {
  public:
    bool HasInitParam() const override { return true; }

    HRESULT STDMETHODCALLTYPE get_Lang(BSTR* pVal) override {
        calls.push_back("get_Lang");
        *pVal = com::Bstr(language).release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Lang(BSTR v) override { return record("put_Lang", v); }
    HRESULT STDMETHODCALLTYPE SetResponse(BSTR v) override { return record("SetResponse", v); }
    HRESULT STDMETHODCALLTYPE initField(BSTR v) override { return record("initField", v); }
    HRESULT STDMETHODCALLTYPE initParam(BSTR v) override { return record("initParam", v); }

    std::u16string language = u"EN1";
    std::vector<std::string> calls;
    std::vector<std::u16string> arguments;

  private:
    HRESULT record(const char* member, BSTR value) {
        calls.push_back(member);
        arguments.emplace_back(com::Bstr::view(value));
        return S_OK;
    }
};

TEST(MaskDispatchNames, MembersIgnoringCaseAndTheirParameters) {
    struct NameCase {
        std::vector<std::u16string> names;  // the member, then its parameters
        bool hasInitParam;
        HRESULT hr;
        std::vector<DISPID> ids;
    };
    const NameCase cases[] = {
        {{u"LANG"}, true, S_OK, {1}},
        {{u"setresponse"}, true, S_OK, {2}},
        {{u"InitField"}, true, S_OK, {3}},
        {{u"initParam"}, true, S_OK, {4}},
        {{u"initParam"}, false, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u"Language"}, true, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u"Lan"}, true, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u""}, true, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u"L\u00C1NG"}, true, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u"SetResponse", u"BSTRRESPONSE"}, true, S_OK, {2, 0}},
        // The member is still named.
        {{u"SetResponse", u"BSTRRESPONSE", u"x"}, true, DISP_E_UNKNOWNNAME, {2, 0, DISPID_UNKNOWN}},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "name #" << (&c - cases));
        std::vector<std::basic_string<OLECHAR>> names;
        names.reserve(c.names.size());
        std::vector<LPOLESTR> pointers;
        for (const std::u16string& name : c.names)
            pointers.push_back(names.emplace_back(name.begin(), name.end()).data());
        std::vector<DISPID> ids(names.size(), 12345);
        EXPECT_EQ(framework::MaskIdsOfNames(c.hasInitParam, IID_NULL, pointers.data(),
                                            static_cast<UINT>(names.size()), ids.data()),
                  c.hr);
        EXPECT_EQ(ids, c.ids);
    }
    std::basic_string<OLECHAR> name = OLESTR("Lang");
    LPOLESTR lang[] = {name.data()};
    DISPID id = 0;
    EXPECT_EQ(framework::MaskIdsOfNames(true, IID_IDispatch, lang, 1, &id),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(framework::MaskIdsOfNames(true, IID_NULL, nullptr, 1, &id), E_POINTER);
}

// One argument in a DISPPARAMS, optionally named.
struct Call {
    std::vector<VARIANTARG> args;
    std::vector<DISPID> named;
    DISPPARAMS params() {
        return {args.empty() ? nullptr : args.data(), named.empty() ? nullptr : named.data(),
                static_cast<UINT>(args.size()), static_cast<UINT>(named.size())};
    }
};

// An argument of type vt, its value set by set.
template <class Set>
VARIANTARG arg(VARTYPE vt, Set set) {
    VARIANTARG v;
    VariantInit(&v);
    v.vt = vt;
    set(v);
    return v;
}
VARIANTARG stringArg(BSTR s) {
    return arg(VT_BSTR, [s](VARIANTARG& v) { v.bstrVal = s; });
}

TEST(MaskDispatchInvoke, RoutesToTheMembers) {
    com::Bstr text(u"A=1&B=2");
    BSTR byRef = text.get();
    VARIANT held = stringArg(text.get());
    const VARIANTARG refArg = arg(VT_BSTR | VT_BYREF, [&](VARIANTARG& v) { v.pbstrVal = &byRef; });
    const VARIANTARG variantRef =
        arg(VT_VARIANT | VT_BYREF, [&](VARIANTARG& v) { v.pvarVal = &held; });

    struct RouteCase {
        DISPID id;
        WORD flags;
        VARIANTARG arg;
        std::vector<DISPID> named;
        const char* member;
    };
    const RouteCase cases[] = {
        {2, DISPATCH_METHOD, stringArg(text.get()), {}, "SetResponse"},
        {3, DISPATCH_METHOD, refArg, {}, "initField"},
        {4, DISPATCH_METHOD | DISPATCH_PROPERTYGET, stringArg(text.get()), {}, "initParam"},
        {3, DISPATCH_METHOD, variantRef, {}, "initField"},
        {1, DISPATCH_PROPERTYPUT, stringArg(text.get()), {DISPID_PROPERTYPUT}, "put_Lang"},
    };
    for (const RouteCase& c : cases) {
        RecordingMask mask;
        Call call{{c.arg}, c.named};
        DISPPARAMS params = call.params();
        VARIANT result;
        EXPECT_EQ(framework::InvokeMask(mask, true, c.id, c.flags, &params, &result), S_OK)
            << c.member;
        EXPECT_EQ(mask.calls, std::vector<std::string>{c.member});
        EXPECT_EQ(mask.arguments, std::vector<std::u16string>{u"A=1&B=2"}) << c.member;
        EXPECT_EQ(result.vt, VT_EMPTY);
    }

    RecordingMask mask;
    mask.language = u"FR1";
    VARIANT result;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(
        mask.Invoke(1, IID_NULL, 1024, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
        S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(com::Bstr::view(result.bstrVal), u"FR1");
    VariantClear(&result);
}

TEST(MaskDispatchInvoke, ProtocolErrors) {
    com::Bstr text(u"T");
    const VARIANTARG number = arg(VT_I4, [](VARIANTARG& v) { v.lVal = 7; });
    const VARIANTARG nullRef = arg(VT_BSTR | VT_BYREF, [](VARIANTARG& v) { v.pbstrVal = nullptr; });

    const Call none, oneText{{stringArg(text.get())}, {}};
    const Call twoTexts{{stringArg(text.get()), stringArg(text.get())}, {}};
    const Call numberPut{{number}, {DISPID_PROPERTYPUT}}, foreignName{{stringArg(text.get())}, {5}};
    struct ErrorCase {
        const char* what;
        bool hasInitParam;
        DISPID id;
        WORD flags;
        Call call;
        HRESULT hr;
    };
    constexpr WORD kMethod = DISPATCH_METHOD, kGet = DISPATCH_PROPERTYGET,
                   kPut = DISPATCH_PROPERTYPUT;
    const std::vector<ErrorCase> cases = {
        {"unknown DISPID", true, 9, kMethod, oneText, DISP_E_MEMBERNOTFOUND},
        {"initParam absent", false, 4, kMethod, oneText, DISP_E_MEMBERNOTFOUND},
        {"method read as property", true, 2, kGet, none, DISP_E_MEMBERNOTFOUND},
        {"Lang called as method", true, 1, kMethod, none, DISP_E_MEMBERNOTFOUND},
        {"no argument", true, 2, kMethod, none, DISP_E_BADPARAMCOUNT},
        {"two arguments", true, 3, kMethod, twoTexts, DISP_E_BADPARAMCOUNT},
        {"number for string", true, 2, kMethod, {{number}, {}}, DISP_E_TYPEMISMATCH},
        {"null reference", true, 2, kMethod, {{nullRef}, {}}, E_INVALIDARG},
        {"Lang get with argument", true, 1, kGet, oneText, DISP_E_BADPARAMCOUNT},
        {"Lang put unnamed", true, 1, kPut, oneText, DISP_E_PARAMNOTFOUND},
        {"Lang put numeric", true, 1, kPut, numberPut, DISP_E_TYPEMISMATCH},
        {"method with foreign name", true, 2, kMethod, foreignName, DISP_E_PARAMNOTFOUND},
    };
    for (ErrorCase c : cases) {
        RecordingMask mask;
        DISPPARAMS params = c.call.params();
        UINT argErr = 99;
        EXPECT_EQ(
            framework::InvokeMask(mask, c.hasInitParam, c.id, c.flags, &params, nullptr, &argErr),
            c.hr)
            << c.what;
        EXPECT_TRUE(mask.calls.empty()) << c.what << ": no member may run";
        if (c.hr == DISP_E_TYPEMISMATCH) {
            EXPECT_EQ(argErr, 0u) << c.what;
        }
    }

    RecordingMask mask;
    DISPPARAMS broken{nullptr, nullptr, 1, 0};
    EXPECT_EQ(framework::InvokeMask(mask, true, 2, DISPATCH_METHOD, &broken, nullptr),
              E_INVALIDARG);
    Call call = oneText;
    DISPPARAMS params = call.params();
    EXPECT_EQ(
        mask.Invoke(2, IID_IDispatch, 1024, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
        DISP_E_UNKNOWNINTERFACE);
    EXPECT_TRUE(mask.calls.empty());
}

}  // namespace
