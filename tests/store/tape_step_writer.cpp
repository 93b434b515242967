// Another program writing the same tape, for the tests: appends `count`
// steps whose exact counts are writer * 1,000,000 + 1, 2, 3..., saying
// "kept N" after each step reached the disk; a count of 0 goes on until it
// is killed.
//   tape_step_writer <database> <writer> <count>
#include "store/tape_database.h"

#include <cstdio>
#include <cstdlib>

namespace {

int TakeSteps(const QString& path, long long writer, long long count)
{
    quillet::TapeDatabase tape(path);
    if (!tape.IsKept()) {
        std::fprintf(stderr, "%s\n", qPrintable(tape.Problem()));
        return 1;
    }
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    return TakeSteps(QString::fromLocal8Bit(argv[1]), std::atoll(argv[2]), std::atoll(argv[3]));
}
