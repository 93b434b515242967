// How long a full repaint of a display takes: a 196 x 36 display (the size of
// one register's readout) showing a timecode with a pending operator.

#include "controls/lcd_display.h"
#include "controls/lcd_scaled_canvas.h"
#include "controls/lcd_screen_canvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>


namespace {

constexpr int kWidth = 196;
constexpr int kHeight = 36;
const char* const kText = "00:00:00.00+";

// The whole widget path: Qt's paint event into the window's backing store.
void BM_LcdWidgetRepaint(benchmark::State& state)
{
    LcdDisplay display;
    display.resize(kWidth, kHeight);
    display.m_text = kText;
    display.show();
    QApplication::processEvents();
    for (auto _ : state) display.repaint();
}
BENCHMARK(BM_LcdWidgetRepaint);

// The display's own drawing onto an image, without Qt's widget machinery.
void BM_LcdDrawDisplayOnImage(benchmark::State& state)
{
    const qreal ratio = static_cast<qreal>(state.range(0));
    const QSize logicalSize(kWidth, kHeight);
    LcdDisplay display;
    QImage image(logicalSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        // As the widget paints: straight onto the screen at ratio 1, scaled otherwise.
        quillet::LcdScreenCanvas screen(painter, logicalSize);
        if (screen.Grid().IsIdentity()) {
            display.DrawDisplay(screen, kText);
        } else {
            quillet::LcdScaledCanvas canvas(screen, screen.Grid(), logicalSize);
            display.DrawDisplay(canvas, kText);
        }
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_LcdDrawDisplayOnImage)->Arg(1)->Arg(2);

// The geometry alone, through a canvas that only counts pixels.
class CountingCanvas final : public quillet::LcdCanvas {
public:
    quillet::LcdRect ClientRect() const override { return {0, 0, kWidth, kHeight}; }
    void FillRect(const quillet::LcdRect&, std::uint32_t) override { ++calls; }
    void FrameRect(const quillet::LcdRect&, std::uint32_t) override { ++calls; }
    void SelectPen(std::uint32_t) override { ++calls; }
    void MoveTo(int, int) override { ++calls; }
    void LineTo(int, int) override { ++calls; }
    long calls = 0;
};

void BM_LcdDrawDisplayGeometry(benchmark::State& state)
{
    LcdDisplay display;
    CountingCanvas canvas;
    for (auto _ : state) display.DrawDisplay(canvas, kText);
    benchmark::DoNotOptimize(canvas.calls);
}
BENCHMARK(BM_LcdDrawDisplayGeometry);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
