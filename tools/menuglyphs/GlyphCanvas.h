#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <initializer_list>

// The colours of the icon theme the menu glyphs follow, so that drawn glyphs sit well
// beside the theme's own.
namespace TangoColors {
inline const QColor Butter1(0xfc, 0xe9, 0x4f), Butter2(0xed, 0xd4, 0x00), Butter3(0xc4, 0xa0, 0x00);
inline const QColor Orange1(0xfc, 0xaf, 0x3e), Orange2(0xf5, 0x79, 0x00), Orange3(0xce, 0x5c, 0x00);
inline const QColor Chocolate1(0xe9, 0xb9, 0x6e), Chocolate2(0xc1, 0x7d, 0x11),
    Chocolate3(0x8f, 0x59, 0x02);
inline const QColor Chameleon1(0x8a, 0xe2, 0x34), Chameleon2(0x73, 0xd2, 0x16),
    Chameleon3(0x4e, 0x9a, 0x06);
inline const QColor Sky1(0x72, 0x9f, 0xcf), Sky2(0x34, 0x65, 0xa4), Sky3(0x20, 0x4a, 0x87);
inline const QColor Plum1(0xad, 0x7f, 0xa8), Plum2(0x75, 0x50, 0x7b), Plum3(0x5c, 0x35, 0x66);
inline const QColor Scarlet1(0xef, 0x29, 0x29), Scarlet2(0xcc, 0x00, 0x00),
    Scarlet3(0xa4, 0x00, 0x00);
inline const QColor Aluminium1(0xee, 0xee, 0xec), Aluminium2(0xd3, 0xd7, 0xcf),
    Aluminium3(0xba, 0xbd, 0xb6), Aluminium4(0x88, 0x8a, 0x85), Aluminium5(0x55, 0x57, 0x53),
    Aluminium6(0x2e, 0x34, 0x36);
inline const QColor White(0xff, 0xff, 0xff);
} // namespace TangoColors

// The folder of the icon theme's 16-pixel icons.
class IconFolder {
public:
    explicit IconFolder(QDir folder)
        : m_folder(std::move(folder))
    {}
    // The icon "actions/edit-copy" (without extension), or a null image.
    QImage Load(const QString& name) const;

private:
    QDir m_folder;
};

// A 16 x 16 transparent picture with the small vocabulary the drawn menu glyphs are
// made of. Coordinates are pixels; rectangles cover their edge pixels (QRect::right()
// and bottom() included), as a 16-pixel icon is drawn by hand.
class GlyphCanvas {
public:
    static constexpr int Size = 16;

    explicit GlyphCanvas(const IconFolder& icons);
    GlyphCanvas(const GlyphCanvas&) = delete;
    GlyphCanvas& operator=(const GlyphCanvas&) = delete;

    // The picture drawn so far (the painter is finished first).
    QImage Image();

    // A theme icon at its size, or scaled smoothly into target. Throws std::runtime_error
    // for an icon that the folder does not hold.
    void Icon(const QString& name);
    void Icon(const QString& name, const QRect& target);

    void Fill(const QRect& rect, const QColor& color);
    // A one-pixel outline on the rectangle's edge pixels around a fill.
    void Box(const QRect& rect, const QColor& fill, const QColor& outline);
    void HLine(int x1, int x2, int y, const QColor& color);
    void VLine(int x, int y1, int y2, const QColor& color);
    void Line(QPointF from, QPointF to, const QColor& color, qreal width = 1.0);
    // A line with a triangular head at to.
    void Arrow(QPointF from, QPointF to, const QColor& color, qreal width = 2.0);
    void Ellipse(const QRectF& rect, const QColor& fill, const QColor& outline);
    void Polygon(const QPolygonF& points, const QColor& fill, const QColor& outline);
    void Text(const QRect& rect, const QString& text, int pixelSize, bool bold, const QColor& color,
              int flags = Qt::AlignCenter);

    // Pixels set by a picture in text: rows from origin down, "X" for a pixel of colour.
    void Pixels(QPoint origin, std::initializer_list<const char*> rows, const QColor& color);

    // Composite figures.
    void Page(const QRect& rect);
    void TextLines(const QRect& rect, const QColor& color = TangoColors::Aluminium4, int step = 2);
    void Grid(const QRect& rect, int columns, int rows, const QColor& fill = TangoColors::White,
              const QColor& line = TangoColors::Aluminium4);
    void Window(const QRect& rect, const QColor& title = TangoColors::Sky2);
    void Envelope(const QRect& rect, bool open);
    void Clock(const QRect& rect);
    void Calendar(const QRect& rect);
    void Magnifier(const QRect& rect);
    void Pencil(QPointF tip, qreal length);
    void Check(const QRect& rect, const QColor& color);
    void Sign(const QRect& rect, bool plus);

private:
    QPainter& Painter(bool antialiased);

    const IconFolder& m_icons;
    QImage m_image;
    QPainter m_painter;
};
