#pragma once
// The seven-segment display of one register in the window. Besides painting,
// it explains an "E": its tooltip and accessible description say why its
// register is in error. And it tells assistive technology each time its text
// changes, so a screen reader can announce results as they appear.

#include "controls/lcd_display.h"
#include "engine/calculator_engine.h"

#include <string>

namespace quillet {

class Announcer;

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

    // Where results are spoken (see Invalidate).
    void SpeakThrough(Announcer& announcer) { m_announcer = &announcer; }

    // Repaints; when the text changed, tells assistive technology (value, name
    // and text events) and, when the change is a result (not a typed digit or
    // operator) of the register the user works in, has the announcer say it;
    // brings the explanation up to date.
    void Invalidate() override;

    // "1 hour 2 minutes 33 seconds 5 frames, NTSC-ND", or "error, " and why.
    QString ValueReadOut() const;
    QString SpokenValue() const override { return ValueReadOut(); }
    // Has a screen reader say the value, if the register is the one the user works in.
    void SayValue();

signals:
    // The display took the keyboard focus from the keyboard (an arrow key, a
    // shortcut) or as its window became active; not from a click.
    void focusTaken();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    // The tooltip and the description: why the register shows "E", and what the display is for.
    void Explain();
    void Announce(const QString& before);
    // Whether the register is the current one and the user works in the
    // registers (the focus on a display or a keypad key).
    bool IsWorkedOn() const;

    const CalculatorEngine* m_engine = nullptr;
    Announcer* m_announcer = nullptr;
    int m_index = 0;
    std::string m_announced; // the text last announced
    QString m_explained;     // the reason for an "E" last explained, empty without one
};

} // namespace quillet
