#include "GlyphCanvas.h"

#include <QPainterPath>
#include <stdexcept>

using namespace TangoColors;

QImage IconFolder::Load(const QString& name) const
{
    return QImage(m_folder.filePath(name + QStringLiteral(".png")))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

GlyphCanvas::GlyphCanvas(const IconFolder& icons)
    : m_icons(icons)
    , m_image(Size, Size, QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
}

QImage GlyphCanvas::Image()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

QPainter& GlyphCanvas::Painter(bool antialiased)
{
    m_painter.setRenderHint(QPainter::Antialiasing, antialiased);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::NoBrush);
    return m_painter;
}

void GlyphCanvas::Icon(const QString& name)
{
    Icon(name, QRect(0, 0, Size, Size));
}

void GlyphCanvas::Icon(const QString& name, const QRect& target)
{
    const QImage icon = m_icons.Load(name);
    if (icon.isNull())
        throw std::runtime_error("no icon " + name.toStdString());
    Painter(true).drawImage(target, icon);
}

void GlyphCanvas::Fill(const QRect& rect, const QColor& color)
{
    Painter(false).fillRect(rect, color);
}

void GlyphCanvas::Box(const QRect& rect, const QColor& fill, const QColor& outline)
{
    Fill(rect, outline);
    Fill(rect.adjusted(1, 1, -1, -1), fill);
}

void GlyphCanvas::HLine(int x1, int x2, int y, const QColor& color)
{
    Fill(QRect(QPoint(x1, y), QPoint(x2, y)), color);
}

void GlyphCanvas::VLine(int x, int y1, int y2, const QColor& color)
{
    Fill(QRect(QPoint(x, y1), QPoint(x, y2)), color);
}

void GlyphCanvas::Line(QPointF from, QPointF to, const QColor& color, qreal width)
{
    QPainter& painter = Painter(true);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void GlyphCanvas::Arrow(QPointF from, QPointF to, const QColor& color, qreal width)
{
    const QLineF shaft(from, to);
    const qreal head = 2.0 + 1.5 * width;
    QLineF back = QLineF(to, from);
    back.setLength(head);
    QLineF side = back.normalVector();
    side.setLength(head * 0.8);
    const QPointF base = back.p2();
    const QPointF offset = side.p2() - side.p1();
    Line(from, base, color, width);
    Polygon(QPolygonF({to, base + offset, base - offset}), color, color);
}

void GlyphCanvas::Ellipse(const QRectF& rect, const QColor& fill, const QColor& outline)
{
    QPainter& painter = Painter(true);
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void GlyphCanvas::Polygon(const QPolygonF& points, const QColor& fill, const QColor& outline)
{
    QPainter& painter = Painter(true);
    painter.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(points);
}

void GlyphCanvas::Text(const QRect& rect, const QString& text, int pixelSize, bool bold,
                       const QColor& color, int flags)
{
    QPainter& painter = Painter(true);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
}

void GlyphCanvas::Pixels(QPoint origin, std::initializer_list<const char*> rows,
                         const QColor& color)
{
    int y = origin.y();
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == 'X')
                Fill(QRect(origin.x() + x, y, 1, 1), color);
        }
        ++y;
    }
}

void GlyphCanvas::Page(const QRect& rect)
{
    Box(rect, White, Aluminium4);
    // Folded top-right corner.
    const QPoint corner = rect.topRight();
    QPainter& painter = Painter(false);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRect(corner.x() - 2, corner.y(), 3, 3), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Fill(QRect(corner.x() - 3, corner.y() + 1, 3, 3), Aluminium2);
    HLine(corner.x() - 3, corner.x() - 3, corner.y(), Aluminium4);
    VLine(corner.x() - 3, corner.y(), corner.y() + 3, Aluminium4);
    HLine(corner.x() - 3, corner.x(), corner.y() + 3, Aluminium4);
    VLine(corner.x(), corner.y() + 3, rect.bottom(), Aluminium4);
    Line(QPointF(corner.x() - 2.5, corner.y() + 0.5), QPointF(corner.x() + 0.5, corner.y() + 3.5),
         Aluminium4);
}

void GlyphCanvas::TextLines(const QRect& rect, const QColor& color, int step)
{
    for (int y = rect.top(); y <= rect.bottom(); y += step)
        HLine(rect.left(), rect.right(), y, color);
}

void GlyphCanvas::Grid(const QRect& rect, int columns, int rows, const QColor& fill,
                       const QColor& line)
{
    Box(rect, fill, line);
    for (int column = 1; column < columns; ++column)
        VLine(rect.left() + column * rect.width() / columns, rect.top(), rect.bottom(), line);
    for (int row = 1; row < rows; ++row)
        HLine(rect.left(), rect.right(), rect.top() + row * rect.height() / rows, line);
}

void GlyphCanvas::Window(const QRect& rect, const QColor& title)
{
    Box(rect, White, Aluminium5);
    Fill(QRect(rect.left() + 1, rect.top() + 1, rect.width() - 2, 2), title);
}

void GlyphCanvas::Envelope(const QRect& rect, bool open)
{
    const QRectF r(rect);
    if (open) {
        Polygon(QPolygonF({r.topLeft() + QPointF(0.5, 4.5), QPointF(r.center().x(), r.top() + 0.5),
                           r.topRight() + QPointF(0.5, 4.5)}),
                Aluminium2, Aluminium4);
        Box(QRect(rect.left(), rect.top() + 4, rect.width(), rect.height() - 4), White, Aluminium4);
        Line(QPointF(r.left() + 1, r.top() + 5), QPointF(r.center().x(), r.bottom() - 2),
             Aluminium4);
        Line(QPointF(r.right(), r.top() + 5), QPointF(r.center().x(), r.bottom() - 2), Aluminium4);
        return;
    }
    Box(rect, White, Aluminium4);
    Line(QPointF(r.left() + 1, r.top() + 1), QPointF(r.center().x(), r.center().y() + 1),
         Aluminium4);
    Line(QPointF(r.right(), r.top() + 1), QPointF(r.center().x(), r.center().y() + 1), Aluminium4);
}

void GlyphCanvas::Clock(const QRect& rect)
{
    const QRectF r(rect);
    Ellipse(r, White, Aluminium5);
    const QPointF centre = r.center() + QPointF(0.5, 0.5);
    Line(centre, centre - QPointF(0, r.height() / 2 - 2.5), Aluminium6);
    Line(centre, centre + QPointF(r.width() / 2 - 3, 0), Scarlet2);
}

void GlyphCanvas::Calendar(const QRect& rect)
{
    Box(rect, White, Aluminium5);
    Fill(QRect(rect.left() + 1, rect.top() + 1, rect.width() - 2, 3), Scarlet2);
    for (int y = rect.top() + 6; y < rect.bottom() - 1; y += 3) {
        for (int x = rect.left() + 2; x < rect.right() - 1; x += 3)
            Fill(QRect(x, y, 2, 2), Aluminium4);
    }
}

void GlyphCanvas::Magnifier(const QRect& rect)
{
    const qreal lens = rect.width() * 0.65;
    const QRectF glass(rect.left(), rect.top(), lens, lens);
    Line(glass.center() + QPointF(lens * 0.35, lens * 0.35),
         QPointF(rect.right() + 0.5, rect.bottom() + 0.5), Aluminium6, 2.0);
    Ellipse(glass, QColor(0xdd, 0xe8, 0xf4), Aluminium5);
}

void GlyphCanvas::Pencil(QPointF tip, qreal length)
{
    const QPointF end = tip + QPointF(length, -length);
    Line(tip + QPointF(1.5, -1.5), end, Orange3, 3.0);
    Line(tip + QPointF(1.5, -1.5), end, Butter2, 1.5);
    Line(tip, tip + QPointF(1.5, -1.5), Aluminium6, 1.5);
}

void GlyphCanvas::Check(const QRect& rect, const QColor& color)
{
    const QRectF r(rect);
    QPainterPath path;
    path.moveTo(r.left() + 0.5, r.center().y());
    path.lineTo(r.left() + r.width() * 0.4, r.bottom() - 0.5);
    path.lineTo(r.right() + 0.5, r.top() + 0.5);
    QPainter& painter = Painter(true);
    painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void GlyphCanvas::Sign(const QRect& rect, bool plus)
{
    Box(rect, White, Aluminium5);
    const int middleX = rect.left() + rect.width() / 2;
    const int middleY = rect.top() + rect.height() / 2;
    HLine(rect.left() + 2, rect.right() - 2, middleY, Aluminium6);
    if (plus)
        VLine(middleX, rect.top() + 2, rect.bottom() - 2, Aluminium6);
}
