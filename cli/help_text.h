#pragma once

#include <string_view>

namespace quillet::cli {

inline constexpr std::string_view kHelpText = R"(Usage:
  quillet-calc convert [--strict] [--no-bump] FROM TO [VALUE...]
  quillet-calc eval    [--strict] [--no-bump] FORMAT VALUE [OP VALUE]...
  quillet-calc sum     [--strict] [--no-bump] FORMAT [--to TO] [VALUE...]
  quillet-calc formats
  quillet-calc --help | --version

The Quillet timecode calculator on the command line: the same engine as the
window, so a value gives the same result in both.

  convert  Reads each VALUE in format FROM and shows it in format TO, one
           result per line. With no VALUE, reads values from standard input,
           one per line, and writes one result line per input line.
  eval     Computes VALUE OP VALUE ... left to right, as the keypad does, and
           shows the result. OP is + - * or / (x also multiplies, and needs no
           quoting); after * and / comes a plain number of up to four digits.
  sum      Adds up values, one a line, as the window adds up a pasted list:
           each line's first time code (or else number) is read in FORMAT as
           if typed after +. With no VALUE, reads the lines from standard
           input. Prints the total in FORMAT, or in format TO with --to. A
           line that cannot be read is left out of the total and named on
           standard error; blank lines are skipped.
  formats  Lists the formats with their aliases and text layouts: the
           window's eleven, then today's frame rates 23.976 to 60 fps.

Formats are named as the calculator's selectors show them ("Drop Frame",
"NTSC-ND", "PAL", ..., "16mm/20"), in any letter case, or by a short alias:
df ndf pal ntsc-frames pal-frames film-frames 30fps-frames real-time 16mm 35mm.

A frame rate beyond the eleven converts as a fixed share of the frames of its
family (23.976 and 59.94 of NTSC frames, 24 and 48 fps of film frames, 50 fps
of PAL frames, 30 and 60 fps of 30fps frames), so film-origin equivalences
hold: a 50 fps hour is 1:02:30 at 60 fps. For a conversion that keeps the
running time, go through real-time.

A VALUE is written as it is typed on the keypad: up to eight digits, filled in
from the right. The separators : ; . , may be written anywhere and are
ignored, so 1:00:00.00 and 01000000 are the same entry, and 5 is five frames.

Options:
  --strict   a field at or above its range (60 seconds, 30 frames, ...) is an
             error instead of counting into the next field
  --no-bump  a drop-frame label that does not exist (00:01:00.00) is an error
             instead of moving up to the next real frame

Results are shown as the calculator's display shows them. A value in error
starts with E (E0:00:00:00) and a line on standard error says why: cannot be
read in FORMAT, cannot be shown in FORMAT, or division by zero. An entry that
cannot be read is shown in format FROM, as typed.

Exit status: 0 all fine; 1 some value in error (the others are still
processed); 2 usage error, or standard input or output failed.

Examples:
  quillet-calc convert df real-time 1:00:00.00        prints 01:00:00.00
  quillet-calc convert ntsc-frames "Film frames" 100  prints 00000080
  quillet-calc eval ndf 00:01:00:00 x 3               prints 00:03:00:00
  quillet-calc eval ndf 1:00 + 10 + 10                prints 00:00:01:20
  quillet-calc convert ndf df < list.txt > list-df.txt
  quillet-calc sum ndf --to real-time < durations.csv
)";

} // namespace quillet::cli
