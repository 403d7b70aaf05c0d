#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Waits, handling events, until a widget in a top-level window other than the one it
// was told to ignore has been painted: the first frame of a menu that just opened.
class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(const QWidget* ignored)
        : m_ignored(ignored)
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
            if (widget && widget->window() != m_ignored)
                m_painted = true;
        }
        return false;
    }

private:
    const QWidget* m_ignored;
    bool m_painted = false;
};
