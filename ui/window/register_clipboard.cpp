// Copy and paste of a register's value, as text other programs read and write.

#include "ui/window/calculator_dialog.h"

#include "ui/accessibility/spoken_words.h"

#include "engine/written_value.h"

#include <QApplication>

#include <QClipboard>
#include <QGuiApplication>

namespace quillet {

namespace {

// A column copied from a spreadsheet or an edit list; a single cell often
// comes with a line break of its own, which does not make it a list.
bool HoldsSeveralLines(std::string_view text)
{
    int lines = 0;
    bool lineHasText = false;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            lineHasText = false;
        } else if (!lineHasText && c != ' ' && c != '\t' && c != '\r') {
            lineHasText = true;
            if (++lines == 2) return true;
        }
    }
    return false;
}

} // namespace

void CalculatorDialog::OnEditCopy() { CopyRegister(engine.CurrentRegister()); }

void CalculatorDialog::OnEditPaste()
{
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    m_history->Remember();
    if (HoldsSeveralLines(text)) {
        engine.AddUpLines(text);
        return;
    }
    // A new entry, as typed right after a commit; a pending operator stays
    // pending, so a pasted right operand works like a typed one. Text that is
    // no value shows "E" and why.
    engine.PasteWrittenValue(text);
}

void CalculatorDialog::CopyRegister(int index)
{
    if (index < 0 || index > 2) return;
    const std::string_view shown = engine.ShownText(index);
    // A value in error is no value: nothing worth pasting anywhere.
    if (shown.empty() || engine.Problem(index).outcome != Outcome::kDone) {
        QApplication::beep();
        return;
    }
    // Every text ends in a blank or the pending operator; neither is part of
    // the value. Written as editing applications write it: ';' before
    // drop-frame frames, 366+12 for feet and frames, plain frame counts.
    const std::string text = EditingForm(engine.Format(index), std::string{shown.substr(0, shown.size() - 1)});
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    Say(CopiedWords(QString::fromStdString(text)));
}

void CalculatorDialog::PasteIntoRegister(int index)
{
    if (index < 0 || index > 2) return;
    // Selecting the current register again would commit its entry and drop a
    // pending operator, which a pasted right operand needs.
    if (index != engine.CurrentRegister()) DisplayClick(index);
    if (index != engine.CurrentRegister()) return;
    OnEditPaste();
}

} // namespace quillet
