// Undo and redo over the engine's whole state.
#include "engine_test_support.h"

#include "engine/engine_history.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillet;
using namespace quillet::testing;

// Thousands of random steps in each format, undone to the very start and
// redone to the very end, bit for bit.
TEST(EngineHistory, UndoingEveryStepGivesBackTheStartAndRedoingTheEnd)
{
    std::mt19937 random(9122026);
    for (int position = 0; position < kListedFormatCount; ++position) {
        SCOPED_TRACE(ListedFormat(position).name);
        Calculator calc;
        for (int i = 0; i < 3; ++i) calc.engine.SetRegisterFormat(i, position);
        EngineHistory<> history(100000);
        const CalculatorEngine::State start = calc.engine.SaveState();
        constexpr char kSteps[] = "0123456789b+-x/=cASEMmfp";
        for (int step = 0; step < 2000; ++step) {
            history.Remember({calc.engine.SaveState(), 0});
            const char key = kSteps[random() % (sizeof kSteps - 1)];
            switch (key) {
            case 'c': calc.engine.ClearEntry(); break;
            case 'A': calc.engine.ClearAllRegisters(); break;
            case 'S': calc.engine.SelectRegister(static_cast<int>(random() % 3)); break;
            case 'E': calc.engine.SetCalcTarget(static_cast<int>(random() % 3)); break;
            case 'M': calc.engine.SetMode(CalculatorMode::kEditing); break;
            case 'm': calc.engine.SetMode(CalculatorMode::kConversion); break;
            case 'f': calc.engine.SetRegisterFormat(static_cast<int>(random() % 3), static_cast<int>(random() % kListedFormatCount)); break;
            case 'p': calc.engine.PasteWrittenValue("00:00:10:00\n00:01:00:00"); break;
            default: calc.Type(std::string(1, key)); break;
            }
        }
        const CalculatorEngine::State end = calc.engine.SaveState();
        while (history.CanUndo()) calc.engine.RestoreState(history.Undo({calc.engine.SaveState(), 0}).engine);
        ASSERT_TRUE(calc.engine.SaveState() == start);
        EXPECT_EQ(calc.displays[kIn].m_text, std::string{calc.engine.ShownText(kIn)}) << "shown again";
        while (history.CanRedo()) calc.engine.RestoreState(history.Redo({calc.engine.SaveState(), 0}).engine);
        ASSERT_TRUE(calc.engine.SaveState() == end);
    }
}
