#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Case {
    QString family;
    int height;
    bool bold;
    QString text;
    QRect rect;
    TTextFormats format;
};

using F = TTextFormat;

// Draws a case through TCanvas::TextRect on one white bitmap and through the painter's
// own rectangle form of drawText, with the same painter state, on another.
std::pair<QImage, QImage> DrawBothWays(const Case& c)
{
    const auto prepare = [&](TBitmap& bitmap) {
        TCanvas* canvas = bitmap.Canvas();
        canvas->Font()->SetName(c.family);
        canvas->Font()->SetHeight(-c.height);
        canvas->Font()->SetStyle(c.bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
        canvas->Font()->SetColor(clNavy);
        return canvas;
    };
    TBitmap cached(120, 40, TPixelFormat::pf32bit);
    TCanvas* canvas = prepare(cached);
    QRect rect = c.rect;
    QString text = c.text;
    canvas->TextRect(rect, text, c.format);
    // Twice: the second drawing comes from the kept line.
    canvas->TextRect(rect, text, c.format);

    TBitmap reference(120, 40, TPixelFormat::pf32bit);
    TCanvas* plain = prepare(reference);
    const QFont font = plain->Font()->ToQFont();
    QPainter* painter = plain->Handle();
    painter->setFont(font);
    painter->setPen(QColor(0, 0, 128));
    int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (c.format.Contains(F::tfCenter))
        flags |= Qt::AlignHCenter;
    else if (c.format.Contains(F::tfRight))
        flags |= Qt::AlignRight;
    if (c.format.Contains(F::tfVerticalCenter))
        flags |= Qt::AlignVCenter;
    else if (c.format.Contains(F::tfBottom))
        flags |= Qt::AlignBottom;
    if (c.format.Contains(F::tfNoClip))
        flags |= Qt::TextDontClip;
    painter->drawText(c.rect, flags, c.text);
    painter->drawText(c.rect, flags, c.text);
    return {cached.Image(), reference.Image()};
}

} // namespace

// Captions and entries are drawn from laid-out lines kept for every canvas of the thread;
// every pixel must be where the painter's own aligned drawing puts it, whatever the
// alignment, the rectangle's parity, blanks at either end or text wider than the
// rectangle, and a text met before in another font keeps to its own font.
TEST(CanvasTextLines, KeptLinesDrawExactlyLikeThePaintersAlignedText)
{
    const TTextFormats centred = {F::tfSingleLine, F::tfCenter, F::tfVerticalCenter, F::tfNoClip};
    const TTextFormats topLeft = {F::tfSingleLine};
    const TTextFormats bottomRight = {F::tfSingleLine, F::tfRight, F::tfBottom};
    const TTextFormats centredClipped = {F::tfSingleLine, F::tfCenter, F::tfVerticalCenter};
    const QString song = QStringLiteral("宋体");
    const QString sans = QStringLiteral("MS Sans Serif");
    const std::vector<Case> cases = {
        {song, 15, true, QStringLiteral("  网络   "), QRect(2, 3, 111, 26), centred},
        {song, 15, true, QStringLiteral(" 多媒体   "), QRect(1, 2, 110, 25), centred},
        {song, 12, false, QStringLiteral("商业类图标"), QRect(0, 0, 120, 19), centred},
        {sans, 13, false, QStringLiteral("Open File..."), QRect(5, 4, 100, 22), topLeft},
        {sans, 13, false, QStringLiteral("Ctrl+O"), QRect(5, 4, 101, 21), bottomRight},
        {sans, 13, true, QStringLiteral("Open File..."), QRect(5, 4, 100, 22), topLeft},
        {sans, 17, false, QStringLiteral("Open File..."), QRect(5, 4, 100, 22), topLeft},
        {sans, 13, true, QStringLiteral("A wide caption that does not fit"), QRect(10, 10, 60, 15),
         centredClipped},
        {sans, 11, false, QStringLiteral("i"), QRect(3, 3, 7, 9), centredClipped},
    };
    for (const Case& c : cases) {
        const auto [cached, reference] = DrawBothWays(c);
        ASSERT_EQ(cached.size(), reference.size());
        int differing = 0;
        for (int y = 0; y < cached.height(); ++y)
            for (int x = 0; x < cached.width(); ++x)
                differing += cached.pixel(x, y) != reference.pixel(x, y);
        EXPECT_EQ(differing, 0) << qPrintable(c.text);
    }
}

// Anything the kept lines do not handle still goes through the painter: mnemonics are
// underlined and the ampersand is not drawn.
TEST(CanvasTextLines, MnemonicsStillGetTheirUnderline)
{
    const Case withAccelerator{QStringLiteral("MS Sans Serif"),
                               13,
                               false,
                               QStringLiteral("&File"),
                               QRect(5, 4, 100, 22),
                               {F::tfSingleLine, F::tfVerticalCenter}};
    const auto [cached, reference] = DrawBothWays(withAccelerator);
    EXPECT_EQ(cached, reference);
}
