#include "TApplication.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMainMenuBar.h"
#include "TStopwatch.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuTracker.h"
#include "T_AM2000_StepEvent.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// The opening animation of the main menu's first drop-down (anVertStretch), on the real
// clock: how late each step runs against its due time, 10 ms after the step before it
// began (95th percentile), and what one step costs in processor time against copying
// the whole menu image to a window once, and, for scale, what waiting for a step alone
// costs, and what resizing and repainting two plain windows by a step costs.
namespace {

constexpr int rounds = 30;
// No step for this long: the opening is over.
constexpr qint64 quietMs = 150;

// The user-interface thread's processor time, where the steps run.
double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// When the drop-down's window changes its size: one step of its growth.
class StepRecorder : public QObject {
public:
    struct Step {
        double wall;
        double processor;
    };
    std::vector<Step> steps;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize &&
            watched == T_AM2000_MenuTracker::Instance().TopWindow())
            steps.push_back({clock.nsecsElapsed() * 1e-9, ProcessorSeconds()});
        return false;
    }
};

struct Opening {
    std::vector<double> lateness; // seconds, one per step after the first
    double processorPerStep = 0;
    QSize size;
};

Opening OpenOnce(TMainMenuBar& bar)
{
    StepRecorder recorder;
    qApp->installEventFilter(&recorder);
    recorder.clock.start();
    bar.PressFirstItem();
    // Sleeps between events, so that the processor time counted is the steps' own.
    QTimer quiet;
    quiet.setSingleShot(true);
    bool over = false;
    QObject::connect(&quiet, &QTimer::timeout, [&] { over = true; });
    quiet.start(quietMs);
    std::size_t seen = 0;
    while (!over) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (recorder.steps.size() != seen) {
            seen = recorder.steps.size();
            quiet.start(quietMs);
        }
    }
    qApp->removeEventFilter(&recorder);
    Opening opening;
    if (TCustomPopupMenu2000Form* window = T_AM2000_MenuTracker::Instance().TopWindow())
        opening.size = window->size();
    const auto& steps = recorder.steps;
    const double interval = T_AM2000_MenuAnimator::StepInterval * 1e-3;
    // Each step is due one interval after the step before it began.
    for (std::size_t k = 1; k < steps.size(); ++k)
        opening.lateness.push_back(std::max(0.0, steps[k].wall - steps[k - 1].wall - interval));
    // From the first step on: before it the new windows paint for the first time and the
    // bar shows its pressed item, which belongs to the opening, not to a step.
    if (steps.size() > 2)
        opening.processorPerStep =
            (steps.back().processor - steps[1].processor) / double(steps.size() - 2);
    bar.CloseMenus();
    return opening;
}

// The floor under every step: posting the step notification and waiting for its time on
// a timer, with no work at all, as the opening animation waits between its steps.
class BareStepper : public QObject {
public:
    double ProcessorPerStep(int steps)
    {
        m_left = steps;
        m_wake.setSingleShot(true);
        m_wake.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_wake, &QTimer::timeout, this, [this] { Post(); });
        const double start = ProcessorSeconds();
        Post();
        while (m_left > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return (ProcessorSeconds() - start) / steps;
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != T_AM2000_StepEvent::TypeId())
            return QObject::event(event);
        m_wake.start(int(T_AM2000_MenuAnimator::StepInterval));
        return true;
    }

private:
    void Post()
    {
        if (--m_left >= 0)
            QCoreApplication::postEvent(
                this, new T_AM2000_StepEvent(0, T_AM2000_MenuAnimator::StepInterval));
    }

    int m_left = 0;
    QTimer m_wake;
};

// A window showing a picture of the menu's size: what one full copy of the menu image to
// the screen costs.
class PictureWindow : public QWidget {
public:
    explicit PictureWindow(QSize size)
        : m_picture(size, QImage::Format_ARGB32_Premultiplied)
    {
        m_picture.fill(Qt::gray);
        setWindowFlags(Qt::ToolTip);
        resize(size);
        show();
    }

    // The height the window had when it painted last.
    int PaintedHeight() const { return m_paintedHeight; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawImage(0, 0, m_picture);
        m_paintedHeight = height();
    }

private:
    QImage m_picture;
    int m_paintedHeight = 0;
};

// On a real display a window paints only once it is exposed.
void WaitExposed(const QWidget& window)
{
    const QDeadlineTimer deadline(2000);
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    while (!window.windowHandle()->isExposed() && !deadline.hasExpired());
}

double CopyWholeImage(QSize size)
{
    PictureWindow window(size);
    WaitExposed(window);
    return TStopwatch::Best(200, [&] { window.repaint(); });
}

// The floor under every growing step as the opening makes it: a window of the menu's size
// and its shadow resized by one step, each painting once at its new size, event loop
// included, with no work on the picture and no timer to wait for. Processor time per
// step, the median of several openings.
double ResizeAndRepaint(QSize size)
{
    PictureWindow window(size);
    PictureWindow shadow(size);
    WaitExposed(window);
    WaitExposed(shadow);
    const int stepY = std::max(size.height() / 16, 3);
    std::vector<double> perStep;
    for (int round = 0; round < rounds; ++round) {
        // Sleeps until the window system answers, so that only work is counted; the
        // guard wakes the wait should a paint never come.
        QTimer guard;
        guard.setSingleShot(true);
        guard.start(2000);
        const double start = ProcessorSeconds();
        int steps = 0;
        for (int height = size.height() / 10; height < size.height(); height += stepY, ++steps) {
            window.setGeometry(QRect(window.pos(), QSize(size.width(), height)));
            shadow.setGeometry(QRect(shadow.pos(), QSize(size.width(), height)));
            window.update();
            shadow.update();
            while ((window.PaintedHeight() != height || shadow.PaintedHeight() != height) &&
                   guard.isActive())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        perStep.push_back((ProcessorSeconds() - start) / std::max(steps, 1));
    }
    std::sort(perStep.begin(), perStep.end());
    return perStep[perStep.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    TMainMenuBar bar;

    std::vector<double> lateness, perStep;
    QSize size;
    for (int round = 0; round < rounds; ++round) {
        const Opening opening = OpenOnce(bar);
        lateness.insert(lateness.end(), opening.lateness.begin(), opening.lateness.end());
        if (opening.processorPerStep > 0)
            perStep.push_back(opening.processorPerStep);
        size = opening.size;
    }
    if (lateness.empty() || perStep.empty()) {
        std::printf("the drop-down opened without animation steps\n");
        return 1;
    }
    std::sort(lateness.begin(), lateness.end());
    std::sort(perStep.begin(), perStep.end());
    const double late95 = lateness[lateness.size() * 95 / 100];
    const double step = perStep[perStep.size() / 2];
    const double copy = CopyWholeImage(size);
    const double bare = BareStepper().ProcessorPerStep(100);
    const double resize = ResizeAndRepaint(size);
    std::printf("opening animation, steps due every %lld ms: 95th-percentile lateness %.2f ms "
                "(%zu steps in %d openings)\n",
                static_cast<long long>(T_AM2000_MenuAnimator::StepInterval), late95 * 1e3,
                lateness.size(), rounds);
    std::printf("one step's processor time / copying the whole %dx%d menu image to a window: %.2f "
                "(%.1f us against %.1f us)\n",
                size.width(), size.height(), step / copy, step * 1e6, copy * 1e6);
    std::printf("of that, waiting on the event loop for a step with no work / the same copy: %.2f "
                "(%.1f us)\n",
                bare / copy, bare * 1e6);
    std::printf("and resizing a plain window of that size and its shadow by one step until both "
                "painted, event loop included / the same copy: %.2f (%.1f us)\n",
                resize / copy, resize * 1e6);
    return 0;
}
