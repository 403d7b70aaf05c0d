#pragma once

class QPainter;

// A control that a host (a control grid) can have paint a copy of itself for another
// record: the host sets the record to show and hands a painter translated to the
// control's top-left corner and clipped to its size. A copy is never the live control:
// no focus frame, and painting it must not raise.
class IReplicatable {
public:
    virtual ~IReplicatable() = default;
    virtual void PaintCopy(QPainter& painter) = 0;
};
