#pragma once
// "Keyboard shortcuts": every key the calculator window answers to, one row
// each, keys and what they do, in a list the arrow keys walk. Modal to the
// calculator.

#include <QDialog>
#include <QString>
#include <vector>

namespace quillet {

class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString keys;
        QString meaning;
    };

    ShortcutsDialog(const std::vector<Row>& rows, QWidget* parent);

protected:
    // The list takes the focus, not the Close button a dialog would give it.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_list;
};

} // namespace quillet
