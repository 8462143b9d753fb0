// The English language table "EN1" built into the module (the text of resources/lang/EN1.lang).
#pragma once

#include <string_view>

namespace resources {

std::string_view builtinEnglishTable();

}  // namespace resources
