#pragma once
// Plain words for what the format table holds only as data: what each format
// is, what its fields are called, and why a register shows "E".

#include "engine/format_table.h"
#include "engine/timecode_register.h"

#include <QString>

namespace quillet {

// "NTSC-ND: 29.97 frames per second, non-drop-frame time code" for the listed
// format at list position `position` (0..22); empty for any other.
QString FormatDescription(int position);

// The field's name in words ("seconds", "key-code number"), from its label.
QString FieldWord(const FormatField& field);

// A display's text in `format` as a screen reader should say it: "1 hour 2
// minutes 33 seconds 5 frames", "366 feet 12 frames", "1800 frames",
// "10.50 seconds". A text in another layout (a multiplier being typed) is
// returned as it is.
QString ValueInWords(const TimecodeFormat& format, const QString& shown);

// Why a register in `format` shows "E", in one sentence; empty for kDone.
QString ProblemText(const RegisterProblem& problem, const TimecodeFormat& format);

} // namespace quillet
