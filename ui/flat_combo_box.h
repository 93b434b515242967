#pragma once
// A flat drop-down list of format names. The engine fills it through
// FormatSelector; it stays unsorted, so a row is also a format's list index.

#include "engine/format_table.h"

#include <QComboBox>

namespace quillet {

class FlatComboBox : public QComboBox, public FormatSelector {
    Q_OBJECT
public:
    explicit FlatComboBox(QWidget* parent = nullptr);

    void AddString(const char* name) override;
};

} // namespace quillet
