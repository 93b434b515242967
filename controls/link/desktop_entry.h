#pragma once
// Reading the one key the link needs from a freedesktop.org desktop entry.

#include <optional>
#include <string>
#include <string_view>

// The Exec value of the file's [Desktop Entry] group, with the string escapes
// \s \n \t \r \\ resolved (the Exec quoting is left to SplitExecLine). Empty
// when the group or the key is missing. Localised keys (Exec[de]) do not count.
std::optional<std::string> DesktopEntryExec(std::string_view fileText);

// True for a plain desktop file id such as "firefox-esr.desktop": no folder
// separators, no leading dot, ending in ".desktop". Anything else that a query
// prints is not looked up as a file.
bool IsDesktopFileId(std::string_view id);

// True when an Exec value would hand the address to a shell, where it could
// become part of the commands run: a field code for the address (%u %U %f %F)
// stands inside a quoted argument, which is how sh -c "browser %u" is written
// (and which the desktop entry rules leave undefined), or a shell such as sh
// or bash is named in front of the address (also behind env and the like).
// Such a handler is not used.
bool ExecHandsAddressToShell(std::string_view exec);
