#pragma once
// Format names as a user writes them on the command line: the selector's
// name in any letter case, or a short alias that needs no quoting.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::cli {

struct FormatAlias {
    std::string_view alias;  // lower case, no blanks
    std::string_view layout; // where the digits stand: H hours, M minutes, S seconds,
                             // F frames, P hundredths, N frame count, T feet or key-code number
};

// What the letters of a layout stand for, two lines.
inline constexpr std::string_view kLayoutLegend =
    "Layout: H hours, M minutes, S seconds, m milliseconds, F frames, P hundredths\n"
    "of a second, N frame count, T feet (16mm, 35mm) or key-code number (16mm/20).\n";

// One row per listed format, in selector order (0 "Drop Frame" .. 10 "16mm/20",
// then 11 "23.976" .. 18 "60 fps", 19 "48 frames" .. 22 "60 frames", 23
// "Seconds"). The names themselves come from the engine's format table.
inline constexpr std::array<FormatAlias, 24> kFormatAliases{{
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
    {"seconds", "SSSSS.mmm"},
}};

// Names are compared without regard to letter case, blanks, '-', '_' and
// '.', so "59.94 df", "5994DF" and "59.94-df" are one. Other names people
// write for a format:
struct SpokenName {
    std::string_view name; // as the help shows it
    int position;
};
inline constexpr SpokenName kSpokenNames[] = {
    {"29.97df", 0}, {"30df", 0},     {"ntsc-df", 0}, {"29.97ndf", 1}, {"non-drop", 1},
    {"ntsc-ndf", 1}, {"25", 2},      {"25fps", 2},   {"23.98", 11},   {"23.976fps", 11},
};

// Names that stand for more than one format, with the names to say instead.
struct AmbiguousName {
    std::string_view name;
    std::array<std::string_view, 2> choices;
};
inline constexpr AmbiguousName kAmbiguousNames[] = {
    {"29.97", {"29.97df", "29.97ndf"}},
    {"59.94", {"59.94df", "59.94ndf"}},
    {"ntsc", {"df", "ndf"}},
};

// The list position of the format called `text`, matching the selector's
// name or the alias without regard to letter case, or a spoken name; empty
// when nothing matches or the name is ambiguous.
std::optional<int> FindFormatPosition(std::string_view text);

// Why `text` names no format, for a usage message: the choices an ambiguous
// name stands for ("29.97: say 29.97df (Drop Frame) or 29.97ndf (NTSC-ND)"),
// or that it is unknown, with the nearest name.
std::string FormatNameProblem(std::string_view text);

// The selector's name of the format at a list position.
std::string_view FormatNameAt(int position);

} // namespace quillet::cli
