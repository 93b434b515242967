#include "written_conversion.h"

#include "convert_value.h"
#include "timecode_register.h"

namespace quillet {

WrittenConversion ConvertWritten(std::string_view text, const TimecodeFormat& from, const TimecodeFormat& to,
                                 EntryOptions options)
{
    // Read straight into its place: a copy of it would cost the reading's time again.
    WrittenConversion converted{ReadWrittenValue(text, from, options)};
    if (converted.written.fault != WrittenFault::kNone) return converted;
    // Fields read as written are within their ranges; only typed digits may overflow them.
    EntryDigits fromDigits;
    converted.notShownInFrom = converted.written.asTyped && FormatValue(from, converted.written.value, fromDigits);
    std::int64_t value = ConvertValue(from, converted.written.value, to);
    // As a register stores a result: within its range, or marked beyond it.
    const bool beyondRange = value > kValueLimit;
    if (beyondRange) value = kValueLimit;
    converted.value = value;
    converted.cannotBeShown = FormatValue(to, value, converted.digits) || beyondRange;
    return converted;
}

} // namespace quillet
