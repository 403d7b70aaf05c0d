#pragma once

#include "TGraphic.h"

#include <QByteArray>
#include <memory>

class TBitmap;

enum class TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
T_ENUM_NAMES(TJPEGScale, "jsFullSize", "jsHalf", "jsQuarter", "jsEighth");

// A JPEG picture on the libjpeg (libjpeg-turbo) API. It keeps the compressed bytes and
// decodes them into a 24-bit bitmap on first need (drawing, Bitmap(), DIBNeeded());
// colour, grey and CMYK pictures all decode to 24 bits. Loading reads the bytes from
// the stream's position to its end and their header (size), so a stream that is not a
// JPEG fails at the load. Assigning a bitmap keeps the bitmap and compresses it, with
// CompressionQuality, when the image is saved.
//
// Every libjpeg error raises EJPEG "JPEG error #<libjpeg message code>"; data that ends
// before the picture is complete is an error too (code of libjpeg's "premature end of
// data"). Bytes after the end-of-image marker (zero padding) are ignored.
class TJPEGImage : public TGraphic {
    T_CLASS_INFO
public:
    static constexpr int DefaultCompressionQuality = 95;

    TJPEGImage();
    ~TJPEGImage() override;

    // Size of the decoded picture (after Scale); 0 when empty.
    int Width() const override;
    int Height() const override;
    // Raise EInvalidGraphicOperation "Cannot change the size of a JPEG image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override;
    void Clear() override;

    // Quality 1..100 for compressing (values outside are clamped).
    int CompressionQuality() const { return m_quality; }
    void SetCompressionQuality(int quality);
    // Decode to grey (and compress a grey JPEG).
    void SetGrayscale(bool grayscale);
    // Decode at 1/1, 1/2, 1/4 or 1/8 of the size.
    void SetScale(TJPEGScale scale);

    // Compresses the held bitmap into JPEG bytes now (replacing any held bytes).
    void Compress();
    // Decodes now if there is no decoded bitmap yet.
    void DIBNeeded();
    // Compresses now if there are no JPEG bytes yet.
    void JPEGNeeded();
    // The compressed bytes (after JPEGNeeded()).
    const QByteArray& Data() const { return m_data; }

    void Draw(TCanvas& canvas, const QRect& rect) override;
    // Raises EJPEG for data that is not a JPEG stream; the image is then empty.
    void LoadFromStream(TStream& stream) override;
    // Writes the JPEG bytes, compressing the bitmap first when there are none.
    void SaveToStream(TStream& stream) const override;

    // From a TJPEGImage: its bytes and options; from a TBitmap: a copy of its pixels.
    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    // The decoded picture, decoding first when needed (an empty bitmap when the image
    // is empty). Owned by the image; replaced by the next load or assignment.
    TBitmap* Bitmap();

    // Into a TBitmap: the decoded pixels.
    void AssignTo(TPersistent* dest) const override;

private:
    void ReadHeader();
    void Decode() const;
    QImage DecodePixels() const;
    QByteArray Compressed() const;
    void FreeBitmap();

    QByteArray m_data;
    // Decoded on first need: a cache of the picture that m_data holds, or the picture
    // itself after a bitmap was assigned (m_data empty until compressed).
    mutable std::unique_ptr<TBitmap> m_bitmap;
    int m_imageWidth = 0; // of the compressed picture at full size, in pixels
    int m_imageHeight = 0;
    int m_quality = DefaultCompressionQuality;
    bool m_grayscale = false;
    TJPEGScale m_scale = TJPEGScale::jsFullSize;
};
