#pragma once
// How the window's own widgets present themselves to assistive technology.
// - A seven-segment display is text that takes the keys typed (its
//   description says which): its name is the register's
//   name (the widget's accessible name) followed by its value in words
//   (LcdDisplay::SpokenValue), read live, so a screen reader never hears a
//   stale value; its text is the value as shown.
// - A format list is a combo box named for its register ("IN format"), whose
//   text is its choice: screen readers read a combo box's value from its
//   selected item, through an interface Qt does not offer on Linux, or else
//   from its text.
// - The web link (CHyperLink) is a link, named by its caption, which opens
//   on the press action.
// - The calculator window is a main window, not a dialog.

namespace quillet {

// Registers the accessibility factory for these widgets; safe to call repeatedly.
void InstallWidgetAccessibility();

} // namespace quillet
