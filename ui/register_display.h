#pragma once
// The seven-segment display of one register in the window. Besides painting,
// it explains an "E": its tooltip and accessible description say why its
// register is in error. And it tells assistive technology each time its text
// changes, so a screen reader can announce results as they appear.

#include "controls/lcd_display.h"
#include "engine/calculator_engine.h"

#include <string>

namespace quillet {

class RegisterDisplay : public LcdDisplay {
    Q_OBJECT
public:
    using LcdDisplay::LcdDisplay;

    // The register the display shows; read (never written) to explain an "E".
    void Watch(const CalculatorEngine& engine, int index)
    {
        m_engine = &engine;
        m_index = index;
    }

    // Repaints; when the text changed, announces it (value, name and text
    // events, which screen readers speak for the focused display); brings the
    // explanation up to date.
    void Invalidate() override;

    // "1 hour 2 minutes 33 seconds 5 frames, NTSC-ND", or "error, " and why;
    // after ReadAll, the three registers' values.
    QString SpokenValue() const override;
    // Has a screen reader say all three registers, through this display.
    void ReadAll(const QString& words);

private:
    void Explain();
    void Announce(const QString& before);

    const CalculatorEngine* m_engine = nullptr;
    int m_index = 0;
    std::string m_announced; // the text last announced
    QString m_readAll;       // what ReadAll asked to be said, until the text changes
};

} // namespace quillet
