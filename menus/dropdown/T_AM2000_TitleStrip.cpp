#include "T_AM2000_TitleStrip.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_TitleFont.h"

#include <QPainter>
#include <array>
#include <cmath>

namespace {

// Distance in pixels between the text and the end of the strip it starts from, and
// between the text and the strip's middle line.
constexpr int TextEndGap = 10;
constexpr int TextSideShift = 2;

using Rgb = std::array<int, 3>;

Rgb Channels(TColor color)
{
    const quint32 rgb = TColors::ToRGB(color);
    return {int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)};
}

// Rounds to the nearest integer, ties to even, as the system rounds.
int RoundEven(double value)
{
    return int(std::nearbyint(value));
}

// The colour of band i of a course from a that takes steps of (b - a + 1) / divisor.
QRgb BandColor(const Rgb& a, const Rgb& b, double divisor, int i)
{
    Rgb band;
    for (int c = 0; c < 3; ++c)
        band[c] = std::clamp(a[c] + RoundEven(i * ((b[c] - a[c] + 1) / divisor)), 0, 255);
    return qRgb(band[0], band[1], band[2]);
}

bool IsSwapped(T_AM2000_Gradient gradient)
{
    return gradient == T_AM2000_Gradient::grBottomToTop ||
           gradient == T_AM2000_Gradient::grRightToLeft ||
           gradient == T_AM2000_Gradient::grOutsideIn;
}

bool IsDual(T_AM2000_Gradient gradient)
{
    return gradient == T_AM2000_Gradient::grDualVertical ||
           gradient == T_AM2000_Gradient::grDualHorizontal;
}

bool HasVerticalBands(T_AM2000_Gradient gradient)
{
    return gradient == T_AM2000_Gradient::grLeftToRight ||
           gradient == T_AM2000_Gradient::grRightToLeft ||
           gradient == T_AM2000_Gradient::grDualVertical;
}

bool HasHorizontalBands(T_AM2000_Gradient gradient)
{
    return gradient == T_AM2000_Gradient::grTopToBottom ||
           gradient == T_AM2000_Gradient::grBottomToTop ||
           gradient == T_AM2000_Gradient::grDualHorizontal;
}

// Band i of a straight (or, for the dual kinds, there-and-back) course from a to b.
QRgb StraightBand(const Rgb& a, const Rgb& b, bool dual, int i)
{
    constexpr int half = T_AM2000_TitleStrip::Bands / 2;
    if (!dual)
        return BandColor(a, b, T_AM2000_TitleStrip::Bands, i);
    if (i < half)
        return BandColor(a, b, half - 1, i);
    return BandColor(b, a, half - 1, i - half);
}

void PaintBands(QImage& strip, const Rgb& a, const Rgb& b, T_AM2000_Gradient gradient)
{
    constexpr int bands = T_AM2000_TitleStrip::Bands;
    const bool vertical = HasVerticalBands(gradient);
    const int length = vertical ? strip.width() : strip.height();
    QPainter painter(&strip);
    for (int i = 0; i < bands; ++i) {
        const int from = i * length / bands, to = (i + 1) * length / bands;
        if (from == to)
            continue;
        const QRect band =
            vertical ? Rect(from, 0, to, strip.height()) : Rect(0, from, strip.width(), to);
        painter.fillRect(band, QColor(StraightBand(a, b, IsDual(gradient), i)));
    }
    if (!vertical) { // the last band and everything below it end in the end colour
        const int last = (bands - 1) * length / bands;
        painter.fillRect(Rect(0, last, strip.width(), length), QColor(qRgb(b[0], b[1], b[2])));
    }
}

void PaintNested(QImage& strip, const Rgb& a, const Rgb& b)
{
    constexpr int bands = T_AM2000_TitleStrip::Bands;
    const int w = strip.width(), h = strip.height();
    QPainter painter(&strip);
    for (int i = 0; i < bands / 2; ++i) {
        const QRect ring = Rect(i * w / bands, i * h / bands, (bands - 1 - i) * w / bands,
                                (bands - 1 - i) * h / bands);
        painter.fillRect(ring, QColor(BandColor(a, b, bands, 2 * i)));
    }
}

bool IsBlock(T_AM2000_Gradient gradient)
{
    return gradient >= T_AM2000_Gradient::grBlockTopToBottom;
}

} // namespace

QImage T_AM2000_TitleStrip::Background(QSize size, TColor colorBegin, TColor colorEnd,
                                       T_AM2000_Gradient gradient)
{
    QImage strip(size, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    if (size.isEmpty())
        return strip;
    if (colorBegin == colorEnd) {
        if (colorBegin != clNone)
            strip.fill(TColors::ToQColor(colorBegin));
        return strip;
    }
    if (IsBlock(gradient) || colorBegin == clNone || colorEnd == clNone)
        return strip;
    Rgb a = Channels(colorEnd), b = Channels(colorBegin);
    if (IsSwapped(gradient))
        std::swap(a, b);
    if (HasVerticalBands(gradient) || HasHorizontalBands(gradient))
        PaintBands(strip, a, b, gradient);
    else
        PaintNested(strip, a, b);
    return strip;
}

QImage T_AM2000_TitleStrip::Render(const T_AM2000_Title& title, QSize size)
{
    QImage strip = Background(size, title.ColorBegin(), title.ColorEnd(), title.Gradient());
    if (size.isEmpty())
        return strip;
    DrawBitmap(strip, title);
    DrawText(strip, title);
    return strip;
}

void T_AM2000_TitleStrip::DrawBitmap(QImage& strip, const T_AM2000_Title& title)
{
    TBitmap* bitmap = title.Bitmap();
    if (bitmap->Empty())
        return;
    const int x = (strip.width() - bitmap->Width()) / 2;
    int y = (strip.height() - bitmap->Height()) / 2;
    if (title.Alignment() == TAlignment::taLeftJustify)
        y = strip.height() - bitmap->Height();
    else if (title.Alignment() == TAlignment::taRightJustify)
        y = 0;
    TCanvas canvas;
    TCanvas::PaintScope scope(canvas, &strip);
    bitmap->Draw(canvas, QRect(x, y, bitmap->Width(), bitmap->Height()));
}

void T_AM2000_TitleStrip::DrawText(QImage& strip, const T_AM2000_Title& title)
{
    if (title.Text().isEmpty())
        return;
    TCanvas canvas;
    TCanvas::PaintScope scope(canvas, &strip);
    canvas.SetFont(title.Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const int w = canvas.TextWidth(title.Text()), h = canvas.TextHeight(title.Text());
    const int length = strip.height(), width = strip.width();
    const bool bottomToTop = title.TextDirection();
    int y = 0;
    switch (title.Alignment()) {
    case TAlignment::taLeftJustify:
        y = bottomToTop ? length - TextEndGap : TextEndGap;
        break;
    case TAlignment::taRightJustify:
        y = bottomToTop ? w + TextEndGap : length - w - TextEndGap;
        break;
    case TAlignment::taCenter:
        y = bottomToTop ? (length + w) / 2 + TextEndGap : length - (length + w) / 2 - TextEndGap;
        break;
    }
    const int x = bottomToTop ? (width - h) / 2 - TextSideShift : (width + h) / 2 + TextSideShift;
    canvas.SaveState();
    QPainter* painter = canvas.Handle();
    painter->translate(x, y);
    painter->rotate(bottomToTop ? -90 : 90);
    canvas.TextOut(0, 0, title.Text());
    canvas.RestoreState();
}
