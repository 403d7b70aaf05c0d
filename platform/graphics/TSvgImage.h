#pragma once

#include "TGraphic.h"

#include <QByteArray>
#include <QImage>
#include <memory>

class TSvgDocument;

// An SVG drawing: the file's bytes as they came, drawn at whatever size it is drawn into
// and rendered there in device pixels, so that it is sharp at any screen scale. Width and
// Height are the size the drawing declares. Transparent parts show what lies below.
// Saving writes the bytes unchanged.
//
// Loading checks the drawing (TSvgDocument, TSvgLimits) and raises EInvalidGraphic for
// damaged data or a drawing beyond the limits; the image is empty afterwards. A drawing
// that loaded but cannot be rendered at some size in time draws nothing there.
class TSvgImage : public TGraphic {
    T_CLASS_INFO
public:
    TSvgImage();
    ~TSvgImage() override;

    int Width() const override;
    int Height() const override;
    // Raise EInvalidGraphicOperation "Cannot change the size of an SVG image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override { return !m_document; }
    bool Scalable() const override { return true; }
    void Clear() override;

    // The SVG file's bytes.
    QByteArray Data() const;
    // The drawing rendered to that many pixels (see TSvgDocument::Render).
    QImage Render(QSize pixels) const;
    // The drawing at its declared size, shrunk to fit maxSide pixels on its longer side
    // (for handing it to other programs as pixels); null when it cannot be rendered.
    QImage RenderWithin(int maxSide) const;

    // Rendered at the size rect covers on the device, in device pixels.
    void Draw(TCanvas& canvas, const QRect& rect) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

    // From a TSvgImage: the same drawing.
    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    std::shared_ptr<TSvgDocument> m_document;
};
