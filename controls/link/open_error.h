#pragma once
// The message a user reads when a link cannot be opened.

#include <QString>

// The Windows shell's description of a result code from OpenTarget (32 or
// below), or "Unknown Error (<code>) occurred." for a code without one.
QString OpenErrorDescription(int code);

// "Can't open link:" and a blank line, then OpenErrorDescription.
QString OpenErrorMessage(int code);

// The message for this system. Windows: OpenErrorMessage. Elsewhere the
// address follows the prefix on a line of its own, so that it can be copied
// and opened by hand, and the codes that opening produces here are described
// in this system's words; `target` is shown exactly as given.
QString PlatformOpenErrorMessage(int code, const QString& target);

// Shows PlatformOpenErrorMessage in a modal warning box with an OK button,
// titled with the application's name, its text selectable outside Windows.
// Returns once the user has closed it.
void ShowOpenError(int code, const QString& target);
