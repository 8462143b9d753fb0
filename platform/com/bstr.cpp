// Owning automation strings, portable between our own layer and the system's.
#include "platform/com/bstr.h"

#include <limits>

namespace com {

static_assert(sizeof(OLECHAR) == sizeof(char16_t), "automation characters are UTF-16 units");

Bstr::Bstr(std::u16string_view text) {
    // Longer than any automation string may be: stay null rather than truncate the length.
    if (text.size() > std::numeric_limits<UINT>::max())
        return;
    raw_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

std::u16string_view Bstr::view(BSTR raw) {
    if (raw == nullptr)
        return {};
    return {reinterpret_cast<const char16_t*>(raw), SysStringLen(raw)};
}

}  // namespace com
