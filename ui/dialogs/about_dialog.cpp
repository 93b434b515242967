#include "ui/dialogs/about_dialog.h"

#include "ui/dialogs/dialog_builder.h"
#include "resources/about_template.h"

#include <QPushButton>

namespace quillet {

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    DialogBuilder builder(*this, kAboutTemplate);
    builder.SetIcon(icon);
    builder.Bind(IDC_ABOUT_HOME_LINK, m_homeLink);
    builder.Build();
    m_homeLink.PreSubclassWindow();
    m_homeLink.SetTarget(QString::fromLatin1(kHomePageAddress));
    // In the box's Tab order, after OK, so a keyboard reaches it; Space opens it.
    m_homeLink.setFocusPolicy(Qt::StrongFocus);
    connect(static_cast<QPushButton*>(builder.Item(IDOK)), &QPushButton::clicked, this, &AboutDialog::accept);
}

} // namespace quillet
