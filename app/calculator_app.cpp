#include "calculator_app.h"

#include "ui/calculator_dialog.h"

#include <QCoreApplication>

namespace quillet {

bool CalculatorApp::InitInstance()
{
    // The application name is the executable's base name, as Qt sets it by default.
    ProfileStore profile(QString::fromLatin1(kRegistryKey), QCoreApplication::applicationName());
    CalculatorDialog dialog(profile);
    dialog.exec();
    return false;
}

} // namespace quillet
