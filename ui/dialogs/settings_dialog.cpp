#include "ui/dialogs/settings_dialog.h"

#include "ui/dialogs/dialog_builder.h"
#include "resources/settings_template.h"

#include <QCheckBox>
#include <QPushButton>

namespace quillet {

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    DialogBuilder builder(*this, kSettingsTemplate);
    builder.Build();
    connect(static_cast<QPushButton*>(builder.Item(IDOK)), &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(static_cast<QPushButton*>(builder.Item(IDCANCEL)), &QPushButton::clicked, this, &SettingsDialog::reject);
}

int SettingsDialog::DoModal()
{
    DoDataExchange(false);
    return exec();
}

void SettingsDialog::accept()
{
    DoDataExchange(true);
    QDialog::accept();
}

void SettingsDialog::DoDataExchange(bool read)
{
    auto* bump = findChild<QCheckBox*>(QStringLiteral("IDC_BUMP_UP_DROPPED"));
    auto* overflow = findChild<QCheckBox*>(QStringLiteral("IDC_ALLOW_OVERFLOW"));
    auto* moreRates = findChild<QCheckBox*>(QStringLiteral("IDC_MORE_RATES"));
    auto* wrap = findChild<QCheckBox*>(QStringLiteral("IDC_WRAP_MIDNIGHT"));
    if (read) {
        bumpUpDropped = bump->isChecked() ? 1 : 0;
        allowOverflow = overflow->isChecked() ? 1 : 0;
        showMoreRates = moreRates->isChecked() ? 1 : 0;
        wrapAtMidnight = wrap->isChecked() ? 1 : 0;
    } else {
        bump->setChecked(bumpUpDropped != 0);
        overflow->setChecked(allowOverflow != 0);
        moreRates->setChecked(showMoreRates != 0);
        wrap->setChecked(wrapAtMidnight != 0);
    }
}

} // namespace quillet
