#include "TBitmap.h"
#include "TGIFFrame.h"
#include "TGIFImage.h"
#include "TResourceStream.h"
#include "TRxGIFAnimator.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

// The wait animation's 25 frames as the animator shows them: composed in order over
// the previous composition (the frames already decoded, as during the animation), and
// loaded afresh and composed (the first pass). The peer is the GIF image alone,
// loading the same file and decoding its 25 frames.
namespace {

constexpr int waitFrames = 25;

void LoadWait(TGIFImage& image)
{
    TResourceStream stream(QStringLiteral("Wait"));
    image.LoadFromStream(stream);
}

void DecodeAll()
{
    TGIFImage image;
    LoadWait(image);
    for (int index = 0; index < image.Count(); ++index)
        benchmark::DoNotOptimize(image.Frames(index)->DecodedBitmap()->ScanLine(0));
}

void ComposeAll(TRxGIFAnimator& animator)
{
    TColor transparent = clNone;
    for (int index = 0; index < waitFrames; ++index)
        benchmark::DoNotOptimize(animator.ComposeFrame(index, transparent)->ScanLine(0));
}

// An animator holding the wait animation with every frame decoded and composed once;
// made in main, as widgets live inside the application object.
TRxGIFAnimator* warmAnimator = nullptr;

void ComposeWarm()
{
    ComposeAll(*warmAnimator);
}

void LoadAndComposeAll()
{
    TRxGIFAnimator animator(nullptr);
    LoadWait(*animator.Image());
    ComposeAll(animator);
}

void BM_WaitDecodeAllFrames(benchmark::State& state)
{
    for (auto _ : state)
        DecodeAll();
}
BENCHMARK(BM_WaitDecodeAllFrames)->Unit(benchmark::kMicrosecond);

void BM_WaitComposeAllFrames(benchmark::State& state)
{
    for (auto _ : state)
        ComposeWarm();
}
BENCHMARK(BM_WaitComposeAllFrames)->Unit(benchmark::kMicrosecond);

void BM_WaitLoadAndComposeAllFrames(benchmark::State& state)
{
    for (auto _ : state)
        LoadAndComposeAll();
}
BENCHMARK(BM_WaitLoadAndComposeAllFrames)->Unit(benchmark::kMicrosecond);

// Best of several rounds, in seconds.
template <void (*Work)()> double BestTime(int rounds)
{
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        Work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv); // the animator is a widget
    TRxGIFAnimator animator(nullptr);
    LoadWait(*animator.Image());
    ComposeAll(animator);
    warmAnimator = &animator;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    constexpr int rounds = 50;
    const double decode = BestTime<DecodeAll>(rounds);
    const double compose = BestTime<ComposeWarm>(rounds);
    const double first = BestTime<LoadAndComposeAll>(rounds);
    std::printf("Wait animation, 25 frames: composing / decoding with TGIFImage alone: %.2f\n",
                compose / decode);
    std::printf("Wait animation, 25 frames: loading and composing / decoding: %.2f\n",
                first / decode);
    return 0;
}
