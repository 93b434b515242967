// The stored format choices: defaults on every kind of failure, values that
// reach the file at once.

#include "calculator_fixture.h"

namespace quillet::testing {
namespace {

using ProfileStoreTest = CalculatorFixture;

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

TEST_F(ProfileStoreTest, CorruptStoreReadsDefaultsUntilTheNextWriteRepairsIt)
{
    WriteSettingsFile(QByteArray("[Default]\nidx1=4\n[Def\xff\x00ault\nidx2=\"unterminated\n", 42));
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx1", 0), 0);
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx2", 1), 1);

    ASSERT_TRUE(m_profile->WriteProfileInt("Default", "idx3", 5));
    EXPECT_TRUE(ReadSettingsFile().startsWith("[Default]\nidx1=4\nidx3=5\n"));
    EXPECT_FALSE(ReadSettingsFile().contains('\0'));
    EXPECT_EQ(m_profile->GetProfileInt("Default", "idx3", 3), 5);
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

} // namespace
} // namespace quillet::testing
