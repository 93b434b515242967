#pragma once
// Lines of text as other systems write them: ended by LF, CR LF or a lone CR
// (classic Mac OS), the last one perhaps without its end.

#include <string_view>

namespace quillet {

// Takes the first line off `text` and returns it, without its end.
std::string_view TakeLine(std::string_view& text);

// How many line ends `text` holds (CR LF counts once).
long long CountLineEnds(std::string_view text);

} // namespace quillet
