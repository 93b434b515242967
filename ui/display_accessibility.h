#pragma once
// Lets assistive technology read a seven-segment display: its name is the
// register's name (the widget's accessible name) followed by the text shown,
// read live, so a screen reader never hears a stale value.

namespace quillet {

// Registers the accessibility factory for LcdDisplay; safe to call repeatedly.
void InstallDisplayAccessibility();

} // namespace quillet
