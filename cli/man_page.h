#pragma once
// The manual page quillet-calc.1, made from the help text and the format
// table at build time.

#include <string>
#include <string_view>

namespace quillet::cli {

// The whole page in man(7) markup, for the program's `version`.
std::string ManPage(std::string_view version);

} // namespace quillet::cli
