#pragma once

#include <QtGlobal>
#include <functional>

// The monotonic tick count: milliseconds since an arbitrary start, never going back.
// Tests install their own source to drive time.
class TTickCount {
public:
    using Source = std::function<qint64()>;

    // Milliseconds of the installed source, or of the machine's monotonic clock.
    static qint64 Now();
    // Installs a source; returns the previous one. An empty source restores the
    // machine's clock.
    static Source SetSource(Source source);
};
