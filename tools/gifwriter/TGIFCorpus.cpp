#include "TGIFCorpus.h"

#include "TGIFWriter.h"

#include <QList>
#include <QRgb>
#include <gif_lib.h>
#include <random>
#include <stdexcept>

namespace {
struct PictureShape {
    int Width;
    int Height;
    int Colors;
    bool Interlaced;
};

// Picture shapes covering colour counts, odd sizes and both row orders.
const PictureShape pictureShapes[] = {
    {1, 1, 2, false},      {3, 7, 3, false},       {17, 5, 4, true},    {31, 33, 5, false},
    {8, 3, 8, true},       {60, 60, 16, false},    {33, 17, 17, true},  {100, 75, 64, false},
    {127, 9, 128, true},   {128, 128, 256, false}, {97, 61, 256, true}, {2, 10, 7, true},
    {640, 48, 200, false}, {13, 1, 255, false},
};

QList<QRgb> Palette(int colors, quint32 seed)
{
    std::mt19937 random(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colors; ++i)
        palette.append(qRgb(int(random() & 0xFF), int(random() & 0xFF), int(random() & 0xFF)));
    return palette;
}

// Gradients, runs and noise in bands, so that strings of every length occur and large
// noisy pictures fill the dictionary.
std::vector<quint8> Indices(int width, int height, int colors, quint32 seed)
{
    std::mt19937 random(seed);
    std::vector<quint8> indices(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int band = (y / 4 + seed) % 3;
            const int value = band == 0 ? (x + y) / 3 : band == 1 ? x / 7 : int(random() % 256);
            indices[size_t(y) * size_t(width) + size_t(x)] = quint8(value % colors);
        }
    return indices;
}

TGIFCorpusFile Single(const PictureShape& shape, quint32 seed)
{
    TGIFWriter writer(QSize(shape.Width, shape.Height), Palette(shape.Colors, seed), "GIF87a");
    writer.AddImage({QRect(0, 0, shape.Width, shape.Height),
                     Indices(shape.Width, shape.Height, shape.Colors, seed),
                     {},
                     shape.Interlaced});
    return {QStringLiteral("ours-%1x%2-%3c%4.gif")
                .arg(shape.Width)
                .arg(shape.Height)
                .arg(shape.Colors)
                .arg(shape.Interlaced ? "-interlaced" : ""),
            writer.Finish()};
}

// Frames at offsets with every disposal, some transparent, some with local tables.
TGIFCorpusFile Animation(quint32 seed)
{
    const QSize screen(48, 40);
    TGIFWriter writer(screen, Palette(32, seed), "GIF89a", 3);
    writer.AddLoop(0);
    writer.AddComment({"made for the conformance corpus"});
    for (int frame = 0; frame < 8; ++frame) {
        const QRect rect = frame == 0 ? QRect(QPoint(0, 0), screen)
                                      : QRect(frame * 3, frame * 2, 48 - frame * 5, 40 - frame * 4);
        const bool local = frame % 3 == 1;
        const int colors = local ? 4 + frame * 9 : 32;
        writer.AddGraphicControl(quint16(5 + frame), frame % 4, frame % 2 ? frame : -1);
        writer.AddImage({rect, Indices(rect.width(), rect.height(), colors, seed + frame),
                         local ? Palette(colors, seed * 7 + frame) : QList<QRgb>(),
                         frame % 3 == 2});
    }
    return {QStringLiteral("ours-animation-%1.gif").arg(seed), writer.Finish()};
}

int AppendToArray(GifFileType* file, const GifByteType* bytes, int count)
{
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

// Frees a giflib colour map when it goes out of scope.
struct MapObject {
    explicit MapObject(const QList<QRgb>& palette)
    {
        const int entries = 1 << TGIFWriter::ColorBits(palette.size());
        Map = GifMakeMapObject(entries, nullptr);
        for (int i = 0; i < entries; ++i) {
            const QRgb color = i < palette.size() ? palette[i] : 0;
            Map->Colors[i] = {GifByteType(qRed(color)), GifByteType(qGreen(color)),
                              GifByteType(qBlue(color))};
        }
    }
    ~MapObject() { GifFreeMapObject(Map); }
    MapObject(const MapObject&) = delete;
    MapObject& operator=(const MapObject&) = delete;
    ColorMapObject* Map;
};

void Check(int result)
{
    if (result != GIF_OK)
        throw std::runtime_error("giflib could not encode a corpus file");
}

void PutImage(GifFileType* file, const PictureShape& shape, quint32 seed, const MapObject* local)
{
    Check(EGifPutImageDesc(file, 0, 0, shape.Width, shape.Height, shape.Interlaced,
                           local ? local->Map : nullptr));
    std::vector<quint8> indices = Indices(shape.Width, shape.Height, shape.Colors, seed);
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    const int passes = shape.Interlaced ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (int row = shape.Interlaced ? starts[pass] : 0; row < shape.Height;
             row += shape.Interlaced ? steps[pass] : 1)
            Check(
                EGifPutLine(file, indices.data() + size_t(row) * size_t(shape.Width), shape.Width));
}

// Two frames encoded by giflib: one with the global table, one transparent with a local
// table and restore-to-background disposal.
TGIFCorpusFile GiflibFile(const PictureShape& shape, quint32 seed)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* file = EGifOpen(&bytes, AppendToArray, &error);
    if (!file)
        throw std::runtime_error("giflib could not start a corpus file");
    EGifSetGifVersion(file, true);
    const MapObject global(Palette(shape.Colors, seed));
    const MapObject local(Palette(shape.Colors, seed + 1));
    Check(EGifPutScreenDesc(file, shape.Width, shape.Height, global.Map->BitsPerPixel, 0,
                            global.Map));
    PutImage(file, shape, seed, nullptr);
    GraphicsControlBlock control{DISPOSE_BACKGROUND, false, 7, shape.Colors - 1};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, 4, extension));
    PutImage(file, shape, seed + 2, &local);
    Check(EGifCloseFile(file, &error));
    return {QStringLiteral("giflib-%1x%2-%3c%4.gif")
                .arg(shape.Width)
                .arg(shape.Height)
                .arg(shape.Colors)
                .arg(shape.Interlaced ? "-interlaced" : ""),
            bytes};
}
} // namespace

std::vector<TGIFCorpusFile> TGIFCorpus::Files()
{
    std::vector<TGIFCorpusFile> files;
    quint32 seed = 1;
    for (const PictureShape& shape : pictureShapes) {
        files.push_back(Single(shape, seed));
        files.push_back(GiflibFile(shape, seed + 100));
        ++seed;
    }
    for (quint32 animation = 1; animation <= 3; ++animation)
        files.push_back(Animation(animation));
    return files;
}
