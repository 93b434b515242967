#pragma once
// The application object: names the settings key, runs the calculator window
// and ends the program when it closes. One instance, in main().

#include "store/profile_store.h"

namespace quillet {

inline constexpr const char* kRegistryKey = "QuilletC";

class CalculatorApp {
public:
    CalculatorApp() = default;
    ~CalculatorApp() = default;

    // Runs the calculator until it is closed (Escape, the close box, Alt+F4, Ctrl+Q).
    // Returns false: there is nothing more to run. Nothing is written at exit.
    bool InitInstance();
};

} // namespace quillet
