#pragma once
// Shared helpers for the engine tests: a display that records every text it
// is handed, and an engine with three such displays.

#include "engine/calculator_engine.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace quillet::testing {

// Every how many cases an exhaustive sweep checks: all of them, unless
// QUILLET_SWEEP_STRIDE asks for a sample (the sanitizer and emulator runs,
// where a full day costs minutes; the normal build sweeps in full).
inline long long SweepStride()
{
    const char* text = std::getenv("QUILLET_SWEEP_STRIDE");
    const long long stride = text != nullptr ? std::atoll(text) : 1;
    return stride > 0 ? stride : 1;
}

struct RecordingDisplay final : DisplaySink {
    std::vector<std::string> shown;
    void Invalidate() override { shown.push_back(m_text); }
    const std::string& Last() const { return shown.back(); }
};

struct NameList final : FormatSelector {
    std::vector<std::string> names;
    void AddString(const char* name) override { names.emplace_back(name); }
};

// List positions of the formats, as the selectors show them.
enum Position {
    kDropFrame, kNtscNd, kPal, kNtscFrames, kPalFrames, kFilmFrames, kFps30Frames,
    kRealTime, k16mm, k35mm, k16mm20,
    k23976, k24Fps, k30Fps, k48Fps, k50Fps, k5994Df, k5994Ndf, k60Fps,
    k48Frames, k50Frames, k5994Frames, k60Frames, kSeconds
};
// The first of the frame counts of today's rates.
constexpr int kFirstRateCount = k48Frames;

struct Calculator {
    CalculatorEngine engine;
    RecordingDisplay displays[3];

    Calculator()
    {
        for (int i = 0; i < 3; ++i) engine.AttachDisplay(i, &displays[i]);
    }

    // Typed as on the keypad: digits, 'b' for backspace, and the operators.
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            if (key >= '0' && key <= '9') engine.KeyIn(key);
            else if (key == 'b') engine.KeyIn(8);
            else if (key == 'x') engine.ApplyOperator('*', false);
            else engine.ApplyOperator(key, false);
        }
    }

    const std::string& Shown(int index) const { return displays[index].m_text; }
    // The digits the register shows, without separators.
    std::string Digits(int index) const
    {
        std::string digits;
        for (char c : engine.ShownText(index))
            if (c >= '0' && c <= '9') digits.push_back(c);
        return digits;
    }
};

} // namespace quillet::testing
