#pragma once

#include <QString>

class QPainter;

// A control that a host (a control grid) can have paint a copy of itself for another
// record: the host sets the record to show and hands a painter translated to the
// control's top-left corner and clipped to its size. A copy is never the live control:
// no focus frame, and painting it must not raise. Likewise the host asks a copy for the
// tooltip of its record (empty for none).
class IReplicatable {
public:
    virtual ~IReplicatable() = default;
    virtual void PaintCopy(QPainter& painter) = 0;
    virtual QString CopyHint() { return QString(); }
};
