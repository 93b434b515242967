#pragma once
// "Keyboard shortcuts": every key the calculator window answers to, in two
// columns, keys and what they do. Modal to the calculator.

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
};

} // namespace quillet
