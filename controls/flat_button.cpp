#include "controls/flat_button.h"

#include "controls/colorref.h"
#include "controls/device_pixel_grid.h"

#include <QPainter>
#include <QStyle>
#include <QPen>

namespace quillet {

FlatButton::FlatButton(QWidget* parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover); // repaint on enter and leave
    setAutoDefault(false);
}

void FlatButton::SetXButtonStyle(std::uint32_t style, bool redraw)
{
    m_style = style;
    if (redraw) update();
}

void FlatButton::SetTextColor(std::uint32_t colorref)
{
    m_textColor = colorref;
    update();
}

void FlatButton::PaintFaceAndFrame(QPainter& painter, const QColor& face, const QColor& frame)
{
    // In whole device pixels: at a fractional pixel ratio a logical one-pixel
    // frame can fall on pixels outside the button and lose its top and left
    // edges, and a logical fill can leave the last row or column unpainted.
    const DevicePixelGrid grid = DevicePixelGrid::Of(painter);
    const QSize deviceSize = grid.DeviceSize(size());
    const int line = grid.LineWidth();
    painter.save();
    grid.PaintInDevicePixels(painter);
    painter.fillRect(QRect(QPoint(0, 0), deviceSize), frame);
    painter.fillRect(QRect(QPoint(0, 0), deviceSize).adjusted(line, line, -line, -line), face);
    painter.restore();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool hot = underMouse() && isEnabled();
    const bool down = isDown() || isChecked();
    const bool framed = m_style == KeypadStyle || hot || down;

    if (framed) {
        QColor face = pal.color(QPalette::Button);
        if (down) {
            face = face.darker(112);
        } else if (hot) {
            face = face.lighter(106);
        }
        PaintFaceAndFrame(painter, face, pal.color(down ? QPalette::Dark : QPalette::Mid));
    }

    QColor textColour = m_textColor ? ToQColor(*m_textColor) : pal.color(QPalette::ButtonText);
    if (!isEnabled()) textColour = pal.color(QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(textColour);
    const int pad = fontMetrics().averageCharWidth() / 2 + 1;
    QRect textRect = rect().adjusted(pad, 0, -pad, 0);
    if (down) textRect.translate(1, 1);
    painter.drawText(textRect, Qt::TextShowMnemonic | Qt::AlignVCenter | (m_textLeft ? Qt::AlignLeft : Qt::AlignHCenter), text());

    if (hasFocus()) {
        // In the text's own colour, which every palette sets off from the
        // face: the style's faint dotted frame is hard to find.
        painter.setPen(QPen(textColour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

} // namespace quillet
