// Another program writing the same tape, for the tests: appends steps whose
// exact counts are writer * 1,000,000 + 1, 2, 3..., saying "kept N" after
// each step reached the disk, until it is killed.
//   tape_step_writer <database> <writer>
#include "store/tape_database.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    quillet::TapeDatabase tape(QString::fromLocal8Bit(argv[1]));
    quillet::StoredStep step;
    step.kind = 1;
    step.result = {true, false, 0, 0, QStringLiteral("00000000")};
    for (long long n = 1;; ++n) {
        step.exactCount = step.result.count = std::atoll(argv[2]) * 1000000 + n;
        if (!tape.Append({step})) {
            std::fprintf(stderr, "%s\n", qPrintable(tape.Problem()));
            return 1;
        }
        std::printf("kept %lld\n", n);
        std::fflush(stdout);
    }
}
