#pragma once
// One line of the tape: a finished step in words a person reads, a screen
// reader speaks and a spreadsheet takes apart.

#include "engine/step_listener.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace quillet {

struct TapeLine {
    StepKind kind = StepKind::kEntry;
    int registerIndex = 0;  // 0 IN, 1 OUT, 2 DURATION
    QString format;         // the format's name
    QString left;           // texts as shown, "E" first when in error; empty when the step has none
    QString op;             // "+", "-", "x", "/", or empty
    QString right;
    QString result;
    QString note;           // why the line shows "E"; a list term's line; how many lines a list total added and left out
    // The exact counts of left, right and result in the format's unit (frames,
    // hundredths), for a spreadsheet to add up; empty where a text shows "E".
    QString leftCount;
    QString rightCount;
    QString resultCount;
    bool inError = false;
    bool marker = false;    // no step: a line that says something of the tape itself (its note)
    // What Enter puts back into the calculator: the result (a list term: its
    // value) in valueFormat's unit; none when the line shows "E".
    bool hasValue = false;
    std::int64_t value = 0;
    const TimecodeFormat* valueFormat = nullptr; // the format the line's texts are shown in
    // The value given back: the step's exact value, before any conversion rounded it.
    std::int64_t exactValue = 0;
    const TimecodeFormat* exactFormat = nullptr;
};

// The line for a step the engine reported.
TapeLine TapeLineFrom(const FinishedStep& step);

// "IN  00:01:00:00 + 00:00:10:00 = 00:01:10:00  NTSC-ND", with its note last.
QString LineText(const TapeLine& line);

// The same in words for a screen reader: "IN: 00:01:00:00 plus 00:00:10:00 equals ...".
QString SpokenText(const TapeLine& line);

// The CSV columns, and the fields of one line under them.
QStringList CsvHeader();
QStringList CsvFields(const TapeLine& line);

} // namespace quillet
