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
    std::vector<double> ours, theirs;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(PressToFirstFrame(bar, firstPaint));
        theirs.push_back(PopupToFirstPaint(peer, below, firstPaint));
    }
    const double mine = Median(ours), peers = Median(theirs);
    std::printf("press on a bar item to its drop-down's first frame / QMenu::popup to its "
                "first paint: %.2f (median %.0f us against %.0f us, %d rounds)\n",
                mine / peers, mine * 1e6, peers * 1e6, rounds);
    return 0;
}
