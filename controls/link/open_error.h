#pragma once
// The message a user reads when a link cannot be opened.

#include <QString>

// The description of a result code from OpenTarget (32 or below), or
// "Unknown Error (<code>) occurred." for a code without one.
QString OpenErrorDescription(int code);

// "Can't open link:" and a blank line, then the description.
QString OpenErrorMessage(int code);

// Shows OpenErrorMessage in a modal warning box with an OK button, titled with
// the application's name. Returns once the user has closed it.
void ShowOpenError(int code);
