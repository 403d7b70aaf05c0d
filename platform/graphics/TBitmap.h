#pragma once

#include "TColors.h"
#include "TGraphic.h"
#include "TPixelFormat.h"

#include <QImage>
#include <memory>
#include <mutex>

class TCanvas;

enum class TBitmapHandleType { bmDIB, bmDDB };
T_ENUM_NAMES(TBitmapHandleType, "bmDIB", "bmDDB");
// tmAuto: the transparent colour is the bottom-left pixel; tmFixed: TransparentColor.
enum class TTransparentMode { tmAuto, tmFixed };
T_ENUM_NAMES(TTransparentMode, "tmAuto", "tmFixed");

// A picture of pixels held in a QImage, with the system's bitmap behaviour: a pixel
// format, a palette for palette formats, a canvas to draw on, and an optional
// transparent colour that drawing leaves out. Streams hold Windows bitmap files,
// read and written by our own TBitmapFile.
//
// Pixels in memory, as ScanLine(row) gives them (row 0 is the top row; each row is
// BytesPerScanLine() long, a multiple of 4):
//   pf1bit   1 bit per pixel, leftmost pixel in the highest bit (palette indices)
//   pf4bit   1 byte per pixel, palette index 0..15
//   pf8bit   1 byte per pixel, palette index
//   pf15bit  16 bits 0RRRRRGGGGGBBBBB, little-endian; pf16bit RRRRRGGGGGGBBBBB
//   pf24bit  3 bytes per pixel: blue, green, red
//   pf32bit, pfDevice  4 bytes per pixel: blue, green, red, 255
// A new bitmap is empty with format pfDevice. Growing a bitmap keeps its pixels and
// fills the new area with the canvas brush's colour (white unless changed).
//
// Drawing on the canvas of a palette bitmap (pf1bit, pf4bit, pf8bit) happens on a
// 32-bit working copy that is mapped back to the nearest palette colours when the
// canvas closes its painter (at the next other use of the bitmap).
class TBitmap : public TGraphic {
    T_CLASS_INFO
public:
    // Largest width or height, and largest number of pixels, that a bitmap may have:
    // bigger sizes (also from files) raise EInvalidGraphic "Bitmap image is too large".
    static constexpr int MaxDimension = 32768;
    static constexpr qint64 MaxPixels = qint64(1) << 26;
    // Raises that error for a size beyond those limits.
    static void CheckSize(qint64 width, qint64 height);

    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pfDevice);
    ~TBitmap() override;

    // The canvas drawing on this bitmap's pixels; owned by the bitmap.
    TCanvas* Canvas() const;

    int Width() const override;
    int Height() const override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    bool Empty() const override;
    void Clear() override;

    TPixelFormat PixelFormat() const { return m_pixelFormat; }
    // Converts the pixels (to a palette format through the nearest palette colours; a
    // bitmap without a palette gets the system's default palette of that depth).
    void SetPixelFormat(TPixelFormat format);
    // bmDDB for pfDevice, bmDIB otherwise; bmDDB converts to pfDevice, bmDIB turns a
    // pfDevice bitmap into pf32bit.
    TBitmapHandleType HandleType() const;
    void SetHandleType(TBitmapHandleType type);
    // A 1-bit bitmap; setting true converts to black and white pf1bit.
    bool Monochrome() const;
    void SetMonochrome(bool monochrome);

    // The colour table of a palette format (2, 16 or 256 entries); for other formats
    // the table set last (kept, not used for drawing), or none.
    QList<QRgb> Palette() const override;
    // For a palette format the indices stay and show the new colours; a short table is
    // padded with black.
    void SetPalette(const QList<QRgb>& palette) override;

    // The colour left out when drawing with Transparent() on, palette-relative
    // (0x02000000 added): in tmAuto the bottom-left pixel (white for a monochrome
    // bitmap), in tmFixed the colour set. Setting a colour switches to tmFixed; setting
    // clDefault switches to tmAuto.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    // Row row of the pixels (top row 0), laid out as above; writing through it changes
    // the bitmap (call Changed-notifying operations, or SetModified(true), afterwards
    // when others must know). Raises EInvalidGraphicOperation "Scan line index out of
    // range" outside 0..Height()-1.
    uchar* ScanLine(int row);
    const uchar* ScanLine(int row) const;
    int BytesPerScanLine() const;

    // The pixels as they are now (painting on the canvas is finished first).
    const QImage& Image() const;
    // Takes the image's pixels; the pixel format follows the image's format (pfCustom
    // for formats without a system equivalent).
    void SetImage(const QImage& image);

    // Releases what can be rebuilt: the canvas's painter and drawing caches. FreeImage
    // does the same here (the pixels are the only copy).
    void Dormant();
    void FreeImage();

    // Draws the bitmap scaled into rect of canvas, through the canvas's CopyMode, or
    // leaving out TransparentColor() when Transparent() is on.
    void Draw(TCanvas& canvas, const QRect& rect) override;
    // Draws sourceRect of the bitmap scaled into destRect of dest, leaving out pixels of
    // transparentColor (compared as RGB). A destination width or height below 1 takes
    // the bitmap's, a source width or height below 1 the whole bitmap's. clNone draws
    // plainly through dest's CopyMode; clDefault means the bottom-left pixel; a
    // monochrome bitmap always leaves out white.
    void TransparentStretch(TCanvas& dest, const QRect& destRect, const QRect& sourceRect,
                            TColor transparentColor);
    // Process-wide: while on, drawing a non-empty bitmap holds that bitmap's canvas lock,
    // so that a timer thread and the interface thread never draw the same bitmap at once.
    static void SetDrawLocking(bool on);
    static bool DrawLocking();

    // A Windows bitmap file ("BM" header); an empty stream gives an empty bitmap.
    // Damaged data raises EInvalidGraphic "Bitmap image is not valid" and leaves the
    // bitmap as it was.
    void LoadFromStream(TStream& stream) override;
    // A Windows bitmap file of the pixel format's depth (pfDevice and pfCustom: 24
    // bits); an empty bitmap writes nothing.
    void SaveToStream(TStream& stream) const override;
    // Clipboard format "Bitmap": a device-independent bitmap without the file header.
    void LoadFromClipboardFormat(const QString& format, const QByteArray& data) override;
    QByteArray SaveToClipboardFormat() const;

    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    void Changed() override;

private:
    friend class TBitmapCanvas;
    void SetPixels(QImage image, TPixelFormat format);
    void FinishPainting() const;
    QImage& PaintTarget();
    QImage DrawSource(TColor transparent) const;
    QColor FillColor() const;

    mutable QImage m_image;
    TPixelFormat m_pixelFormat = TPixelFormat::pfDevice;
    QList<QRgb> m_palette; // kept for formats without a colour table
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = TTransparentMode::tmAuto;
    std::unique_ptr<TCanvas> m_canvas;

    // A 32-bit copy that the canvas paints on for palette formats (null otherwise).
    mutable QImage m_paintImage;
    // Drawing cache: the pixels as 32 bits, with alpha 0 where m_cachedKey matches.
    mutable std::mutex m_cacheLock;
    mutable QImage m_drawCache;
    mutable quint32 m_cachedKey = 0;
    mutable bool m_cachedKeyValid = false;
};
