// The market's ticket form code as the installation's "marketconfig.xml" holds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace masks {

// The form code held by a market configuration text: spaces, line feeds, tabs and the other
// control bytes are removed from the whole text (carriage returns stay), then the text after
// "<ticketformcode>" up to "</ticketformcode>" is cut to its first 3 characters. No start tag
// gives nullopt; a start tag without its end tag gives an empty code.
std::optional<std::string> MarketFormCode(std::string_view config);

}  // namespace masks
