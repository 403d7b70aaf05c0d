#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// While started, watches every window of the program for mouse presses outside one
// widget (the widget, its children and the popups it opens count as inside) and runs a
// handler for each before the press goes on to where it was going.
class TOutsidePressWatcher : public QObject {
public:
    explicit TOutsidePressWatcher(QWidget* inside);

    void Start(std::function<void()> onOutsidePress);
    // Safe from within the handler.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsInside(const QWidget* widget) const;

    QPointer<QWidget> m_inside;
    std::function<void()> m_onOutsidePress;
};
