#pragma once
// LcdDisplay: the seven-segment readout that shows one register's text.
//
// The engine writes m_text and calls Invalidate(); the window writes
// m_backColor and calls Invalidate(). On the next paint the display draws the
// whole control from scratch: background, grey frame, then the text from the
// left in cells sized by the control's height alone (nothing is fitted to the
// width; text past the right edge is cut off). Drawing goes through an
// LcdCanvas, so the geometry can be checked without a screen. The picture is
// laid out in logical pixels; on a high-DPI screen LcdScaledCanvas puts it on
// the device's pixels at the screen's ratio.

#include "controls/lcd_canvas.h"
#include "engine/display_sink.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class LcdDisplay : public QWidget, public quillet::DisplaySink {
    Q_OBJECT

public:
    explicit LcdDisplay(QWidget* parent = nullptr); // m_text starts "00:00:00.00"

    std::uint32_t m_backColor = 0xFFFFFF; // COLORREF 0x00BBGGRR, read only when painting
    int m_slant = 0;  // italic lean of the digit cells in pixels; 0 stands them upright
    int m_stroke = 2; // stroke parameter: sets the gap between cells and the dot sizes

    // Draws the picture laid out at 1/zoom of the control's size, enlarged by
    // zoom (1 to 3) as a high-DPI screen enlarges it: strokes, gaps and dots
    // grow with the digits. 1, the default, draws at the control's own size.
    void SetZoom(double zoom);

    // Asks for a repaint of the whole control; nothing changes on screen before it.
    void Invalidate() override;

    // What assistive technology says of the shown value after the display's
    // name: by default the text as shown.
    virtual QString SpokenValue() const;

    // Paints one complete image of text onto the canvas's client area; with
    // the keyboard focus, its frame is a double one in black.
    void DrawDisplay(quillet::LcdCanvas& canvas, const std::string& text);

    // Draws ch in the cell whose top-left corner is (x, y), cell size s, and
    // returns its advance: s - m_slant for digits, "E", spaces and characters
    // the display does not know (drawn as blank cells); s/4 - m_slant for ":"
    // and "."; s, or the glyph's own share of s, for operator signs.
    int DrawCharacter(quillet::LcdCanvas& canvas, int x, int y, int s, char ch);

    // Draws a stroke twice, the second time one pixel to the right when it is
    // vertical or steep (integer dy/dx above 1), otherwise one pixel down.
    void DrawDoubleLine(quillet::LcdCanvas& canvas, int x1, int y1, int x2, int y2);

signals:
    // A left mouse click on the display (once per double click).
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int DrawDigit(quillet::LcdCanvas& canvas, int x, int y, int s, std::uint8_t code);
    int DrawDots(quillet::LcdCanvas& canvas, int x, int y, int s, char ch);

    double m_zoom = 1.0;
    // Holds the red pen only while an "E" is being drawn.
    std::optional<std::uint32_t> m_errorPen;
};
