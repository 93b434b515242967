// The settings file's reader and writer against QSettings's own INI code,
// and what the store does when the disk is full or the file is not settings.
#include "ui/calculator_fixture.h"

#include "store/tolerant_ini.h"

#include <QBuffer>
#include <QDebug>
#include <QStorageInfo>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace quillet::testing {
namespace {

using ProfileStoreTest = CalculatorFixture;

// A value as text: list items joined with '|', typed values as QDebug shows them.
QString Shown(const QVariant& value)
{
    QStringList items;
    if (value.metaType().id() == QMetaType::QStringList || value.metaType().id() == QMetaType::QVariantList)
        for (const QVariant& item : value.toList()) items.append(Shown(item));
    else if (value.metaType().id() == QMetaType::QString || value.metaType().id() == QMetaType::QByteArray)
        items.append(value.toString());
    else
        QDebug(&items.emplace_back()) << value;
    return items.join(u'|');
}

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
    for (const QString& key : qt.allKeys()) values.insert(key, Shown(qt.value(key)));
    return values;
}

QMap<QString, QString> ReadByUs(const QByteArray& text)
{
    QSettings::SettingsMap map;
    ParseTolerantIni(text, map);
    QMap<QString, QString> values;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        values.insert(entry.key(), Shown(entry.value()));
    return values;
}

// Typed values as QSettings writes them.
QByteArray WrittenByQt()
{
    const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/typed.ini");
    {
        QSettings qt(path, QSettings::IniFormat);
        qt.setValue("date", QDate(2024, 2, 29));
        qt.setValue("time", QDateTime(QDate(2024, 2, 29), QTime(12, 30), Qt::UTC));
        qt.setValue("size", QSize(640, -1));
        qt.setValue("one", QVariantList{QPoint(1, 2)});
        qt.setValue("mixed", QVariantList{QRect(1, 2, 3, 4), QStringLiteral("@at"), 5});
        qt.setValue("nul", QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
        qt.setValue("bytes", QByteArray("\0\x01;,=\xff", 6));
        qt.setValue("empty", QStringList());
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        "[Default]\ns=@String(x)\nsize=@Size(1 2)\npoint=@Point(-3 4)\nrect=@Rect(1 2 3 4)\nfew=@Size(1)\n"
        "odd=@Size(1)2)\nother=@Other(1)\nlist=@Size(1 2), b\nescaped=@@Size(1 2), @@x\nopen=@String(a,b)\n",
        WrittenByQt(),
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

// Settings are never written past the size reading takes, nor into a file
// that is not ours; a save that fails is told once, and the file stays as it was.
TEST_F(ProfileStoreTest, SettingsNeverOutgrowTheLimitNorGoWhereTheyDoNotBelong)
{
    const auto filled = [](QByteArray head, const QByteArray& unit, qint64 size) {
        while (head.size() + unit.size() < size) head += unit;
        return head + '\n';
    };
    const QString elsewhere = m_folder.path() + QStringLiteral("/passwd");
    struct Case {
        const char* name;
        QByteArray content;
        bool throughLink; // the settings path is a link to `elsewhere`, which holds the content
        bool readOnly;    // its owner may not write it
        bool saved;
        const char* problem;
    };
    const Case cases[] = {
        {"a list we do not own, near the limit, is written back as it was",
         filled("[Default]\nidx1=2\n\n[Other]\npad=1", ",1", kMaxSettingsFileSize - 64), false, false, true, ""},
        {"a write that would pass the limit is refused",
         filled("[Other]\npad=a", "\ta", kMaxSettingsFileSize - 64), false, false, false, "cannot be written"},
        {"a file too large to be settings", filled("[Default]\nidx1=4\n", "#", kMaxSettingsFileSize + 64), false,
         false, false, "too large to be settings"},
        {"a link to a file of another name", "root:x:0:0:root:/root:/bin/bash\n", true, false, false, "a link to another file"},
        {"a read-only file is read, never written", "[Default]\nidx1=4\n", false, true, false, "is read-only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(SettingsFile());
        if (c.throughLink) {
            QFile file(elsewhere);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.content);
            file.close();
            ASSERT_TRUE(QFile::link(elsewhere, SettingsFile()));
        } else {
            WriteSettingsFile(c.content);
            if (c.readOnly) QFile::setPermissions(SettingsFile(), QFile::ReadOwner);
        }
        QStringList told;
        ProfileStore store(QStringLiteral("QuilletC"), QString::fromLatin1(kTestApplication));
        store.onSaveFailed = [&told](const QString& problem) { told.append(problem); };
        EXPECT_EQ(store.Set(Preference::kOutFormat, 5), c.saved);
        EXPECT_EQ(store.Set(Preference::kDurationFormat, 6), c.saved);

        QFile file(c.throughLink ? elsewhere : SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        if (c.saved) {
            EXPECT_TRUE(told.isEmpty());
            EXPECT_LE(after.size(), kMaxSettingsFileSize);
            EXPECT_TRUE(after.contains(c.content.sliced(c.content.indexOf("pad=")))) << "kept as it was written";
            const QSettings qt(SettingsFile(), QSettings::IniFormat);
            EXPECT_EQ(qt.value("Other/pad").toStringList().size(), c.content.count(',') + 1);
            EXPECT_EQ(store.Get(Preference::kOutFormat), 5);
        } else {
            ASSERT_EQ(told.size(), 1) << "told once";
            EXPECT_TRUE(told[0].contains(QLatin1String(c.problem))) << told[0].toStdString();
            EXPECT_EQ(after, c.content);
            EXPECT_EQ(store.Get(Preference::kInFormat), c.readOnly ? 4 : 0);
        }
    }
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
