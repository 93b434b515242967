// Copy and paste where the user points, in the text forms other programs read.

#include "calculator_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace quillet::testing {
namespace {

using RegisterClipboardTest = CalculatorFixture;

TEST_F(RegisterClipboardTest, CopyAndPasteActOnTheDisplayRightClicked)
{
    Open();
    // Copied text uses the separators editing applications read.
    ChooseFormat(kOut, 7);      // "Real-time"
    ChooseFormat(kDuration, 1); // "NTSC-ND"
    Type("1000000");
    Press(Qt::Key_Return);
    for (const auto& [index, expected] : {std::pair{kIn, "01:00:00;00"}, {kOut, "01:00:00.00"}, {kDuration, "00:59:56:12"}}) {
        Dialog().CopyRegister(index);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(expected)) << index;
    }

    QString first;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        first = menu->actions().first()->text();
        menu->close();
    });
    const QPoint onOut = DisplayOf(kOut).geometry().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onOut, Dialog().mapToGlobal(onOut));
    QApplication::sendEvent(&Dialog(), &rightClick);
    EXPECT_EQ(first, QStringLiteral("&Copy OUT"));

    QGuiApplication::clipboard()->setText(QStringLiteral("00:00:05.50"));
    Dialog().PasteIntoRegister(kOut);
    EXPECT_EQ(Dialog().Engine().CurrentRegister(), kOut);
    EXPECT_EQ(Text(kOut), "00:00:05.50 "); // OUT in "Real-time"

    // Editing mode: the computed register takes no paste, as it takes no click.
    Click(IDC_MODE);
    QMenu menu;
    Dialog().Commands().PopulateContextMenu(menu, kDuration);
    EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("&Paste into DURATION"));
    EXPECT_FALSE(menu.actions()[1]->isEnabled());
    const std::string before = Text(kDuration);
    Dialog().PasteIntoRegister(kDuration);
    EXPECT_EQ(Text(kDuration), before);
}

} // namespace
} // namespace quillet::testing
