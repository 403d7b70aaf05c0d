#include "TApplication.h"
#include "TMainMenuDropDowns.h"
#include "TMenuItem2000.h"
#include "TStopwatch.h"

#include <QMenu>
#include <benchmark/benchmark.h>
#include <cstdio>

// Painting the drop-down of the main window's first top item (four items, title strip,
// bevel) against its peer, Qt's own QMenu holding the same captions rendered by
// QWidget::grab; and the repaint of the two entries of a selection change against a
// full layout and paint of the window.
namespace {

TMainMenuDropDowns* menus = nullptr;

void FullPaint(TPopupMenu2000Form& window)
{
    window.Relayout();
}

// Moves the selection between entries 1 and 2: two entries repainted each time.
void SelectionChange(TPopupMenu2000Form& window)
{
    window.SetSelected(window.Selected() == 1 ? 2 : 1);
}

void PeerGrab(QMenu& peer)
{
    benchmark::DoNotOptimize(peer.grab());
}

std::unique_ptr<QMenu> Peer()
{
    auto peer = std::make_unique<QMenu>();
    const TMenuItem2000& first = menus->TopItem(0);
    for (int i = 0; i < first.Count(); ++i)
        peer->addAction(first.Items(i)->Caption());
    peer->ensurePolished();
    peer->resize(peer->sizeHint());
    return peer;
}

void BM_DropDownFullPaint(benchmark::State& state)
{
    auto window = menus->Open(0);
    for (auto _ : state)
        FullPaint(*window);
}
BENCHMARK(BM_DropDownFullPaint)->Unit(benchmark::kMicrosecond);

void BM_QMenuGrab(benchmark::State& state)
{
    auto peer = Peer();
    for (auto _ : state)
        PeerGrab(*peer);
}
BENCHMARK(BM_QMenuGrab)->Unit(benchmark::kMicrosecond);

void BM_DropDownSelectionChange(benchmark::State& state)
{
    auto window = menus->Open(0);
    for (auto _ : state)
        SelectionChange(*window);
}
BENCHMARK(BM_DropDownSelectionChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    TMainMenuDropDowns dropDowns;
    menus = &dropDowns;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    constexpr int rounds = 200;
    auto window = dropDowns.Open(0);
    auto peer = Peer();
    const double full = TStopwatch::Best(rounds, [&] { FullPaint(*window); });
    const double grab = TStopwatch::Best(rounds, [&] { PeerGrab(*peer); });
    const double partial = TStopwatch::Best(rounds, [&] { SelectionChange(*window); });
    std::printf("first drop-down, full paint / QWidget::grab of a QMenu with its items: %.2f "
                "(%.1f us against %.1f us)\n",
                full / grab, full * 1e6, grab * 1e6);
    std::printf("selection change (two entries) / full paint: %.2f\n", partial / full);
    return 0;
}
