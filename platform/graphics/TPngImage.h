#pragma once

#include "TGraphic.h"

#include <QByteArray>
#include <QImage>

// A PNG picture: the file's bytes as they came, and their pixels, decoded when loaded
// (8 or 16 bits per channel, palette, grey, with or without alpha) into premultiplied
// 32-bit ARGB. Drawing blends the pixels over what lies below, so transparent parts show
// the background. Saving writes the bytes unchanged; a picture made from pixels (a
// bitmap assigned to it) is encoded as PNG.
//
// Loading checks the announced size against TPictureLimits before decoding; a picture
// beyond them raises EInvalidGraphic "PNG image is too large", damaged data "PNG image
// is not valid". Either way the image is empty afterwards.
class TPngImage : public TGraphic {
    T_CLASS_INFO
public:
    TPngImage();
    ~TPngImage() override;

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    // Raise EInvalidGraphicOperation "Cannot change the size of a PNG image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override { return m_image.isNull(); }
    void Clear() override;

    // The PNG file's bytes.
    const QByteArray& Data() const { return m_data; }
    // The pixels, premultiplied ARGB.
    const QImage& Image() const { return m_image; }

    void Draw(TCanvas& canvas, const QRect& rect) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

    // From a TPngImage: its bytes and pixels; from a TBitmap: its pixels, encoded.
    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

    // The pixels of PNG data, premultiplied ARGB; raises as loading does.
    static QImage Decode(const QByteArray& data);
    // image as a PNG file (with its alpha channel when it has one).
    static QByteArray Encode(const QImage& image);

private:
    QByteArray m_data;
    QImage m_image;
};
