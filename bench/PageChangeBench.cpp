// One page change of the main window's button bar (three pages, five steps, 125 ms
// configured), shown offscreen: the wall time of each change against the time its
// steps are meant to take, and the processor time used meanwhile against the wall
// time (the waiting between steps must sleep, not spin). The peer for the processor
// share: the same main window waiting 125 ms in the same nested loop with nothing to
// move.
#include "TApplication.h"
#include "TGalleryBenchApplication.h"
#include "TMianForm.h"
#include "TTickCount.h"
#include "TabcButtonPage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Wall and processor seconds of a piece of work.
struct Timing {
    double wall = 0;
    double processor = 0;
};

template <class F> Timing Measure(F&& work)
{
    const std::clock_t processorStart = std::clock();
    const auto wallStart = std::chrono::steady_clock::now();
    work();
    Timing timing;
    timing.wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    timing.processor = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
    return timing;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

TabcButtonPage* Page(TMianForm& form, int number)
{
    return dynamic_cast<TabcButtonPage*>(
        form.FindComponent(QStringLiteral("abcButtonPage%1").arg(number)));
}

} // namespace

int main(int argc, char** argv)
{
    const TGalleryBenchApplication application(argc, argv);
    std::unique_ptr<TMianForm> form(TForm::Create<TMianForm>(nullptr));
    MianForm = form.get();
    Application->SetMainForm(form.get());
    form->Show();
    form->grab();
    TabcButtonBar* bar = form->abcButtonBar1;
    const double configured =
        (bar->AnimationTime() / bar->AnimationSteps()) * bar->AnimationSteps() / 1e3;

    // Every change between the three pages, both ways, several times; the first change
    // (which records the bar's size and paints the pages for the first time) is left out.
    const int order[] = {2, 3, 1, 3, 2, 1};
    bar->SetActivePage(Page(*form, 2));
    bar->SetActivePage(Page(*form, 1));
    std::vector<double> wallRatios, processorShares;
    double wallTotal = 0, processorTotal = 0;
    for (int round = 0; round < 5; ++round) {
        for (const int number : order) {
            const Timing change = Measure([&] { bar->SetActivePage(Page(*form, number)); });
            wallRatios.push_back(change.wall / configured);
            processorShares.push_back(change.processor / change.wall);
            wallTotal += change.wall;
            processorTotal += change.processor;
        }
    }
    double idleWall = 0, idleProcessor = 0;
    for (int round = 0; round < 10; ++round) {
        const Timing idle = Measure(
            [&] { Application->WaitMessagesUntil(TTickCount::Now() + qint64(configured * 1e3)); });
        idleWall += idle.wall;
        idleProcessor += idle.processor;
    }

    std::printf("main window's bar, %d steps, %.0f ms configured, %zu changes\n",
                bar->AnimationSteps(), configured * 1e3, wallRatios.size());
    std::printf("page change, wall time / configured time: median %.2f, worst %.2f\n",
                Median(wallRatios), *std::max_element(wallRatios.begin(), wallRatios.end()));
    std::printf("page change, processor time / wall time: %.2f (median per change %.2f)\n",
                processorTotal / wallTotal, Median(processorShares));
    std::printf("peer, waiting %.0f ms with nothing to move, processor / wall time: %.2f\n",
                configured * 1e3, idleProcessor / idleWall);
    Application->SetMainForm(nullptr);
    MianForm = nullptr;
    return 0;
}
