#pragma once

#include "T_AM2000_Screenshot.h"

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPixmap;
class QScreen;

// What the screen showed before the menus opened, kept while any menu is open so that
// translucency and shadows blend with the screen as it was and not with other menus.
class T_AM2000_Desktop {
public:
    // A new screenshot takes this much more on every side than asked for.
    static constexpr int Margin = 20;

    // Copies a rectangle of the screen.
    using Grabber = std::function<QImage(const QRect& rect)>;

    explicit T_AM2000_Desktop(Grabber grabber = GrabScreen);
    // The program's one snapshot.
    static T_AM2000_Desktop& Instance();

    // The screen content of rect: from the newest screenshot that holds it, else from a
    // new screenshot of rect widened by Margin, into which every older one is painted
    // first.
    QImage Content(const QRect& rect);
    // Makes sure a screenshot holds rect, as Content does, without copying anything out:
    // before a window covers that part of the screen.
    void Capture(const QRect& rect);
    // Whether a screenshot taken so far holds rect.
    bool Holds(const QRect& rect) const { return NewestContaining(rect) != nullptr; }
    // Paints the screen content of rect with its top left at `at`, found as Content finds
    // it, without copying it first.
    void Paint(QPainter& painter, const QPoint& at, const QRect& rect);
    // All menus closed: the screenshots are freed, unless the keep flag is set (a menu bar
    // switching from one drop-down straight to the next); then only the flag is cleared.
    void MenusClosed();

    bool Keep() const { return m_keep; }
    void SetKeep(bool keep) { m_keep = keep; }
    const std::vector<std::unique_ptr<T_AM2000_Screenshot>>& Screenshots() const
    {
        return m_screenshots;
    }
    // Installs a grabber; returns the previous one.
    Grabber SetGrabber(Grabber grabber);

    // The screens' content of rect; black where no screen is.
    static QImage GrabScreen(const QRect& rect);

private:
    const T_AM2000_Screenshot* NewestContaining(const QRect& rect) const;
    const T_AM2000_Screenshot& Holding(const QRect& rect);
    const T_AM2000_Screenshot& Take(const QRect& rect);
    static QPixmap GrabPart(QScreen& screen, const QRect& part);

    Grabber m_grabber;
    std::vector<std::unique_ptr<T_AM2000_Screenshot>> m_screenshots;
    bool m_keep = false;
};
