// Language tables from arbitrary bytes: merging never fails, and every line of the form
// KEY=text with a plain key can be looked up; a line merged last wins.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/zenkor/language_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    zenkor::LanguageTable table;
    table.merge(input);
    // A line added after everything else wins over whatever the input said for its key.
    table.merge("\nFUZZ_KEY=\\sadded\\n\n");
    auto added = table.find("FUZZ_KEY");
    if (!added || *added != " added\n")
        std::abort();
    // Looks up the names the input gives its lines.
    for (std::size_t pos = 0; pos < input.size() && pos < 4096;) {
        std::size_t end = input.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = input.size();
        std::string_view line = input.substr(pos, end - pos);
        std::size_t eq = line.find('=');
        if (eq != std::string_view::npos)
            table.find(line.substr(0, eq));
        pos = end + 1;
    }
    return 0;
}
