#pragma once
// User text as quillet-calc repeats it in messages.

#include <string>
#include <string_view>

namespace quillet::cli {

// `text` with printable ASCII kept as it is, a backslash doubled, and every
// other byte (control characters, anything outside ASCII) written \xHH, so
// nothing typed or piped in can drive the terminal that shows the message.
std::string Escaped(std::string_view text);

} // namespace quillet::cli
