#include "TApplication.h"
#include "TFirstPaint.h"
#include "TMainMenuBar.h"
#include "TMenuItem2000.h"
#include "TStopwatch.h"

#include <QMenu>
#include <algorithm>
#include <cstdio>
#include <vector>

// From the press on the main menu's first bar item to the first frame of its drop-down,
// against QMenu::popup of a QMenu holding the same captions, each to its first paint.
namespace {

constexpr int rounds = 60;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double PressToFirstFrame(TMainMenuBar& bar, TFirstPaint& firstPaint)
{
    const double seconds = TStopwatch::Seconds([&] {
        bar.PressFirstItem();
        firstPaint.Wait();
    });
    bar.CloseMenus();
    return seconds;
}

double PopupToFirstPaint(QMenu& peer, QPoint at, TFirstPaint& firstPaint)
{
    const double seconds = TStopwatch::Seconds([&] {
        peer.popup(at);
        firstPaint.Wait();
    });
    peer.hide();
    QCoreApplication::processEvents();
    return seconds;
}

// What every opening pays before drawing anything: a new top-level window of the menu's
// size, created, shown and painted once (the drop-down and its shadow are two of them),
// where the peer shows the window it keeps.
double NewWindowToFirstPaint(QSize size, QPoint at, TFirstPaint& firstPaint)
{
    return TStopwatch::Seconds([&] {
        QWidget window(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        window.setGeometry(QRect(at, size));
        window.show();
        firstPaint.Wait();
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    TMainMenuBar bar;
    QMenu peer;
    const TMenuItem2000& first = bar.Menus().TopItem(0);
    for (int i = 0; i < first.Count(); ++i)
        peer.addAction(first.Items(i)->Caption());
    const QPoint below = bar.BelowFirstItem();

    TFirstPaint firstPaint(&bar.Host());
    std::vector<double> ours, theirs, newWindows;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(PressToFirstFrame(bar, firstPaint));
        theirs.push_back(PopupToFirstPaint(peer, below, firstPaint));
        newWindows.push_back(NewWindowToFirstPaint(peer.sizeHint(), below, firstPaint));
    }
    const double mine = Median(ours), peers = Median(theirs), newWindow = Median(newWindows);
    std::printf("press on a bar item to its drop-down's first frame / QMenu::popup to its "
                "first paint: %.2f (median %.0f us against %.0f us, %d rounds)\n",
                mine / peers, mine * 1e6, peers * 1e6, rounds);
    std::printf("for scale, a new window of that size to its first paint / the same popup: "
                "%.2f (median %.0f us)\n",
                newWindow / peers, newWindow * 1e6);
    return 0;
}
