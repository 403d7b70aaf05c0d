#include "TApplication.h"
#include "TFirstPaint.h"
#include "TMainMenuBar.h"
#include "TMenuItem2000.h"
#include "TStopwatch.h"

#include <QImage>
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

// What every opening does before its first frame, with plain windows, where the peer
// shows the window it keeps: two new top-level windows of the menu's size, the drop-down
// and its shadow, created, shown and painted once, and the menu image painted in full,
// here by the peer's own painting of the same entries.
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
    std::vector<double> ours, theirs, plainOpenings;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(PressToFirstFrame(bar, firstPaint));
        theirs.push_back(PopupToFirstPaint(peer, below, firstPaint));
        plainOpenings.push_back(PlainOpening(peer, below, firstPaint));
    }
    const double mine = Median(ours), peers = Median(theirs), plain = Median(plainOpenings);
    std::printf("press on a bar item to its drop-down's first frame / QMenu::popup to its "
                "first paint: %.2f (median %.0f us against %.0f us, %d rounds)\n",
                mine / peers, mine * 1e6, peers * 1e6, rounds);
    std::printf("for scale, two new windows of that size (a drop-down and its shadow) to the "
                "first paint, with the menu painted once into an image / the same popup: "
                "%.2f (median %.0f us)\n",
                plain / peers, plain * 1e6);
    return 0;
}
