// Opening the calculator: the layout a user sees, the stored format choices
// and how selector changes are kept.

#include "calculator_fixture.h"
#include "controls/flat_button.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QWheelEvent>
#include <QWindow>

namespace quillet::testing {
namespace {

using CalculatorStartupTest = CalculatorFixture;

TEST_F(CalculatorStartupTest, FirstRunShowsDefaultsInConversionMode)
{
    CalculatorDialog& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("QLT Timecode Calculator"));
    EXPECT_EQ(Selector(kIn).currentText(), QStringLiteral("Drop Frame"));
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("NTSC-ND"));
    EXPECT_EQ(Selector(kDuration).currentText(), QStringLiteral("NTSC frames"));
    EXPECT_EQ(Text(kIn), "00:00:00.00 ");
    EXPECT_EQ(Text(kOut), "00:00:00:00 ");
    EXPECT_EQ(Text(kDuration), "00000000 ");
    EXPECT_EQ(Item<QAbstractButton>(IDC_MODE)->text(), QStringLiteral("Mode: Conversion"));
    EXPECT_TRUE(dialog.Engine().IsConversionMode());
    EXPECT_EQ(Colour(kIn), 0xFFFFFFu);
    EXPECT_EQ(Colour(kOut), 0xE0E0E0u);
    EXPECT_EQ(Colour(kDuration), 0xE0E0E0u);
    EXPECT_TRUE(Item<QRadioButton>(IDC_IN_RADIO)->isChecked());
    EXPECT_TRUE(Item<QAbstractButton>(IDC_CALC_DURATION)->isChecked());
    for (int id : {IDC_IN_LABEL, IDC_OUT_LABEL, IDC_DURATION_LABEL, IDC_CALC_IN, IDC_CALC_OUT, IDC_CALC_DURATION}) {
        EXPECT_FALSE(Item(id)->isVisible()) << id;
    }
    EXPECT_EQ(QApplication::focusWidget(), Item(IDC_IN_DISPLAY)) << "the current register's display";
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "nothing is written by a start";
}

TEST_F(CalculatorStartupTest, WindowIsAFixedSizeTopLevelWindowWithFlatControls)
{
    CalculatorDialog& dialog = Open();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // A window of its own, so window managers give it a taskbar entry: no
    // transient parent, not modal, minimisable.
    EXPECT_EQ(dialog.windowType(), Qt::Window);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->modality(), Qt::NonModal);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(static_cast<QWidget&>(dialog).windowIcon().isNull());

    for (int id = IDC_KEY_7; id <= IDC_KEY_EQUALS; ++id) {
        auto* key = Item<FlatButton>(id);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->objectName().left(8), QStringLiteral("IDC_KEY_"));
        EXPECT_EQ(key->XButtonStyle(), FlatButton::KeypadStyle);
        const bool red = id == IDC_KEY_CLEAR || id == IDC_KEY_CLEAR_ALL;
        EXPECT_EQ(key->TextColor().has_value(), red) << id;
        if (red) {
            EXPECT_EQ(*key->TextColor(), 0x0000FFu);
        }
        EXPECT_FALSE(key->isDefault());
    }
    for (int id : {IDC_SETTINGS, IDC_MODE, IDC_ABOUT}) EXPECT_EQ(Item<FlatButton>(id)->XButtonStyle(), FlatButton::ToolbarStyle);

    // Every control lies inside the window, and the keypad keeps its grid.
    for (int id = IDC_KEY_7; id <= IDC_ABOUT; ++id) {
        if (QWidget* item = Item(id)) {
            EXPECT_TRUE(dialog.rect().contains(item->geometry())) << item->objectName().toStdString();
        }
    }
    EXPECT_EQ(Item(IDC_KEY_7)->y(), Item(IDC_KEY_CLEAR)->y());
    EXPECT_EQ(Item(IDC_KEY_0)->x(), Item(IDC_KEY_7)->x());
    EXPECT_LT(Item(IDC_IN_DISPLAY)->geometry().bottom(), Item(IDC_IN_FORMAT)->y());
    EXPECT_LT(Item(IDC_IN_FORMAT)->geometry().bottom(), Item(IDC_OUT_DISPLAY)->y());
}

TEST_F(CalculatorStartupTest, AccessibleNamesTellWhatControlsAre)
{
    Open();
    const std::pair<int, const char*> buttons[] = {
        {IDC_KEY_CLEAR, "Clear"}, {IDC_KEY_CLEAR_ALL, "Clear all"},
        {IDC_KEY_BACKSPACE, "Backspace"}, {IDC_KEY_MULTIPLY, "Multiply"},
    };
    for (const auto& [id, name] : buttons) EXPECT_EQ(Item(id)->accessibleName(), QString::fromLatin1(name));
    // A list says what it is for (its name and its label) and its choice (its
    // text, where screen readers look for it on Linux).
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Item(IDC_OUT_FORMAT));
    const auto labels = list->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("OUT format"));
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("OUT format"));
    ASSERT_NE(list->textInterface(), nullptr);
    EXPECT_EQ(list->textInterface()->text(0, list->textInterface()->characterCount()), QStringLiteral("NTSC-ND"));
    EXPECT_EQ(list->child(0)->object(), Selector(kOut).view()) << "its open list";

    Type("125");
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(&DisplayOf(kIn));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("IN, 1 second 25 frames, Drop Frame"));
    ASSERT_NE(display->textInterface(), nullptr);
    EXPECT_EQ(display->textInterface()->text(0, display->textInterface()->characterCount()), QStringLiteral("00:00:01.25"));
    Press(Qt::Key_Return);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&DisplayOf(kDuration))->text(QAccessible::Name),
              QStringLiteral("DURATION, 55 frames, NTSC frames"));
    Type("1/0=");
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("IN, error, Division by zero"));
}

TEST_F(CalculatorStartupTest, StoredChoicesOutsideTheListShowTheFormatTheRegisterUses)
{
    struct Case {
        const char* name;
        const char* file;
        int in, out, duration; // selector rows
    };
    const Case cases[] = {
        {"idx1 past the table", "[Default]\nidx1=999\n", 0, 1, 3},
        {"idx2 negative", "[Default]\nidx2=-1\n", 0, 0, 3},
        {"idx2 PAL", "[Default]\nidx2=2\n", 0, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettingsFile(c.file);
        Restart();
        const int rows[3] = {c.in, c.out, c.duration};
        for (int index : {kIn, kOut, kDuration}) {
            EXPECT_EQ(Selector(index).currentIndex(), rows[index]);
            EXPECT_EQ(Selector(index).currentText().toStdString(), Dialog().Engine().Format(index).name);
        }
        EXPECT_EQ(ReadSettingsFile(), QByteArray(c.file)) << "the stored value stays until the user picks";
        m_dialog.reset();
        QFile::remove(SettingsFile());
    }
}

TEST_F(CalculatorStartupTest, AChoiceOutsideTheListIsOverwrittenWhenTheUserPicks)
{
    WriteSettingsFile("[Default]\nidx1=99\n");
    Open();
    Type("1");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kIn), "00:00:00.01 ");
    ChooseFormat(kIn, 3);
    EXPECT_EQ(Text(kIn), "00000001 ");
    EXPECT_TRUE(ReadSettingsFile().contains("idx1=3"));
}

TEST_F(CalculatorStartupTest, CorruptOrUnreadableStoreGivesAWorkingDefaultWindow)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"corrupt", [&] { WriteSettingsFile(QByteArray("[Default]\nidx1=\xff\xfe\x00\x01garbage\n[\n=\n", 25)); }},
        {"unreadable and unwritable", [&] { QDir().mkpath(SettingsFile()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare();
        Restart();
        EXPECT_EQ(Selector(kIn).currentIndex(), 0);
        EXPECT_EQ(Selector(kOut).currentIndex(), 1);
        EXPECT_EQ(Selector(kDuration).currentIndex(), 3);
        ChooseFormat(kOut, 2); // writing may fail; the window goes on
        EXPECT_EQ(Text(kOut), "00:00:00:00 ");
        Type("25");
        EXPECT_EQ(Text(kIn), "00:00:00.25 ");
        m_dialog.reset();
        QDir(SettingsFile()).removeRecursively();
        QFile::remove(SettingsFile());
    }
}

TEST_F(CalculatorStartupTest, SelectorChangesAreStoredAtOnceAndOnlyByTheUser)
{
    Open();
    ChooseFormat(kOut, 2);
    EXPECT_EQ(ReadSettingsFile(), QByteArray("[Default]\nidx2=2\n"));
    ChooseFormat(kDuration, 7);
    ChooseFormat(kIn, 1);
    QByteArray stored = ReadSettingsFile();
    EXPECT_TRUE(stored.contains("idx1=1") && stored.contains("idx2=2") && stored.contains("idx3=7"));

    // Changes made by the program itself are not the user's choice.
    Selector(kIn).setCurrentIndex(5);
    Click(IDC_MODE);
    Click(IDC_MODE);
    EXPECT_EQ(ReadSettingsFile(), stored);

    CalculatorDialog& again = Restart();
    EXPECT_EQ(Selector(kIn).currentText(), QStringLiteral("NTSC-ND"));
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("PAL"));
    EXPECT_EQ(Selector(kDuration).currentText(), QStringLiteral("Real-time"));
    EXPECT_TRUE(again.Engine().IsConversionMode());
}

TEST_F(CalculatorStartupTest, AClosedSelectorKeepsItsChoiceWhateverTheKeysOrWheel)
{
    Open();
    QComboBox& out = Selector(kOut);
    out.setFocus();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_R}) QTest::keyClick(&out, key);
    QWheelEvent wheel(QPointF(5, 5), out.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&out, &wheel);
    EXPECT_EQ(out.currentIndex(), 1);
    // Arrows move the focus instead, forwards and back.
    QTest::keyClick(&out, Qt::Key_Down);
    EXPECT_NE(QApplication::focusWidget(), &out);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), &out);
    EXPECT_EQ(out.currentIndex(), 1);
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "nothing chosen, nothing stored";
}

TEST_F(CalculatorStartupTest, InSelectorConvertsOnlyInInConversionModeButAllInEditingMode)
{
    Open();
    Type("1000000");
    Click(IDC_OUT_DISPLAY); // commit IN, now OUT is current
    ChooseFormat(kIn, 2);
    EXPECT_EQ(Selector(kOut).currentIndex(), 1);
    EXPECT_EQ(Dialog().Engine().Format(kIn).name, std::string("PAL"));
    EXPECT_EQ(Dialog().Engine().Format(kOut).name, std::string("NTSC-ND"));

    Click(IDC_MODE);
    ChooseFormat(kIn, 2);
    for (int r : {kIn, kOut, kDuration}) EXPECT_EQ(Dialog().Engine().Format(r).name, std::string("PAL")) << r;
    const QByteArray stored = ReadSettingsFile();
    EXPECT_TRUE(stored.contains("idx1=2"));
    EXPECT_FALSE(stored.contains("idx2")) << "only the IN choice is stored";
}

TEST_F(CalculatorStartupTest, ContextMenuListsTheCommandsWithTheirKeysAndEndsWithAbout)
{
    Open();
    QMenu menu;
    Dialog().Commands().PopulateContextMenu(menu);
    QStringList entries;
    for (const QAction* action : menu.actions()) entries << action->text() + QLatin1Char(' ') + action->shortcut().toString();
    for (const char* entry : {"&Copy Ctrl+C", "&Paste Ctrl+V", "Select &IN Ctrl+1", "Switch &mode Ctrl+M",
                              "&Settings... Ctrl+,", "&Keyboard shortcuts... ", "Open the &home page ", "&Quit Ctrl+Q"}) {
        EXPECT_TRUE(entries.contains(QString::fromLatin1(entry))) << entry;
    }
    EXPECT_TRUE(menu.actions()[menu.actions().size() - 2]->isSeparator());
    EXPECT_EQ(entries.last(), QStringLiteral("&About Quillet... F1"));
    EXPECT_EQ(menu.actions().last()->data().toInt(), 0x0010);
}

} // namespace
} // namespace quillet::testing
