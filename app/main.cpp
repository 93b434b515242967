#include "calculator_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Ties the window to the installed desktop entry (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));
    quillet::CalculatorApp theApp;
    theApp.InitInstance();
    return 0;
}
