// The settings file's reader and writer against QSettings's own INI code,
// and what the store does when the disk is full or the file is not settings.
#include "ui/calculator_fixture.h"

#include "store/tolerant_ini.h"

#include <QBuffer>
#include <QStorageInfo>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace quillet::testing {
namespace {

using ProfileStoreTest = CalculatorFixture;

// What QSettings's own INI code makes of `text`, each value as text.
QMap<QString, QString> ReadByQt(const QByteArray& text, const QTemporaryDir& folder, int serial)
{
    const QString path = folder.path() + QStringLiteral("/odd%1.ini").arg(serial);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    file.close();
    const QSettings qt(path, QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString& key : qt.allKeys()) values.insert(key, qt.value(key).toStringList().join(u'|'));
    return values;
}

QMap<QString, QString> ReadByUs(const QByteArray& text)
{
    QSettings::SettingsMap map;
    ParseTolerantIni(text, map);
    QMap<QString, QString> values;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        values.insert(entry.key(), entry.value().toStringList().join(u'|'));
    return values;
}

// Odd files that QSettings reads without fault must read the same, and what we
// write of them must read the same again through QSettings.
TEST(TolerantIni, ReadsAndWritesEveryUndamagedFileAsQSettingsDoes)
{
    const QByteArray corpus[] = {
        "[Default]\nidx1=5\nidx2=7\n",
        "\xef\xbb\xbf[Default]\nidx1=5\n",
        "[Default]\ridx1=5\ridx2=7\r",
        "[Default]\r\nidx1=5\r\n\r\nidx2=7",
        "[Default]\nidx1=5 ; a comment\n; idx2=9\nidx3 = 3\t\n",
        "[Default]\nidx1=12\\\n34\nidx2=\"a\\\r\nb\"\n",
        "[Default]\nid%78%31=5\n%U0069dx2=6\na\\b=7\n[Gro%20up]\nk=1\n",
        "[Default]\nlist=1, 2 ,3\nquoted=\" 5 \"\nmixed=\"a,b\", c\nempty=\ncomma=,\n",
        "[Default]\nesc=\\t\\x41\\101\\\"\\\\\\q\nhex=\\x4g\nend=5 \\\n",
        "[General]\ntop=1\n[%General]\nlow=2\n[general]\nalso=3\n",
        "[Default]\ntext=@@at\nbytes=@ByteArray(12)\ninvalid=@Invalid()\n",
        "[Default]\nidx1=4\nidx1=5\n[Other]\nidx1=6\n[Default]\nidx2=8\n",
        "[Default]\nutf=\xc3\xa9t\xc3\xa9\nkey with spaces = a value \n\t[Tabbed]\nk=1\n",
        "[Default]\nidx1==5\nidx2=a=b\n",
        "[ Spaced ]\nk=1\n[A/B]\nk=2\n",
    };
    const QTemporaryDir folder;
    int serial = 0;
    for (const QByteArray& text : corpus) {
        SCOPED_TRACE(text.toStdString());
        const QMap<QString, QString> qt = ReadByQt(text, folder, serial++);
        EXPECT_EQ(ReadByUs(text), qt);

        QSettings::SettingsMap map;
        ParseTolerantIni(text, map);
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteTolerantIni(written, map));
        EXPECT_EQ(ReadByQt(written.data(), folder, serial++), qt) << written.data().toStdString();
    }
}

TEST_F(ProfileStoreTest, AFileTooLargeForSettingsReadsDefaultsAndIsLeftAlone)
{
    QByteArray huge("[Default]\nidx1=4\n");
    huge.append(QByteArray(kMaxSettingsFileSize, '#'));
    WriteSettingsFile(huge);
    EXPECT_EQ(m_profile->Get(Preference::kInFormat), 0);
    EXPECT_FALSE(m_profile->Set(Preference::kInFormat, 2));
    EXPECT_EQ(ReadSettingsFile(), huge);
}

TEST_F(ProfileStoreTest, TheNativeBackendReadsAndWritesEachEntryOnItsOwn)
{
    ProfileStore native(QStringLiteral("QuilletC"), QString::fromLatin1(kTestApplication), ProfileStore::Backend::kNative);
    ASSERT_TRUE(native.Set(Preference::kOutFormat, 5));
    EXPECT_EQ(native.Get(Preference::kOutFormat), 5);
    EXPECT_EQ(native.Get(Preference::kMoreRates), 0);
    ASSERT_TRUE(native.Set(Preference::kMoreRates, 7));
    EXPECT_EQ(native.Get(Preference::kMoreRates), 0) << "out of range reads as the default";
    EXPECT_EQ(m_profile->Get(Preference::kOutFormat), 5) << "one file for both";
}

#if !defined(_WIN32) && !defined(__APPLE__)

// A file system of a few kilobytes, filled up: every write must fail and
// leave the file as it was. Needs root to mount it.
TEST_F(ProfileStoreTest, AFullDiskLeavesTheFileWholeAndTheWriteFails)
{
    const QString mountPoint = m_folder.path() + QStringLiteral("/QuilletC");
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(mountPoint)};

    ASSERT_TRUE(m_profile->Set(Preference::kInFormat, 4));
    const QByteArray before = ReadSettingsFile();
    {
        QFile filler(mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {}
    }
    EXPECT_FALSE(m_profile->Set(Preference::kOutFormat, 6));
    EXPECT_EQ(ReadSettingsFile(), before);
    EXPECT_EQ(m_profile->Get(Preference::kInFormat), 4);
}

#endif

} // namespace
} // namespace quillet::testing
