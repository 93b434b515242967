// A second program on the same tape, for the tests: appends `count` steps
// whose exact counts are writer * 1,000,000 + 1, 2, 3..., and says "kept N"
// on its output after each step reached the disk. A count of 0 goes on until
// it is killed.
//   tape_step_driver <database> <writer> <count>
#include "store/tape_database.h"


#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    quillet::TapeDatabase tape(QString::fromLocal8Bit(argv[1]));
    if (!tape.IsKept()) {
        std::fprintf(stderr, "%s\n", qPrintable(tape.Problem()));
        return 1;
    }
    const long long writer = std::atoll(argv[2]);
    const long long count = std::atoll(argv[3]);
    for (long long n = 1; count == 0 || n <= count; ++n) {
        quillet::StoredStep step;
        step.kind = 1;
        step.registerIndex = static_cast<int>(writer % 3);
        step.result = {true, false, 0, writer * 1000000 + n, QStringLiteral("00000000")};
        step.exactCount = writer * 1000000 + n;
        if (!tape.Append({step})) {
            std::fprintf(stderr, "%s\n", qPrintable(tape.Problem()));
            return 1;
        }
        std::printf("kept %lld\n", n);
        std::fflush(stdout);
    }
    return 0;
}
