#pragma once

#include "TComponent.h"
#include "TCursors.h"

#include <QCursor>
#include <QRect>
#include <memory>

class TWindowStack;

// The screen: its size and work area, the program's windows on it in stacking order,
// and the cursor shown over the whole program while one is set (crDefault: each
// control's own).
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    // The screen less the desktop's panels, in screen pixels.
    QRect WorkAreaRect() const;
    // The program's top-level windows as they stack, noted from the screen's making on.
    TWindowStack& Windows() const { return *m_windows; }

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    // The Qt cursor for a cursor number.
    static QCursor Cursors(TCursor cursor) { return QCursor(TCursors::ToShape(cursor)); }

private:
    TCursor m_cursor = crDefault;
    std::unique_ptr<TWindowStack> m_windows;
};

extern TScreen* Screen;
