#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Waits, handling events, until a widget in a top-level window other than the one it
// was told to ignore has been painted: the first frame of a menu that just opened. Or,
// told which widgets count, until one of them has been painted.
class TFirstPaint : public QObject {
public:
    using Counts = std::function<bool(const QWidget& widget)>;

    explicit TFirstPaint(const QWidget* ignored)
        : TFirstPaint([ignored](const QWidget& widget) { return widget.window() != ignored; })
    {}
    explicit TFirstPaint(Counts counts)
        : m_counts(std::move(counts))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TFirstPaint() override { QCoreApplication::instance()->removeEventFilter(this); }

    // False when nothing was painted within timeoutMs.
    bool Wait(int timeoutMs = 5000)
    {
        m_painted = false;
        QElapsedTimer waiting;
        waiting.start();
        while (!m_painted && !waiting.hasExpired(timeoutMs))
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return m_painted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && m_counts(*widget))
                m_painted = true;
        }
        return false;
    }

private:
    Counts m_counts;
    bool m_painted = false;
};
