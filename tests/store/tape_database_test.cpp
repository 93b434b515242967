// The tape's database: two calculators at once, a program killed mid-step,
// damaged rows, a full disk.
#include "store/step_record_codec.h"
#include "store/tape_database.h"
#include "store/tape_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace quillet::testing {
namespace {

const StepLimits kLimits = EngineStepLimits();

StoredStep Step(long long count, QString line = {})
{
    StoredStep step;
    step.kind = 1;
    step.result = {true, false, 0, count, QStringLiteral("00000000")};
    step.exactCount = count;
    step.line = std::move(line);
    return step;
}

std::set<long long> CountsIn(const QString& path, int* damaged = nullptr)
{
    TapeDatabase tape(path);
    const TapeDatabase::Contents contents = tape.Load(kLimits);
    if (damaged != nullptr) *damaged = contents.damaged;
    std::set<long long> counts;
    for (const StoredStep& step : contents.steps) counts.insert(step.exactCount);
    return counts;
}

class TapeDatabaseTest : public ::testing::Test {
protected:
    QString Path() const { return m_folder.path() + QStringLiteral("/tape.sqlite"); }
    QTemporaryDir m_folder;
};

// Two calculator programs on one data folder, taking steps in turn: the tape
// either opens next holds every step of both.
TEST_F(TapeDatabaseTest, TwoCalculatorsTakingStepsInTurnBothKeepEveryStep)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess calculators[2];
    for (QProcess& calculator : calculators) {
        calculator.setProcessEnvironment(environment);
        calculator.start(QStringLiteral(QUILLET_CALCULATOR), {QStringLiteral("quillet")});
    }
    constexpr int kSteps = 10;
    for (int n = 1; n <= kSteps; ++n) {
        QProcess& calculator = calculators[n % 2];
        calculator.write(QByteArray::number(n) + "=\n");
        while (!calculator.canReadLine()) ASSERT_TRUE(calculator.waitForReadyRead(10000)) << "step " << n;
        calculator.readLine();
    }
    for (QProcess& calculator : calculators) {
        calculator.closeWriteChannel();
        ASSERT_TRUE(calculator.waitForFinished(10000));
        EXPECT_EQ(calculator.exitCode(), 0) << calculator.readAllStandardError().toStdString();
    }

    TapeStore restarted(m_folder.path() + QStringLiteral("/data/quillet/tape.sqlite"));
    bool cut = false;
    const std::vector<StepRecord> lines = restarted.Load(TapeDatabase::kMaxSteps, cut);
    EXPECT_EQ(lines.size(), std::size_t{3 * kSteps}) << "IN, and OUT and DURATION converted from it";
    std::set<long long> entered;
    for (const StepRecord& line : lines)
        if (line.step.registerIndex == 0) entered.insert(line.step.exactValue);
    EXPECT_EQ(entered, (std::set<long long>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(TapeDatabaseTest, AProgramKilledMidStepLosesNoFinishedStepAndLeavesNoDamage)
{
    for (int run = 0; run < 50; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(QUILLET_TAPE_WRITER), {Path(), QString::number(run + 1)});
        ASSERT_TRUE(writer.waitForStarted());
        // Killed at a different moment each run: after 1 to 5 steps reported.
        long long reported = 0;
        while (reported < 1 + run % 5 && writer.waitForReadyRead(5000))
            while (writer.canReadLine()) reported += writer.readLine().startsWith("kept ") ? 1 : 0;
        writer.kill();
        writer.waitForFinished();
        while (writer.canReadLine()) reported += writer.readLine().startsWith("kept ") ? 1 : 0;
        ASSERT_GT(reported, 0) << writer.readAllStandardError().toStdString();

        int damaged = -1;
        const std::set<long long> counts = CountsIn(Path(), &damaged);
        EXPECT_EQ(damaged, 0);
        for (long long n = 1; n <= reported; ++n)
            ASSERT_TRUE(counts.count((run + 1) * 1000000LL + n)) << "run " << run << " step " << n;
    }
}

// Rows a hand edit or another program left: each is skipped and counted, never shown.
TEST_F(TapeDatabaseTest, DamagedRowsAreSkippedAndCounted)
{
    const char* damages[] = {
        "UPDATE step SET exact_count = 100000000000001",   // a value beyond any register
        "UPDATE step SET result_count = 'NaN'",            // not a number
        "UPDATE step SET result_count = 1.5",              // not a whole number
        "UPDATE step SET format = 99",                     // no such format
        "UPDATE step SET kind = -1",                       // no such kind of step
        "UPDATE step SET line = 'ab' || char(8238) || 'c'", // a right-to-left override
        "UPDATE step SET outcome_reason = 'a' || char(10) || 'b'", // a line break
        "UPDATE step SET op = 120",                         // no such operator
        "UPDATE step SET result_digits = '0000000x'",       // digits that are not
    };
    for (const char* damage : damages) {
        SCOPED_TRACE(damage);
        const QString path = m_folder.path() + QStringLiteral("/%1.sqlite").arg(qHash(QByteArray(damage)));
        ASSERT_TRUE(TapeDatabase(path).Append({Step(1), Step(2), Step(3)}));
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, (QByteArray(damage) + " WHERE id = 2").constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        int damaged = -1;
        EXPECT_EQ(CountsIn(path, &damaged), (std::set<long long>{1, 3}));
        EXPECT_EQ(damaged, 1);
    }
}

// A file system of a few hundred kilobytes, filled up: the step that does
// not fit is the only one lost, and once there is room the next are whole.
TEST_F(TapeDatabaseTest, AFullDiskCostsOnlyTheStepThatDidNotFit)
{
    const QString mountPoint = m_folder.path() + QStringLiteral("/small");
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    const QByteArray target = QFile::encodeName(mountPoint);
    const auto mountSmall = [&] { return ::mount("tmpfs", target.constData(), "tmpfs", 0, "size=512k") == 0; };
    // Where a plain mount is refused, a mount namespace of this process's own may allow it.
    if (!mountSmall()
        && (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !mountSmall()))
        GTEST_SKIP() << "mounting a small tmpfs needs root, or a private mount namespace (unshare -m)";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(mountPoint)};

    const QString path = mountPoint + QStringLiteral("/tape.sqlite");
    TapeDatabase tape(path);
    ASSERT_TRUE(tape.Append({Step(1)})) << tape.Problem().toStdString();
    QFile filler(mountPoint + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {}
    // Far more than any page left free inside the database's files.
    EXPECT_FALSE(tape.Append({Step(2, QString(200000, u'a'))}));
    EXPECT_TRUE(tape.Problem().contains(QLatin1String("not kept"))) << tape.Problem().toStdString();
    filler.close();
    ASSERT_TRUE(filler.remove());
    ASSERT_TRUE(tape.Append({Step(3)})) << tape.Problem().toStdString();
    ASSERT_TRUE(tape.Append({Step(4)}));

    int damaged = -1;
    EXPECT_EQ(CountsIn(path, &damaged), (std::set<long long>{1, 3, 4}));
    EXPECT_EQ(damaged, 0);
}

} // namespace
} // namespace quillet::testing
