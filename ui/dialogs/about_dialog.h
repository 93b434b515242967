#pragma once
// Template 100: the program's name, version and credits, and a link to the
// home page (the same address as the calculator's "Home" link).

#include "controls/hyper_link.h"

#include <QDialog>
#include <QIcon>

namespace quillet {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QIcon& icon, QWidget* parent = nullptr);

private:
    CHyperLink m_homeLink;
};

} // namespace quillet
