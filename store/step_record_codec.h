#pragma once
// A tape line's step (the engine's values) as the database keeps it, and
// back. Read back, a step must make sense to the engine: formats it knows,
// values within its limits, and a value shown without "E" one its format can
// show; anything else is damaged.

#include "engine/step_record.h"
#include "store/stored_step.h"

#include <optional>

namespace quillet {

StoredStep StoredStepOf(const StepRecord& record, std::int64_t timeMs);

// The ranges of the engine's numbers, for TapeDatabase::Load.
StepLimits EngineStepLimits();

// The step again; nullopt when `stored` is damaged.
std::optional<StepRecord> StepRecordOf(const StoredStep& stored);

} // namespace quillet
