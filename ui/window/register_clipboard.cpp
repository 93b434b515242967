// Copy and paste of a register's value, as text other programs read and write.

#include "ui/accessibility/announcer.h"
#include "ui/window/calculator_dialog.h"

#include "ui/accessibility/spoken_words.h"

#include "engine/words.h"

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
    // A value in error is no value: nothing worth pasting anywhere.
    if (engine.Problem(index).outcome != Outcome::kDone) {
        QApplication::beep();
        return;
    }
    // Written as editing applications write it: ';' before drop-frame
    // frames, 366+12 for feet and frames, plain frame counts.
    const QString text = QString::fromStdString(EditingText(engine.ShownValue(index)));
    QGuiApplication::clipboard()->setText(text);
    m_announcer->Say(CopiedWords(text));
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
