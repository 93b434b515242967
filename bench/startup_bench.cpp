// Process start to first painted window: the calculator against a bare
// QDialog holding the same number of plain widgets at the same places. The
// driver starts this program again as a probe, alternating the two kinds, and
// times from starting the process to the probe's report that its first paint
// has finished. Prints both medians over 10 runs and their ratio; with
// --check, exits 1 when the ratio is above 1.15.

#include "store/profile_store.h"
#include "resources/calculator_template.h"
#include "ui/window/calculator_dialog.h"

#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Reports once, after the paint pass that drew the window has completed.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

std::unique_ptr<QDialog> BareDialog()
{
    auto dialog = std::make_unique<QDialog>();
    int column = 0;
    for (const quillet::DialogItem& item : quillet::kCalculatorItems) {
        // Plain widgets of each kind on a simple grid, no template conversion.
        const QRect place((column % 6) * 50, (column / 6) * 30, 46, 26);
        ++column;
        QWidget* widget = nullptr;
        switch (item.kind) {
        case quillet::ItemKind::PushButton: widget = new QPushButton(QString::fromLatin1(item.text), dialog.get()); break;
        case quillet::ItemKind::RadioButton: widget = new QRadioButton(dialog.get()); break;
        case quillet::ItemKind::CheckBox: widget = new QCheckBox(dialog.get()); break;
        case quillet::ItemKind::DropDownList: {
            auto* combo = new QComboBox(dialog.get());
            for (int i = 0; i < 11; ++i) combo->addItem(QStringLiteral("Format %1").arg(i));
            widget = combo;
            break;
        }
        default: widget = new QLabel(QString::fromLatin1(item.text), dialog.get()); break;
        }
        widget->setGeometry(place);
    }
    dialog->resize(308, 438);
    return dialog;
}

int Probe(int argc, char** argv, bool calculator)
{
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    quillet::ProfileStore::SetUserFolder(settingsFolder.path());
    qputenv("XDG_DATA_HOME", QFile::encodeName(settingsFolder.path()));
    quillet::ProfileStore profile(QStringLiteral("QuilletC"), QStringLiteral("quillet-bench"));
    std::unique_ptr<QDialog> dialog = calculator ? std::make_unique<quillet::CalculatorDialog>(profile) : BareDialog();
    FirstPaint firstPaint;
    dialog->installEventFilter(&firstPaint);
    dialog->show();
    return application.exec();
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

double TimeProbe(const QString& program, const char* kind)
{
    QProcess probe;
    QElapsedTimer timer;
    timer.start();
    probe.start(program, {QStringLiteral("--probe"), QString::fromLatin1(kind)});
    while (!probe.canReadLine()) {
        if (!probe.waitForReadyRead(10000)) {
            std::fprintf(stderr, "%s probe did not report: %s\n", kind, probe.readAllStandardError().constData());
            std::exit(2);
        }
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    probe.waitForFinished(10000);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::strcmp(argv[1], "--probe") == 0) return Probe(argc, argv, std::strcmp(argv[2], "calculator") == 0);

    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    TimeProbe(self, "bare"); // warm the file cache for both
    TimeProbe(self, "calculator");
    constexpr int kRuns = 10;
    std::vector<double> calculator, bare;
    for (int run = 0; run < kRuns; ++run) {
        calculator.push_back(TimeProbe(self, "calculator"));
        bare.push_back(TimeProbe(self, "bare"));
    }
    const double ratio = Median(calculator) / Median(bare);
    std::printf("process start to first painted window, median of %d: calculator %.1f ms, bare dialog %.1f ms, ratio %.2f\n",
                kRuns, Median(calculator), Median(bare), ratio);
    return check && ratio > 1.15 ? 1 : 0;
}
