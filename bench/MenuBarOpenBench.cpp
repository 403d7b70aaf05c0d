// From the press on the main menu's first bar item to the first frame of its drop-down,
// against QMenu::popup of a QMenu holding the same captions, each to its first paint.
// Printed for Qt's offscreen platform and, where DISPLAY names an X server, under X: the
// first opening after the program starts (each side in fresh processes, so that neither
// pays the other's start-up), and the later openings (both sides taking turns in one
// process; each side's opening is complete and the window system done with it before the
// other side's is timed, so that what follows our first frame - the drop-down's shadow,
// the popup sound, the bar's repaint - never falls into the peer's time). For the later
// openings the time on to the first frame of the drop-down's shadow, which follows the
// drop-down's first frame, is printed too. Every figure comes from child processes of this
// one run.
#include "TApplication.h"
#include "TFirstPaint.h"
#include "TMainMenuBar.h"
#include "TMenuItem2000.h"
#include "TStopwatch.h"
#include "T_AM2000_DropShadow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int laterRounds = 60;
// Fresh processes per side for the first opening.
constexpr int firstRuns = 7;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A side that never paints would leave the figures meaningless: the child stops.
void AwaitFirstPaint(TFirstPaint& firstPaint, const char* side)
{
    if (firstPaint.Wait())
        return;
    std::fprintf(stderr, "%s: no first paint within the time allowed\n", side);
    std::exit(1);
}

// After a side's opening, untimed: its events are handled, and a one-pixel grab of the
// screen returns only once the window system has done everything asked of it before, so
// that nothing of one side's opening is still going on in the other side's time.
void Settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1, 1);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Seconds from the press to the drop-down's first frame and on to its shadow's.
struct OurOpening {
    double firstFrame;
    double shadow;
};

OurOpening PressToFirstFrames(TMainMenuBar& bar, TFirstPaint& firstPaint, TFirstPaint& shadowPaint)
{
    QElapsedTimer clock;
    clock.start();
    bar.PressFirstItem();
    AwaitFirstPaint(firstPaint, "the menu bar's drop-down");
    const double firstFrame = double(clock.nsecsElapsed()) * 1e-9;
    AwaitFirstPaint(shadowPaint, "the drop-down's shadow");
    const double shadow = double(clock.nsecsElapsed()) * 1e-9;
    Settle();
    bar.CloseMenus();
    return {firstFrame, shadow};
}

double PressToFirstFrame(TMainMenuBar& bar, TFirstPaint& firstPaint)
{
    const double seconds = TStopwatch::Seconds([&] {
        bar.PressFirstItem();
        AwaitFirstPaint(firstPaint, "the menu bar's drop-down");
    });
    bar.CloseMenus();
    return seconds;
}

double PopupToFirstPaint(QMenu& peer, QPoint at, TFirstPaint& firstPaint)
{
    const double seconds = TStopwatch::Seconds([&] {
        peer.popup(at);
        AwaitFirstPaint(firstPaint, "QMenu::popup");
    });
    peer.hide();
    QCoreApplication::processEvents();
    return seconds;
}

// A top-level window as menus make them: borderless, never activated.
class MenuWindow : public QWidget {
public:
    MenuWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
};

// For scale, what an opening would cost with two new plain windows where the peer shows
// the window it keeps: the drop-down and its shadow, created, shown and painted once,
// and the menu image painted in full, here by the peer's own painting of the same
// entries.
double PlainOpening(QMenu& peer, QPoint at, TFirstPaint& firstPaint)
{
    const QSize size = peer.sizeHint();
    QImage menuImage(size, QImage::Format_ARGB32_Premultiplied);
    return TStopwatch::Seconds([&] {
        peer.render(&menuImage);
        MenuWindow dropDown;
        MenuWindow shadow;
        shadow.setGeometry(QRect(at + QPoint(4, 4), size));
        dropDown.setGeometry(QRect(at, size));
        shadow.show();
        dropDown.show();
        AwaitFirstPaint(firstPaint, "the plain windows");
    });
}

// The menu bar and a QMenu with the first item's captions, both ready to open.
struct Sides {
    TMainMenuBar bar;
    QMenu peer;
    QPoint below;
    TFirstPaint firstPaint{&bar.Host()};

    Sides()
    {
        const TMenuItem2000& first = bar.Menus().TopItem(0);
        for (int i = 0; i < first.Count(); ++i)
            peer.addAction(first.Items(i)->Caption());
        below = bar.BelowFirstItem();
    }
};

// Child "first ours" / "first peer": prints the microseconds of that side's first opening.
int RunFirstOpening(bool ours)
{
    Sides sides;
    const double seconds = ours ? PressToFirstFrame(sides.bar, sides.firstPaint)
                                : PopupToFirstPaint(sides.peer, sides.below, sides.firstPaint);
    std::printf("%.1f\n", seconds * 1e6);
    return 0;
}

// Child "later [ROUNDS]": prints the medians in microseconds of the openings after the
// first, ours, the peer's, the plain windows' and ours to the shadow's first frame.
int RunLaterOpenings(int rounds)
{
    Sides sides;
    TFirstPaint shadowPaint([](const QWidget& widget) {
        return dynamic_cast<const T_AM2000_DropShadow*>(&widget) != nullptr;
    });
    PressToFirstFrames(sides.bar, sides.firstPaint, shadowPaint);
    PopupToFirstPaint(sides.peer, sides.below, sides.firstPaint);
    std::vector<double> ours, theirs, plain, shadows;
    for (int round = 0; round < rounds; ++round) {
        const OurOpening opening = PressToFirstFrames(sides.bar, sides.firstPaint, shadowPaint);
        ours.push_back(opening.firstFrame);
        shadows.push_back(opening.shadow);
        theirs.push_back(PopupToFirstPaint(sides.peer, sides.below, sides.firstPaint));
        Settle();
        plain.push_back(PlainOpening(sides.peer, sides.below, sides.firstPaint));
        Settle();
    }
    std::printf("%.1f %.1f %.1f %.1f\n", Median(ours) * 1e6, Median(theirs) * 1e6,
                Median(plain) * 1e6, Median(shadows) * 1e6);
    return 0;
}

// Runs this program as a child on platform; returns the numbers it printed.
std::vector<double> RunChild(const QString& platform, const QStringList& arguments)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    std::vector<double> numbers;
    for (const QByteArray& word : child.readAllStandardOutput().simplified().split(' ')) {
        bool ok = false;
        const double number = word.toDouble(&ok);
        if (ok)
            numbers.push_back(number);
    }
    if (child.exitCode() != 0 || numbers.empty())
        std::fprintf(stderr, "the %s child %s failed\n", qPrintable(platform),
                     qPrintable(arguments.join(u' ')));
    return numbers;
}

double FirstOpeningMicroseconds(const QString& platform, const char* side)
{
    std::vector<double> runs;
    for (int run = 0; run < firstRuns; ++run) {
        const std::vector<double> numbers =
            RunChild(platform, {QStringLiteral("first"), QLatin1String(side)});
        if (!numbers.empty())
            runs.push_back(numbers.front());
    }
    return runs.empty() ? 0.0 : Median(runs);
}

void Report(const QString& platform, const char* where)
{
    const double oursFirst = FirstOpeningMicroseconds(platform, "ours");
    const double peerFirst = FirstOpeningMicroseconds(platform, "peer");
    std::printf("%s, first opening after start, press to first frame / QMenu::popup to its "
                "first paint: %.2f (median of %d fresh processes each: %.0f us against %.0f "
                "us)\n",
                where, oursFirst / peerFirst, firstRuns, oursFirst, peerFirst);
    const std::vector<double> later = RunChild(platform, {QStringLiteral("later")});
    if (later.size() != 4)
        return;
    std::printf("%s, later openings, press to first frame / QMenu::popup to its first paint: "
                "%.2f (median %.0f us against %.0f us, %d rounds)\n",
                where, later[0] / later[1], later[0], later[1], laterRounds);
    std::printf("%s, later openings, press to the first frame of the drop-down's shadow, "
                "which follows the drop-down's / the same popup: %.2f (median %.0f us)\n",
                where, later[3] / later[1], later[3]);
    std::printf("%s, for scale, two new plain windows (a drop-down and its shadow) to the "
                "first paint, with the menu painted once into an image / the same popup: "
                "%.2f (median %.0f us)\n",
                where, later[2] / later[1], later[2]);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (!arguments.isEmpty()) {
        TApplication application(argc, argv);
        if (arguments.front() == QLatin1String("first") && arguments.size() == 2)
            return RunFirstOpening(arguments[1] == QLatin1String("ours"));
        if (arguments.front() == QLatin1String("later"))
            return RunLaterOpenings(arguments.size() > 1 ? std::max(arguments[1].toInt(), 1)
                                                         : laterRounds);
        std::fprintf(stderr, "usage: %s [first ours|first peer|later [ROUNDS]]\n", argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    Report(QStringLiteral("offscreen"), "offscreen");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        Report(QStringLiteral("xcb"),
               qPrintable(
                   QStringLiteral("under X (DISPLAY=%1)").arg(qEnvironmentVariable("DISPLAY"))));
    return 0;
}
