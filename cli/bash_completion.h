#pragma once
// Bash completion for quillet-calc, made at build time: commands, options,
// and the format names and aliases of the format table.

#include <string>

namespace quillet::cli {

// The completion script, to be installed as bash-completion/completions/quillet-calc.
std::string BashCompletion();

} // namespace quillet::cli
