// Another program on the same tape, for the tests.
//   tape_step_driver steps <database> <writer> <count>
//     appends `count` steps whose exact counts are writer * 1,000,000 + 1, 2,
//     3..., saying "kept N" after each step reached the disk; a count of 0
//     goes on until it is killed.
//   tape_step_driver window <application name>
//     a calculator window (offscreen) in the user's folders, typing each line
//     read from its input as keys and saying "typed" after each.
#include "store/profile_store.h"
#include "store/tape_database.h"
#include "ui/window/calculator_dialog.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

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

int TypeInAWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[2]));
    quillet::ProfileStore profile(QStringLiteral("QuilletC"), QCoreApplication::applicationName());
    quillet::CalculatorDialog dialog(profile);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    for (std::string keys; std::getline(std::cin, keys);) {
        for (const char key : keys) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &dialog, key);
        }
        std::printf("typed\n");
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "steps" && argc == 5) return TakeSteps(QString::fromLocal8Bit(argv[2]), std::atoll(argv[3]), std::atoll(argv[4]));
    if (mode == "window" && argc == 3) return TypeInAWindow(argc, argv);
    return 2;
}
