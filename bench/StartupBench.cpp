// Time to the first painted main window, against a bare Qt window of the same size
// shown in the same run: from process start (two probe programs, the gallery's start-up
// and a bare Qt program) and, inside one process, from window creation. Prints the
// ratios (target: at most 1.5).
#include "AppClasses.h"
#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "GifClasses.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TMianForm.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// A bare window that notes its first paint.
class BareWindow : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        painted = true;
    }
};

// Shows a window and handles events until its first paint reached the backing store.
template <class Window> double SecondsToFirstPaint(Window&& create)
{
    QElapsedTimer timer;
    timer.start();
    auto window = create();
    window->show();
    window->grab(); // forces the first full paint of the window and its children
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e9;
}

double MainWindowSeconds()
{
    return SecondsToFirstPaint(
        [] { return std::unique_ptr<TMianForm>(TForm::Create<TMianForm>(nullptr)); });
}

double BareWindowSeconds()
{
    return SecondsToFirstPaint([] {
        auto window = std::make_unique<BareWindow>();
        window->resize(819, 522);
        return window;
    });
}

void BM_MainWindowFirstPaint(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(MainWindowSeconds());
}
BENCHMARK(BM_MainWindowFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BareWindowFirstPaint(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(BareWindowSeconds());
}
BENCHMARK(BM_BareWindowFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// Runs a probe program from start to exit.
double ProcessSeconds(const char* program)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(QString::fromUtf8(program), {});
    process.waitForFinished(60000);
    if (process.exitCode() != 0)
        std::fprintf(stderr, "%s failed\n", program);
    return timer.nsecsElapsed() / 1e9;
}

template <class F> double BestOf(int runs, F&& measure)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, measure());
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    TApplication application(argc, argv);
    RegisterDataClasses();
    RegisterGifClasses();
    RegisterDbPictureClasses();
    RegisterSkinClasses();
    RegisterAppClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double main = BestOf(20, MainWindowSeconds);
    const double bare = BestOf(20, BareWindowSeconds);
    std::printf("from window creation: main window %.2f ms, bare Qt window %.2f ms, ratio %.2f\n",
                main * 1e3, bare * 1e3, main / bare);
    const double started = BestOf(10, [] { return ProcessSeconds(STARTUP_PROBE); });
    const double bareStarted = BestOf(10, [] { return ProcessSeconds(BARE_WINDOW_PROBE); });
    std::printf("from process start: gallery %.1f ms, bare Qt program %.1f ms, ratio %.2f "
                "(target <= 1.5)\n",
                started * 1e3, bareStarted * 1e3, started / bareStarted);
    benchmark::Shutdown();
    return 0;
}
