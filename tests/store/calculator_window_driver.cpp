// Another calculator on the same data folder, for the tests: a window
// (offscreen) in the user's folders, typing each line read from its input
// as keys and saying "typed" after each.
//   calculator_window_driver <application name>
#include "store/profile_store.h"
#include "ui/window/calculator_dialog.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
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

