#include "TScreen.h"

#include "TWindowStack.h"

#include <QGuiApplication>
#include <QScreen>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner)
    : TComponent(owner)
    , m_windows(std::make_unique<TWindowStack>())
{
    Screen = this;
}

TScreen::~TScreen()
{
    SetCursor(crDefault);
    if (Screen == this)
        Screen = nullptr;
}

int TScreen::Width() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int TScreen::Height() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

QRect TScreen::WorkAreaRect() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == m_cursor)
        return;
    if (m_cursor != crDefault)
        QGuiApplication::restoreOverrideCursor();
    m_cursor = cursor;
    if (cursor != crDefault)
        QGuiApplication::setOverrideCursor(Cursors(cursor));
}
