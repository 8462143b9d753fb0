// The fee-base reader on arbitrary host answers: whatever the text (not XML, malformed,
// entity declarations, deep nesting), the reader ends, and every line it collects is a
// non-empty run of text inside an "N_000T" element after an "N_01PA" element, ended by a tag:
// none without both names, and no more than the tags of the answer.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "masks/issuance/fee_base.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"

namespace {

std::size_t count(std::string_view text, std::string_view word) {
    std::size_t n = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace

// The reader logs every element it meets: into a home of its own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string home = (std::filesystem::temp_directory_path() / "fee-base-fuzz-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr)
        std::abort();
    file::setHomeDirectory(home);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CZenkorLog log;
    masks::issuance::CTicketingContentHandler handler(log);
    if (!handler.ParseXMLStream(text::toUtf16(input, text::kUtf8)))
        return 0;
    const auto lines = handler.GetFeeBaseList();
    if (lines.empty())
        return 0;
    if (count(input, "N_000T") == 0 || count(input, "N_01PA") == 0)
        std::abort();
    if (lines.size() > count(input, "<"))
        std::abort();
    for (const std::string& line : lines) {
        if (line.empty())
            std::abort();
    }
    return 0;
}
