// The Settings and About dialogs as a user meets them.

#include "calculator_fixture.h"
#include "controls/hyper_link.h"
#include "resources/about_template.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace quillet::testing {
namespace {

class SettingsAboutTest : public CalculatorFixture {
protected:
    void SetUp() override
    {
        CalculatorFixture::SetUp();
        Open();
    }

    static QCheckBox* Box(QWidget& settings, const char* name) { return settings.findChild<QCheckBox*>(QString::fromLatin1(name)); }
};

TEST_F(SettingsAboutTest, SettingsOpensShowingTheEngineOptions)
{
    WithNextModal(
        [](QWidget& settings) {
            EXPECT_EQ(settings.windowTitle(), QStringLiteral("Settings"));
            QCheckBox* bump = Box(settings, "IDC_BUMP_UP_DROPPED");
            QCheckBox* overflow = Box(settings, "IDC_ALLOW_OVERFLOW");
            ASSERT_NE(bump, nullptr);
            ASSERT_NE(overflow, nullptr);
            EXPECT_EQ(bump->text(), QStringLiteral("Automatically 'bump-up droped frames"));
            EXPECT_EQ(overflow->text(), QStringLiteral("Allow fields to overflow into next higher field"));
            EXPECT_TRUE(bump->isChecked());
            EXPECT_TRUE(overflow->isChecked());
            // Nothing is clipped in whatever font the platform gives.
            for (QCheckBox* box : {bump, overflow}) EXPECT_GE(box->width(), box->sizeHint().width());
            auto* ok = settings.findChild<QPushButton*>(QStringLiteral("IDOK"));
            EXPECT_TRUE(ok->isDefault());
            EXPECT_GT(ok->x(), overflow->geometry().right());
            QTest::keyClick(&settings, Qt::Key_Escape);
        },
        [&] { Click(IDC_SETTINGS); });
}

TEST_F(SettingsAboutTest, OnlyOkAppliesTheOptions)
{
    struct Case {
        const char* name;
        const char* closeWith; // button object name, or nullptr for Escape
        bool overflowAfter;
        std::string seventyFiveSeconds; // IN after typing 75 seconds and Enter
    };
    const Case cases[] = {
        {"Cancel", "IDCANCEL", true, "00:01:15.00 "},
        {"Escape", nullptr, true, "00:01:15.00 "},
        {"OK", "IDOK", false, "E0:00:75.00 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        Type("7500");
        WithNextModal(
            [&](QWidget& settings) {
                QTest::mouseClick(Box(settings, "IDC_ALLOW_OVERFLOW"), Qt::LeftButton);
                if (c.closeWith != nullptr) {
                    QTest::mouseClick(settings.findChild<QPushButton*>(QString::fromLatin1(c.closeWith)), Qt::LeftButton);
                } else {
                    QTest::keyClick(&settings, Qt::Key_Escape);
                }
            },
            [&] { Click(IDC_SETTINGS); });
        EXPECT_EQ(Dialog().Engine().Options().allowOverflow, c.overflowAfter);
        EXPECT_TRUE(Dialog().Engine().Options().bumpUpDropped);
        EXPECT_EQ(Text(kIn), "00:00:75.00 ") << "the display is not touched by the dialog";
        Press(Qt::Key_Return);
        EXPECT_EQ(Text(kIn), c.seventyFiveSeconds);
    }
}

TEST_F(SettingsAboutTest, OptionsAreBackOnAtTheNextStart)
{
    WithNextModal(
        [](QWidget& settings) {
            QTest::mouseClick(Box(settings, "IDC_ALLOW_OVERFLOW"), Qt::LeftButton);
            QTest::mouseClick(Box(settings, "IDC_BUMP_UP_DROPPED"), Qt::LeftButton);
            QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
        },
        [&] { Click(IDC_SETTINGS); });
    EXPECT_FALSE(Dialog().Engine().Options().allowOverflow);
    EXPECT_FALSE(Dialog().Engine().Options().bumpUpDropped);

    // The dialog shows the options as they now are.
    WithNextModal(
        [](QWidget& settings) {
            EXPECT_FALSE(Box(settings, "IDC_ALLOW_OVERFLOW")->isChecked());
            EXPECT_FALSE(Box(settings, "IDC_BUMP_UP_DROPPED")->isChecked());
            QTest::keyClick(&settings, Qt::Key_Escape);
        },
        [&] { Click(IDC_SETTINGS); });

    CalculatorDialog& again = Restart();
    EXPECT_TRUE(again.Engine().Options().allowOverflow);
    EXPECT_TRUE(again.Engine().Options().bumpUpDropped);
    EXPECT_FALSE(ReadSettingsFile().contains("llow")) << "options are never stored";
}

TEST_F(SettingsAboutTest, MoreFrameRatesAreOfferedOnRequestAndNeverTakeAChoiceAway)
{
    auto toggleMoreRates = [&] {
        WithNextModal(
            [](QWidget& settings) {
                QTest::mouseClick(Box(settings, "IDC_MORE_RATES"), Qt::LeftButton);
                QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
            },
            [&] { Click(IDC_SETTINGS); });
    };
    EXPECT_EQ(Selector(kOut).count(), 11) << "the window looks as before until asked";
    toggleMoreRates();
    EXPECT_EQ(Selector(kOut).count(), kListedFormatCount);
    EXPECT_TRUE(ReadSettingsFile().contains("moreRates=1"));
    ChooseFormat(kOut, 16);
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("59.94 DF"));
    Type("10000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kOut), "00:01:00.04 ") << "59.94 drop frame, shown with a point";

    toggleMoreRates();
    EXPECT_EQ(Selector(kIn).count(), 11);
    EXPECT_EQ(Selector(kOut).count(), 12) << "OUT keeps its frame rate in the shorter list";
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("59.94 DF"));
    EXPECT_EQ(Text(kOut), "00:01:00.04 ");

    Restart();
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("59.94 DF")) << "and after a restart";
    EXPECT_TRUE(ReadSettingsFile().contains("idx2=16"));
}

// Time codes as times of day: a stored choice, off until asked for.
TEST_F(SettingsAboutTest, DurationsAcrossMidnightWrapOnceTickedAndAfterARestart)
{
    Click(IDC_MODE); // Editing: DURATION = OUT - IN
    Type("23300000");
    Click(IDC_OUT_DISPLAY);
    Type("00100000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kDuration), "E0:00:00.00 ") << "off at first: an OUT before its IN is below zero";
    WithNextModal(
        [](QWidget& settings) {
            QTest::mouseClick(Box(settings, "IDC_WRAP_MIDNIGHT"), Qt::LeftButton);
            QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
        },
        [&] { Click(IDC_SETTINGS); });
    EXPECT_EQ(Text(kDuration), "00:40:00.00 ") << "and on the next day once ticked";
    EXPECT_TRUE(ReadSettingsFile().contains("wrapAtMidnight=1"));

    Restart();
    Type("23000000+2000000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kIn), "01:00:00.00 ") << "a sum past midnight";
}

void ExpectAboutBox(QWidget& about)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quillet"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Quillet Version 1.0")));
    auto* link = about.findChild<CHyperLink*>(QStringLiteral("IDC_ABOUT_HOME_LINK"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QStringLiteral("Visit Quillet Home Page"));
    EXPECT_EQ(link->m_target, QString::fromLatin1(kHomePageAddress));
    auto* icon = about.findChild<QLabel*>(QStringLiteral("IDC_ABOUT_ICON"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
}

TEST_F(SettingsAboutTest, AboutOpensTheSameBoxFromEveryEntry)
{
    EXPECT_EQ(Item<CHyperLink>(IDC_HOME_LINK)->m_target, QString::fromLatin1(kHomePageAddress));
    Type("12");
    const std::string before = Text(kIn);

    WithNextModal(ExpectAboutBox, [&] { Click(IDC_ABOUT); });
    for (int command : {0x0010, 0x0013, 0x001F}) {
        SCOPED_TRACE(command);
        WithNextModal(ExpectAboutBox, [&] { Dialog().OnSysCommand(command); });
    }
    // Other commands do not open it.
    Dialog().OnSysCommand(0x0020);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Right click: the context menu's last entry.
    bool menuSeen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menuSeen = true;
        QTimer::singleShot(0, [] {
            QWidget* about = QApplication::activeModalWidget();
            ASSERT_NE(about, nullptr);
            ExpectAboutBox(*about);
        });
        menu->actions().last()->trigger();
        menu->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 200), Dialog().mapToGlobal(QPoint(5, 200)));
    QApplication::sendEvent(&Dialog(), &rightClick);
    EXPECT_TRUE(menuSeen);
    EXPECT_EQ(Text(kIn), before) << "the About box changes nothing";
}

} // namespace
} // namespace quillet::testing
