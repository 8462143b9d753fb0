// The help of quorvex-host, made from its command table and the server's class table so that
// it always tells what the program does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// `help`: every command by group, with its arguments and what it does.
std::vector<std::string> commandHelp();
// `help COMMAND`; none for an unknown command.
std::optional<std::vector<std::string>> commandHelp(std::string_view command);
// The mask classes, the built ones first ("built: ...", "not built yet: ...").
std::vector<std::string> classHelp();
// --help: the usage, the commands and the classes.
std::string programHelp();

}  // namespace host
