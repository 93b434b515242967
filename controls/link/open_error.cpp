#include "controls/link/open_error.h"

#include <QApplication>
#include <QMessageBox>

#include <array>
#include <string_view>

namespace {

struct ErrorText {
    int code;
    std::string_view description;
};

// The system's own wording for the shell's result codes, kept word for word
// (including the trailing space of code 26).
constexpr std::array errorTexts{
    ErrorText{0, "The operating system is out\nof memory or resources."},
    ErrorText{2, "The specified file was not found."},
    ErrorText{3, "The specified path was not found."},
    ErrorText{5, "The operating system denied\naccess to the specified file."},
    ErrorText{8, "There was not enough memory to complete the operation."},
    ErrorText{11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    ErrorText{26, "A sharing violation occurred. "},
    ErrorText{27, "The filename association is\nincomplete or invalid."},
    ErrorText{28, "The DDE transaction could not\nbe completed because the request timed out."},
    ErrorText{29, "The DDE transaction failed."},
    ErrorText{30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    ErrorText{31, "There is no application associated\nwith the given filename extension."},
    ErrorText{32, "The specified dynamic-link library was not found."},
};
static_assert(errorTexts.size() == 13);

} // namespace

QString OpenErrorDescription(int code)
{
    for (const ErrorText& text : errorTexts) {
        if (text.code == code)
            return QString::fromLatin1(text.description.data(), static_cast<qsizetype>(text.description.size()));
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}

QString OpenErrorMessage(int code)
{
    return QStringLiteral("Can't open link:\n\n") + OpenErrorDescription(code);
}

void ShowOpenError(int code)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), OpenErrorMessage(code), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
