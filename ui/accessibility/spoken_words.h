#pragma once
// What the window says to a screen reader about its own actions (a mode
// switched, the tape shown, a value copied, a key refused), in one place.
// Words about values and steps come from engine/words.h.

#include <QString>

namespace quillet {

// The mode in force, as the Mode button reads: "Mode: Editing".
QString ModeWords(bool editing);
// "tape shown" or "tape hidden".
QString TapeWords(bool shown);
// "copied 00:00:10;12"; `copied` is the text put on the clipboard.
QString CopiedWords(const QString& copied);
// Why register `index` (0..2) cannot be selected: it is computed in Editing mode.
QString ComputedRegisterRefusedWords(int index);
// "IN, 15 frames, Drop Frame": a register's name and its value in words.
QString RegisterWords(int index, const QString& valueWords);
// The three registers' words, as Ctrl+R says them.
QString AllRegistersWords(const QString& in, const QString& out, const QString& duration);
// What a display is for, beside its value: it takes the keys typed.
QString DisplayUseWords();

} // namespace quillet
