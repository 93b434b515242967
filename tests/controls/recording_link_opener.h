#pragma once
// A LinkOpener that starts nothing: it records each program and argument
// vector it is asked to run and answers with scripted outcomes.

#include "controls/link/link_opener.h"

#include <optional>
#include <string>
#include <vector>

struct RecordingLinkOpener final : LinkOpener {
    struct Call {
        std::string program;
        std::vector<std::string> args;
    };

    std::vector<Call> calls;
    std::vector<RunOutcome> outcomes;  // one per call in order; success once they run out
    std::optional<std::string> handler;
    int handlerQueries = 0;

    RunOutcome Run(const std::string& program, const std::vector<std::string>& args, int /*waitMs*/) override
    {
        const std::size_t index = calls.size();
        calls.push_back({program, args});
        return index < outcomes.size() ? outcomes[index] : RunOutcome{RunOutcome::State::Exited, 0};
    }

    std::optional<std::string> WebPageHandler() override
    {
        ++handlerQueries;
        return handler;
    }
};

// Installs an opener for the life of a scope.
class ScopedLinkOpener {
public:
    explicit ScopedLinkOpener(LinkOpener& opener)
        : m_previous(SetLinkOpener(&opener))
    {
    }
    ~ScopedLinkOpener() { SetLinkOpener(m_previous); }
    ScopedLinkOpener(const ScopedLinkOpener&) = delete;
    ScopedLinkOpener& operator=(const ScopedLinkOpener&) = delete;

private:
    LinkOpener* m_previous;
};

inline RunOutcome ExitedWith(int code)
{
    return {RunOutcome::State::Exited, code};
}
