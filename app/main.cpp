#include "calculator_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    quillet::CalculatorApp theApp;
    theApp.InitInstance();
    return 0;
}
