#pragma once

#include <QEvent>
#include <QtGlobal>

// The notification of a drop-down window's next opening step: when the previous step
// started and how long after that this one is due.
class T_AM2000_StepEvent : public QEvent {
public:
    T_AM2000_StepEvent(qint64 start, qint64 interval);

    static QEvent::Type TypeId();

    qint64 Start() const { return m_start; }
    qint64 Interval() const { return m_interval; }
    qint64 Due() const { return m_start + m_interval; }

private:
    qint64 m_start;
    qint64 m_interval;
};
