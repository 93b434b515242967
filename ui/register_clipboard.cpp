// Copy and paste of a register's value, as text other programs read and write.

#include "calculator_dialog.h"

#include "engine/value_in_text.h"

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
        if (c == '\n') {
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
    // "Shot 12 TC 10:00:00:00 to 10:00:05:00" means 10:00:00:00, not the last
    // eight digits of the whole line.
    const std::string_view value = FirstValueInText(text);
    if (value.empty()) return;
    if (HoldsSeveralLines(text)) {
        engine.AddUpLines(text);
        return;
    }
    // A new entry, as typed right after a commit; a pending operator stays
    // pending, so a pasted right operand works like a typed one.
    engine.PasteDigits(value);
}

void CalculatorDialog::CopyRegister(int index)
{
    if (index < 0 || index > 2) return;
    const std::string_view shown = engine.ShownText(index);
    if (shown.empty()) return;
    // Every text ends in a blank or the pending operator; neither is part of the value.
    QString text = QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size() - 1));
    // The display marks drop-frame with a point before the frames; editing
    // applications write and read a semicolon there. (An operand being typed
    // for '*' or '/' has no separators at all.)
    if (IsDropFrame(engine.Format(index))) {
        const qsizetype point = text.lastIndexOf(QLatin1Char('.'));
        if (point >= 0) text[point] = QLatin1Char(';');
    }
    QGuiApplication::clipboard()->setText(text);
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
