#pragma once
// Template 129: the engine's two entry options as check boxes, whether the
// format lists offer today's frame rates after the eleven, and whether time
// codes wrap at midnight. The caller
// copies the options into the fields, runs DoModal and copies them back only
// when it returns Accepted; OK reads the boxes, Cancel and Escape leave the
// fields alone.

#include <QDialog>

namespace quillet {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    int bumpUpDropped = 0; // "Automatically 'bump-up droped frames"
    int allowOverflow = 0; // "Allow fields to overflow into next higher field"
    int showMoreRates = 0; // "Show more frame rates"
    int wrapAtMidnight = 0; // "Wrap time codes at midnight"

    // Shows the fields as ticks, runs the dialog, and on OK reads the ticks back.
    int DoModal();

    void accept() override;

private:
    void DoDataExchange(bool read);
};

} // namespace quillet
