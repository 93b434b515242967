// The keyboard: the key-down table, the character table, what passes on to
// the window, and whole calculations typed end to end.

#include "calculator_fixture.h"

#include <QClipboard>
#include <QKeyEvent>

namespace quillet::testing {
namespace {

class KeyboardMapTest : public CalculatorFixture {
protected:
    void SetUp() override
    {
        CalculatorFixture::SetUp();
        Open();
    }

    void SendText(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, 0, modifiers, text, autoRepeat);
        QApplication::sendEvent(Target(), &press);
    }
};

TEST_F(KeyboardMapTest, EveryKeyDownTableKeyActsAsItsButton)
{
    struct Case {
        const char* name;
        const char* before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string expected; // IN ("Drop Frame") afterwards
    };
    const Case cases[] = {
        {"Enter finishes the sum", "5+3", Qt::Key_Return, Qt::NoModifier, "00:00:00.08 "},
        {"keypad Enter too", "5+3", Qt::Key_Enter, Qt::KeypadModifier, "00:00:00.08 "},
        {"Space clears", "123", Qt::Key_Space, Qt::NoModifier, "00:00:00.00 "},
        {"Tab types 00", "1", Qt::Key_Tab, Qt::NoModifier, "00:00:01.00 "},
        {"Shift+Tab types 00", "1", Qt::Key_Backtab, Qt::ShiftModifier, "00:00:01.00 "},
        {"keypad + adds once", "5", Qt::Key_Plus, Qt::KeypadModifier, "00:00:00.05+"},
        {"keypad - subtracts", "5", Qt::Key_Minus, Qt::KeypadModifier, "00:00:00.05-"},
        {"keypad / divides", "5", Qt::Key_Slash, Qt::KeypadModifier, "00:00:00.05/"},
        {"keypad * multiplies", "5", Qt::Key_Asterisk, Qt::KeypadModifier, "00:00:00.05*"},
        {"Delete removes the last digit", "123", Qt::Key_Delete, Qt::NoModifier, "00:00:00.12 "},
        {"Backspace removes the last digit", "123", Qt::Key_Backspace, Qt::NoModifier, "00:00:00.12 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(IDC_KEY_CLEAR_ALL);
        Item(IDC_KEY_7)->setFocus();
        Type(c.before);
        Press(c.key, c.modifiers);
        EXPECT_EQ(Text(kIn), c.expected);
        EXPECT_EQ(QApplication::focusWidget(), Item(IDC_KEY_7)) << "no key of the table moves the focus";
        EXPECT_TRUE(Dialog().isVisible());
    }
}

TEST_F(KeyboardMapTest, EveryCharacterTableKeyActsAsItsButton)
{
    for (char digit = '0'; digit <= '9'; ++digit) {
        SCOPED_TRACE(digit);
        const char typed[] = {'1', digit, '\0'};
        Click(IDC_KEY_CLEAR);
        Type(typed);
        EXPECT_EQ(Text(kIn), std::string("00:00:00.1") + digit + " ");
    }
    const std::pair<char, std::string> operators[] = {
        {'+', "00:00:00.05+"}, {'-', "00:00:00.05-"}, {'*', "00:00:00.05*"}, {'/', "00:00:00.05/"}, {'=', "00:00:00.05 "},
    };
    for (const auto& [op, expected] : operators) {
        SCOPED_TRACE(op);
        Click(IDC_KEY_CLEAR);
        const char typed[] = {'5', op, '\0'};
        Type(typed);
        EXPECT_EQ(Text(kIn), expected);
    }
}

TEST_F(KeyboardMapTest, KeypadDigitsTypeLikeMainKeyboardDigits)
{
    Type("1234");
    const std::string fromMainKeyboard = Text(kIn);
    Click(IDC_KEY_CLEAR);
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) Press(key, Qt::KeypadModifier);
    EXPECT_EQ(Text(kIn), fromMainKeyboard);
    Click(IDC_KEY_CLEAR);
    for (int id : {IDC_KEY_1, IDC_KEY_2, IDC_KEY_3, IDC_KEY_4}) Click(id);
    EXPECT_EQ(Text(kIn), fromMainKeyboard);
    EXPECT_EQ(fromMainKeyboard, "00:00:12.34 ");
}

TEST_F(KeyboardMapTest, OtherCharactersAreSwallowedWithoutEffect)
{
    Type("12");
    const std::string before = Text(kIn);
    QComboBox& selector = Selector(kIn);
    selector.setFocus();
    for (const QString& text : {QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("N"), QStringLiteral("."),
                                QStringLiteral(":"), QStringLiteral(";"), QString(QChar(0xE9)), QString(QChar(0x80)),
                                QString(QChar(0xFF))}) {
        SCOPED_TRACE(text.toStdString());
        SendText(text);
        EXPECT_EQ(Text(kIn), before);
        EXPECT_EQ(selector.currentIndex(), 0) << "the focused selector never sees a typed letter";
    }
    // Ctrl+digit types no character on the calculator either.
    Press(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), before);
}

TEST_F(KeyboardMapTest, EnterRepeatsTheLastOperationAndKeepsTheWindowOpen)
{
    Type("10+5");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kIn), "00:00:00.15 ");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kIn), "00:00:00.20 ");
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(kIn), "00:00:00.25 ");
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().result(), 0);
}

TEST_F(KeyboardMapTest, SpaceClearsEvenWithAButtonFocused)
{
    Type("42");
    Item(IDC_KEY_9)->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
    // Releasing Space must not click the focused button either.
    QTest::keyRelease(Item(IDC_KEY_9), Qt::Key_Space);
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
}

TEST_F(KeyboardMapTest, BackspaceAfterAResultOnlyRefreshes)
{
    Type("12+3=");
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Delete);
    EXPECT_EQ(Text(kIn), "00:00:00.15 ");
}

TEST_F(KeyboardMapTest, ClearRecomputesButClearAllDoesNot)
{
    Type("100");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kDuration), "00000030 ");
    Click(IDC_KEY_CLEAR);
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
    EXPECT_EQ(Text(kDuration), "00000000 ") << "C recomputes the other registers";

    Type("100");
    Press(Qt::Key_Return);
    Type("7+");
    Click(IDC_KEY_CLEAR_ALL);
    for (int r : {kIn, kOut, kDuration}) {
        EXPECT_EQ(Dialog().Engine().Value(r), 0) << r;
        EXPECT_EQ(Dialog().Engine().PendingOperator(r), 0) << r;
    }
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
    EXPECT_EQ(Text(kOut), "00:00:00:00 ");
    EXPECT_EQ(Text(kDuration), "00000000 ");
}

TEST_F(KeyboardMapTest, AutoRepeatRepeatsTheKey)
{
    SendText(QStringLiteral("7"));
    SendText(QStringLiteral("7"), Qt::NoModifier, true);
    SendText(QStringLiteral("7"), Qt::NoModifier, true);
    EXPECT_EQ(Text(kIn), "00:00:07.77 ");
}

TEST_F(KeyboardMapTest, EscapeClosesTheCalculator)
{
    Item(IDC_KEY_5)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Dialog().result(), QDialog::Rejected);
}

TEST_F(KeyboardMapTest, NtscNonDropSumRepeatsWithEnter)
{
    ChooseFormat(kIn, 1); // "NTSC-ND"
    Type("100+10=");
    EXPECT_EQ(Text(kIn), "00:00:01:10 ");
    Type("=");
    EXPECT_EQ(Text(kIn), "00:00:01:20 ");
}

TEST_F(KeyboardMapTest, DropFrameEntryIsShownConvertedInTheOtherRegisters)
{
    ChooseFormat(kOut, 7); // "Real-time"
    Type("1000000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kIn), "01:00:00.00 ");
    EXPECT_EQ(Text(kOut), "01:00:00.00 ");
    EXPECT_EQ(Text(kDuration), "00107892 ");
}

TEST_F(KeyboardMapTest, CopyAndPasteRoundTrip)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    Type("12315+");
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("00:01:23;15")) << "without the pending operator, ';' for drop-frame";

    Click(IDC_KEY_CLEAR_ALL);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:01:23.15 ");

    struct Case {
        const char* name;
        const char* before;
        QString clipboard;
        std::string expected;
    };
    const Case cases[] = {
        {"replaces a typed entry", "77", QStringLiteral("00:00:01.02"), "00:00:01.02 "},
        {"more than eight digits shows E", "", QStringLiteral("1234567890"), "E4:56:78.90 "},
        {"reads the fields as written", "", QStringLiteral("1;2\r\n"), "00:00:01.02 "},
        {"words around a value make no value", "", QStringLiteral("TC 1;2"), "E0:00:00.12 "},
        {"a field out of its range shows E", "", QStringLiteral("00:00:60;00"), "E0:00:60.00 "},
        {"text without digits does nothing", "55", QStringLiteral("hello"), "00:00:00.55 "},
        {"becomes the right operand of a pending sum", "5+", QStringLiteral("3"), "00:00:00.03+"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(IDC_KEY_CLEAR_ALL);
        Type(c.before);
        clipboard->setText(c.clipboard);
        Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Text(kIn), c.expected);
    }
    Type("=");
    EXPECT_EQ(Text(kIn), "00:00:00.08 ") << "5 + pasted 3";
}

TEST_F(KeyboardMapTest, KeysForSubDialogsAreLeftAlone)
{
    WithNextModal(
        [&](QWidget& settings) {
            QTest::keyClick(&settings, Qt::Key_5);
            QTest::keyClick(&settings, Qt::Key_Escape);
        },
        [&] { Click(IDC_SETTINGS); });
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
    EXPECT_TRUE(Dialog().isVisible());
}

} // namespace
} // namespace quillet::testing
