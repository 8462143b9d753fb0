#include "framework/startup_data.h"

#include <array>

#include "framework/query_string.h"
#include "platform/zenkor/arch.h"

namespace framework {

namespace {
constexpr int kBufferSize = 1024;
constexpr int kWaitMs = 60000;
}  // namespace

std::optional<std::string> ReadStartupField(const char* queueKey, const char* fieldKey) {
    if (queueKey == nullptr || fieldKey == nullptr) {
        return std::nullopt;
    }
    std::array<char, kBufferSize> buffer{};
    Q_popString(queueKey, "", buffer.data(), kBufferSize, "QUORVEX", kWaitMs);
    buffer.back() = '\0';  // at most 1023 bytes, whatever the queue answered
    if (buffer.front() == '\0') {
        return std::nullopt;
    }
    QueryString fields(buffer.data(), "&");
    FieldLookup lookup = fields.lookup(fieldKey);
    if (!lookup.found) {
        return std::nullopt;
    }
    return lookup.value;
}

}  // namespace framework
