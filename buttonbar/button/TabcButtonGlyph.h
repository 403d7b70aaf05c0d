#pragma once

#include "TColors.h"
#include "TabcButtonTypes.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <memory>
#include <optional>

class TCanvas;
class TImageList;
class TPicture;

// The picture and caption drawer of a styled button. The picture holds up to five
// cells side by side (up, disabled, down, exclusive, hot); each state's image is built
// on first use from its cell and the face colour into the image list that all pictures
// of its cell size share (TabcGlyphCache), and rebuilt when the picture, the colour or
// the highlight mode change. An image list entry replaces the picture when one is set.
class TabcButtonGlyph {
public:
    // Where the picture and the caption go inside the content rectangle.
    struct Placement {
        QPoint picture;
        QRect caption;
    };
    // What Draw needs of the button.
    struct Face {
        QString caption;
        TabcButtonLayout layout = TabcButtonLayout::ablGlyphLeft;
        int margin = -1;
        int spacing = 4;
        TabcButtonState state = TabcButtonState::bsUp;
        bool rightToLeft = false;
        TabcTextStyle textStyle = TabcTextStyle::tsNormal;
        bool disabledShadow = true;
    };

    TabcButtonGlyph();
    ~TabcButtonGlyph();
    TabcButtonGlyph(const TabcButtonGlyph&) = delete;
    TabcButtonGlyph& operator=(const TabcButtonGlyph&) = delete;

    TPicture* Picture() const { return m_picture.get(); }
    int NumGlyphs() const { return m_numGlyphs; }
    // 1 to 5; larger values are stored as 5, smaller as 1.
    void SetNumGlyphs(int value);
    // clDefault: the picture's own transparent colour.
    TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(TColor color);
    void SetFaceColor(TColor color);
    TabcGlyphHighlight Highlight() const { return m_highlight; }
    void SetHighlight(TabcGlyphHighlight highlight);
    void SetImages(TImageList* images, int index);
    // The system colours changed: state images are built again.
    void Invalidate();

    // The size of one picture cell (or of the image list's images); 0 x 0 without one.
    QSize CellSize() const;
    // Lays out and draws the picture for the state, then the caption, in content.
    void Draw(TCanvas& canvas, const QRect& content, const Face& face);
    // The layout of a picture of pictureSize and a caption of captionSize in content.
    static Placement Place(const QRect& content, QSize pictureSize, QSize captionSize,
                           const Face& face);

    // Told when the picture changed and the button must repaint.
    std::function<void()> OnChange;

private:
    QImage Cell(int index) const;
    QImage Source() const;
    QRgb Transparent() const;
    QImage StateImage(TabcButtonState state);
    QImage BuildStateImage(TabcButtonState state);
    void DrawPicture(TCanvas& canvas, const QRect& content, QPoint at, const Face& face);
    void DrawCaption(TCanvas& canvas, const QRect& rect, const Face& face) const;
    // Measured once per caption and font: a repaint lays out the same caption again.
    QSize CaptionSize(TCanvas& canvas, const QString& caption);

    std::unique_ptr<TPicture> m_picture;
    int m_numGlyphs = 1;
    TColor m_transparentColor = clDefault;
    TColor m_faceColor = clBtnFace;
    TabcGlyphHighlight m_highlight = TabcGlyphHighlight::aghNormal;
    TImageList* m_images = nullptr;
    int m_imageIndex = -1;
    // The picture's pixels, rendered once per picture change.
    mutable std::optional<QImage> m_source;
    struct CaptionMeasure {
        QString caption;
        QFont font;
        QSize size;
    };
    std::optional<CaptionMeasure> m_captionMeasure;
    // Slots of the state images in the shared list of m_slotSize; -1 while not built.
    std::array<int, 5> m_stateSlots{-1, -1, -1, -1, -1};
    QSize m_slotSize;
};
