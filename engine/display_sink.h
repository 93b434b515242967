#pragma once
// What the engine needs of a display: a text member to set and a request to
// repaint. The seven-segment display implements it; tests use fakes.

#include <string>

namespace quillet {

class DisplaySink {
public:
    std::string m_text; // the text shown; written by the engine before Invalidate

    // Asks for a repaint of the whole display with the new m_text.
    virtual void Invalidate() = 0;

protected:
    ~DisplaySink() = default;
};

} // namespace quillet
