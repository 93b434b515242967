#pragma once
// What a caller learns of a register's state: the outcome of an operation and
// why a display shows "E". The registers themselves are private to the engine.

#include <cstdint>
#include <string>

namespace quillet {

// Far beyond anything a format can show (at most 99,999,999 units), and small
// enough that a product with a four-digit operand, or a conversion to
// hundredths, never leaves 64 bits. The engine holds values exactly within
// this range; a chain that leaves it shows "E" from then on.
constexpr std::int64_t kValueLimit = 100'000'000'000'000; // 10^14

// What became of an operation, and why a display shows "E".
enum class Outcome : std::uint8_t {
    kDone,           // read, and the result can be shown
    kCannotBeRead,   // the entry is no valid value in its format; nothing was computed
    kCannotBeShown,  // negative, too large for the format, or beyond the range held exactly
    kDivisionByZero, // the right operand of '/' was 0: the result is 0, the left operand lost
};

struct RegisterProblem {
    Outcome outcome = Outcome::kDone;
    // kCannotBeRead: the highest field at or above its modulus (0 the lowest), or -1
    // for a dropped drop-frame label.
    int field = -1;
    // kCannotBeShown: the value is negative (otherwise it is too large).
    bool negative = false;
    // kCannotBeRead of a written value or a list: why, in words ("frames 29
    // is more than PAL's 24"); empty for an entry typed on the keypad.
    std::string reason;

    bool operator==(const RegisterProblem&) const = default;
};

} // namespace quillet
