// Turns bytes into the engine calls the window can make and checks, after
// every step, that nothing the engine holds or shows is malformed.
//
// Byte codes: '0'..'9' a digit key, 'b' backspace, '+' '-' '*' '/' '=' an
// operator, 'c' the "C" key, 'A' "CA", 'S'n select register n, 'T'n set the
// calculation target, 'M' Editing mode, 'm' Conversion mode, 'F'rn the format
// of register r from list index n, 'G'n all formats, 'o' and 'd' toggle the
// two entry options, 'w' wrapping at midnight, 'p' a paste up to the next
// newline, 'L' a pasted list up to the next byte 0x01. A register byte counts modulo 3; a list-index
// byte modulo the number of listed formats plus one, less one (-1 to the
// last, so every format is drawn). Other bytes are skipped. Every finished
// step the engine reports is checked too.
#include "engine/calculator_engine.h"
#include "engine/value_codec.h"
#include "engine/words.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace quillet;

namespace {

CalculatorEngine* engine = nullptr;

[[noreturn]] void Breach(const char* what, int index, std::string_view shown)
{
    std::fprintf(stderr, "invariant broken: %s (register %d, format \"%s\", shown \"%.*s\")\n", what, index,
                 engine->Format(index).name, static_cast<int>(shown.size()), shown.data());
    std::abort();
}

// Every text a display receives is checked along with the rest of the state.
struct CheckingDisplay final : DisplaySink {
    int index = 0;
    void Invalidate() override
    {
        if (m_text != engine->ShownText(index)) Breach("the display got another text", index, m_text);
    }
};

void CheckRegisters()
{
    if (const char* broken = engine->BrokenRule()) Breach(broken, engine->CurrentRegister(), "");
}

// A reported result shows "E" exactly when it has a problem, and one without
// is its value written in its format.
struct CheckingListener final : StepListener {
    void StepFinished(const FinishedStep& step) override
    {
        const int reg = step.registerIndex;
        const StepValue& shown = step.kind == StepKind::kListTerm ? step.right : step.result;
        const std::string text = StepValueText(shown);
        if (!shown.present || shown.inError != (step.problem.outcome != Outcome::kDone))
            Breach("a step's E and its problem disagree", reg, text);
        // A list term is shown as typed, which may carry into a higher field.
        if (step.problem.outcome == Outcome::kDone && step.kind != StepKind::kListTerm
            && FormatValue(*step.format, step.result.value).digits != shown.digits)
            Breach("a step's text is not its value", reg, text);
        if (step.kind == StepKind::kListTerm) {
            if (step.lineNumber <= lastLine) Breach("list line numbers", reg, text);
            lastLine = step.lineNumber;
            ++terms;
        }
        if (step.kind == StepKind::kListTotal && step.linesAdded + step.linesSkipped + step.linesLeftOut != terms)
            Breach("list counts", reg, text);
    }
    long long lastLine = 0; // of the list being added up
    long long terms = 0;    // reported of it
};

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
    calculator.SetMode(CalculatorMode::kConversion);
    for (int i = 0; i < 3; ++i) calculator.SetRegisterFormat(i, i == 2 ? 3 : i);
    CheckingListener listener;
    calculator.AttachStepListener(&listener);

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
            calculator.PasteWrittenValue({reinterpret_cast<const char*>(data) + start, at - start});
            break;
        }
        case 'L': {
            const std::size_t start = at;
            while (at < size && data[at] != 1) ++at;
            listener.lastLine = listener.terms = 0;
            calculator.AddUpLines({reinterpret_cast<const char*>(data) + start, at - start});
            break;
        }
        case 'A': calculator.ClearAllRegisters(); break;
        case 'S': calculator.SelectRegister(next() % 3); break;
        case 'T': calculator.SetCalcTarget(next() % 3); break;
        case 'M': calculator.SetMode(CalculatorMode::kEditing); break;
        case 'm': calculator.SetMode(CalculatorMode::kConversion); break;
        case 'F': {
            const int reg = next() % 3;
            calculator.SetRegisterFormat(reg, next() % (kListedFormatCount + 1) - 1);
            break;
        }
        case 'G': calculator.SetAllFormats(next() % (kListedFormatCount + 1) - 1); break;
        case 'o': calculator.SetOptions({!calculator.Options().allowOverflow, calculator.Options().bumpUpDropped}); break;
        case 'd': calculator.SetOptions({calculator.Options().allowOverflow, !calculator.Options().bumpUpDropped}); break;
        case 'w': calculator.SetWrapAtMidnight(!calculator.WrapsAtMidnight()); break;
        default: continue;
        }
        CheckRegisters();
    }
    engine = nullptr;
    return 0;
}
