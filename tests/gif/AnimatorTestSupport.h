#pragma once

#include "GifTestSupport.h"
#include "InterfaceThread.h"
#include "TForm.h"
#include "TPanel.h"
#include "TRxGIFAnimator.h"
#include "Waits.h"

#include <QCoreApplication>
#include <QTest>
#include <thread>

// Helpers shared by the animator and timer tests: GIF files with chosen colours,
// delays and disposal, and a shown window to animate in.
namespace AnimatorTest {

// Colour indices of the test palette; index 5 is the backdrop (background index).
enum Index : quint8 { Key = 0, Red, Green, Blue, Yellow, Cyan, Black, White };
constexpr int backdropIndex = Cyan;
constexpr QSize screen(4, 4);
constexpr QRect wholeScreen(QPoint(0, 0), screen);

inline QList<QRgb> Palette()
{
    return {qRgb(255, 0, 255), qRgb(255, 0, 0),   qRgb(0, 255, 0), qRgb(0, 0, 255),
            qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(0, 0, 0),   qRgb(255, 255, 255)};
}

inline TColor ColorOf(Index index)
{
    const QRgb rgb = Palette()[index];
    return TColors::FromRGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// One frame of a test file: where it lies, one colour index per pixel, and its
// graphic control extension (delay in hundredths, disposal, key index or -1).
struct Frame {
    QRect rect;
    std::vector<quint8> pixels;
    quint16 delay = 0;
    int disposal = 1;
    int key = -1;
};

inline Frame Solid(QRect rect, Index color, int disposal = 1, quint16 delay = 0)
{
    return {rect, std::vector<quint8>(size_t(rect.width() * rect.height()), color), delay, disposal,
            -1};
}

// The LZW code size follows the colour table (3 bits): the decoder takes the table's
// size, not the code size, as the limit of plain colour codes.
constexpr int codeSize = 3;

inline QByteArray File(const std::vector<Frame>& frames)
{
    TGIFWriter writer(screen, Palette(), "GIF89a", backdropIndex);
    writer.AddLoop(0);
    for (const Frame& frame : frames) {
        writer.AddGraphicControl(frame.delay, frame.disposal, frame.key);
        writer.AddImage({frame.rect, frame.pixels, {}, false, codeSize});
    }
    return writer.Finish();
}

// count full-screen opaque frames of the given delay (hundredths).
inline QByteArray Opaque(int count, quint16 delay = 0)
{
    std::vector<Frame> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(Solid(QRect(QPoint(), screen), Index(Red + i % 4), 1, delay));
    return File(frames);
}

inline void LoadInto(TRxGIFAnimator& animator, const QByteArray& bytes)
{
    TMemoryStream stream(bytes);
    animator.Image()->LoadFromStream(stream);
}

// The colour of a pixel of a composed frame.
inline TColor PixelOf(TBitmap& bitmap, int x, int y)
{
    return bitmap.Canvas()->Pixels(x, y);
}

inline TColor PixelOf(const QImage& image, int x, int y)
{
    return TColors::FromQColor(image.pixelColor(x, y));
}

// A shown window with a panel of a known colour, holding the animator.
struct Host {
    static constexpr TColor panelColor = TColor(0x00E9CFD0); // RGB 208, 207, 233

    Host()
    {
        form->SetBounds(50, 50, 200, 150);
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 200, 150);
        panel->SetColor(panelColor);
        animator->SetParent(panel);
        animator->SetBounds(10, 10, 4, 4);
        form->Show();
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel = new TPanel(form.get());
    TRxGIFAnimator* animator = new TRxGIFAnimator(form.get());
};

} // namespace AnimatorTest
