#include "controls/link/link_opener.h"

#ifndef _WIN32

#include "controls/link/desktop_entry.h"
#include "controls/link/handler_command.h"

namespace {

LinkOpener* installedOpener = nullptr;

} // namespace

LinkOpener& CurrentLinkOpener()
{
    return installedOpener != nullptr ? *installedOpener : SystemLinkOpener();
}

LinkOpener* SetLinkOpener(LinkOpener* opener)
{
    LinkOpener* previous = installedOpener;
    installedOpener = opener;
    return previous;
}

int XdgOpenResultCode(const RunOutcome& outcome)
{
    switch (outcome.state) {
    case RunOutcome::State::NotStarted: return OpenFileNotFound;
    case RunOutcome::State::StillRunning: return OpenSucceeded;
    case RunOutcome::State::Crashed: return OpenAssociationIncomplete;
    case RunOutcome::State::Exited: break;
    }
    switch (outcome.exitCode) {
    case 0: return OpenSucceeded;
    case 2: return OpenFileNotFound;
    case 3: return OpenNoAssociation;
    default: return OpenAssociationIncomplete;
    }
}

int MacOpenResultCode(const RunOutcome& outcome)
{
    switch (outcome.state) {
    case RunOutcome::State::NotStarted: return OpenFileNotFound;
    case RunOutcome::State::StillRunning: return OpenSucceeded;
    case RunOutcome::State::Crashed: return OpenAssociationIncomplete;
    case RunOutcome::State::Exited: break;
    }
    // open says only that it failed, nearly always for want of a handler.
    return outcome.exitCode == 0 ? OpenSucceeded : OpenNoAssociation;
}

int HandlerResultCode(const RunOutcome& outcome)
{
    switch (outcome.state) {
    case RunOutcome::State::NotStarted: return OpenFileNotFound;
    case RunOutcome::State::StillRunning: return OpenSucceeded;
    case RunOutcome::State::Crashed: return OpenAssociationIncomplete;
    case RunOutcome::State::Exited: break;
    }
    return outcome.exitCode == 0 ? OpenSucceeded : OpenAssociationIncomplete;
}

int OpenTarget(const char* target, int /*showCommand*/)
{
    const std::string address = target != nullptr ? target : "";
    // A leading '-' would reach the opening program as an option.
    if (address.empty() || address.front() == '-') return OpenFileNotFound;
    LinkOpener& opener = CurrentLinkOpener();

#ifdef __APPLE__
    return MacOpenResultCode(opener.Run("open", {address}, OpenCommandWaitMs));
#else
    const int result = XdgOpenResultCode(opener.Run("xdg-open", {address}, OpenCommandWaitMs));
    if (result > 32) return result;

    // Fallback: the desktop's handler for web pages, started directly. When
    // it cannot be found, xdg-open's own failure is the one reported.
    const std::optional<std::string> handler = opener.WebPageHandler();
    if (!handler || ExecHandsAddressToShell(*handler)) return result;
    std::optional<std::vector<std::string>> arguments = HandlerArguments(*handler, address);
    if (!arguments) return result;
    const std::string program = arguments->front();
    arguments->erase(arguments->begin());
    return HandlerResultCode(opener.Run(program, *arguments, HandlerWaitMs));
#endif
}

#endif
