#include "TBitmap.h"
#include "TGIFCorpus.h"
#include "TGIFFrame.h"
#include "TGIFImage.h"
#include "TMemoryStream.h"

#include "TGiflibFile.h"
#include "TStopwatch.h"

#include <benchmark/benchmark.h>
#include <cstdio>

// Decoding every frame of the conformance corpus: ours (load, then every frame's
// bitmap) against giflib's DGifSlurp, and the ratio of the two.
namespace {
const std::vector<TGIFCorpusFile>& Corpus()
{
    static const std::vector<TGIFCorpusFile> corpus = TGIFCorpus::Files();
    return corpus;
}

void DecodeOurs(const QByteArray& bytes)
{
    TGIFImage image;
    TMemoryStream stream(bytes);
    image.LoadFromStream(stream);
    for (int index = 0; index < image.Count(); ++index)
        benchmark::DoNotOptimize(image.Frames(index)->DecodedBitmap()->ScanLine(0));
}

void DecodeGiflib(const QByteArray& bytes)
{
    const TGiflibFile file(bytes);
    if (file)
        benchmark::DoNotOptimize(file->SavedImages);
}

template <void (*Decode)(const QByteArray&)> void DecodeCorpus()
{
    for (const TGIFCorpusFile& file : Corpus())
        Decode(file.Bytes);
}

void BM_GifCorpusOurs(benchmark::State& state)
{
    for (auto _ : state)
        DecodeCorpus<DecodeOurs>();
}
BENCHMARK(BM_GifCorpusOurs)->Unit(benchmark::kMillisecond);

void BM_GifCorpusGiflib(benchmark::State& state)
{
    for (auto _ : state)
        DecodeCorpus<DecodeGiflib>();
}
BENCHMARK(BM_GifCorpusGiflib)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    constexpr int rounds = 20;
    const double ours = TStopwatch::Best(rounds, DecodeCorpus<DecodeOurs>);
    const double giflib = TStopwatch::Best(rounds, DecodeCorpus<DecodeGiflib>);
    std::printf("GIF corpus decoding, ours / giflib: %.2f (target at most 1.25)\n", ours / giflib);
    return 0;
}
