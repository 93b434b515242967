#pragma once
// Speaks a message through assistive technology without moving the focus.
// Screen readers pass over text that changes right after a key press in the
// focused control (they take it for the user's own typing), but they speak a
// notification that appears. The announcer is an invisible status bar with
// one notification in it; each message shows the notification anew. Inside a
// status bar, screen readers say the message alone, not "notification".

#include <QWidget>

namespace quillet {

class Announcement;

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Has a screen reader say `words` once the current step is over; of what
    // one step asks to be said (a key may change a register several times),
    // only the last is said. Nothing when no assistive technology listens.
    void Say(const QString& words);

private:
    void SayNow();

    Announcement* m_announcement;
    QString m_pending; // what the current step asked to be said, if anything

};

// The notification inside the announcer; its accessible name is the message.
class Announcement : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

} // namespace quillet
