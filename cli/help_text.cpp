#include "cli/help_text.h"

#include "cli/format_names.h"

#include <algorithm>

namespace quillet::cli {
namespace {

constexpr std::size_t kLineWidth = 78;

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

} // namespace

std::vector<HelpSection> HelpSections()
{
    return {
        {"Usage:", "SYNOPSIS",
         "  quillet-calc convert [OPTION]... FROM TO [VALUE...]\n"
         "  quillet-calc eval    [OPTION]... FORMAT VALUE [OP VALUE]...\n"
         "  quillet-calc sum     [OPTION]... [--skip-bad-lines] FORMAT [--to TO] [VALUE...]\n"
         "  quillet-calc formats\n"
         "  quillet-calc --help | --version\n"},
        {"", "DESCRIPTION",
         "The Quillet timecode calculator on the command line: the same engine as the\n"
         "window, so a value gives the same result in both.\n"},
        {"", "",
         "  convert  Reads each VALUE in format FROM and shows it in format TO, one\n"
         "           result per line. With no VALUE, reads values from standard input,\n"
         "           one per line, and writes one result line per input line.\n"
         "  eval     Computes VALUE OP VALUE ... left to right, as the keypad does, and\n"
         "           shows the result. OP is + - * or / (x also multiplies, and needs no\n"
         "           quoting); after * and / comes a plain number of up to four digits.\n"
         "  sum      Adds up a list, as the window adds up a pasted one. A line counts\n"
         "           when it is one time code, or one number alone in its line or cell\n"
         "           (cells part at commas, tabs, semicolons); two time codes are a\n"
         "           clip, OUT - IN; an event of a CMX 3600 edit decision list counts\n"
         "           its record OUT - record IN. Blank lines, lines without digits and\n"
         "           an edit list's own lines are skipped. Any other line is an error:\n"
         "           each is named on standard error and no total is printed (exit\n"
         "           status 1), unless --skip-bad-lines totals the rest. With no VALUE,\n"
         "           reads the lines from standard input (UTF-8; LF, CR LF or CR line\n"
         "           ends). Prints the total in FORMAT, or in format TO with --to.\n"
         "  formats  Lists the formats with their aliases and text layouts: the\n"
         "           window's eleven, then today's frame rates 23.976 to 60 fps.\n"},
        {"", "", FormatNamesParagraph()},
        {"", "",
         "Rates past the eleven convert as a share of their family's frames (NTSC, film,\n"
         "PAL, 30fps). For a conversion that keeps the running time, go through real-time.\n"
         "Each rate has its frame count: 48, 50, 59.94 and 60 frames; 23.976 and 24 fps\n"
         "are counted in Film frames. 59.94 DF counts through 59.94 frames as Drop Frame\n"
         "counts through NTSC frames.\n"},
        {"", "",
         "A VALUE of digits alone is read as typed on the keypad, filled in from the\n"
         "right: 01000000 is one hour, 5 is five frames. With separators, its fields\n"
         "are read as written, from the right: 1:2:3:4 is 01:02:03:04, 1:00 one second.\n"
         "Each field must stay below its range (frames 29 is too many for PAL). Drop\n"
         "frame takes ; . or : before the frames, feet and frames 366+12 or 366:12, a\n"
         "frame count digits alone or in groups of three (12,345).\n"},
        {"Options:", "OPTIONS",
         "  --strict   in digits typed alone, a field at or above its range (60\n"
         "             seconds, 30 frames, ...) is an error instead of counting into\n"
         "             the next field (written fields are always checked)\n"
         "  --no-bump  a drop-frame label that does not exist (00:01:00.00) is an error\n"
         "             instead of moving up by two labels (four at 59.94)\n"
         "  --separators editing\n"
         "             write results as editing applications do: ; before drop-frame\n"
         "             frames, 366+12 for feet and frames, frame counts without\n"
         "             leading zeros (--separators display, the default: as shown)\n"
         "  --skip-bad-lines\n"
         "             sum: total the lines that are values; the others are still\n"
         "             named on standard error\n"},
        {"", "OUTPUT",
         "Results are shown as the calculator's display shows them. A value in error\n"
         "starts with E (E0:00:00:00) and a line on standard error says why: cannot be\n"
         "read in FORMAT (and the reason), cannot be shown in FORMAT, or division by\n"
         "zero. An entry that cannot be read is shown in format FROM, as typed.\n"},
        {"", "EXIT STATUS",
         "Exit status: 0 all fine; 1 some value in error (the others are still\n"
         "processed); 2 usage error, or standard input or output failed.\n"},
        {"Examples:", "EXAMPLES",
         "  quillet-calc convert df real-time 1:00:00.00        prints 01:00:00.00\n"
         "  quillet-calc convert ntsc-frames \"Film frames\" 100  prints 00000080\n"
         "  quillet-calc eval ndf 00:01:00:00 x 3               prints 00:03:00:00\n"
         "  quillet-calc eval ndf 1:00 + 10 + 10                prints 00:00:01:20\n"
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
