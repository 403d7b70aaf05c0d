#include "T_AM2000_PooledWindow.h"

#include "TWindowStack.h"

#include <QEvent>

T_AM2000_PooledWindow::T_AM2000_PooledWindow(bool translucent, bool inputTransparent)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_translucent(translucent)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    // The borrower paints every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent, !translucent);
    setAttribute(Qt::WA_NoSystemBackground, !translucent);
    setAttribute(Qt::WA_TransparentForMouseEvents, inputTransparent);
    setFocusPolicy(Qt::NoFocus);
}

T_AM2000_PooledWindow::~T_AM2000_PooledWindow()
{
    if (m_borrower) {
        m_borrower->removeEventFilter(this);
        m_borrower->setParent(nullptr);
    }
}

void T_AM2000_PooledWindow::Lend(QWidget& borrower)
{
    hide();
    setWindowOpacity(1.0);
    TWindowStack::ClearPlace(*this);
    m_borrower = &borrower;
    const QSize size = borrower.size();
    borrower.setParent(this);
    borrower.installEventFilter(this);
    resize(size);
    borrower.setGeometry(rect());
}

// The borrower, the only child, going away (freed or taken elsewhere) frees the window.
bool T_AM2000_PooledWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ChildRemoved) {
        m_borrower = nullptr;
        hide();
    }
    return QWidget::event(event);
}

// The window is on the screen exactly while its borrower is shown in it.
bool T_AM2000_PooledWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_borrower) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}

void T_AM2000_PooledWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_borrower)
        m_borrower->setGeometry(rect());
}
