#include "TBitmap.h"

#include "Exception.h"
#include "TBitmapFile.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TStream.h"

#include <QPainter>
#include <atomic>

namespace {

std::atomic<bool> drawLocking{false};

bool IsPaletteFormat(TPixelFormat format)
{
    return format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit ||
           format == TPixelFormat::pf8bit;
}

int PaletteSize(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return 2;
    case TPixelFormat::pf4bit:
        return 16;
    case TPixelFormat::pf8bit:
        return 256;
    default:
        return 0;
    }
}

QImage::Format ImageFormat(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return QImage::Format_Mono;
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit:
        return QImage::Format_Indexed8;
    case TPixelFormat::pf15bit:
        return QImage::Format_RGB555;
    case TPixelFormat::pf16bit:
        return QImage::Format_RGB16;
    case TPixelFormat::pf24bit:
        return QImage::Format_BGR888;
    default:
        return QImage::Format_RGB32;
    }
}

// The system's default palettes: black and white; the sixteen standard colours; a
// colour cube of 6 x 6 x 6 with a ramp of 40 greys.
QList<QRgb> DefaultPalette(TPixelFormat format)
{
    if (format == TPixelFormat::pf1bit)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (format == TPixelFormat::pf4bit)
        return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 40; ++i) {
        const int grey = (i + 1) * 255 / 41;
        palette.append(qRgb(grey, grey, grey));
    }
    return palette;
}

int NearestIndex(const QList<QRgb>& palette, QRgb color)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(color);
        const int dg = qGreen(palette[i]) - qGreen(color);
        const int db = qBlue(palette[i]) - qBlue(color);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Pixels of any format converted to a palette format through the nearest colours.
QImage ToPalette(const QImage& image, TPixelFormat format, const QList<QRgb>& palette)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), ImageFormat(format));
    indexed.setColorTable(palette);
    QHash<QRgb, int> known;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            auto found = known.constFind(row[x]);
            if (found == known.constEnd())
                found = known.insert(row[x], NearestIndex(palette, row[x]));
            indexed.setPixel(x, y, uint(*found));
        }
    }
    return indexed;
}

// Holds a canvas's lock for a scope when bitmap drawing is locked process-wide.
class DrawLock {
public:
    explicit DrawLock(TCanvas* canvas)
        : m_canvas(drawLocking ? canvas : nullptr)
    {
        if (m_canvas)
            m_canvas->Lock();
    }
    ~DrawLock()
    {
        if (m_canvas)
            m_canvas->Unlock();
    }
    DrawLock(const DrawLock&) = delete;
    DrawLock& operator=(const DrawLock&) = delete;

private:
    TCanvas* m_canvas;
};

} // namespace

// The canvas of a bitmap: opens its painter on the bitmap's pixels when drawing needs
// it, and tells the bitmap about every change.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap)
        : m_bitmap(bitmap)
    {}

    const QImage* SourceImage(QTransform& toImage) override
    {
        if (HandleAllocated())
            return TCanvas::SourceImage(toImage);
        toImage = QTransform();
        return &m_bitmap.m_image;
    }

protected:
    void CreateHandle() override { BeginPaint(&m_bitmap.PaintTarget()); }
    void Changed() override
    {
        TCanvas::Changed();
        m_bitmap.Changed();
    }

private:
    TBitmap& m_bitmap;
};

const TClassInfo& TBitmap::StaticClassInfo()
{
    static const TClassInfo info("TBitmap", &TGraphic::StaticClassInfo());
    return info;
}

void TBitmap::CheckSize(qint64 width, qint64 height)
{
    if (width > MaxDimension || height > MaxDimension || width * height > MaxPixels)
        throw EInvalidGraphic(QStringLiteral("Bitmap image is too large"));
}

TBitmap::TBitmap()
    : m_canvas(std::make_unique<TBitmapCanvas>(*this))
{}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : TBitmap()
{
    SetPixelFormat(format);
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    m_canvas->EndPaint();
}

TCanvas* TBitmap::Canvas() const
{
    return m_canvas.get();
}

// --- Size and format ------------------------------------------------------------------

int TBitmap::Width() const
{
    return m_image.width();
}

int TBitmap::Height() const
{
    return m_image.height();
}

void TBitmap::SetWidth(int width)
{
    SetSize(width, Height());
}

void TBitmap::SetHeight(int height)
{
    SetSize(Width(), height);
}

bool TBitmap::Empty() const
{
    return m_image.isNull();
}

QColor TBitmap::FillColor() const
{
    return TColors::ToQColor(m_canvas->Brush()->Color());
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    CheckSize(width, height);
    FinishPainting();
    if (width == 0 || height == 0) {
        SetPixels(QImage(), m_pixelFormat);
        return;
    }
    const bool palette = IsPaletteFormat(m_pixelFormat);
    QImage grown(width, height, palette ? QImage::Format_RGB32 : ImageFormat(m_pixelFormat));
    if (grown.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is too large"));
    grown.fill(FillColor());
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
    }
    SetPixels(palette ? ToPalette(grown, m_pixelFormat, Palette()) : grown, m_pixelFormat);
}

void TBitmap::Clear()
{
    if (Empty())
        return;
    FinishPainting();
    SetPixels(QImage(), m_pixelFormat);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == m_pixelFormat || format == TPixelFormat::pfCustom)
        return;
    FinishPainting();
    QList<QRgb> palette = Palette();
    if (IsPaletteFormat(format) && palette.size() != PaletteSize(format))
        palette = DefaultPalette(format);
    if (IsPaletteFormat(format))
        m_palette = palette;
    if (m_image.isNull()) {
        m_pixelFormat = format;
        Changed();
        return;
    }
    SetPixels(IsPaletteFormat(format) ? ToPalette(m_image, format, palette)
                                      : m_image.convertToFormat(ImageFormat(format)),
              format);
}

TBitmapHandleType TBitmap::HandleType() const
{
    return m_pixelFormat == TPixelFormat::pfDevice ? TBitmapHandleType::bmDDB
                                                   : TBitmapHandleType::bmDIB;
}

void TBitmap::SetHandleType(TBitmapHandleType type)
{
    if (type == HandleType())
        return;
    SetPixelFormat(type == TBitmapHandleType::bmDDB ? TPixelFormat::pfDevice
                                                    : TPixelFormat::pf32bit);
}

bool TBitmap::Monochrome() const
{
    return m_pixelFormat == TPixelFormat::pf1bit;
}

void TBitmap::SetMonochrome(bool monochrome)
{
    if (monochrome == Monochrome())
        return;
    if (monochrome)
        m_palette = DefaultPalette(TPixelFormat::pf1bit);
    SetPixelFormat(monochrome ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

QList<QRgb> TBitmap::Palette() const
{
    return m_palette;
}

void TBitmap::SetPalette(const QList<QRgb>& palette)
{
    FinishPainting();
    QList<QRgb> table = palette;
    if (IsPaletteFormat(m_pixelFormat))
        table.resize(PaletteSize(m_pixelFormat), qRgb(0, 0, 0));
    if (table == m_palette)
        return;
    m_palette = table;
    if (IsPaletteFormat(m_pixelFormat) && !m_image.isNull())
        m_image.setColorTable(table);
    SetPaletteModified(true);
    Changed();
}

// --- Transparency ---------------------------------------------------------------------

TColor TBitmap::TransparentColor() const
{
    constexpr quint32 paletteRelative = 0x02000000;
    if (m_transparentMode == TTransparentMode::tmFixed)
        return TColor(TColors::ToRGB(m_transparentColor) | paletteRelative);
    if (Monochrome())
        return TColor(quint32(clWhite) | paletteRelative);
    if (Empty())
        return clNone;
    const QRgb corner = Image().pixel(0, Height() - 1);
    return TColor(quint32(TColors::FromQColor(QColor(corner))) | paletteRelative);
}

void TBitmap::SetTransparentColor(TColor color)
{
    if (color == m_transparentColor)
        return;
    m_transparentColor = color;
    m_transparentMode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == m_transparentMode)
        return;
    SetTransparentColor(mode == TTransparentMode::tmAuto ? clDefault : TransparentColor());
}

// --- Pixels ---------------------------------------------------------------------------

uchar* TBitmap::ScanLine(int row)
{
    FinishPainting();
    if (row < 0 || row >= Height())
        throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    {
        std::lock_guard lock(m_cacheLock);
        m_drawCache = QImage();
    }
    return m_image.scanLine(row);
}

const uchar* TBitmap::ScanLine(int row) const
{
    FinishPainting();
    if (row < 0 || row >= Height())
        throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    return m_image.constScanLine(row);
}

int TBitmap::BytesPerScanLine() const
{
    return int(m_image.bytesPerLine());
}

const QImage& TBitmap::Image() const
{
    FinishPainting();
    return m_image;
}

void TBitmap::SetImage(const QImage& image)
{
    FinishPainting();
    if (image.isNull()) {
        SetPixels(QImage(), m_pixelFormat);
        return;
    }
    CheckSize(image.width(), image.height());
    switch (image.format()) {
    case QImage::Format_Mono:
        return SetPixels(image, TPixelFormat::pf1bit);
    case QImage::Format_MonoLSB:
        return SetPixels(image.convertToFormat(QImage::Format_Mono), TPixelFormat::pf1bit);
    case QImage::Format_Indexed8:
        return SetPixels(image,
                         image.colorCount() <= 16 ? TPixelFormat::pf4bit : TPixelFormat::pf8bit);
    case QImage::Format_RGB555:
        return SetPixels(image, TPixelFormat::pf15bit);
    case QImage::Format_RGB16:
        return SetPixels(image, TPixelFormat::pf16bit);
    case QImage::Format_BGR888:
    case QImage::Format_RGB888:
        return SetPixels(image.convertToFormat(QImage::Format_BGR888), TPixelFormat::pf24bit);
    default:
        return SetPixels(image.convertToFormat(QImage::Format_RGB32),
                         m_pixelFormat == TPixelFormat::pfDevice ? TPixelFormat::pfDevice
                                                                 : TPixelFormat::pf32bit);
    }
}

// Takes image as the pixels in format (a palette image is padded to the format's table
// size) and tells about the change.
void TBitmap::SetPixels(QImage image, TPixelFormat format)
{
    if (IsPaletteFormat(format)) {
        QList<QRgb> table = image.isNull() ? m_palette : image.colorTable();
        table.resize(PaletteSize(format), qRgb(0, 0, 0));
        if (!image.isNull())
            image.setColorTable(table);
        if (table != m_palette)
            SetPaletteModified(true);
        m_palette = table;
    }
    m_image = std::move(image);
    m_pixelFormat = format;
    Changed();
}

void TBitmap::Dormant()
{
    FinishPainting();
    std::lock_guard lock(m_cacheLock);
    m_drawCache = QImage();
}

void TBitmap::FreeImage()
{
    Dormant();
}

// The image the canvas paints on: the pixels themselves, a 32-bit copy for palette
// formats (mapped back by FinishPainting), or a scratch pixel for an empty bitmap, on
// which drawing is lost as it is on the system.
QImage& TBitmap::PaintTarget()
{
    {
        std::lock_guard lock(m_cacheLock);
        m_drawCache = QImage();
    }
    if (m_image.isNull()) {
        m_paintImage = QImage(1, 1, QImage::Format_RGB32);
        return m_paintImage;
    }
    if (IsPaletteFormat(m_pixelFormat)) {
        m_paintImage = m_image.convertToFormat(QImage::Format_RGB32);
        return m_paintImage;
    }
    return m_image;
}

void TBitmap::FinishPainting() const
{
    if (!m_canvas->HandleAllocated())
        return;
    m_canvas->EndPaint();
    if (!m_paintImage.isNull() && !m_image.isNull())
        m_image = ToPalette(m_paintImage, m_pixelFormat, m_palette);
    m_paintImage = QImage();
}

// The pixels ready for drawing: 32 bits, and with alpha 0 where the colour is the
// transparent one (compared as RGB) when transparent is not clNone.
QImage TBitmap::DrawSource(TColor transparent) const
{
    FinishPainting();
    std::lock_guard lock(m_cacheLock);
    const bool keyed = transparent != clNone;
    const quint32 key = keyed ? TColors::ToQColor(transparent).rgb() & 0xFFFFFF : 0;
    if (!m_drawCache.isNull() && m_cachedKeyValid == keyed && m_cachedKey == key)
        return m_drawCache;
    QImage pixels =
        m_image.convertToFormat(keyed ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (keyed) {
        for (int y = 0; y < pixels.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x) {
                if ((row[x] & 0xFFFFFF) == key)
                    row[x] = 0;
            }
        }
    }
    m_drawCache = pixels;
    m_cachedKey = key;
    m_cachedKeyValid = keyed;
    return pixels;
}

// --- Drawing --------------------------------------------------------------------------

void TBitmap::Draw(TCanvas& canvas, const QRect& rect)
{
    if (Empty())
        return;
    if (Transparent()) {
        TransparentStretch(canvas, rect, QRect(), TransparentColor());
        return;
    }
    const DrawLock lock(Canvas());
    canvas.DrawImage(rect, DrawSource(clNone), QRect(0, 0, Width(), Height()));
}

void TBitmap::TransparentStretch(TCanvas& dest, const QRect& destRect, const QRect& sourceRect,
                                 TColor transparentColor)
{
    if (Empty())
        return;
    const DrawLock lock(Canvas());
    QRect target = destRect;
    if (target.width() < 1)
        target.setWidth(Width());
    if (target.height() < 1)
        target.setHeight(Height());
    QRect source = sourceRect;
    if (source.width() < 1 || source.height() < 1)
        source = QRect(0, 0, Width(), Height());
    TColor key = transparentColor;
    if (key != clNone && Monochrome())
        key = clWhite;
    else if (key == clDefault)
        key = TColors::FromQColor(QColor(Image().pixel(0, Height() - 1)));
    dest.DrawImage(target, DrawSource(key), source);
}

void TBitmap::SetDrawLocking(bool on)
{
    drawLocking = on;
}

bool TBitmap::DrawLocking()
{
    return drawLocking;
}

// --- Streams and copies ---------------------------------------------------------------

void TBitmap::LoadFromStream(TStream& stream)
{
    const qint64 size = std::max<qint64>(0, stream.Size() - stream.Position());
    // Bytes for the largest bitmap allowed (32 bits per pixel) and some headers.
    if (size > MaxPixels * 4 + 64 * 1024)
        throw EInvalidGraphic(QStringLiteral("Bitmap image is too large"));
    QByteArray bytes(size, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), size);
    TBitmapData data = TBitmapFile::ReadFile(bytes);
    FinishPainting();
    SetPixels(std::move(data.image), data.image.isNull() ? m_pixelFormat : data.pixelFormat);
}

void TBitmap::SaveToStream(TStream& stream) const
{
    const QByteArray bytes = TBitmapFile::WriteFile(Image(), m_pixelFormat);
    stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TBitmap::LoadFromClipboardFormat(const QString& format, const QByteArray& data)
{
    if (format != QLatin1String("Bitmap")) {
        TGraphic::LoadFromClipboardFormat(format, data);
        return;
    }
    TBitmapData dib = TBitmapFile::ReadDIB(data);
    FinishPainting();
    SetPixels(std::move(dib.image), dib.image.isNull() ? m_pixelFormat : dib.pixelFormat);
}

QByteArray TBitmap::SaveToClipboardFormat() const
{
    return TBitmapFile::WriteDIB(Image(), m_pixelFormat);
}

void TBitmap::Assign(const TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    FinishPainting();
    const QImage pixels = bitmap->Image();
    m_palette = bitmap->m_palette;
    m_transparentColor = bitmap->m_transparentColor;
    m_transparentMode = bitmap->m_transparentMode;
    if (Transparent() != bitmap->Transparent())
        SetTransparent(bitmap->Transparent());
    SetPixels(pixels, bitmap->m_pixelFormat);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(this);
    return copy;
}

void TBitmap::Changed()
{
    {
        std::lock_guard lock(m_cacheLock);
        m_drawCache = QImage();
    }
    TGraphic::Changed();
}
