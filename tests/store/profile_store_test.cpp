// The stored format choices: defaults on every kind of failure, values that
// reach the file at once.

#include "ui/calculator_fixture.h"

#if !defined(_WIN32) && !defined(__APPLE__)
#include <chrono>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

namespace quillet::testing {
namespace {

using ProfileStoreTest = CalculatorFixture;

// The whole literal, NUL bytes included.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

TEST_F(ProfileStoreTest, MissingStoreReadsDefaults)
{
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), 0);
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx3", 3), 3);
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "reading must not create the store";
}

TEST_F(ProfileStoreTest, StoredTextReadsAsWholeNumberOrDefault)
{
    struct Case {
        const char* name;
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"plain", "11", 11},
        {"negative", "-1", -1},
        {"padded", " 7 ", 7},
        {"largest 32-bit", "2147483647", 2147483647},
        {"smallest 32-bit", "-2147483648", -2147483647 - 1},
        {"above 32 bits", "2147483648", 42},
        {"below 32 bits", "-2147483649", 42},
        {"not a number", "PAL", 42},
        {"fraction", "1.5", 42},
        {"hexadecimal", "0x10", 42},
        {"list", "1, 2", 42},
        {"empty", "", 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // One store per case: Qt caches a file it has read by path and time stamp.
        const QString application = QString::fromLatin1(kTestApplication) + QString::fromLatin1(c.name);
        WriteSettingsFile(QByteArray("[Default]\nidx1=") + c.stored + "\n", application);
        const ProfileStore store(QStringLiteral("QuilletC"), application);
        EXPECT_EQ(store.GetProfileInt("Default", "idx1", 42), c.expected);
    }
}

TEST_F(ProfileStoreTest, WriteReachesTheFileAtOnceAndKeepsOtherEntries)
{
    ASSERT_TRUE(m_profile->WriteProfileInt("Default", "idx2", 2));
    EXPECT_TRUE(ReadSettingsFile().contains("idx2=2"));
    ASSERT_TRUE(m_profile->WriteProfileInt("Default", "idx1", 5));
    const QByteArray file = ReadSettingsFile();
    EXPECT_TRUE(file.contains("[Default]"));
    EXPECT_TRUE(file.contains("idx1=5"));
    EXPECT_TRUE(file.contains("idx2=2"));
    EXPECT_FALSE(file.contains("idx3"));
    ProfileStore other(QStringLiteral("QuilletC"), QString::fromLatin1(kTestApplication));
    EXPECT_EQ(other.GetProfileInt("Default", "idx1", 0), 5);
}

TEST_F(ProfileStoreTest, DamagedLineCostsOnlyItsOwnEntry)
{
    struct Case {
        const char* name;
        QByteArray stored;
        int idx1, idx2, idx3;  // read with defaults 0, 1, 3
    };
    const Case cases[] = {
        {"broken group line", "[Default]\nidx1=4\n[broken\nidx2=2\n", 4, 2, 3},
        {"binary group line and unterminated quote",
         Bytes("[Default]\nidx1=4\n[Def\xff\x00" "ault\nidx2=\"unterminated\nidx3=6\n"), 4, 1, 6},
        {"unterminated quote keeps the lines after it", "[Default]\nidx1=\"4\nidx2=2\nidx3=5\n", 0, 2, 5},
        {"stray text", "[Default]\nidx1=4\nnot an entry\n=7\nidx2=2\n", 4, 2, 3},
        {"NUL inside an entry", Bytes("[Default]\nidx1=4\x00\nidx2=2\n"), 0, 2, 3},
        {"CR LF line ends", "[Default]\r\nidx1=4\r\nidx2=2\r\n", 4, 2, 3},
        {"quoted number", "[Default]\nidx1=\"7\"\n", 7, 1, 3},
        {"same key in another group", "[Other]\nidx1=9\n[Default]\nidx1=4\n[Other]\nidx2=9\n", 4, 1, 3},
        {"the last of two lines counts", "[Default]\nidx1=4\nidx1=5\n", 5, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettingsFile(c.stored);
        // Every entry alone, in any order: an earlier read must not hide a later fault.
        EXPECT_EQ(m_profile->GetProfileInt("Default", "idx3", 3), c.idx3);
        EXPECT_EQ(m_profile->GetProfileInt("Default", "idx2", 1), c.idx2);
        EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), c.idx1);
    }
}

TEST_F(ProfileStoreTest, WriteToADamagedStoreDropsOnlyTheDamagedLines)
{
    WriteSettingsFile(Bytes("\xef\xbb\xbf[Other]\nkey=some text\n\n[Default]\nidx1=4\n[Def\xff\x00\nidx2=2\nidx3=\"6\n"));
    ASSERT_TRUE(m_profile->WriteProfileInt("Default", "idx3", 5));
    ASSERT_TRUE(m_profile->WriteProfileInt("Fresh", "idx1", 9));
    EXPECT_EQ(ReadSettingsFile(), "[Default]\nidx1=4\nidx2=2\nidx3=5\n\n[Fresh]\nidx1=9\n\n[Other]\nkey=some text\n");

    // What is written stays readable by QSettings itself.
    const QSettings qt(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(qt.status(), QSettings::NoError);
    EXPECT_EQ(qt.value("Default/idx1").toInt(), 4);
    EXPECT_EQ(qt.value("Default/idx3").toInt(), 5);
    EXPECT_EQ(qt.value("Other/key").toString(), "some text");
}

TEST_F(ProfileStoreTest, UnreadableAndUnwritableStoreReadsDefaultsAndReportsFailedWrite)
{
    // A folder where the file should be: neither root nor anyone else can read or
    // replace it, so this holds whatever user runs the tests.
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), 0);
    EXPECT_FALSE(m_profile->WriteProfileInt("Default", "idx1", 2));
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), 0);
    EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

#if !defined(_WIN32) && !defined(__APPLE__)

TEST_F(ProfileStoreTest, FifoAtTheSettingsPathReadsDefaultsAndIsNeverWritten)
{
    const QString fifo = m_folder.path() + QStringLiteral("/elsewhere.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* name;
        bool throughLink;
    };
    for (const Case c : {Case{"FIFO", false}, Case{"link to a FIFO", true}}) {
        SCOPED_TRACE(c.name);
        QFile::remove(SettingsFile());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsFile()).absolutePath()));
        if (c.throughLink) ASSERT_TRUE(QFile::link(fifo, SettingsFile()));
        else ASSERT_EQ(mkfifo(QFile::encodeName(SettingsFile()).constData(), 0600), 0);

        // On a thread of its own, so that a store that blocks fails the test
        // instead of hanging it.
        struct Outcome {
            int idx1;
            bool written;
        };
        auto outcome = std::make_shared<std::promise<Outcome>>();
        std::future<Outcome> done = outcome->get_future();
        std::thread([outcome, application = QString::fromLatin1(kTestApplication)] {
            ProfileStore store(QStringLiteral("QuilletC"), application);
            const int idx1 = store.GetProfileInt("Default", "idx1", 7);
            outcome->set_value({idx1, store.WriteProfileInt("Default", "idx1", 2)});
        }).detach();
        if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // A writer end lets a blocked reader go on, so the process can end.
            for (const QString& path : {SettingsFile(), fifo}) {
                const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
            }
            FAIL() << "the store blocked on the FIFO";
        }
        const Outcome result = done.get();
        EXPECT_EQ(result.idx1, 7);
        EXPECT_FALSE(result.written);
        EXPECT_EQ(QFileInfo(SettingsFile()).isSymLink(), c.throughLink);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(SettingsFile()).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the FIFO was replaced";
        EXPECT_FALSE(QFile::exists(SettingsFile() + QStringLiteral(".lock")));
    }
}

TEST_F(ProfileStoreTest, LinkToARegularFileIsReadAndWrittenThrough)
{
    // As dotfile managers set it up: the store is a link into another folder.
    const QString target = m_folder.path() + QStringLiteral("/dotfiles/quillet.conf");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(target).absolutePath()));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Default]\nidx1=4\n");
    }
    ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsFile()).absolutePath()));
    ASSERT_TRUE(QFile::link(target, SettingsFile()));

    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), 4);
    ASSERT_TRUE(m_profile->WriteProfileInt("Default", "idx2", 5));
    EXPECT_TRUE(QFileInfo(SettingsFile()).isSymLink());
    EXPECT_EQ(QFileInfo(SettingsFile()).symLinkTarget(), target);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Default]\nidx1=4\nidx2=5\n");
}

#endif

} // namespace
} // namespace quillet::testing
