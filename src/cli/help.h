// The help texts of parabel-cli, made from its command table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parabel::cli {

// Every command's usage, then each command's help, then what all share.
std::string FullHelp();

// One command's usage and help, then what all share; nothing for a name
// that is no command.
std::optional<std::string> CommandHelp(std::string_view name);

}  // namespace parabel::cli
