#pragma once
// Lets assistive technology read a seven-segment display: its name is the
// register's name (the widget's accessible name) followed by its value in
// words (LcdDisplay::SpokenValue), read live, so a screen reader never hears
// a stale value; its text is the value as shown.

namespace quillet {

// Registers the accessibility factory for LcdDisplay; safe to call repeatedly.
void InstallDisplayAccessibility();

} // namespace quillet
