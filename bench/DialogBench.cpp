// Costs of the dialog's busiest paths, each beside a baseline measured in the
// same run: a slider step, a typed digit, palette moves and a dropper move.
// Counters report the repaints per event and the live brushes left behind.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "color/ColorState.h"
#include "platform/Brush.h"
#include "platform/qt/ScreenPixel.h"
#include "ui/ColorPickerDialog.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"

namespace tonik {
namespace {

// Counts the paint events of a widget and all its children.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* root)
    {
        root->installEventFilter(this);
        for (QWidget* child : root->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

std::unique_ptr<ColorPickerDialog> OpenDialog()
{
    colorState = ColorState();
    auto dialog = std::make_unique<ColorPickerDialog>();
    dialog->Create();
    dialog->show();
    QApplication::processEvents();
    return dialog;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

void MoveMouse(QWidget* target, QPoint point)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(point), target->mapToGlobal(QPointF(point)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Steps of the red slider, with the contrast strip shown or hidden, and the
// Colour Vision view open or not.
void SliderSteps(benchmark::State& state, bool contrastShown, bool visionShown = false)
{
    auto dialog = OpenDialog();
    dialog->ShowContrast(contrastShown);
    dialog->ShowVision(visionShown);
    PaintCounter counter(dialog.get());
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) & 0xFF;
        dialog->redSlider->setValue(position);
        QApplication::processEvents();
    }
    state.counters["paints/event"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}

void BM_SliderStep(benchmark::State& state)
{
    SliderSteps(state, true);
}
BENCHMARK(BM_SliderStep);

// The same step with the contrast strip hidden: what the strip costs a step.
void BM_BaselineSliderStepStripHidden(benchmark::State& state)
{
    SliderSteps(state, false);
}
BENCHMARK(BM_BaselineSliderStepStripHidden);

// The step with the Colour Vision view open: it follows the pair (under 1 ms).
void BM_SliderStepVisionOpen(benchmark::State& state)
{
    SliderSteps(state, true, true);
}
BENCHMARK(BM_SliderStepVisionOpen);

// Opening the view (made once, then hidden and shown again with the pair
// changed), under 1 ms; against BM_SliderStep, which the same run measures.
void BM_OpenVisionView(benchmark::State& state)
{
    auto dialog = OpenDialog();
    dialog->ShowVision(true);
    int position = 0;
    for (auto _ : state) {
        dialog->ShowVision(false);
        position = (position + 1) & 0xFF;
        dialog->redSlider->setValue(position);
        dialog->ShowVision(true);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenVisionView);

// Fix from a colour whose search is long (white on white: 0.44 of the
// lightness range), then the refresh of every control.
void BM_Fix(benchmark::State& state)
{
    auto dialog = OpenDialog();
    colorState.foreColor = 0x00FFFFFF;  // the background is edited against white text
    for (auto _ : state) {
        colorState.current = 0x00FFFFFF;
        dialog->UpdateControls(0);
        dialog->OnFix();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Fix)->Unit(benchmark::kMillisecond);

void BM_BaselinePlainUpdateControls(benchmark::State& state)
{
    auto dialog = OpenDialog();
    colorState.foreColor = 0x00FFFFFF;
    for (auto _ : state) {
        colorState.current = 0x00FFFFFF;
        dialog->UpdateControls(0);
        colorState.current = 0x00767676;
        dialog->UpdateControls(0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BaselinePlainUpdateControls)->Unit(benchmark::kMillisecond);

void BM_BaselineBareSliderStep(benchmark::State& state)
{
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 255);
    slider.show();
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) & 0xFF;
        slider.setValue(position);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BaselineBareSliderStep);

void BM_TypedDigit(benchmark::State& state)
{
    auto dialog = OpenDialog();
    PaintCounter counter(dialog.get());
    dialog->greenEdit->setFocus();
    for (auto _ : state) {
        dialog->greenEdit->setText(QStringLiteral("1"));
        QTest::keyClick(dialog->greenEdit, Qt::Key_2);
        QApplication::processEvents();
    }
    state.counters["paints/event"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_TypedDigit);

void BM_BaselineBareTypedDigit(benchmark::State& state)
{
    QLineEdit edit;
    edit.show();
    for (auto _ : state) {
        edit.setText(QStringLiteral("1"));
        QTest::keyClick(&edit, Qt::Key_2);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BaselineBareTypedDigit);

// Moves across the grid, to another cell each time.
void BM_PaletteMoveAcrossCells(benchmark::State& state)
{
    auto dialog = OpenDialog();
    const QRect grid = dialog->paletteGrid->geometry();
    PaintCounter counter(dialog.get());
    int cell = 0;
    for (auto _ : state) {
        cell = (cell + 1) % 256;
        const CellRect r = PaletteCellRect(cell / 16, cell % 16, grid.width(), grid.height());
        MoveMouse(dialog.get(), grid.topLeft() + QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        QApplication::processEvents();
    }
    state.counters["paints/event"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_PaletteMoveAcrossCells);

// Moves within one cell: nothing needs repainting.
void BM_PaletteMoveWithinOneCell(benchmark::State& state)
{
    auto dialog = OpenDialog();
    const QPoint cell = dialog->paletteGrid->geometry().topLeft() + QPoint(1, 1);
    MoveMouse(dialog.get(), cell);
    QApplication::processEvents();
    PaintCounter counter(dialog.get());
    int wiggle = 0;
    for (auto _ : state) {
        wiggle ^= 1;
        MoveMouse(dialog.get(), cell + QPoint(wiggle, 0));
        QApplication::processEvents();
    }
    state.counters["paints/event"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_PaletteMoveWithinOneCell);

void BM_DropperPixelRead(benchmark::State& state)
{
    int x = 0;
    for (auto _ : state) {
        x = (x + 1) % 100;
        benchmark::DoNotOptimize(ReadScreenPixel(x, 10));
    }
}
BENCHMARK(BM_DropperPixelRead);

void BM_BaselineBareOnePixelGrab(benchmark::State& state)
{
    QScreen* screen = QApplication::primaryScreen();
    int x = 0;
    for (auto _ : state) {
        x = (x + 1) % 100;
        benchmark::DoNotOptimize(screen->grabWindow(0, x, 10, 1, 1).toImage().pixel(0, 0));
    }
}
BENCHMARK(BM_BaselineBareOnePixelGrab);

// Ten thousand mixed events: the brushes and the memory end where they began.
void BM_TenThousandMixedEvents(benchmark::State& state)
{
    auto dialog = OpenDialog();
    const QRect grid = dialog->paletteGrid->geometry();
    const int brushes = Brush::LiveCount();
    long rssBefore = 0, rssAfter = 0;
    for (auto _ : state) {
        rssBefore = ResidentKilobytes();
        for (int i = 0; i < 10000; ++i) {
            switch (i % 5) {
            case 0: dialog->blueSlider->setValue(i & 0xFF); break;
            case 1: dialog->redEdit->setText(QString::number(i % 300)); break;
            case 2: dialog->OnButtonDown(grid.topLeft() + QPoint(i % grid.width(), i % grid.height()), i & 1); break;
            case 3: dialog->SwapColors(); break;
            default: MoveMouse(dialog.get(), grid.topLeft() + QPoint(i % grid.width(), 3)); break;
            }
            QApplication::processEvents();
        }
        rssAfter = ResidentKilobytes();
    }
    state.counters["brushes left"] = Brush::LiveCount() - brushes;
    state.counters["rss growth kB"] = double(rssAfter - rssBefore);
}
BENCHMARK(BM_TenThousandMixedEvents)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tonik

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
