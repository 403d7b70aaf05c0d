#pragma once

#include "TComponent.h"
#include "TCursors.h"

#include <QCursor>
#include <QRect>

// The screen: its size and work area, and the cursor shown over the whole program
// while one is set (crDefault: each control's own).
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    // The screen less the desktop's panels, in screen pixels.
    QRect WorkAreaRect() const;

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    // The Qt cursor for a cursor number.
    static QCursor Cursors(TCursor cursor) { return QCursor(TCursors::ToShape(cursor)); }

private:
    TCursor m_cursor = crDefault;
};

extern TScreen* Screen;
