#pragma once

#include "PointerEvents.h"
#include "TForm.h"
#include "TabcPicSpeedBtn.h"
#include "WidgetImage.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>

namespace buttonbartest {

// A shown, active form holding styled buttons; the application counts as being in the
// foreground, as hover needs.
class ButtonForm {
public:
    ButtonForm()
    {
        form->SetBounds(10, 10, 300, 200);
        form->Show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        (void)QTest::qWaitForWindowActive(form.get(), 1000);
        QCursor::setPos(form->mapToGlobal(QPoint(290, 190)));
    }
    TabcPicSpeedBtn* Add(QRect bounds)
    {
        auto* button = new TabcPicSpeedBtn(form.get());
        button->SetParent(form.get());
        button->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return button;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

inline TColor At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return TColors::FromRGB(qRed(p), qGreen(p), qBlue(p));
}

// The bounding box of the pixels of one colour.
inline QRect BoxOf(const QImage& image, TColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline void Press(QWidget* widget, QPoint at = QPoint(5, 5))
{
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
}

inline void Release(QWidget* widget, QPoint at = QPoint(5, 5))
{
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

inline void Click(QWidget* widget)
{
    Press(widget);
    Release(widget);
}

} // namespace buttonbartest
