#pragma once
// Format names as a user writes them on the command line: the selector's
// name in any letter case, or a short alias that needs no quoting.

#include <array>
#include <optional>
#include <string_view>

namespace quillet::cli {

struct FormatAlias {
    std::string_view alias;  // lower case, no blanks
    std::string_view layout; // where the digits stand: H hours, M minutes, S seconds,
                             // F frames, P hundredths, N frame count, T feet or key-code number
};

// What the letters of a layout stand for, two lines.
inline constexpr std::string_view kLayoutLegend =
    "Layout: H hours, M minutes, S seconds, F frames, P hundredths of a second,\n"
    "N frame count, T feet (16mm, 35mm) or key-code number (16mm/20).\n";

// One row per listed format, in selector order (0 "Drop Frame" .. 10 "16mm/20",
// then 11 "23.976" .. 18 "60 fps", 19 "48 frames" .. 22 "60 frames"). The names themselves come from the
// engine's format table.
inline constexpr std::array<FormatAlias, 23> kFormatAliases{{
    {"df", "HH:MM:SS.FF"},
    {"ndf", "HH:MM:SS:FF"},
    {"pal", "HH:MM:SS:FF"},
    {"ntsc-frames", "NNNNNNNN"},
    {"pal-frames", "NNNNNNNN"},
    {"film-frames", "NNNNNNNN"},
    {"30fps-frames", "NNNNNNNN"},
    {"real-time", "HH:MM:SS.PP"},
    {"16mm", "TTTTTT:FF"},
    {"35mm", "TTTTTT:FF"},
    {"16mm/20", "TTTTTT:FF"},
    {"23.976", "HH:MM:SS:FF"},
    {"24", "HH:MM:SS:FF"},
    {"30", "HH:MM:SS:FF"},
    {"48", "HH:MM:SS:FF"},
    {"50", "HH:MM:SS:FF"},
    {"59.94df", "HH:MM:SS.FF"},
    {"59.94ndf", "HH:MM:SS:FF"},
    {"60", "HH:MM:SS:FF"},
    {"48-frames", "NNNNNNNN"},
    {"50-frames", "NNNNNNNN"},
    {"59.94-frames", "NNNNNNNN"},
    {"60-frames", "NNNNNNNN"},
}};

// The list position (0..22) of the format called `text`, matching the
// selector's name or the alias without regard to letter case; empty when
// nothing matches.
std::optional<int> FindFormatPosition(std::string_view text);

// The selector's name of the format at list position 0..22.
std::string_view FormatNameAt(int position);

} // namespace quillet::cli
