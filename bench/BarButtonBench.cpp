// The page buttons of a button bar with the main window's settings (26-pixel black
// buttons with the yellow 12-pixel caption font, three pages), shown offscreen:
// - one animation step, against plain QWidget::setGeometry calls moving the same
//   widgets (the two pages and the buttons between them) by the same distance;
// - painting one page button in each frame style, against painting a QPushButton of
//   the same size, caption and font.
#include "TApplication.h"
#include "TForm.h"
#include "TStopwatch.h"
#include "TabcBarBtn.h"
#include "TabcButtonBar.h"
#include "TabcButtonPage.h"

#include <QImage>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

constexpr int manySteps = 200;
constexpr int rounds = 20;
const QString caption = QStringLiteral("商业类图标");

// A shown form with a tall bar of three pages and the main window's button settings;
// page 1 is open. Animated changes that never wait (an animation time of 0).
class BarForm {
public:
    BarForm()
    {
        form->SetBounds(0, 0, 200, 640);
        bar = new TabcButtonBar(form.get());
        bar->SetParent(form.get());
        bar->SetBounds(0, 0, 160, 600);
        bar->SetBevelOuter(TBevelCut::bvNone);
        bar->SetButtonAlign(TabcBarButtonAlign::abbLeft);
        bar->SetButtonColor(clBlack);
        bar->SetButtonHeight(26);
        bar->SetButtonStyle(TabcButtonStyle::absThinBlack);
        bar->SetActiveFontColor(clYellow);
        bar->Font()->SetColor(clYellow);
        bar->Font()->SetHeight(-12);
        bar->Font()->SetName(QStringLiteral("宋体"));
        bar->SetOptions({TabcButtonBarOption::abbAnimate, TabcButtonBarOption::abbDragTrack,
                         TabcButtonBarOption::abbInPlaceEdit});
        bar->SetAnimationTime(0);
        for (int i = 0; i < 3; ++i) {
            auto* page = new TabcButtonPage(form.get());
            page->SetCaption(caption);
            page->SetButtonBar(bar);
        }
        form->Show();
        form->grab();
    }
    TabcButtonPage* Page(int index) const { return bar->Pages()[size_t(index)]; }

    // From page 1 to page 3 and back, in the given number of steps each way; the
    // paints the changes asked for are done outside the measured time.
    double ThereAndBackSeconds(int steps)
    {
        bar->SetAnimationSteps(steps);
        const double seconds = TStopwatch::Seconds([&] {
            bar->SetActivePage(Page(2));
            bar->SetActivePage(Page(0));
        });
        QCoreApplication::processEvents();
        return seconds;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TabcButtonBar* bar = nullptr;
};

// The bar's own step: what a change of many steps costs more than a change of one,
// per additional step and direction.
double BarStepSeconds(BarForm& bars)
{
    double many = 1e9, one = 1e9;
    for (int round = 0; round < rounds; ++round) {
        many = std::min(many, bars.ThereAndBackSeconds(manySteps));
        one = std::min(one, bars.ThereAndBackSeconds(1));
    }
    return (many - one) / (2.0 * (manySteps - 1));
}

// The same bounds changes made directly: the old page shrinks from the bottom, the
// buttons of pages 2 and 3 rise, the new page grows upward; then all of it back.
double PeerStepSeconds(BarForm& bars)
{
    const int distance =
        (bars.bar->InnerRect().height() - 3 * bars.bar->ButtonHeight()) / manySteps;
    QWidget* oldPage = bars.Page(0);
    QWidget* newPage = bars.Page(2);
    QWidget* risers[] = {bars.bar->Buttons()[1], bars.bar->Buttons()[2]};
    newPage->setGeometry(oldPage->x(), bars.bar->InnerRect().bottom() + 1, oldPage->width(), 0);
    newPage->show();
    const auto step = [&](int by) {
        oldPage->setGeometry(oldPage->geometry().adjusted(0, 0, 0, -by));
        for (QWidget* button : risers)
            button->setGeometry(button->geometry().translated(0, -by));
        newPage->setGeometry(newPage->geometry().adjusted(0, -by, 0, 0));
    };
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        best = std::min(best, TStopwatch::Seconds([&] {
                            for (int i = 1; i < manySteps; ++i)
                                step(distance);
                            for (int i = 1; i < manySteps; ++i)
                                step(-distance);
                        }));
        QCoreApplication::processEvents();
    }
    newPage->hide();
    bars.bar->Realign();
    return best / (2.0 * (manySteps - 1));
}

// Painting a widget, as a paint event does, into an image of its size.
void Render(QWidget* widget, QImage& image)
{
    widget->render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

double BestRenderSeconds(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    constexpr int paints = 50;
    return TStopwatch::Best(rounds,
                            [&] {
                                for (int i = 0; i < paints; ++i)
                                    Render(widget, image);
                            }) /
           paints;
}

BarForm* benchBars = nullptr;

void BM_PageButtonPaint(benchmark::State& state)
{
    benchBars->bar->SetButtonStyle(TabcButtonStyle(state.range(0)));
    QWidget* button = benchBars->bar->Buttons()[0];
    QImage image(button->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        Render(button, image);
}
BENCHMARK(BM_PageButtonPaint)->DenseRange(0, 18)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    BarForm bars;
    benchBars = &bars;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double barStep = BarStepSeconds(bars);
    const double peerStep = PeerStepSeconds(bars);
    std::printf("one animation step (%d bounds changes): bar / QWidget::setGeometry: %.2f "
                "(%.1f us against %.1f us)\n",
                4, barStep / peerStep, barStep * 1e6, peerStep * 1e6);

    TabcBarBtn* button = bars.bar->Buttons()[0];
    QPushButton peer(caption);
    peer.setFont(button->Font()->ToQFont());
    peer.resize(button->size());
    peer.ensurePolished();
    const double peerPaint = BestRenderSeconds(&peer);
    double worst = 0;
    for (int style = 0; style < int(TEnumNames<TabcButtonStyle>::Names().size()); ++style) {
        bars.bar->SetButtonStyle(TabcButtonStyle(style));
        const double ratio = BestRenderSeconds(button) / peerPaint;
        worst = std::max(worst, ratio);
        std::printf("painting a %dx%d page button, %s / QPushButton: %.2f\n", button->Width(),
                    button->Height(), TEnumNames<TabcButtonStyle>::Names()[size_t(style)], ratio);
    }
    std::printf("painting a page button, worst style / QPushButton: %.2f\n", worst);
    return 0;
}
