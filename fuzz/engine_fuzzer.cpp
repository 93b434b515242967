// Turns bytes into the engine calls the window can make and checks, after
// every step, that nothing the engine holds or shows is malformed.
//
// Byte codes: '0'..'9' a digit key, 'b' backspace, '+' '-' '*' '/' '=' an
// operator, 'c' the "C" key, 'A' "CA", 'S'n select register n, 'T'n set the
// calculation target, 'M' Editing mode, 'm' Conversion mode, 'F'rn the format
// of register r from list index n, 'G'n all formats, 'o' and 'd' toggle the
// two entry options. A register byte counts modulo 3; a list-index byte
// modulo 13, less one (-1..11). Other bytes are skipped.
#include "engine/calculator_engine.h"
#include "engine/value_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace quillet;

namespace {

CalculatorEngine* engine = nullptr;

[[noreturn]] void Breach(const char* what, const TimecodeRegister& reg, const std::string& shown)
{
    std::fprintf(stderr, "invariant broken: %s (register %d, format \"%s\", shown \"%s\", own \"%s\")\n", what,
                 reg.index, reg.format->name, shown.c_str(), reg.text.c_str());
    std::abort();
}

bool IsListedFormat(const TimecodeFormat* format)
{
    for (int position = 0; position < kListedFormatCount; ++position)
        if (format == &ListedFormat(position)) return true;
    return false;
}

// The text a display receives must have the layout of the format it is shown
// in, end in a blank or the pending operator, and differ from the register's
// own text only by the "E" of an error.
void CheckShownText(const TimecodeRegister& reg, const std::string& shown)
{
    const bool typingScalar = reg.scalarEntry && !reg.freshEntry;
    const TimecodeFormat& format = typingScalar ? ScalarFormat() : *reg.format;
    std::string layout; // 'd' for a digit, else the separator
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        if (format.fields[field].separator > 0) layout.push_back(static_cast<char>(format.fields[field].separator));
        layout.append(static_cast<std::size_t>(format.fields[field].digits), 'd');
    }
    if (shown.size() != layout.size() + 1) Breach("length", reg, shown);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const char c = shown[i];
        const bool inError = reg.problem.outcome != Outcome::kDone;
        const bool ok = layout[i] == 'd' ? (c >= '0' && c <= '9') || (i == 0 && c == 'E' && inError) : c == layout[i];
        if (!ok) Breach("layout", reg, shown);
    }
    const char last = shown.back();
    if (last != (reg.pendingOp != 0 ? reg.pendingOp : ' ')) Breach("last character", reg, shown);
    std::string expected = reg.text;
    if (reg.error || reg.beyondRange) expected[0] = 'E';
    if (shown != expected) Breach("differs from the register's text", reg, shown);
}

struct CheckingDisplay final : DisplaySink {
    int index = 0;
    void Invalidate() override { CheckShownText(engine->registers[index], m_text); }
};

void CheckRegisters()
{
    if (engine->current < &engine->registers[0] || engine->current > &engine->registers[2]) std::abort();
    for (const TimecodeRegister& reg : engine->registers) {
        if (!IsListedFormat(reg.format)) Breach("format is not a listed row", reg, "");
        for (int i = 0; i < 8; ++i)
            if (reg.entryDigits[i] < '0' || reg.entryDigits[i] > '9') Breach("digit", reg, "");
        if (reg.entryDigits[8] != '\0') Breach("terminator", reg, "");
        if (reg.freshEntry && !reg.error) {
            const std::optional<std::int32_t> read = engine->ParseDigits(*reg.format, reg.entryDigits);
            if (!read || FormatValue(*reg.format, *read).digits != reg.entryDigits)
                Breach("a shown result does not read back", reg, "");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CalculatorEngine calculator;
    engine = &calculator;
    CheckingDisplay displays[3];
    for (int i = 0; i < 3; ++i) {
        displays[i].index = i;
        calculator.AttachDisplay(i, &displays[i]);
    }
    // As the window starts: Conversion mode, then each register's format.
    calculator.SetMode(2);
    for (int i = 0; i < 3; ++i) calculator.SetRegisterFormat(i, i == 2 ? 3 : i);

    std::size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    while (at < size) {
        const int code = next();
        switch (code) {
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9':
            calculator.KeyIn(static_cast<char>(code));
            break;
        case 'b': calculator.KeyIn(8); break;
        case '+': case '-': case '*': case '/': case '=':
            calculator.ApplyOperator(static_cast<char>(code), false);
            break;
        case 'c': calculator.ClearEntry(); break;
        case 'p': {
            // A pasted text: the next bytes up to a newline.
            const std::size_t start = at;
            while (at < size && data[at] != '\n') ++at;
            calculator.PasteDigits({reinterpret_cast<const char*>(data) + start, at - start});
            break;
        }
        case 'A': calculator.ClearAllRegisters(); break;
        case 'S': calculator.SelectRegister(next() % 3); break;
        case 'T': calculator.SetCalcTarget(next() % 3); break;
        case 'M': calculator.SetMode(0); calculator.Recompute(); break;
        case 'm': calculator.SetMode(2); calculator.Recompute(); break;
        case 'F': {
            const int reg = next() % 3;
            calculator.SetRegisterFormat(reg, next() % 13 - 1);
            break;
        }
        case 'G': calculator.SetAllFormats(next() % 13 - 1); break;
        case 'o': calculator.allowOverflow = !calculator.allowOverflow; break;
        case 'd': calculator.bumpUpDropped = !calculator.bumpUpDropped; break;
        default: continue;
        }
        CheckRegisters();
    }
    engine = nullptr;
    return 0;
}
