// Key press to finished repaint of the display it changed, in the real
// calculator window: each sample sends one typed digit through the keyboard
// map and processes events until the IN display has painted. Prints the median
// and the 90th and 99th percentiles over 10,000 keys; with --check, exits 1
// when the median is 1 ms or more.

#include "store/profile_store.h"
#include "controls/lcd_display.h"
#include "resources/control_ids.h"
#include "ui/window/calculator_dialog.h"

#include <QApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

double Percentile(std::vector<qint64> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1))] / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    quillet::ProfileStore::SetUserFolder(settingsFolder.path());
    qputenv("XDG_DATA_HOME", QFile::encodeName(settingsFolder.path()));
    quillet::ProfileStore profile(QStringLiteral("QuilletC"), QStringLiteral("quillet-bench"));

    quillet::CalculatorDialog dialog(profile);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        std::fprintf(stderr, "window never exposed\n");
        return 2;
    }
    auto* display = dialog.findChild<LcdDisplay*>(QStringLiteral("IDC_IN_DISPLAY"));
    QWidget* target = dialog.GetDlgItem(quillet::IDC_KEY_7);
    PaintCounter counter;
    display->installEventFilter(&counter);

    constexpr int kKeys = 10000;
    std::vector<qint64> samples;
    samples.reserve(kKeys);
    for (int i = 0; i < kKeys; ++i) {
        const char digit = static_cast<char>('1' + i % 9); // every key changes the text
        const int paintsBefore = counter.paints;
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(target, digit);
        while (counter.paints == paintsBefore) QCoreApplication::processEvents();
        samples.push_back(timer.nsecsElapsed());
    }
    const double median = Percentile(samples, 0.5);
    std::printf("key press to repainted display, %d keys: median %.3f ms, p90 %.3f ms, p99 %.3f ms\n", kKeys, median,
                Percentile(samples, 0.9), Percentile(samples, 0.99));
    return check && median >= 1.0 ? 1 : 0;
}
