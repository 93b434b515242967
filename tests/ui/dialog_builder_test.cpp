// Dialog units and the template builder: positions follow the font, names
// follow the ids, long captions get room.

#include "resources/calculator_template.h"
#include "resources/settings_template.h"
#include "ui/dialogs/dialog_builder.h"
#include "ui/dialogs/dialog_units.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(DialogUnitsTest, MulDivRoundsHalfAwayFromZero)
{
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 6, 4, 15}, {1, 6, 4, 2}, {3, 5, 4, 4}, {5, 13, 8, 8}, {4, 13, 8, 7},
        {-1, 6, 4, -2}, {5, 1, -2, -3}, {0, 7, 4, 0}, {2000000000, 3, 4, 1500000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << "*" << c.b << "/" << c.c);
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected);
    }
}

TEST(DialogUnitsTest, BaseUnitsComeFromTheFontAndScaleTheLayout)
{
    QFont small;
    small.setPixelSize(11);
    QFont large = small;
    large.setPixelSize(22);
    const DialogUnits smallUnits = DialogUnits::FromFont(small);
    const DialogUnits largeUnits = DialogUnits::FromFont(large);
    EXPECT_EQ(smallUnits.BaseY(), QFontMetrics(small).height());
    const int letters = QFontMetrics(small).horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(smallUnits.BaseX(), (letters / 26 + 1) / 2);
    // The calculator's 176 x 250 units: twice the font, about twice the window.
    EXPECT_NEAR(largeUnits.ToPixelsX(176), 2 * smallUnits.ToPixelsX(176), 176 / 4 + 1);
    EXPECT_NEAR(largeUnits.ToPixelsY(250), 2 * smallUnits.ToPixelsY(250), 250 / 8 + 1);
    EXPECT_EQ(DialogUnits(6, 13).ToPixels(19, 150, 22, 19), QRect(29, 244, 33, 31));
}

TEST(DialogBuilderTest, EveryItemIsNamedPlacedAndShownAsTheTemplateSays)
{
    QDialog dialog;
    DialogBuilder builder(dialog, kCalculatorTemplate);
    builder.Build();
    const DialogUnits& units = builder.Units();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("QLT Timecode Calculator"));
    EXPECT_EQ(dialog.height(), units.ToPixelsY(250));
    // A caption a pixel too wide for its box may widen the window, never shrink it.
    EXPECT_GE(dialog.width(), units.ToPixelsX(176));
    EXPECT_LE(dialog.width(), units.ToPixelsX(176) + units.BaseX());
    for (const DialogItem& item : kCalculatorItems) {
        SCOPED_TRACE(item.name);
        QWidget* widget = builder.Item(item.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(item.name));
        EXPECT_EQ(widget->pos(), QPoint(units.ToPixelsX(item.x), units.ToPixelsY(item.y)));
        EXPECT_EQ(widget->isHidden(), (item.style & ItemStyle::Hidden) != 0);
    }
    EXPECT_EQ(builder.Item(999), nullptr);
    // The focus order is the template's: "7" first.
    EXPECT_EQ(dialog.nextInFocusChain(), builder.Item(IDC_KEY_7));
}

TEST(DialogBuilderTest, CaptionsThatDoNotFitWidenTheDialogAndKeepColumnsAligned)
{
    QDialog dialog;
    QFont wide;
    wide.setPixelSize(16);
    wide.setLetterSpacing(QFont::AbsoluteSpacing, 3); // far wider text than its base units expect
    dialog.setFont(wide);
    DialogBuilder builder(dialog, kSettingsTemplate);
    builder.Build();
    auto* overflow = static_cast<QCheckBox*>(builder.Item(IDC_ALLOW_OVERFLOW));
    QWidget* ok = builder.Item(IDOK);
    QWidget* cancel = builder.Item(IDCANCEL);
    EXPECT_GE(overflow->width(), overflow->sizeHint().width());
    EXPECT_GT(ok->x(), overflow->geometry().right());
    EXPECT_EQ(ok->x(), cancel->x());
    EXPECT_LE(ok->geometry().right(), dialog.width());
    EXPECT_GT(dialog.width(), builder.Units().ToPixelsX(235));
}

} // namespace
} // namespace quillet
