// Automation strings and variants for platforms without the system's own library.
#if !defined(_WIN32)

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/com/com.h"

namespace {

// A string longer than this is taken for a corrupted length rather than served.
constexpr std::size_t kMaxChars = std::size_t{1} << 30;

using LengthPrefix = std::uint32_t;

LengthPrefix* prefixOf(BSTR s) {
    return reinterpret_cast<LengthPrefix*>(reinterpret_cast<unsigned char*>(s) -
                                           sizeof(LengthPrefix));
}

// One block: the byte length, the characters, a terminating NUL; all zeroed to start with.
BSTR allocate(std::size_t chars) {
    if (chars > kMaxChars)
        return nullptr;
    const std::size_t bytes = chars * sizeof(OLECHAR);
    void* block = std::calloc(1, sizeof(LengthPrefix) + bytes + sizeof(OLECHAR));
    if (block == nullptr)
        return nullptr;
    auto* prefix = static_cast<LengthPrefix*>(block);
    *prefix = static_cast<LengthPrefix>(bytes);
    return reinterpret_cast<BSTR>(static_cast<unsigned char*>(block) + sizeof(LengthPrefix));
}

std::size_t lengthOf(const OLECHAR* s) {
    std::size_t n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* psz) {
    if (psz == nullptr)
        return nullptr;
    const std::size_t n = lengthOf(psz);
    if (n > kMaxChars)
        return nullptr;
    return SysAllocStringLen(psz, static_cast<UINT>(n));
}

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
    BSTR s = allocate(ui);
    if (s != nullptr && strIn != nullptr && ui != 0) {
        std::memcpy(s, strIn, std::size_t{ui} * sizeof(OLECHAR));
    }
    return s;
}

void SysFreeString(BSTR bstrString) {
    if (bstrString == nullptr)
        return;
    std::free(prefixOf(bstrString));
}

UINT SysStringLen(BSTR pbstr) {
    if (pbstr == nullptr)
        return 0;
    return *prefixOf(pbstr) / sizeof(OLECHAR);
}

void VariantInit(VARIANTARG* pvarg) {
    if (pvarg == nullptr)
        return;
    pvarg->vt = VT_EMPTY;
    pvarg->wReserved1 = 0;
    pvarg->wReserved2 = 0;
    pvarg->wReserved3 = 0;
}

HRESULT VariantClear(VARIANTARG* pvarg) {
    if (pvarg == nullptr)
        return E_INVALIDARG;
    switch (pvarg->vt) {
        case VT_BSTR:
            SysFreeString(pvarg->bstrVal);
            break;
        case VT_UNKNOWN:
            if (pvarg->punkVal != nullptr)
                pvarg->punkVal->Release();
            break;
        case VT_DISPATCH:
            if (pvarg->pdispVal != nullptr)
                pvarg->pdispVal->Release();
            break;
        default:
            // Values and references (VT_BYREF) own nothing.
            break;
    }
    pvarg->vt = VT_EMPTY;
    pvarg->wReserved1 = 0;
    pvarg->wReserved2 = 0;
    pvarg->wReserved3 = 0;
    pvarg->byref = nullptr;
    return S_OK;
}

#endif  // !defined(_WIN32)
