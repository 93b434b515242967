#include "cli/man_page.h"

#include "cli/format_names.h"
#include "cli/help_text.h"

namespace quillet::cli {
namespace {

// Text that roff shows as it is: backslashes and minus signs escaped (so
// options copy and paste as typed), and no line read as a request.
std::string RoffText(std::string_view text)
{
    std::string roff;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) roff += "\\&";
        if (c == '\\') {
            roff += "\\e";
        } else if (c == '-') {
            roff += "\\-";
        } else {
            roff += c;
        }
        lineStart = c == '\n';
    }
    return roff;
}

std::string FormatsSection()
{
    std::string roff = ".SH FORMATS\n";
    for (int position = 0; position < static_cast<int>(kFormatAliases.size()); ++position) {
        const FormatAlias& row = kFormatAliases[position];
        roff += ".TP\n\\fB" + RoffText(FormatNameAt(position)) + "\\fR, \\fB" + RoffText(row.alias) + "\\fR\n";
        roff += RoffText(row.layout) + "\n";
    }
    roff += ".PP\n" + RoffText(kLayoutLegend);
    return roff;
}

} // namespace

std::string ManPage(std::string_view version)
{
    std::string roff = ".TH QUILLET\\-CALC 1 \"\" \"Quillet " + RoffText(version) + "\" \"User Commands\"\n";
    roff += ".SH NAME\nquillet\\-calc \\- the Quillet timecode calculator on the command line\n";
    for (const HelpSection& section : HelpSections()) {
        roff += section.manHeading.empty() ? std::string{".PP\n"} : ".SH " + std::string{section.manHeading} + "\n";
        roff += ".nf\n" + RoffText(section.text) + ".fi\n";
    }
    return roff + FormatsSection();
}

} // namespace quillet::cli
