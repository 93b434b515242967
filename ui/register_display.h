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

    // Repaints; when the text changed, announces it; brings the explanation up to date.
    void Invalidate() override;

private:
    void Explain();

    const CalculatorEngine* m_engine = nullptr;
    int m_index = 0;
    std::string m_announced; // the text last announced
};

} // namespace quillet
