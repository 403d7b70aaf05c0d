#include "T_AM2000_StepEvent.h"

T_AM2000_StepEvent::T_AM2000_StepEvent(qint64 start, qint64 interval)
    : QEvent(TypeId())
    , m_start(start)
    , m_interval(interval)
{}

// The number of the internal step message when it is free, else another free one.
QEvent::Type T_AM2000_StepEvent::TypeId()
{
    static const auto type = QEvent::Type(QEvent::registerEventType(QEvent::User + 0x502));
    return type;
}
