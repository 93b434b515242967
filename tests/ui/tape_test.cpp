// The tape: shown with Ctrl+T and remembered, a line per finished step kept
// in its database, a line's result given back with Enter, pasted lists added
// up, the tape saved.

#include "calculator_fixture.h"
#include "engine/words.h"

#include "calc_runner.h"
#include "ui/tape/tape_file.h"
#include "ui/tape/tape_window.h"
#include "store/tape_database.h"

#include <QClipboard>
#include <QLabel>
#include <QListView>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <sys/stat.h>
#endif

namespace quillet::testing {
namespace {

using TapeTest = CalculatorFixture;

QStringList Lines(CalculatorDialog& dialog)
{
    QStringList lines;
    for (int row = 0; row < dialog.Tape().Model().rowCount(); ++row) lines << QString::fromStdString(TapeLineText(dialog.Tape().Model().Line(row)));
    return lines;
}

TEST_F(TapeTest, CtrlTShowsTheTapeAndTheChoiceOutlivesTheWindow)
{
    Open();
    EXPECT_EQ(Dialog().Tape().WindowIfAny(), nullptr) << "hidden by default, and not even built";
    Type("10000+1000=");
    Press(Qt::Key_T, Qt::ControlModifier);
    ASSERT_NE(Dialog().Tape().WindowIfAny(), nullptr);
    EXPECT_TRUE(Dialog().Tape().WindowIfAny()->isVisible());
    EXPECT_EQ(Dialog().Tape().WindowIfAny()->List().model()->rowCount(), 3) << "steps taken while hidden are there";
    EXPECT_TRUE(ReadSettingsFile().contains("tape=1"));
    // Quitting closes the calculator, then every window left: the tape's choice stays.
    Dialog().close();
    Dialog().Tape().WindowIfAny()->close();
    EXPECT_TRUE(ReadSettingsFile().contains("tape=1"));

    Restart();
    ASSERT_NE(Dialog().Tape().WindowIfAny(), nullptr);
    EXPECT_TRUE(Dialog().Tape().WindowIfAny()->isVisible());
    EXPECT_EQ(Dialog().Tape().Model().rowCount(), 3) << "the steps outlive the program";
    // Escape on the tape hides it as Ctrl+T does.
    QTest::keyClick(&Dialog().Tape().WindowIfAny()->List(), Qt::Key_Escape);
    EXPECT_FALSE(Dialog().Tape().WindowIfAny()->isVisible());
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_TRUE(ReadSettingsFile().contains("tape=0"));
}

QString Status(CalculatorDialog& dialog)
{
    auto* status = dialog.Tape().WindowIfAny()->findChild<QLabel*>();
    return status != nullptr && !status->isHidden() ? status->text() : QString();
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The tape's database: an earlier version's text file read in once, "Clear
// tape" taken back, steps that outlive the window.
TEST_F(TapeTest, TheTapeKeepsItsStepsAndReadsAnEarlierTextFileOnce)
{
    const QString text = QFileInfo(TapeFile()).absolutePath() + QStringLiteral("/tape.tsv");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(text).absolutePath()));
    const QByteArray earlier = "T1\t0\t0\t1\t0\t1\t40\t00:00:01:00\t+\t00:00:00:10\t00:00:01:10\t\t30\t10\t40\t1\t40\n"
                               "T1\tgarbage\n"
                               "T1\t2\t1\t9\t0\t1\t5868\t\t\t\t000366:12\t\t\t\t5868\t3\t7336\n";
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    const QStringList read{QStringLiteral("IN  00:00:01:00 + 00:00:00:10 = 00:00:01:10  NTSC-ND"),
                           QStringLiteral("OUT 000366:12  35mm")};
    Open();
    EXPECT_EQ(Lines(Dialog()), read);
    EXPECT_FALSE(QFile::exists(text));
    EXPECT_EQ(Bytes(text + QStringLiteral(".old")), earlier) << "kept beside, as it was";
    Type("5=");
    Press(Qt::Key_T, Qt::ControlModifier);
    QApplication::setActiveWindow(Dialog().Tape().WindowIfAny());
    Dialog().Tape().Model().Clear();
    QTest::keyClick(&Dialog().Tape().WindowIfAny()->List(), Qt::Key_Z, Qt::ControlModifier);
    Dialog().Tape().Model().Clear();
    Type("7=");
    Restart();
    EXPECT_EQ(Lines(Dialog()), (QStringList{QStringLiteral("IN  00:00:00.07  Drop Frame"),
                                            QStringLiteral("OUT 00:00:00:07  NTSC-ND"),
                                            QStringLiteral("DUR 00000007  NTSC frames")}))
        << "cleared for good by the next step, and the text file not read again";
}

#if !defined(_WIN32) && !defined(__APPLE__)

// Whatever is in the tape's place that is not a tape of ours stays exactly
// as it was, and the calculator works on with a tape that says why it is not kept.
TEST_F(TapeTest, APathThatIsNotOursIsLeftAsItWasAndTheCalculatorWorksOn)
{
    const QString path = TapeFile();
    const QString folder = QFileInfo(path).absolutePath();
    const QString elsewhere = m_folder.path() + QStringLiteral("/elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    // A tape of ours, with one step: what an unreadable or linked tape holds.
    const auto makeTape = [](const QString& at) { ASSERT_TRUE(TapeDatabase(at).Append({StoredStep{}})); };
    struct Case {
        const char* name;
        std::function<void()> prepare;
        QString watched; // the file whose bytes must not change
        const char* reason;
    };
    const Case cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }, QString(), "is a FIFO"},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside"))); }, QString(), "is a folder"},
        {"a file that is not a tape", [&] {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("root:x:0:0:root:/root:/bin/bash\n");
         }, path, "is not a tape database"},
        {"an unreadable tape", [&] {
             makeTape(path);
             ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
         }, path, "is not readable by its owner"},
        {"a link to a file of another name", [&] {
             makeTape(elsewhere + QStringLiteral("/other.sqlite"));
             ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/other.sqlite"), path));
         }, elsewhere + QStringLiteral("/other.sqlite"), "is a link to another file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialog.reset();
        QDir(folder).removeRecursively();
        QDir(elsewhere).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(elsewhere));
        c.prepare();
        const QByteArray before = Bytes(c.watched);
        const QStringList beside = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        Open();
        Type("5=");
        EXPECT_EQ(Text(kIn), "00:00:00.05 ");
        Press(Qt::Key_T, Qt::ControlModifier);
        EXPECT_EQ(Lines(Dialog()).size(), 3);
        EXPECT_TRUE(Status(Dialog()).startsWith(QStringLiteral("The tape is not kept: ")));
        EXPECT_TRUE(Status(Dialog()).contains(QLatin1String(c.reason))) << Status(Dialog()).toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), beside)
            << "nothing made beside it";
        EXPECT_EQ(Bytes(c.watched), before);
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(S_ISFIFO(info.st_mode), QByteArray(c.name) == "a FIFO");
        EXPECT_EQ(S_ISDIR(info.st_mode), QByteArray(c.name) == "a folder");
    }
}

#endif

TEST_F(TapeTest, EnterOnALineGivesItsResultBackConverted)
{
    Open();
    ChooseFormat(kIn, 1);  // NTSC-ND
    ChooseFormat(kOut, 7); // Real-time
    Type("10000+1000=");
    Type("/0=");
    EXPECT_EQ(Lines(Dialog()), (QStringList{
        QStringLiteral("IN  00:01:00:00 + 00:00:10:00 = 00:01:10:00  NTSC-ND"),
        QStringLiteral("OUT 00:01:10.06  Real-time"),
        QStringLiteral("DUR 00002100  NTSC frames"),
        QStringLiteral("IN  00:01:10:00 / 0000 = E0:00:00:00  NTSC-ND  Division by zero"),
        QStringLiteral("OUT E0:00:00.00  Real-time  Division by zero"),
        QStringLiteral("DUR E0000000  NTSC frames  Division by zero"),
    }));
    Press(Qt::Key_2, Qt::ControlModifier); // OUT, in Real-time
    Dialog().Tape().OnLineChosen(0);
    EXPECT_EQ(Text(kOut), "00:01:10.06 ") << "IN's 00:01:10:00 in OUT's format";
    EXPECT_TRUE(Dialog().Engine().IsTyping(kOut)) << "a new entry";
    Dialog().Tape().OnLineChosen(3); // shows "E": refused
    EXPECT_EQ(Text(kOut), "00:01:10.06 ");
}

TEST_F(TapeTest, APastedListIsAddedUpAndASingleLineIsStillOneEntry)
{
    Open();
    ChooseFormat(kIn, 1); // NTSC-ND
    QGuiApplication::clipboard()->setText(QStringLiteral(" 00:00:20:00\r\n"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:00:20:00 ") << "one value, line break and all";
    EXPECT_EQ(Dialog().Tape().Model().rowCount(), 0) << "an entry is not a step yet";

    Type("+");
    QGuiApplication::clipboard()->setText(QStringLiteral("Duration\n00:00:10:00\n\n00:00:00:05\n"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:00:30:05 ");
    const QStringList lines = Lines(Dialog());
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("IN  + 00:00:10:00  NTSC-ND  Line 2 '00:00:10:00'"));
    EXPECT_EQ(lines[2], QStringLiteral("IN  00:00:20:00 + 00:00:10:05 = 00:00:30:05  NTSC-ND  2 lines added, "
                                       "1 line without a value skipped"));
    EXPECT_EQ(Dialog().Tape().Model().data(Dialog().Tape().Model().index(2), Qt::AccessibleTextRole).toString(),
              QStringLiteral("IN: 00:00:20:00 plus 00:00:10:05 equals 00:00:30:05, NTSC-ND. 2 lines added, "
                             "1 line without a value skipped"));

    // A line in error: no total, and the reason names it.
    Click(IDC_KEY_CLEAR);
    QGuiApplication::clipboard()->setText(QStringLiteral("00:00:10:00\nReel 2 durations\n"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn)[0], 'E');
    EXPECT_EQ(Dialog().Engine().Problem(kIn).reason, "line 2 'Reel 2 durations': a number among words is not a value");

    // A row that states a total is compared, never added.
    Click(IDC_KEY_CLEAR);
    QGuiApplication::clipboard()->setText(QStringLiteral("Shot,Duration\nA,00:00:10:00\nTotal,00:00:10:01\n"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIn), "00:00:10:00 ");
    EXPECT_EQ(Lines(Dialog()).filter(QStringLiteral("1 line added, 2 lines without a value skipped; line 3 states a total of "
                                                    "00:00:10:01, but the lines above add up to 00:00:10:00")).size(), 1)
        << Lines(Dialog()).join(QLatin1Char(10)).toStdString();
}

TEST_F(TapeTest, APastedListTotalsWhatQuilletCalcSumPrints)
{
    Open();
    ChooseFormat(kIn, 1);  // NTSC-ND
    ChooseFormat(kOut, 7); // Real-time
    std::string list = "TITLE: durations\r\n";
    for (int i = 1; i <= 100; ++i)
        list += "Clip " + std::to_string(i) + ",00:0" + std::to_string(i % 3) + ":" + std::to_string(10 + i % 50) + ":" +
                std::to_string(10 + i % 20) + "\r\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(list));
    Dialog().PasteIntoRegister(kIn);
    const std::string window = Text(kIn);
    const CalcRun cli = RunCalc({"sum", "ndf"}, list);
    EXPECT_EQ(cli.out, window.substr(0, window.size() - 1) + "\n");
    EXPECT_EQ(cli.status, 0);
    const std::string converted = Text(kOut);
    EXPECT_EQ(RunCalc({"sum", "ndf", "--to", "real-time"}, list).out, converted.substr(0, converted.size() - 1) + "\n");

    // One line that is no value: neither gives a total.
    list += "Clip 101,1:00:00:00:00\r\n";
    Click(IDC_KEY_CLEAR);
    QGuiApplication::clipboard()->setText(QString::fromStdString(list));
    Dialog().PasteIntoRegister(kIn);
    EXPECT_EQ(Text(kIn)[0], 'E');
    EXPECT_EQ(RunCalc({"sum", "ndf"}, list).out, "");
}

// A CMX 3600 edit decision list of 50 drop-frame events, with a title,
// comments, dissolves and CR LF line ends, totals to its record duration in
// the window and in quillet-calc sum alike.
TEST_F(TapeTest, AnEditDecisionListTotalsItsRecordDuration)
{
    const TimecodeFormat& dropFrame = ListedFormat(0);
    std::string edl = "TITLE: REEL 2 CUT 3\r\nFCM: DROP FRAME\r\n\r\n";
    std::int64_t record = 107892; // 01:00:00;00
    std::int64_t total = 0;
    for (int event = 1; event <= 50; ++event) {
        const std::int64_t length = 30 + (event * 977) % 4000;
        const std::int64_t source = 1800 * event + 17;
        char line[160];
        std::snprintf(line, sizeof line, "%03d  A%03d     V     %s %s %s %s %s\r\n", event, event,
                      event % 5 == 0 ? "D    030" : "C       ", EditingText(dropFrame, source).c_str(),
                      EditingText(dropFrame, source + length).c_str(), EditingText(dropFrame, record).c_str(),
                      EditingText(dropFrame, record + length).c_str());
        edl += line;
        edl += "* FROM CLIP NAME: A" + std::to_string(event) + "_TAKE2.MOV\r\n";
        if (event % 7 == 0) edl += "M2   A007       048.0                01:00:10;00\r\n";
        // Locators, effect and clip names and markers, as editing programs write them.
        if (event % 4 == 0) edl += "LOC: 01:00:0" + std::to_string(event % 10) + ";00 RED note " + std::to_string(event) + "\r\n";
        if (event % 6 == 0) edl += "EFFECTS NAME IS WIPE 00" + std::to_string(event % 9) + "\r\nFROM CLIP NAME: shot" +
                                   std::to_string(event) + "\r\n |C:ResolveColorBlue |M:Marker 1 |D:1\r\n";
        record += length;
        total += length;
    }
    const std::string expected = DigitsToText(dropFrame, FormatValue(dropFrame, total).digits);

    Open();
    QGuiApplication::clipboard()->setText(QString::fromStdString(edl));
    Dialog().PasteIntoRegister(kIn);
    EXPECT_EQ(Text(kIn), expected + " ");
    const CalcRun cli = RunCalc({"sum", "df"}, edl);
    EXPECT_EQ(cli.out, expected + "\n");
    EXPECT_EQ(cli.err, "");
    EXPECT_EQ(RunCalc({"sum", "ndf"}, edl).out, "") << "a non-drop register refuses a drop-frame list";
}

TEST_F(TapeTest, CtrlCOnTheTapeCopiesLinesNotTheRegister)
{
    Open();
    Type("5=7=");
    Press(Qt::Key_T, Qt::ControlModifier);
    QListView& list = Dialog().Tape().WindowIfAny()->List();
    QApplication::setActiveWindow(Dialog().Tape().WindowIfAny());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Lines(Dialog()).join(QLatin1Char('\n')));
}

TEST_F(TapeTest, TheTapeSavesAsCsvASpreadsheetReadsAndKeepsTheLastThousandSteps)
{
    Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("1\nTake \"A\", none\n01:00:10;12\n"));
    Dialog().OnEditPaste();
    const QList<QByteArray> rows = TapeFileText(Dialog().Tape().Model(), TapeFileKind::kCsv).split('\n');
    EXPECT_EQ(rows[0], "Register,Format,Left,Left count,Operator,Right,Right count,Result,Result count,Note\r");
    EXPECT_EQ(rows[2], "IN,Drop Frame,,,+,01:00:10;12,108204,,,Line 3 '01:00:10;12'\r")
        << "drop frame written with ';', never taken for a clock time, beside its exact count";
    EXPECT_EQ(rows[3], "IN,Drop Frame,,,,,,01:00:10;13,108205,\"2 lines added, 1 line without a value skipped\"\r");

    for (int i = 0; i < 600; ++i) Type("1+1=");
    EXPECT_EQ(Dialog().Tape().Model().rowCount(), TapeModel::kMaxLines);
    EXPECT_EQ(Lines(Dialog()).first(), QStringLiteral("Earlier steps removed"));
    EXPECT_EQ(TapeFileText(Dialog().Tape().Model(), TapeFileKind::kText).count('\n'), TapeModel::kMaxLines);
    const QStringList kept = Lines(Dialog());
    Restart();
    EXPECT_EQ(Lines(Dialog()), kept) << "trimmed on disk to the same last steps";
    QString error;
    EXPECT_FALSE(WriteTapeFile(Dialog().Tape().Model(), TapeFileKind::kCsv, m_folder.path() + "/no/such/folder/t.csv", error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace quillet::testing
