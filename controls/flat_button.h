#pragma once
// A flat push button with a settable text colour. Two looks: keypad keys keep
// a thin frame; top-row buttons are bare text until the mouse is over them.
// Both redraw as the mouse enters and leaves.

#include <QPushButton>
#include <cstdint>
#include <optional>

namespace quillet {

class FlatButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr std::uint32_t KeypadStyle = 0x22;
    static constexpr std::uint32_t ToolbarStyle = 0x40;

    explicit FlatButton(QWidget* parent = nullptr);

    // Stores the style word; with redraw, repaints at once.
    void SetXButtonStyle(std::uint32_t style, bool redraw = true);
    std::uint32_t XButtonStyle() const { return m_style; }
    // COLORREF 0x00BBGGRR.
    void SetTextColor(std::uint32_t colorref);
    std::optional<std::uint32_t> TextColor() const { return m_textColor; }
    // Text aligned left instead of centred.
    void SetTextLeft(bool left) { m_textLeft = left; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Fills the whole button with face inside a frame one logical pixel wide.
    void PaintFaceAndFrame(QPainter& painter, const QColor& face, const QColor& frame);

    std::uint32_t m_style = KeypadStyle;
    std::optional<std::uint32_t> m_textColor;
    bool m_textLeft = false;
};

} // namespace quillet
