#include "T_AM2000_Desktop.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

// A grab of another size than asked for is cut or padded with black.
QImage Fitted(const QImage& grab, QSize size)
{
    if (grab.size() == size)
        return grab.convertToFormat(QImage::Format_RGB32);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter(&image).drawImage(0, 0, grab);
    return image;
}

} // namespace

T_AM2000_Desktop::T_AM2000_Desktop(Grabber grabber)
    : m_grabber(std::move(grabber))
{}

T_AM2000_Desktop& T_AM2000_Desktop::Instance()
{
    static T_AM2000_Desktop desktop;
    return desktop;
}

QImage T_AM2000_Desktop::Content(const QRect& rect)
{
    if (rect.isEmpty())
        return {};
    return Holding(rect).Part(rect);
}

void T_AM2000_Desktop::Capture(const QRect& rect)
{
    if (!rect.isEmpty())
        Holding(rect);
}

void T_AM2000_Desktop::Paint(QPainter& painter, const QPoint& at, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    const T_AM2000_Screenshot& screenshot = Holding(rect);
    painter.drawImage(at, screenshot.Image(), rect.translated(-screenshot.Rect().topLeft()));
}

void T_AM2000_Desktop::MenusClosed()
{
    if (!m_keep)
        m_screenshots.clear();
    m_keep = false;
}

T_AM2000_Desktop::Grabber T_AM2000_Desktop::SetGrabber(Grabber grabber)
{
    return std::exchange(m_grabber, std::move(grabber));
}

const T_AM2000_Screenshot* T_AM2000_Desktop::NewestContaining(const QRect& rect) const
{
    // Reverse iterators rather than a reversed view: clang's fuzzing builds use a
    // standard library whose ranges it cannot compile.
    for (auto newest = m_screenshots.rbegin(); newest != m_screenshots.rend(); ++newest)
        if ((*newest)->Contains(rect))
            return newest->get();
    return nullptr;
}

const T_AM2000_Screenshot& T_AM2000_Desktop::Holding(const QRect& rect)
{
    const T_AM2000_Screenshot* screenshot = NewestContaining(rect);
    return screenshot ? *screenshot : Take(rect);
}

const T_AM2000_Screenshot& T_AM2000_Desktop::Take(const QRect& rect)
{
    const QRect wide = rect.adjusted(-Margin, -Margin, Margin, Margin);
    auto screenshot =
        std::make_unique<T_AM2000_Screenshot>(wide, Fitted(m_grabber(wide), wide.size()));
    for (const auto& older : m_screenshots)
        screenshot->PaintOver(*older);
    m_screenshots.push_back(std::move(screenshot));
    return *m_screenshots.back();
}

// A rectangle on one screen is that screen's grab as it comes; one across screens or off
// them is composed on black.
QImage T_AM2000_Desktop::GrabScreen(const QRect& rect)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        if (screen->geometry().contains(rect)) {
            QImage shot = GrabPart(*screen, rect).toImage();
            if (shot.size() == rect.size())
                return shot;
        }
    }
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (QScreen* screen : screens) {
        const QRect part = rect & screen->geometry();
        if (!part.isEmpty())
            painter.drawPixmap(QRect(part.topLeft() - rect.topLeft(), part.size()),
                               GrabPart(*screen, part));
    }
    return image;
}

QPixmap T_AM2000_Desktop::GrabPart(QScreen& screen, const QRect& part)
{
    const QPoint origin = screen.geometry().topLeft();
    return screen.grabWindow(0, part.x() - origin.x(), part.y() - origin.y(), part.width(),
                             part.height());
}
