#include "TTickCount.h"

#include <QElapsedTimer>

namespace {

TTickCount::Source& InstalledSource()
{
    static TTickCount::Source source;
    return source;
}

qint64 MachineTicks()
{
    static const QElapsedTimer start = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return start.elapsed();
}

} // namespace

qint64 TTickCount::Now()
{
    const Source& source = InstalledSource();
    return source ? source() : MachineTicks();
}

TTickCount::Source TTickCount::SetSource(Source source)
{
    return std::exchange(InstalledSource(), std::move(source));
}
