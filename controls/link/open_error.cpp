#include "controls/link/open_error.h"

#include <QApplication>
#include <QMessageBox>

#include <array>
#include <optional>
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

#ifndef _WIN32
// What the failures of xdg-open, open and a desktop's web-page handler come
// to (link_opener.h), in words for this system: the Windows ones speak of
// files and filename extensions.
constexpr std::array otherSystemTexts{
    ErrorText{2, "The program that opens web pages could not be found."},
    ErrorText{27, "The program that opens web pages reported an error."},
    ErrorText{31, "No web browser is set up to open web pages."},
};
#endif

template <std::size_t N>
std::optional<QString> Lookup(int code, const std::array<ErrorText, N>& texts)
{
    for (const ErrorText& text : texts) {
        if (text.code == code)
            return QString::fromLatin1(text.description.data(), static_cast<qsizetype>(text.description.size()));
    }
    return std::nullopt;
}

QString Prefixed(const QString& text)
{
    return QStringLiteral("Can't open link:\n\n") + text;
}

} // namespace

QString OpenErrorDescription(int code)
{
    return Lookup(code, errorTexts).value_or(QStringLiteral("Unknown Error (%1) occurred.").arg(code));
}

QString OpenErrorMessage(int code)
{
    return Prefixed(OpenErrorDescription(code));
}

QString PlatformOpenErrorMessage(int code, [[maybe_unused]] const QString& target)
{
#ifdef _WIN32
    return OpenErrorMessage(code);
#else
    return Prefixed(target + QStringLiteral("\n\n") + Lookup(code, otherSystemTexts).value_or(OpenErrorDescription(code)));
#endif
}

void ShowOpenError(int code, const QString& target)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), PlatformOpenErrorMessage(code, target),
                    QMessageBox::Ok, QApplication::activeWindow());
    // An address is never markup.
    box.setTextFormat(Qt::PlainText);
#ifndef _WIN32
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
#endif
    box.exec();
}
