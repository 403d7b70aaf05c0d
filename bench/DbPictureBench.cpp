#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TBlobField.h"
#include "TBzDBImage.h"
#include "TDBCtrlGrid.h"
#include "TDBCtrlPanel.h"
#include "TDataSource.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPanel.h"
#include "TPicture.h"

#include "TOpenRun.h"
#include "TPlainKeySelect.h"
#include "TStopwatch.h"
#include "TTestQuery.h"
#include "TTestStore.h"

#include <QImage>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <utility>
#include <vector>

// The picture control's decoding of JPEG blobs against raw libjpeg-turbo on the same bytes,
// and opening a 100,000-picture category and painting the first 6 x 6 page of its grid
// against a plain SELECT of the same rows' keys.
namespace {

constexpr int decodePictures = 48;
constexpr int decodeWidth = 320; // pixels
constexpr int decodeHeight = 240;
constexpr int categoryPictures = 100000;
constexpr int gridColumns = 6;
constexpr int gridRows = 6;
constexpr int cellWidth = 103; // pixels, as in the icon grid
constexpr int cellHeight = 66;

// A picture with gradients and noise, so that it compresses like a photograph.
QByteArray JpegOf(int width, int height, int seed)
{
    QRandomGenerator random(quint32(seed + 1));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(48));
            image.setPixel(x, y,
                           qRgb((x + seed * 13 + noise) % 256, (y * 2 + noise) % 256,
                                (x + y + seed * 7) % 256));
        }
    }
    TBitmap bitmap;
    bitmap.SetImage(image);
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(90);
    jpeg.Assign(&bitmap);
    TMemoryStream out;
    jpeg.SaveToStream(out);
    return out.Bytes();
}

// A catalogue of count pictures of category 0 that cycle through pictures.
std::unique_ptr<TTestCatalogue> CatalogueCycling(int count, const std::vector<QByteArray>& pictures)
{
    std::unique_ptr<TTestCatalogue> catalogue = TTestStore::SQLite().NewCatalogue();
    catalogue->AddMany(count, [&pictures](int i) {
        return TPictureRow{0, pictures[size_t(i) % pictures.size()]};
    });
    return catalogue;
}

// The catalogue's connection, query of category 0 and data source, on a window.
struct TCatalogueWindow {
    TPanel window{nullptr};
    TTestQuery data;
    explicit TCatalogueWindow(const TTestCatalogue& catalogue)
        : data(&window, catalogue.ConnectionString())
    {
        data.query->SetSQLLine(1, QStringLiteral("where parent=0"));
    }
};

// --- Decoding ----------------------------------------------------------------------------

const std::vector<QByteArray>& DecodeSet()
{
    static const std::vector<QByteArray> set = [] {
        std::vector<QByteArray> pictures;
        for (int i = 0; i < decodePictures; ++i)
            pictures.push_back(JpegOf(decodeWidth, decodeHeight, i));
        return pictures;
    }();
    return set;
}

// A second query without a control over the same database reads the blobs alone.
struct TDecodeRig {
    std::unique_ptr<TTestCatalogue> database = CatalogueCycling(decodePictures, DecodeSet());
    TCatalogueWindow catalogue{*database};
    TCatalogueWindow readOnly{*database};
    TBzDBImage* image = new TBzDBImage(&catalogue.window);
    TDecodeRig()
    {
        image->SetDataField(QStringLiteral("Mirelvane"));
        image->SetDataSource(catalogue.data.source);
        catalogue.data.query->Open();
        catalogue.data.query->Last();
        readOnly.data.query->Open();
    }
};

TDecodeRig& DecodeRig()
{
    static TDecodeRig rig;
    return rig;
}

// Every record once: the rig stands on the last record, so First and each Next change
// the record and the control fetches and decodes that record's blob, N decodes in all.
void DecodeThroughControl()
{
    TADOQuery* query = DecodeRig().catalogue.data.query;
    query->First();
    for (int record = 1; record < decodePictures; ++record)
        query->Next();
    benchmark::DoNotOptimize(DecodeRig().image->Picture()->Width());
}

// What the data layer's blob reads take of the control's path.
void ReadBlobsOnly()
{
    TADOQuery* query = DecodeRig().readOnly.data.query;
    TBlobField* field = dynamic_cast<TBlobField*>(query->FieldByName(QStringLiteral("Mirelvane")));
    qint64 bytes = 0;
    for (query->First(); !query->Eof(); query->Next())
        bytes += field->AsBytes().size();
    benchmark::DoNotOptimize(bytes);
}

// The peer: libjpeg-turbo's own API on the same bytes, to 24-bit rows as the control gets.
void DecodeWithLibjpeg(const QByteArray& bytes)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const size_t stride = (size_t(info.output_width) * 3 + 3) & ~size_t(3);
    std::vector<unsigned char> pixels(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + size_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(pixels.data());
}

void DecodeRaw()
{
    for (const QByteArray& bytes : DecodeSet())
        DecodeWithLibjpeg(bytes);
}

void BM_DecodeBlobsThroughControl(benchmark::State& state)
{
    DecodeRig();
    for (auto _ : state)
        DecodeThroughControl();
    state.counters["pictures"] = decodePictures;
}
BENCHMARK(BM_DecodeBlobsThroughControl)->Unit(benchmark::kMillisecond);

void BM_DecodeBlobsRawLibjpeg(benchmark::State& state)
{
    for (auto _ : state)
        DecodeRaw();
    state.counters["pictures"] = decodePictures;
}
BENCHMARK(BM_DecodeBlobsRawLibjpeg)->Unit(benchmark::kMillisecond);

// --- Opening a category and painting its first page ----------------------------------------

struct TPageRig {
    std::vector<QByteArray> thumbnails = [] {
        std::vector<QByteArray> pictures;
        for (int i = 0; i < 16; ++i)
            pictures.push_back(JpegOf(cellWidth, cellHeight, i));
        return pictures;
    }();
    std::unique_ptr<TTestCatalogue> database = CatalogueCycling(categoryPictures, thumbnails);
    TCatalogueWindow catalogue{*database};
    TDBCtrlGrid* grid = new TDBCtrlGrid(&catalogue.window);
    TPageRig()
    {
        catalogue.window.SetBounds(0, 0, 660, 400);
        grid->SetParent(&catalogue.window);
        grid->SetAlign(TAlign::alClient);
        grid->SetColCount(gridColumns);
        grid->SetRowCount(gridRows);
        grid->SetPanelWidth(cellWidth);
        grid->SetPanelHeight(cellHeight);
        auto* image = new TBzDBImage(&catalogue.window);
        image->SetDataField(QStringLiteral("Mirelvane"));
        image->SetBorderStyle(TBorderStyle::bsNone);
        image->SetParent(grid->Panel());
        image->SetAlign(TAlign::alClient);
        grid->SetDataSource(catalogue.data.source);
    }
};

TPageRig& PageRig()
{
    static TPageRig rig;
    return rig;
}

// The catalogue's category query, then the grid's first page painted.
int OpenAndPaintPage()
{
    TPageRig& rig = PageRig();
    rig.catalogue.data.query->Close();
    rig.catalogue.data.query->Open();
    const QPixmap page = rig.grid->grab();
    benchmark::DoNotOptimize(page.cacheKey());
    return rig.catalogue.data.query->RecordCount();
}
void ClosePage()
{
    PageRig().catalogue.data.query->Close();
}

TPlainKeySelect& Plain()
{
    static TPlainKeySelect plain(PageRig().database->Location());
    return plain;
}

void ReleaseKeys()
{
    Plain().Release();
}

// The peer: the same rows' keys by a plain SELECT, kept in a vector.
int SelectKeys()
{
    return Plain().Select("Select ID, parent From picture\nwhere parent=0\n");
}

template <int (*Open)(), void (*Release)()> void RunOpen(benchmark::State& state)
{
    const TOpenRun::Memory memory = TOpenRun::Measure(state, categoryPictures, Open, Release);
    state.counters["peak_rss_growth_MiB"] = memory.peakGrowthMiB;
}

void BM_OpenCategoryAndPaintFirstPage(benchmark::State& state)
{
    RunOpen<OpenAndPaintPage, ClosePage>(state);
}
BENCHMARK(BM_OpenCategoryAndPaintFirstPage)->Unit(benchmark::kMillisecond);

void BM_OpenCategoryPlainSelectKeys(benchmark::State& state)
{
    RunOpen<SelectKeys, ReleaseKeys>(state);
}
BENCHMARK(BM_OpenCategoryPlainSelectKeys)->Unit(benchmark::kMillisecond);

// Best of several rounds of each, in seconds; the two take turns, so that both see the
// same load of a shared machine.
std::pair<double, double> BestTimes(int rounds, void (*first)(), void (*second)())
{
    std::pair<double, double> best{1e9, 1e9};
    for (int round = 0; round < rounds; ++round) {
        best.first = std::min(best.first, TStopwatch::Seconds(first));
        best.second = std::min(best.second, TStopwatch::Seconds(second));
    }
    return best;
}

void PaintPage()
{
    OpenAndPaintPage();
}
void SelectPageKeys()
{
    SelectKeys();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    constexpr int rounds = 20;
    const auto [control, raw] = BestTimes(rounds, DecodeThroughControl, DecodeRaw);
    std::printf("Decoding %d JPEG blobs of %d x %d: control %.2f ms, raw libjpeg-turbo %.2f ms\n",
                decodePictures, decodeWidth, decodeHeight, control * 1e3, raw * 1e3);
    std::printf("Control / raw libjpeg-turbo: %.2f (target at most 1.10)\n", control / raw);
    const auto [reads, rawAgain] = BestTimes(rounds, ReadBlobsOnly, DecodeRaw);
    std::printf("Of which the data layer's blob reads: %.2f ms; control without them / raw: %.2f\n",
                reads * 1e3, (control - reads) / rawAgain);

    const auto [page, keys] = BestTimes(rounds / 2, PaintPage, SelectPageKeys);
    std::printf("Opening %d pictures and painting a %d x %d page: %.1f ms, plain SELECT of the "
                "keys %.1f ms, ratio %.2f\n",
                categoryPictures, gridColumns, gridRows, page * 1e3, keys * 1e3, page / keys);
    return 0;
}
