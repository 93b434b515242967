// Choosing the current and the computed register, and the colours that show
// both, in Conversion and Editing mode; the Mode button's round trips.

#include "calculator_fixture.h"

#include <QLabel>

namespace quillet::testing {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xE0E0E0;
constexpr std::uint32_t kPaleRed = 0xE0E0FF;

class RegisterSelectionTest : public CalculatorFixture {
protected:
    void SetUp() override
    {
        CalculatorFixture::SetUp();
        Open();
    }

    std::array<std::uint32_t, 3> Colours() { return {Colour(kIn), Colour(kOut), Colour(kDuration)}; }
    int Current() { return Dialog().Engine().CurrentRegister(); }
    std::array<bool, 3> RadioEnabled()
    {
        return {Item(IDC_IN_RADIO)->isEnabled(), Item(IDC_OUT_RADIO)->isEnabled(), Item(IDC_DURATION_RADIO)->isEnabled()};
    }
    std::array<bool, 3> CalcTicked()
    {
        return {Item<QAbstractButton>(IDC_CALC_IN)->isChecked(), Item<QAbstractButton>(IDC_CALC_OUT)->isChecked(),
                Item<QAbstractButton>(IDC_CALC_DURATION)->isChecked()};
    }
    std::array<QString, 3> Labels()
    {
        return {Item<QLabel>(IDC_IN_LABEL)->text(), Item<QLabel>(IDC_OUT_LABEL)->text(), Item<QLabel>(IDC_DURATION_LABEL)->text()};
    }
    int TickedRadio()
    {
        for (int r = 0; r < 3; ++r) {
            constexpr int ids[3] = {IDC_IN_RADIO, IDC_OUT_RADIO, IDC_DURATION_RADIO};
            if (Item<QAbstractButton>(ids[r])->isChecked()) return r;
        }
        return -1;
    }
};

TEST_F(RegisterSelectionTest, ColoursFollowEveryKindOfClickInConversionMode)
{
    struct Case {
        const char* name;
        int clicked;
        int current;
        std::array<std::uint32_t, 3> colours;
    };
    const Case cases[] = {
        {"OUT display", IDC_OUT_DISPLAY, kOut, {kGrey, kWhite, kGrey}},
        {"DURATION radio", IDC_DURATION_RADIO, kDuration, {kGrey, kGrey, kWhite}},
        {"DURATION display again", IDC_DURATION_DISPLAY, kDuration, {kGrey, kGrey, kWhite}},
        {"IN display", IDC_IN_DISPLAY, kIn, {kWhite, kGrey, kGrey}},
        {"OUT radio", IDC_OUT_RADIO, kOut, {kGrey, kWhite, kGrey}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(c.clicked);
        EXPECT_EQ(Current(), c.current);
        EXPECT_EQ(TickedRadio(), c.current);
        EXPECT_EQ(Colours(), c.colours);
        EXPECT_EQ(RadioEnabled(), (std::array<bool, 3>{true, true, true}));
    }
}

TEST_F(RegisterSelectionTest, ReselectingTheCurrentRegisterCommitsItsEntry)
{
    Type("100");
    EXPECT_EQ(Text(kDuration), "00000000 ");
    Click(IDC_IN_DISPLAY);
    EXPECT_EQ(Text(kDuration), "00000030 ");
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kWhite, kGrey, kGrey}));
}

TEST_F(RegisterSelectionTest, EnteringEditingModeMakesDurationTheTintedComputedRegister)
{
    Click(IDC_MODE);
    EXPECT_EQ(Item<QAbstractButton>(IDC_MODE)->text(), QStringLiteral("Mode: Editing"));
    EXPECT_FALSE(Selector(kOut).isVisible());
    EXPECT_FALSE(Selector(kDuration).isVisible());
    EXPECT_TRUE(Selector(kIn).isVisible());
    for (int id : {IDC_IN_LABEL, IDC_OUT_LABEL, IDC_DURATION_LABEL, IDC_CALC_IN, IDC_CALC_OUT, IDC_CALC_DURATION}) {
        EXPECT_TRUE(Item(id)->isVisible()) << id;
    }
    EXPECT_EQ(Labels(), (std::array<QString, 3>{"IN", "OUT", "CALC (DURATION)"}));
    EXPECT_EQ(CalcTicked(), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(RadioEnabled(), (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kWhite, kGrey, kPaleRed}));
    for (int r : {kOut, kDuration}) EXPECT_EQ(Dialog().Engine().Format(r).name, std::string("Drop Frame"));
}

TEST_F(RegisterSelectionTest, ClicksInEditingModeNeverSelectTheComputedRegister)
{
    Click(IDC_MODE);
    Click(IDC_DURATION_DISPLAY);
    EXPECT_EQ(Current(), kIn) << "a click on the computed display is ignored";
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kWhite, kGrey, kPaleRed}));
    Click(IDC_DURATION_RADIO);
    EXPECT_EQ(Current(), kIn) << "its radio button is disabled";

    Click(IDC_OUT_DISPLAY);
    EXPECT_EQ(Current(), kOut);
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kGrey, kWhite, kPaleRed}));
    Click(IDC_IN_RADIO);
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kWhite, kGrey, kPaleRed}));
}

TEST_F(RegisterSelectionTest, TickingCalcMovesTheSelectionOffTheNewTargetFirst)
{
    struct Case {
        const char* name;
        int currentBefore; // radio clicked first
        int calc;          // CALC box clicked
        int currentAfter;
        std::array<std::uint32_t, 3> colours;
        std::array<bool, 3> enabled;
        std::array<QString, 3> labels;
    };
    const Case cases[] = {
        {"CALC (OUT) while OUT is current", IDC_OUT_RADIO, IDC_CALC_OUT, kDuration,
         {kGrey, kPaleRed, kWhite}, {true, false, true}, {"IN", "CALC (OUT)", "DURATION"}},
        {"CALC (IN) while IN is current", IDC_IN_RADIO, IDC_CALC_IN, kOut,
         {kPaleRed, kWhite, kGrey}, {false, true, true}, {"CALC (IN)", "OUT", "DURATION"}},
        {"CALC (DURATION) while DURATION is current", IDC_DURATION_RADIO, IDC_CALC_DURATION, kIn,
         {kWhite, kGrey, kPaleRed}, {true, true, false}, {"IN", "OUT", "CALC (DURATION)"}},
        {"CALC (OUT) while IN is current", IDC_IN_RADIO, IDC_CALC_OUT, kIn,
         {kWhite, kPaleRed, kGrey}, {true, false, true}, {"IN", "CALC (OUT)", "DURATION"}},
    };
    Click(IDC_MODE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A target other than the register about to be selected, so the radio click counts.
        Click(c.currentBefore == IDC_IN_RADIO ? IDC_CALC_DURATION : IDC_CALC_IN);
        Click(c.currentBefore);
        Click(c.calc);
        EXPECT_EQ(Current(), c.currentAfter);
        EXPECT_EQ(TickedRadio(), c.currentAfter);
        EXPECT_EQ(Colours(), c.colours);
        EXPECT_EQ(RadioEnabled(), c.enabled);
        EXPECT_EQ(Labels(), c.labels);
        int ticked = 0;
        for (bool t : CalcTicked()) ticked += t ? 1 : 0;
        EXPECT_EQ(ticked, 1) << "the three boxes act as a choice of one";
    }
}

TEST_F(RegisterSelectionTest, ClickingTheTickedCalcBoxKeepsItAndRecomputes)
{
    Click(IDC_MODE);
    Type("500");
    Click(IDC_OUT_DISPLAY);
    Type("800");
    EXPECT_EQ(Text(kDuration), "E0:00:00.00 ") << "IN committed, OUT still 0";
    Click(IDC_CALC_DURATION); // unticks it; the handler puts the tick back
    EXPECT_EQ(CalcTicked(), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(Current(), kOut);
    EXPECT_EQ(Text(kDuration), "E0:00:00.00 ") << "recomputed from OUT's stored value, not its typed entry";
    Click(IDC_IN_DISPLAY); // commits OUT 00:00:08.00
    EXPECT_EQ(Text(kDuration), "00:00:03.00 ");
}

TEST_F(RegisterSelectionTest, ModeRoundTripsResetTheComputedRegisterAndTheTint)
{
    Click(IDC_MODE);
    Click(IDC_CALC_IN);
    EXPECT_EQ(Dialog().Engine().CalcTarget(), kIn);
    Click(IDC_MODE);
    EXPECT_EQ(Item<QAbstractButton>(IDC_MODE)->text(), QStringLiteral("Mode: Conversion"));
    EXPECT_EQ(RadioEnabled(), (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(Selector(kOut).isVisible());
    EXPECT_FALSE(Item(IDC_CALC_IN)->isVisible());
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kGrey, kWhite, kGrey})) << "no tint in Conversion mode";

    Click(IDC_MODE);
    EXPECT_EQ(CalcTicked(), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(Labels(), (std::array<QString, 3>{"IN", "OUT", "CALC (DURATION)"}));
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kGrey, kWhite, kPaleRed}));
}

TEST_F(RegisterSelectionTest, EnteringEditingModeWithDurationCurrentSelectsIn)
{
    Click(IDC_DURATION_DISPLAY);
    Click(IDC_MODE);
    EXPECT_EQ(Current(), kIn);
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 3>{kWhite, kGrey, kPaleRed}));
}

TEST_F(RegisterSelectionTest, SelectorsKeepTheirOwnFormatsThroughEditingMode)
{
    ChooseFormat(kOut, 2);      // PAL
    ChooseFormat(kDuration, 7); // Real-time
    Click(IDC_MODE);
    ChooseFormat(kIn, 1); // NTSC-ND for all three
    for (int r : {kIn, kOut, kDuration}) EXPECT_EQ(Dialog().Engine().Format(r).name, std::string("NTSC-ND"));
    Click(IDC_MODE);
    EXPECT_EQ(Selector(kOut).currentText(), QStringLiteral("PAL"));
    EXPECT_EQ(Selector(kDuration).currentText(), QStringLiteral("Real-time"));
    EXPECT_EQ(Dialog().Engine().Format(kIn).name, std::string("NTSC-ND"));
    EXPECT_EQ(Dialog().Engine().Format(kOut).name, std::string("PAL"));
    EXPECT_EQ(Dialog().Engine().Format(kDuration).name, std::string("Real-time"));
}

TEST_F(RegisterSelectionTest, EditingModeComputesDurationFromTypedInAndOut)
{
    Click(IDC_MODE);
    ChooseFormat(kIn, 1); // all registers "NTSC-ND"
    Type("1000000");
    Click(IDC_OUT_DISPLAY);
    Type("1001000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kDuration), "00:00:10:00 ");
    EXPECT_EQ(Colour(kDuration), kPaleRed);

    // IN after OUT: a negative duration shows as the error letter over zeros.
    Click(IDC_IN_DISPLAY);
    Type("1002000");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(kDuration), "E0:00:00:00 ");
}

// Where the focus is, the digits go: however a register is reached (arrow
// keys, a click on its display or its radio button), what is typed next lands
// in the register whose display has the focus or, with the focus elsewhere,
// the current one; never in another.
TEST_F(RegisterSelectionTest, DigitsGoWhereTheFocusIs)
{
    struct Case {
        const char* name;
        bool editing;
        std::vector<Qt::Key> arrows; // from the IN display, after `click`
        int click;                   // a control id to click first, or 0
        int expected;
    };
    const Case cases[] = {
        {"Down from IN passes its list and reaches OUT", false, {Qt::Key_Down, Qt::Key_Down}, 0, kOut},
        {"Down twice more reaches DURATION", false, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 0, kDuration},
        {"Up twice from OUT's display reaches IN's", false, {Qt::Key_Up, Qt::Key_Up}, IDC_OUT_DISPLAY, kIn},
        {"Left from IN is its radio button: IN stays", false, {Qt::Key_Left}, 0, kIn},
        {"a click on OUT's display", false, {}, IDC_OUT_DISPLAY, kOut},
        {"a click on DURATION's radio button", false, {}, IDC_DURATION_RADIO, kDuration},
        {"Right after a click on OUT's display: its list keeps OUT", false, {Qt::Key_Right}, IDC_OUT_DISPLAY, kOut},
        {"Editing: the computed DURATION is passed over", true, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 0, kOut},
        {"Editing: a click on the computed display changes nothing", true, {}, IDC_DURATION_DISPLAY, kIn},
        {"Editing: OUT's radio button", true, {}, IDC_OUT_RADIO, kOut},
    };
    const auto digits = [this](int index) {
        std::string only;
        for (char c : Text(index))
            if (c >= '0' && c <= '9') only += c;
        return only;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        if (c.editing) Click(IDC_MODE);
        DisplayOf(kIn).setFocus();
        if (c.click != 0) QTest::mouseClick(Item(c.click), Qt::LeftButton);
        for (Qt::Key arrow : c.arrows) Press(arrow);
        const auto* focus = qobject_cast<const LcdDisplay*>(QApplication::focusWidget());
        if (focus != nullptr) {
            EXPECT_EQ(focus, &DisplayOf(c.expected)) << "a focused display is the current register";
        }
        Type("57");
        EXPECT_EQ(Current(), c.expected);
        for (int r : {kIn, kOut, kDuration}) {
            const std::string shown = digits(r);
            if (r == c.expected) {
                EXPECT_TRUE(shown.ends_with("57")) << Text(r);
            } else {
                EXPECT_EQ(shown.find_first_not_of('0'), std::string::npos) << r << ": " << Text(r);
            }
        }
    }
}

} // namespace
} // namespace quillet::testing
