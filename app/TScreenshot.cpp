#include "TScreenshot.h"

#include "TForm.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"

#include "TKeyStroke.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <cstdio>

namespace {

// How long events are handled after the last click so that animations and deferred
// repaints reach the picture, in milliseconds.
constexpr int settleTime = 400;

void PrintError(const QString& message)
{
    std::fprintf(stderr, "zentuvio: %s\n", qPrintable(message));
}

} // namespace

int TScreenshot::Take(TForm& window, const QString& fileName, const TScreenshotSteps& steps,
                      const QStringList& prints)
{
    window.Show();
    Settle(settleTime);
    for (const TScreenshotStep& step : steps) {
        if (!Run(window, step))
            return UnknownControl;
    }
    QStringList captions;
    for (const QString& name : prints) {
        const TControl* control = FindControl(window, name, QStringLiteral("--print"));
        if (!control)
            return UnknownControl;
        captions << control->Caption();
    }
    if (!Picture(window).save(fileName, "PNG")) {
        PrintError(QStringLiteral("cannot write the screenshot %1").arg(fileName));
        return Failed;
    }
    for (const QString& caption : captions)
        std::printf("%s\n", qPrintable(caption));
    return Written;
}

bool TScreenshot::Run(TForm& window, const TScreenshotStep& step)
{
    using K = TScreenshotStep::Kind;
    if (step.kind == K::Wait) {
        Settle(step.value.toInt());
        return true;
    }
    if (step.kind == K::Key) {
        SendKey(window, step.value);
        Settle(settleTime);
        return true;
    }
    const QString option = step.kind == K::Click         ? QStringLiteral("--click")
                           : step.kind == K::DoubleClick ? QStringLiteral("--double-click")
                                                         : QStringLiteral("--hover");
    TControl* control = FindControl(window, step.value, option);
    if (!control)
        return false;
    QWidget* target = ClickTarget(control);
    if (step.kind == K::Click)
        Click(target);
    else if (step.kind == K::DoubleClick)
        DoubleClick(target);
    else
        Hover(target);
    Settle(settleTime);
    return true;
}

TControl* TScreenshot::FindControl(TForm& window, const QString& name, const QString& option)
{
    auto* control = dynamic_cast<TControl*>(window.FindComponent(name));
    if (!control)
        PrintError(QStringLiteral("%1: the window has no control named %2").arg(option, name));
    return control;
}

// A bar page is clicked on its button; the click returns once the page change and
// its animation have finished.
QWidget* TScreenshot::ClickTarget(TControl* control)
{
    if (auto* page = dynamic_cast<TabcButtonPage*>(control); page && page->ButtonBar())
        return page->ButtonBar()->ButtonOf(page);
    return control;
}

void TScreenshot::Click(QWidget* control)
{
    SendButton(control, QEvent::MouseButtonPress);
    SendButton(control, QEvent::MouseButtonRelease);
}

void TScreenshot::DoubleClick(QWidget* control)
{
    QPointer<QWidget> target(control);
    Click(control);
    if (target)
        SendButton(control, QEvent::MouseButtonDblClick);
    if (target)
        SendButton(control, QEvent::MouseButtonRelease);
}

void TScreenshot::SendButton(QWidget* control, QEvent::Type type)
{
    const QPointF local(control->width() / 2.0, control->height() / 2.0);
    const QPointF global = control->mapToGlobal(local);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

void TScreenshot::SendKey(TForm& window, const QString& key)
{
    const std::optional<TKeyStroke> stroke = TKeyStroke::Parse(key);
    if (!stroke)
        return;
    QWidget* focus = QApplication::focusWidget();
    QPointer<QWidget> target = focus ? focus : &window;
    QKeyEvent press(QEvent::KeyPress, stroke->key, stroke->modifiers);
    QCoreApplication::sendEvent(target, &press);
    if (!target)
        return;
    // A modifier key pressed alone is no longer held when it is released.
    QKeyEvent release(QEvent::KeyRelease, stroke->key,
                      stroke->IsModifierAlone() ? Qt::NoModifier : stroke->modifiers);
    QCoreApplication::sendEvent(target, &release);
}

void TScreenshot::Hover(QWidget* control)
{
    const QPointF local(control->width() / 2.0, control->height() / 2.0);
    const QPointF global = control->mapToGlobal(local);
    QCursor::setPos(global.toPoint());
    QEnterEvent enter(local, local, global);
    QCoreApplication::sendEvent(control, &enter);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

QImage TScreenshot::Picture(TForm& window)
{
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || !other->isVisible())
            continue;
        painter.drawPixmap(other->mapToGlobal(QPoint(0, 0)) - origin, other->grab());
    }
    return picture;
}

void TScreenshot::Settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
