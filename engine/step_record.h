#pragma once
// A finished step kept after the engine has told of it (a line of the
// tape): its values, with the list line it read owned rather than viewed.

#include "step_listener.h"

#include <string>

namespace quillet {

struct StepRecord {
    FinishedStep step; // its `line` and `listNote` views are left empty: kept below
    std::string line;  // a list term's line
    std::string listNote; // a list total: whether the totals the list states agree
    // A list total: how many of its terms the tape could not keep.
    long long termsNotKept = 0;
    // No step: the first line of a tape whose oldest steps were removed.
    bool earlierStepsRemoved = false;
    // Said instead of the note made from the values: a line kept by an
    // earlier version, which stored its words, not its problem.
    std::string keptNote;

    static StepRecord Of(const FinishedStep& finished)
    {
        StepRecord record;
        record.step = finished;
        record.step.line = {};
        record.step.listNote = {};
        record.line = finished.line;
        record.listNote = finished.listNote;
        return record;
    }
    // What giving the line back enters: the step's exact value; none when the
    // line shows "E" or is no step.
    bool HasValue() const { return !earlierStepsRemoved && !step.InError(); }
};

} // namespace quillet
