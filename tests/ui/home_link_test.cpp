// The Home link with a web handler that takes its time: the window goes on
// taking keys while the address is being opened.

#include "calculator_fixture.h"
#include "controls/hyper_link.h"

#include <QFileDevice>

namespace quillet::testing {
namespace {

#if !defined(_WIN32) && !defined(__APPLE__)

using HomeLinkTest = CalculatorFixture;

// Puts a folder in front of PATH for as long as it lives.
class PathPrefix {
public:
    explicit PathPrefix(const QString& folder)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder) + ':' + m_saved);
    }
    ~PathPrefix() { qputenv("PATH", m_saved); }
    PathPrefix(const PathPrefix&) = delete;
    PathPrefix& operator=(const PathPrefix&) = delete;

private:
    QByteArray m_saved;
};

TEST_F(HomeLinkTest, KeyTypedRightAfterClickingHomeShowsAtOnce)
{
    // An xdg-open that keeps running, as it does when it runs the browser in
    // the foreground on a desktop it does not recognise.
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString started = bin.path() + QStringLiteral("/started");
    QFile script(bin.path() + QStringLiteral("/xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n: > \"$(dirname \"$0\")/started\"\nexec sleep 5 </dev/null >/dev/null 2>&1\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    PathPrefix path(bin.path());

    Open();
    auto* home = Item<CHyperLink>(IDC_HOME_LINK);
    ASSERT_NE(home, nullptr);
    QTest::mouseClick(home, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    Type("5");

    EXPECT_EQ(Text(kIn), "00:00:00.05 ");
    // Had the window waited for the handler, which runs for seconds, it would be done.
    EXPECT_TRUE(home->Opening()) << "the window waited for the web handler";
    // The stand-in is what ran; PATH may change back only once it has started.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(started); }, 5000));
}

#endif

} // namespace
} // namespace quillet::testing
