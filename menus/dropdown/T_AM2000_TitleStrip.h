#pragma once

#include "TColors.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QSize>

class T_AM2000_Title;

// The title strip of a drop-down window: the gradient between the title's two colours,
// its bitmap and its text turned by 90 degrees. Rendered into a picture of the strip's
// size with transparent pixels where nothing is drawn.
class T_AM2000_TitleStrip {
public:
    // Bands per gradient; the dual and nested kinds use half of them each way.
    static constexpr int Bands = 256;

    // The whole strip of that size.
    static QImage Render(const T_AM2000_Title& title, QSize size);
    // Only the colour course: a gradient when the colours differ (nothing for the block
    // kinds), one fill when they are equal and not clNone, else fully transparent.
    static QImage Background(QSize size, TColor colorBegin, TColor colorEnd,
                             T_AM2000_Gradient gradient);

private:
    static void DrawBitmap(QImage& strip, const T_AM2000_Title& title);
    static void DrawText(QImage& strip, const T_AM2000_Title& title);
};
