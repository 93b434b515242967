#pragma once
// A label that behaves as a web link: underlined caption in link colours, a
// pointing hand over it, the address as its tooltip. A click, or Space while
// it has the keyboard focus, opens the address with the system's handler
// (link_opener.h) without holding up the window; a failure, once known,
// beeps and explains itself (open_error.h).
//
// The owner creates the link, sets its caption (setText), font and template
// geometry, and alignment if the template asks for centring, then calls
// PreSubclassWindow once and SetTarget with the address.

#include <QFont>
#include <QLabel>
#include <QString>

#include <cstdint>

class QCursor;

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    // Text colours as 0x00BBGGRR values.
    static constexpr std::uint32_t LinkTextColour = 0xFF0000;    // blue
    static constexpr std::uint32_t FocusTextColour = 0x808000;   // teal
    static constexpr std::uint32_t OpenedTextColour = 0x800080;  // purple

    // Left- and top-aligned like a plain static control, clicks give it the
    // focus, Tab does not stop on it.
    explicit CHyperLink(QWidget* parent = nullptr);

    // Attachment: an empty address takes the caption and an empty caption the
    // address; the font gains an underline; the control is fitted to its
    // caption (FitToText); the hand cursor and the tooltip are set up.
    void PreSubclassWindow();
    // Stores the address. Once attached, also refits the control and shows
    // the address as the tooltip. The caption does not change.
    void SetTarget(const QString& target);
    // Starts opening m_target and returns at once. When the result comes:
    // m_opened on success; the beep and the error box otherwise. Does nothing
    // while an earlier opening has not finished, so the page opens once.
    void FollowLink();
    // An opening started by FollowLink has not yet given its result.
    bool Opening() const { return m_opening; }
    // Resizes the control to the caption's extent in m_linkFont (when
    // m_autoSize is set). Horizontally centred captions keep their centre,
    // right-aligned ones their right edge, others their left edge; vertically
    // centred ones keep their middle, others their top edge.
    void FitToText();
    // The colour the caption is painted in: focus beats opened beats normal;
    // hovering changes nothing.
    std::uint32_t TextColour() const;

    // Creates the class-wide hand cursor once; it is never released.
    static void LoadHandCursor();
    static const QCursor* HandCursor() { return s_handCursor; }

    int m_focused = 0;  // has the focus, or the left button went down on it
    int m_hover = 0;    // the pointer is over it (the link holds the mouse grab)
    int m_opened = 0;   // the address was opened once; never cleared
    bool m_autoSize = true;
    QString m_target;
    QFont m_linkFont;
    QString m_tip;      // the tooltip's text: the address

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OpenFinished(int result, const QString& target);

    bool m_attached = false;
    bool m_opening = false;
    static QCursor* s_handCursor;
};
