// Writes the files made from quillet-calc's own tables at build time:
//   quillet-calc-docs man FILE              the manual page
//   quillet-calc-docs bash-completion FILE  the bash completion
#include "cli/bash_completion.h"
#include "cli/man_page.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#ifndef QUILLET_VERSION
#define QUILLET_VERSION "unknown"
#endif

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s man|bash-completion FILE\n", argv[0]);
        return 2;
    }
    const std::string_view kind = argv[1];
    std::string text;
    if (kind == "man") {
        text = quillet::cli::ManPage(QUILLET_VERSION);
    } else if (kind == "bash-completion") {
        text = quillet::cli::BashCompletion();
    } else {
        std::fprintf(stderr, "%s: unknown kind '%s'\n", argv[0], argv[1]);
        return 2;
    }
    std::ofstream file(argv[2], std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
