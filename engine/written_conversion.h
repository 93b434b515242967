#pragma once
// Converting values written as text, one after another, as fast as they
// can be read: what the Conversion mode shows in a register of format `to`
// when `text` is committed in a register of format `from`, by the very
// reading (ReadWrittenValue), conversion (ConvertValue) and writing
// (FormatValue) the engine's commit and Recompute use, without the work of
// keeping three registers and their displays. quillet-calc convert reads
// millions of lines this way; its tests hold it equal to the window.

#include "format_table.h"
#include "value_codec.h"
#include "written_value.h"

#include <cstdint>
#include <string_view>

namespace quillet {

struct WrittenConversion {
    WrittenValue written;         // the text read in `from`: its fault, if any, ends the conversion
    std::int64_t value = 0;       // in `to`'s unit
    EntryDigits digits = kZeroDigits; // the value as `to` shows it
    bool cannotBeShown = false;   // in `to`: beyond its fields, or beyond any register's range
    bool notShownInFrom = false;  // the value read overflows `from`'s own fields (25:00:00:00 typed)
};

WrittenConversion ConvertWritten(std::string_view text, const TimecodeFormat& from, const TimecodeFormat& to,
                                 EntryOptions options);

} // namespace quillet
