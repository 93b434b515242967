#include "calculator_app.h"

#include "ui/window/calculator_dialog.h"

#include <QApplication>

namespace quillet {

bool CalculatorApp::InitInstance()
{
    // The application name is the executable's base name, as Qt sets it by default.
    ProfileStore profile(QString::fromLatin1(kRegistryKey), QCoreApplication::applicationName());
    CalculatorDialog dialog(profile);
    // The window is an ordinary top-level window run by the application's
    // event loop; closing it (Escape, the close box, Alt+F4, Ctrl+Q) ends the loop.
    QObject::connect(&dialog, &QDialog::finished, qApp, &QCoreApplication::quit);
    dialog.show();
    QApplication::exec();
    return false;
}

} // namespace quillet
