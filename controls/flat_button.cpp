#include "controls/flat_button.h"

#include "controls/colorref.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool hot = underMouse() && isEnabled();
    const bool down = isDown() || isChecked();
    const bool framed = m_style == KeypadStyle || hot || down;
    const QRect frame = rect().adjusted(0, 0, -1, -1);

    if (framed) {
        QColor face = pal.color(QPalette::Button);
        if (down) {
            face = face.darker(112);
        } else if (hot) {
            face = face.lighter(106);
        }
        painter.fillRect(rect(), face);
        painter.setPen(pal.color(down ? QPalette::Dark : QPalette::Mid));
        painter.drawRect(frame);
    }

    QColor textColour = m_textColor ? ToQColor(*m_textColor) : pal.color(QPalette::ButtonText);
    if (!isEnabled()) textColour = pal.color(QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(textColour);
    const int pad = fontMetrics().averageCharWidth() / 2 + 1;
    QRect textRect = rect().adjusted(pad, 0, -pad, 0);
    if (down) textRect.translate(1, 1);
    painter.drawText(textRect, Qt::TextShowMnemonic | Qt::AlignVCenter | (m_textLeft ? Qt::AlignLeft : Qt::AlignHCenter), text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace quillet
