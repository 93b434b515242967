#pragma once
// Has a screen reader read a list's current row each time the list takes the
// keyboard focus. On the focus alone a screen reader says only what the list
// is ("list with 6 items"), and the current row's own focus event, when Qt
// sends one, comes before the list's and is passed over. So, once the
// list's focus event is out, the current row is made current anew, which
// screen readers read out as they do an arrow key.

#include <QObject>

class QAbstractItemView;

namespace quillet {

class CurrentItemReader : public QObject {
    Q_OBJECT
public:
    // Watches `view`, as its child, for as long as it lives.
    explicit CurrentItemReader(QAbstractItemView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadCurrentItem();

    QAbstractItemView& m_view;
};

} // namespace quillet
