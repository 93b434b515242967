#include "cli/help_text.h"

#include "cli/format_names.h"

#include <algorithm>

namespace quillet::cli {
namespace {

// 72 columns: the man page indents the help's lines by seven more, and
// still fits an 80-column terminal.
constexpr std::size_t kLineWidth = 72;

// Joins `words` into lines of at most kLineWidth characters; a word is never split.
std::string Wrapped(const std::vector<std::string>& words)
{
    std::string text;
    std::size_t lineLength = 0;
    for (const std::string& word : words) {
        if (lineLength > 0 && lineLength + 1 + word.size() > kLineWidth) {
            text += '\n';
            lineLength = 0;
        }
        if (lineLength > 0) {
            text += ' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text + "\n";
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// "name" followed by `after`.
std::string Quoted(std::string_view name, std::string_view after)
{
    std::string quoted{'"'};
    quoted += name;
    quoted += '"';
    quoted += after;
    return quoted;
}

// How formats are named, with the first names and the last one, and every alias.
std::string FormatNamesParagraph()
{
    const int last = static_cast<int>(kFormatAliases.size()) - 1;
    std::vector<std::string> words = Words("Formats are named as the calculator's selectors show them");
    words.push_back(Quoted(FormatNameAt(0), ","));
    words.back().insert(words.back().begin(), '(');
    for (int position = 1; position < 3; ++position) words.push_back(Quoted(FormatNameAt(position), ","));
    words.emplace_back("...,");
    words.push_back(Quoted(FormatNameAt(last), "),"));
    for (std::string& word : Words("in any letter case, or by a short alias:")) words.push_back(std::move(word));
    std::vector<std::string> aliases;
    for (const FormatAlias& row : kFormatAliases) aliases.emplace_back(row.alias);
    aliases.back() += '.';
    return Wrapped(words) + Wrapped(aliases);
}

// The other names people write for formats, and those that are ambiguous.
std::string SpokenNamesParagraph()
{
    std::vector<std::string> words = Words("Other names are understood too:");
    for (std::size_t i = 0; i < std::size(kSpokenNames); ++i) {
        const SpokenName& spoken = kSpokenNames[i];
        const bool lastOfFormat = i + 1 == std::size(kSpokenNames) || kSpokenNames[i + 1].position != spoken.position;
        words.emplace_back(spoken.name);
        if (!lastOfFormat) continue;
        for (std::string& word : Words("(" + std::string{FormatNameAt(spoken.position)} + "),")) words.push_back(word);
    }
    words.back().back() = ';';
    std::string ambiguous;
    for (const AmbiguousName& name : kAmbiguousNames) ambiguous += std::string{ambiguous.empty() ? "" : ", "} + std::string{name.name};
    for (std::string& word : Words(ambiguous + " are each more than one format, and refused.")) words.push_back(word);
    return Wrapped(words);
}

} // namespace

std::vector<HelpSection> HelpSections()
{
    return {
        {"Usage:", "SYNOPSIS",
         "  quillet-calc convert [OPTION]... FROM TO [VALUE...]\n"
         "  quillet-calc eval    [OPTION]... FORMAT VALUE [OP VALUE]...\n"
         "  quillet-calc sum     [OPTION]... FORMAT [--to TO] [VALUE...]\n"
         "  quillet-calc formats\n"
         "  quillet-calc --help | --version\n"},
        {"", "DESCRIPTION",
         "The Quillet timecode calculator on the command line: the same engine\n"
         "as the window, so a value gives the same result in both.\n"},
        {"", "",
         "  convert  Reads each VALUE in format FROM and shows it in format TO,\n"
         "           one result per line. With no VALUE, reads values from\n"
         "           standard input, one per line, and writes one result line\n"
         "           per input line. A VALUE is read as a line of input is.\n"
         "  eval     Computes VALUE OP VALUE ... left to right, as the keypad\n"
         "           does, and shows the result. OP is + - * or / (x also\n"
         "           multiplies, and needs no quoting); after * and / comes a\n"
         "           plain number of up to four digits.\n"
         "  sum      Adds up a list, as the window adds up a pasted one. A line\n"
         "           counts when it is one time code, or one number alone in\n"
         "           its line or cell (cells part at commas, tabs, semicolons);\n"
         "           two time codes are a clip, OUT - IN; an event of a CMX\n"
         "           3600 edit decision list counts its record OUT - record IN\n"
         "           (its source time codes must read too). Under a header row\n"
         "           a duration column (Duration, Length, Frames, ...) is summed\n"
         "           alone, or else each row counts End - Start (Start/End,\n"
         "           In/Out, Record In/Out, Source In/Out); lines above the\n"
         "           header never count. An ALE file's rate (FPS) must be\n"
         "           FORMAT's; its Data rows count by its Column names. Blank\n"
         "           lines, lines without digits, an edit list's own lines\n"
         "           (TITLE:, FCM:, LOC:, notes, markers) and rows labelled\n"
         "           Total, Sum or Subtotal are skipped; whether such a row\n"
         "           agrees with the lines is said on standard error. Any other\n"
         "           line is an error (a number with a point or colon among\n"
         "           words, an operator after a value, ...): each is named on\n"
         "           standard error and no total is printed (exit status 1),\n"
         "           unless --skip-bad-lines totals the rest. With\n"
         "           no VALUE, reads the lines from standard input (UTF-8; LF,\n"
         "           CR LF or CR line ends). Prints the total in FORMAT, or in\n"
         "           format TO with --to; a list without any value totals 0,\n"
         "           and standard error says so.\n"
         "  formats  Lists the formats with their aliases and text layouts: the\n"
         "           window's eleven, then today's frame rates 23.976 to 60 fps\n"
         "           and Seconds.\n"},
        {"", "", FormatNamesParagraph()},
        {"", "", SpokenNamesParagraph()},
        {"", "",
         "Rates past the eleven convert as a share of their family's frames\n"
         "(NTSC, film, PAL, 30fps). For a conversion that keeps the running\n"
         "time, go through real-time or seconds. Each rate has its frame count:\n"
         "48, 50, 59.94 and 60 frames; 23.976 and 24 fps are counted in Film\n"
         "frames. 59.94 DF counts through 59.94 frames as Drop Frame counts\n"
         "through NTSC frames.\n"},
        {"", "",
         "Seconds (SSSSS.mmm) is the true running time to the millisecond: a\n"
         "29.97 frame lasts 1001/30000 s, so NTSC-ND 00:01:40:15 is 00100.600.\n"
         "A time is cut to the millisecond it falls in; from seconds comes the\n"
         "nearest frame, and a time exactly halfway between two frames goes to\n"
         "the later one. Real-time keeps its meaning: drop-frame labels.\n"},
        {"", "",
         "A VALUE of digits alone is read as typed on the keypad, filled in\n"
         "from the right: 01000000 is one hour, 5 is five frames. With\n"
         "separators, its fields are read as written, from the right: 1:2:3:4\n"
         "is 01:02:03:04, 1:00 one second. Each field must stay below its range\n"
         "(frames 29 is too many for PAL). Drop frame takes ; . or : before the\n"
         "frames, or ; between every field (00;00;05;00), feet and frames\n"
         "366+12 or 366:12, a frame count digits alone or in groups of three\n"
         "(12,345). Seconds and Real-time take decimals after a point (100.6 is\n"
         "100.600 s, 1.5 in Real-time 1.50 s; finer than the format's unit is an\n"
         "error). Any Unicode decimal digit reads as its digit, any Unicode space\n"
         "as a blank.\n"},
        {"Options:", "OPTIONS",
         "  --strict   in digits typed alone, a field at or above its range\n"
         "             (60 seconds, 30 frames, ...) is an error instead of\n"
         "             counting into the next field (written fields are always\n"
         "             checked)\n"
         "  --no-bump  a drop-frame label that does not exist (00:01:00.00) is\n"
         "             an error instead of moving up by two labels (four at\n"
         "             59.94)\n"
         "  --wrap     time codes are times of day: a result of eval or sum at\n"
         "             or past 24 hours, or below zero, wraps into the day\n"
         "             (23:00:00:00 + 2:00:00:00 is 01:00:00:00, an OUT before\n"
         "             its IN is on the next day); frame counts, feet and\n"
         "             seconds never wrap\n"
         "  --separators editing\n"
         "             write results as editing applications do: ; before\n"
         "             drop-frame frames, 366+12 for feet and frames, frame\n"
         "             counts without leading zeros, seconds as 100.600\n"
         "             (--separators display, the default: as shown)\n"
         "  --skip-bad-lines\n"
         "             sum: total the lines that are values; the others are\n"
         "             still named on standard error\n"},
        {"", "OUTPUT",
         "Results are shown as the calculator's display shows them. A value in\n"
         "error starts with E (E0:00:00:00) and a line on standard error says\n"
         "why: cannot be read in FORMAT (and the reason), cannot be shown in\n"
         "FORMAT, the result is negative, or division by zero. An entry that\n"
         "cannot be read is shown in format FROM, as typed; a line that is no\n"
         "value at all is answered with an empty line.\n"},
        {"", "EXIT STATUS",
         "Exit status: 0 all fine; 1 some value in error (the others are still\n"
         "processed); 2 usage error, or standard input or output failed.\n"},
        {"Examples:", "EXAMPLES",
         "  quillet-calc convert df real-time 1:00:00.00    prints 01:00:00.00\n"
         "  quillet-calc convert ndf seconds 00:01:40:15    prints 00100.600\n"
         "  quillet-calc eval ndf 00:01:00:00 x 3           prints 00:03:00:00\n"
         "  quillet-calc eval ndf 1:00 + 10 + 10            prints 00:00:01:20\n"
         "  quillet-calc eval --wrap ndf 2:00:00:00 - 23:00:00:00\n"
         "                                                  prints 03:00:00:00\n"
         "  quillet-calc convert ndf df < list.txt > list-df.txt\n"
         "  quillet-calc sum ndf --to real-time < durations.csv\n"},
    };
}

std::string HelpText()
{
    std::string text;
    for (const HelpSection& section : HelpSections()) {
        if (!text.empty()) text += '\n';
        if (!section.heading.empty()) {
            text += section.heading;
            text += '\n';
        }
        text += section.text;
    }
    return text;
}

} // namespace quillet::cli
