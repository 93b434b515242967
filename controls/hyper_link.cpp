#include "controls/hyper_link.h"

#include "controls/colorref.h"
#include "controls/link/link_opener.h"
#include "controls/link/open_error.h"
#include "controls/link/open_in_background.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

QCursor* CHyperLink::s_handCursor = nullptr;

CHyperLink::CHyperLink(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
}

void CHyperLink::PreSubclassWindow()
{
    if (m_target.isEmpty()) m_target = text();
    if (text().isEmpty()) setText(m_target);

    // A widget always has a font, so the link is always underlined and sized.
    m_linkFont = font();
    m_linkFont.setUnderline(true);
    setFont(m_linkFont);
    FitToText();

    LoadHandCursor();
    if (s_handCursor != nullptr) setCursor(*s_handCursor);

    m_tip = m_target;
    setToolTip(m_tip);
    m_attached = true;
}

void CHyperLink::SetTarget(const QString& target)
{
    m_target = target;
    if (!m_attached) return;
    hide();
    FitToText();
    m_tip = target;
    setToolTip(m_tip);
    show();
}

void CHyperLink::FitToText()
{
    if (!m_autoSize) return;
    const QRect window = geometry();
    const QRect client = contentsRect();
    const int borderWidth = window.width() - client.width();
    const int borderHeight = window.height() - client.height();

    const QFontMetrics metrics(m_linkFont);
    const int textWidth = metrics.horizontalAdvance(text());
    const int textHeight = metrics.height();

    int left = window.x();
    int top = window.y();
    int width = window.width();
    int height = window.height();
    const Qt::Alignment align = alignment();

    if (align & Qt::AlignVCenter) {
        const int shrink = (height - textHeight) / 2;
        top += shrink;
        height -= 2 * shrink;
    } else {
        height = textHeight;
    }
    if (align & Qt::AlignHCenter) {
        const int shrink = (width - textWidth) / 2;
        left += shrink;
        width -= 2 * shrink;
    } else if (align & Qt::AlignRight) {
        left += width - textWidth;
        width = textWidth;
    } else {
        width = textWidth;
    }
    setGeometry(left, top, width + borderWidth, height + borderHeight);
}

std::uint32_t CHyperLink::TextColour() const
{
    if (m_focused) return FocusTextColour;
    return m_opened ? OpenedTextColour : LinkTextColour;
}

void CHyperLink::LoadHandCursor()
{
    // Cursors need a GUI application; without one the ordinary cursor stays.
    if (s_handCursor != nullptr || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
    s_handCursor = new QCursor(Qt::PointingHandCursor);
}

void CHyperLink::FollowLink()
{
    if (m_opening) return;
    m_opening = true;
    // The system calls take text in the locale's encoding (UTF-8 outside Windows).
    OpenTargetInBackground(m_target.toLocal8Bit().toStdString(), SwShow, this,
                           [this, target = m_target](int result) { OpenFinished(result, target); });
}

void CHyperLink::OpenFinished(int result, const QString& target)
{
    m_opening = false;
    if (result <= 32) {
        // The message box must get the mouse: a grab kept now would swallow
        // the click on its OK button. The next move over the link grabs again.
        m_hover = 0;
        if (mouseGrabber() == this) releaseMouse();
        QApplication::beep();
        ShowOpenError(result, target);
        return;
    }
    m_opened = 1;
    update();
}

void CHyperLink::paintEvent(QPaintEvent* event)
{
    // The colour is chosen afresh for every paint; the background stays the
    // parent's because the label fills nothing.
    const QColor colour = quillet::ToQColor(TextColour());
    if (palette().color(foregroundRole()) != colour) {
        QPalette pal = palette();
        pal.setColor(foregroundRole(), colour);
        setPalette(pal);
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The colour change alone is hard to see: a frame in the caption's
        // colour, which stands out from the window, shows where the focus is.
        QPainter painter(this);
        painter.setPen(colour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_hover) {
        m_hover = 1;
        update();
        grabMouse();
    } else if (!rect().contains(event->position().toPoint())) {
        m_hover = 0;
        releaseMouse();
        update();
    }
    event->accept();
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_focused = 1;
    event->accept();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // Qt hands the release to the pressed widget wherever the pointer is; a
    // release away from the caption belongs to what lies under it instead.
    if (!rect().contains(event->position().toPoint())) return;
    if (m_focused) FollowLink();
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    m_focused = 1;
    update();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    // The mouse grab stays: the next move outside releases it.
    m_hover = 0;
    m_focused = 0;
    update();
    QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->accept();
        FollowLink();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHyperLink::hideEvent(QHideEvent* event)
{
    // A hidden widget must not keep every mouse event of the application.
    m_hover = 0;
    if (mouseGrabber() == this) releaseMouse();
    QLabel::hideEvent(event);
}
