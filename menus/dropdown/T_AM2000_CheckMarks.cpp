#include "T_AM2000_CheckMarks.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TResourceStream.h"
#include "T_AM2000_GlyphEffects.h"

namespace {

QImage ReadMark(const QString& name)
{
    TResourceStream stream(name);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    return T_AM2000_GlyphEffects::KeyedOut(bitmap.Image(),
                                           TColors::ToQColor(bitmap.TransparentColor()).rgb());
}

void UseColor(TCanvas& canvas, TColor pen, TColor brush)
{
    canvas.Pen()->SetColor(pen);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetColor(brush);
}

} // namespace

void T_AM2000_CheckMarks::PaintXpRadio(TCanvas& canvas, int x, int y, bool checked, TColor outline,
                                       TColor fill, TColor ink)
{
    // A circle of 12 pixels across as an even polygon, the same on every platform.
    const QPolygon ring{QPoint(x + 6, y + 2),   QPoint(x + 9, y + 2),   QPoint(x + 11, y + 3),
                        QPoint(x + 12, y + 4),  QPoint(x + 13, y + 6),  QPoint(x + 13, y + 9),
                        QPoint(x + 12, y + 11), QPoint(x + 11, y + 12), QPoint(x + 9, y + 13),
                        QPoint(x + 6, y + 13),  QPoint(x + 4, y + 12),  QPoint(x + 3, y + 11),
                        QPoint(x + 2, y + 9),   QPoint(x + 2, y + 6),   QPoint(x + 3, y + 4),
                        QPoint(x + 4, y + 3)};
    UseColor(canvas, outline, fill);
    canvas.Polygon(ring);
    if (!checked)
        return;
    UseColor(canvas, ink, ink);
    canvas.Ellipse(x + 5, y + 5, x + 11, y + 11);
}

void T_AM2000_CheckMarks::PaintXpCheck(TCanvas& canvas, int x, int y, TColor ink)
{
    const QPolygon check{QPoint(x + 11, y + 6), QPoint(x + 7, y + 10), QPoint(x + 5, y + 8),
                         QPoint(x + 5, y + 9),  QPoint(x + 7, y + 11), QPoint(x + 11, y + 7)};
    UseColor(canvas, ink, ink);
    canvas.Polygon(check);
}

const QImage& T_AM2000_CheckMarks::ResourceMark(bool radio)
{
    static const QImage check = ReadMark(QStringLiteral("AM2000_SYSTEMCHECKMARK"));
    static const QImage radioMark = ReadMark(QStringLiteral("AM2000_SYSTEMRADIOITEM"));
    return radio ? radioMark : check;
}
