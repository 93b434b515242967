// Every action of the window from the keyboard alone, walked in one session:
// the window's shortcuts on top of the calculator's keys.

#include "calculator_fixture.h"

#include <QTreeWidget>

#include <QStyle>

#include <QLabel>

#include <algorithm>
#include <cstdlib>

namespace quillet::testing {
namespace {

using WindowKeyboardTest = CalculatorFixture;

TEST_F(WindowKeyboardTest, EveryActionIsReachableFromTheKeyboard)
{
    Open();
    const CalculatorEngine& engine = Dialog().Engine();
    for (const auto& [key, index] : {std::pair{Qt::Key_2, kOut}, {Qt::Key_3, kDuration}, {Qt::Key_1, kIn}}) {
        Press(key, Qt::ControlModifier);
        EXPECT_EQ(engine.CurrentRegister(), index);
        EXPECT_EQ(Colour(index), 0xFFFFFFu);
    }
    Type("12+");
    Press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier); // "CA", which no calculator key reaches
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");

    Press(Qt::Key_M, Qt::ControlModifier);
    Press(Qt::Key_1, Qt::AltModifier); // CALC (IN)
    EXPECT_TRUE(Item<QAbstractButton>(IDC_CALC_IN)->isChecked());
    Press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(engine.CurrentRegister(), kOut) << "the computed register cannot be selected";
    Press(Qt::Key_M, Qt::ControlModifier);
    Press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(engine.CurrentRegister(), kIn) << "back in Conversion mode every register can be selected";

    // A format list: arrows and Enter choose; Escape closes the list, not the window.
    QComboBox& duration = Selector(kDuration);
    Press(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(duration.view(), Qt::Key_Down);
    QTest::keyClick(duration.view(), Qt::Key_Return);
    EXPECT_TRUE(ReadSettingsFile().contains("idx3=4"));
    EXPECT_EQ(duration.currentIndex(), 4);
    // Alt+Down and F4: the current register's list, whichever list has the focus.
    Press(Qt::Key_2, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Selector(kOut).view()->isVisible());
    QTest::keyClick(Selector(kOut).view(), Qt::Key_Escape);
    EXPECT_TRUE(Dialog().isVisible());
    Press(Qt::Key_1, Qt::ControlModifier);
    Press(Qt::Key_F4);
    EXPECT_FALSE(Selector(kOut).view()->isVisible());
    ASSERT_TRUE(Selector(kIn).view()->isVisible());
    QTest::keyClick(Selector(kIn).view(), Qt::Key_Escape);

    // Boxes modal to the calculator; what they show is collected.
    QStringList shown;
    const auto openBox = [&](const std::function<void()>& opener) {
        WithNextModal(
            [&](QWidget& box) {
                EXPECT_EQ(box.parentWidget(), &Dialog());
                shown << box.windowTitle();
                for (const QLabel* label : box.findChildren<QLabel*>()) shown << label->text();
                // The shortcuts are rows of a list, which the arrows walk from the first.
                if (auto* list = box.findChild<QTreeWidget*>()) {
                    EXPECT_EQ(box.focusWidget(), list);
                    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
                    for (int row = 0; row < list->topLevelItemCount(); ++row) shown << list->topLevelItem(row)->text(0);
                }
                QTest::keyClick(&box, Qt::Key_Escape);
            },
            opener);
        QApplication::setActiveWindow(&Dialog()); // a window manager does this; offscreen, the test
    };
    openBox([&] { Press(Qt::Key_Comma, Qt::ControlModifier); });
    openBox([&] { Press(Qt::Key_F1); });
    openBox([&] { Dialog().Commands().OnKeyboardShortcuts(); }); // an entry of the menu below
    for (const char* text : {"Settings", "About Quillet", "Keyboard shortcuts", "Tab", "Ctrl+1", "Alt+2", "Ctrl+Q"}) {
        EXPECT_TRUE(shown.contains(QString::fromLatin1(text))) << text;
    }
    bool menuSeen = false;
    QTimer::singleShot(0, [&] {
        menuSeen = QApplication::activePopupWidget() != nullptr;
        if (menuSeen) QApplication::activePopupWidget()->close();
    });
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menuSeen);
    QApplication::setActiveWindow(&Dialog());

    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Dialog().isVisible());
}

// The arrow keys walk the controls row by row as they stand on the screen,
// the Home link among them; Space and Enter work the focused control that is
// no key of the keypad, and keep their meanings (C, =) everywhere else.
TEST_F(WindowKeyboardTest, ArrowsFollowTheScreenAndSpaceOrEnterWorkTheFocusedControl)
{
    Open();
    QWidget* const start = QApplication::focusWidget();
    std::vector<QWidget*> walk{start};
    for (int i = 0; i < 60; ++i) {
        Press(Qt::Key_Right);
        if (QApplication::focusWidget() == start) break;
        walk.push_back(QApplication::focusWidget());
    }
    ASSERT_EQ(QApplication::focusWidget(), start) << "the walk comes round";
    EXPECT_NE(std::find(walk.begin(), walk.end(), Item(IDC_HOME_LINK)), walk.end());
    std::size_t wrapped = 0; // where the walk goes from the bottom back to the top
    for (std::size_t i = 1; i < walk.size(); ++i) {
        const QRect a = walk[i - 1]->geometry();
        const QRect b = walk[i]->geometry();
        const bool sameRow = std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2 + 1;
        if (!(sameRow ? b.left() > a.left() : b.center().y() > a.center().y())) ++wrapped;
    }
    EXPECT_LE(wrapped, 1u) << "row by row, left to right";
    Press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), walk.back()) << "and back";

    Type("42");
    Item(IDC_MODE)->setFocus();
    Press(Qt::Key_Space);
    EXPECT_FALSE(Dialog().Engine().IsConversionMode()) << "Space works the Mode button";
    EXPECT_EQ(Text(kIn), "00:00:00.42 ") << "and clears nothing";
    Item(IDC_CALC_IN)->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Dialog().Engine().CalcTarget(), kIn) << "Enter ticks the focused CALC box";
    Item(IDC_KEY_5)->setFocus();
    Type("7");
    ASSERT_EQ(Text(kOut), "00:00:00.07 ");
    Press(Qt::Key_Space);
    EXPECT_EQ(Text(kOut), "00:00:00.00 ") << "on a key Space is still C";
}

// Ctrl+Plus enlarges the whole window step by step, remembered; Ctrl+0 gives
// back the window exactly as designed.
TEST_F(WindowKeyboardTest, TheWindowZoomsAndRemembersIt)
{
    Open();
    const QSize designed = Dialog().size();
    const QImage designedLook = Dialog().grab().toImage();
    const QRect key = Item(IDC_KEY_7)->geometry();
    const QRect link = Item(IDC_HOME_LINK)->geometry();
    const auto indicator = [this] {
        QWidget* radio = Item(IDC_OUT_RADIO);
        return radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio);
    };
    const int designedIndicator = indicator();
    Press(Qt::Key_Equal, Qt::ControlModifier);
    Press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(Dialog().width(), designed.width() * 3 / 2, designed.width() / 10) << "150 %";
    EXPECT_GT(Item(IDC_KEY_7)->width(), key.width() * 5 / 4);
    EXPECT_EQ(indicator(), qRound(designedIndicator * 1.5)) << "radio buttons grow too";
    EXPECT_TRUE(ReadSettingsFile().contains("zoom=150"));
    Restart();
    EXPECT_NEAR(Dialog().width(), designed.width() * 3 / 2, designed.width() / 10) << "restored";
    Press(Qt::Key_Minus, Qt::ControlModifier);
    Press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Dialog().size(), designed);
    EXPECT_EQ(Item(IDC_KEY_7)->geometry(), key);
    EXPECT_EQ(Item(IDC_OUT_RADIO)->style(), QApplication::style());
    EXPECT_EQ(Item(IDC_HOME_LINK)->geometry(), link);
    EXPECT_TRUE(Dialog().grab().toImage() == designedLook) << "drawn pixel for pixel as designed";
    EXPECT_EQ(Text(kIn), "00:00:00.00 ") << "no key of the calculator was typed";
}

// Ctrl+Z takes back each step, keys and format choices alike, and stores a
// choice it changes back; Ctrl+Shift+Z and Ctrl+Y bring the steps back.
TEST_F(WindowKeyboardTest, UndoAndRedoEveryStep)
{
    Open();
    Type("12+3");
    ChooseFormat(kOut, 2); // PAL
    const std::string before = Text(kOut);
    Type("=");
    const std::string result = Text(kIn);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:00:00.03+") << "before '='";
    EXPECT_EQ(Text(kOut), before);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("NTSC-ND")) << "the format choice taken back";
    EXPECT_TRUE(ReadSettingsFile().contains("idx2=1")) << "and stored again";
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("PAL"));
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(kIn), result);
    for (int i = 0; i < 10; ++i) Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:00:00.00 ") << "back to the start, and no further";
}

} // namespace
} // namespace quillet::testing
