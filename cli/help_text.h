#pragma once
// The help text of quillet-calc. The man page is made from the same
// sections, and the format names and aliases in it come from the format
// table, so neither can fall behind the program.

#include <string>
#include <string_view>
#include <vector>

namespace quillet::cli {

struct HelpSection {
    std::string_view heading;    // the help's own heading line ("Usage:"), or empty
    std::string_view manHeading; // the man page section it belongs to, or empty to go on with the one before
    std::string text;            // whole lines, each ending in '\n', as --help prints them
};

// The sections in the order --help prints them.
std::vector<HelpSection> HelpSections();

// What --help prints: the sections, a blank line between two.
std::string HelpText();

} // namespace quillet::cli
