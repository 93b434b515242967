#pragma once
// Plain words for what the format table holds only as data: what each format
// is, what its fields are called, and why a register shows "E".

#include "engine/format_table.h"
#include "engine/timecode_register.h"

#include <QString>

namespace quillet {

// "NTSC-ND: 29.97 frames per second, non-drop-frame time code" for the listed
// format at list position `position` (0..18); empty for any other.
QString FormatDescription(int position);

// The field's name in words ("seconds", "key-code number"), from its label.
QString FieldWord(const FormatField& field);

// Why a register in `format` shows "E", in one sentence; empty for kDone.
QString ProblemText(const RegisterProblem& problem, const TimecodeFormat& format);

} // namespace quillet
