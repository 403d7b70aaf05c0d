#include "TScreenshot.h"
#include "TScreenshotStepRunner.h"

#include "TForm.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"

#include "TCustomMenuBar2000.h"
#include "TErrorOutput.h"
#include "TKeyStroke.h"
#include "TMenuItem2000.h"
#include "TScreen.h"
#include "TWindowStack.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <cstdio>

namespace {

// How long events are handled after the last click so that animations and deferred
// repaints reach the picture, in milliseconds.
constexpr int settleTime = 400;

} // namespace

int TScreenshot::Take(TForm& window, const QString& fileName, const TScreenshotSteps& steps,
                      const QStringList& prints)
{
    window.Show();
    Settle(settleTime);
    // A step may close the window (confirming the exit box, say).
    QPointer<TForm> main(&window);
    const auto onWindow = [main](const std::function<int(TForm&)>& work) {
        return main ? work(*main) : Failed;
    };
    QList<TScreenshotStepRunner::Step> runs;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const TScreenshotStep step = steps[i];
        runs.append({Describe(step),
                     [onWindow, step] { return onWindow([&](TForm& w) { return Run(w, step); }); },
                     SettleTime(steps, i)});
    }
    TScreenshotStepRunner runner(
        runs, [&] { return onWindow([&](TForm& w) { return Finish(w, fileName, prints); }); });
    return runner.Run();
}

// A wait right after a step takes the place of its settling time, so that a picture
// can show an animation halfway.
int TScreenshot::SettleTime(const TScreenshotSteps& steps, qsizetype index)
{
    if (steps[index].kind == TScreenshotStep::Kind::Wait)
        return steps[index].value.toInt();
    const bool waitFollows =
        index + 1 < steps.size() && steps[index + 1].kind == TScreenshotStep::Kind::Wait;
    return waitFollows ? 0 : settleTime;
}

QString TScreenshot::Describe(const TScreenshotStep& step)
{
    return QStringLiteral("%1 %2").arg(OptionOf(step.kind), step.value);
}

QString TScreenshot::OptionOf(TScreenshotStep::Kind kind)
{
    switch (kind) {
    case TScreenshotStep::Kind::Click:
        return QStringLiteral("--click");
    case TScreenshotStep::Kind::DoubleClick:
        return QStringLiteral("--double-click");
    case TScreenshotStep::Kind::Key:
        return QStringLiteral("--key");
    case TScreenshotStep::Kind::Hover:
        return QStringLiteral("--hover");
    case TScreenshotStep::Kind::Drop:
        return QStringLiteral("--drop");
    default:
        return QStringLiteral("--wait");
    }
}

int TScreenshot::Finish(TForm& window, const QString& fileName, const QStringList& prints)
{
    QStringList captions;
    for (const QString& name : prints) {
        const TControl* control = FindControl(window, name, QStringLiteral("--print"));
        if (!control)
            return UnknownControl;
        captions << control->Caption();
    }
    if (!Picture(window).save(fileName, "PNG")) {
        TErrorOutput::Print(QStringLiteral("cannot write the screenshot %1").arg(fileName));
        return Failed;
    }
    for (const QString& caption : captions)
        std::printf("%s\n", qPrintable(caption));
    std::fflush(stdout);
    return Written;
}

int TScreenshot::Run(TForm& window, const TScreenshotStep& step)
{
    using K = TScreenshotStep::Kind;
    if (step.kind == K::Wait)
        return Written;
    if (step.kind == K::Key) {
        SendKey(window, step.value);
        return Written;
    }
    if (step.kind == K::Click || step.kind == K::Hover) {
        if (auto* item = dynamic_cast<TMenuItem2000*>(window.FindComponent(step.value)))
            return PointAtMenuItem(window, *item, step.kind == K::Click) ? Written : UnknownControl;
    }
    TControl* control = FindControl(window, step.value, OptionOf(step.kind));
    if (!control)
        return UnknownControl;
    QWidget* target = ClickTarget(control);
    if (step.kind == K::Click)
        Click(target);
    else if (step.kind == K::Drop)
        DropFiles(target, step.files);
    else if (step.kind == K::DoubleClick)
        DoubleClick(target);
    else
        Hover(target);
    return Written;
}

bool TScreenshot::PointAtMenuItem(TForm& window, TMenuItem2000& item, bool click)
{
    QPoint local;
    QWidget* place = MenuItemPlace(window, item, local);
    if (!place) {
        TErrorOutput::Print(
            QStringLiteral("%1: the menu item %2 is not shown")
                .arg(click ? QStringLiteral("--click") : QStringLiteral("--hover"), item.Name()));
        return false;
    }
    if (!click) {
        HoverAt(place, local);
        return true;
    }
    QPointer<QWidget> target(place);
    SendButtonAt(place, local, QEvent::MouseButtonPress);
    if (target)
        SendButtonAt(place, local, QEvent::MouseButtonRelease);
    return true;
}

QWidget* TScreenshot::MenuItemPlace(TForm& window, const TMenuItem2000& item, QPoint& local)
{
    for (QWidget* child : window.findChildren<QWidget*>()) {
        auto* bar = dynamic_cast<TCustomMenuBar2000*>(child);
        if (QWidget* place = bar ? bar->ItemPlace(item, local) : nullptr)
            return place;
    }
    return nullptr;
}

// While a modal box is open, its controls are looked for first: that is where the user
// acts then.
TControl* TScreenshot::FindControl(TForm& window, const QString& name, const QString& option)
{
    auto* modal = dynamic_cast<TForm*>(QApplication::activeModalWidget());
    TComponent* found = modal ? modal->FindComponent(name) : nullptr;
    auto* control = dynamic_cast<TControl*>(found ? found : window.FindComponent(name));
    if (!control)
        TErrorOutput::Print(
            QStringLiteral("%1: the window has no control named %2").arg(option, name));
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
    SendButtonAt(control, control->rect().center(), type);
}

void TScreenshot::SendButtonAt(QWidget* widget, QPoint local, QEvent::Type type)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton,
                      held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Enters the control's middle with the files, moves there and lets go, as a drag from
// another program does; a control that refuses the drag gets no drop.
void TScreenshot::DropFiles(QWidget* control, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    const QPointF at = QRectF(control->rect()).center();
    const auto send = [&](QDropEvent&& event) {
        QCoreApplication::sendEvent(control, &event);
        return event.isAccepted();
    };
    constexpr Qt::DropActions actions = Qt::CopyAction;
    if (!send(QDragEnterEvent(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier)) ||
        !send(QDragMoveEvent(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier)))
        return;
    send(QDropEvent(at, actions, &data, Qt::NoButton, Qt::NoModifier));
}

void TScreenshot::SendKey(TForm& window, const QString& key)
{
    const std::optional<TKeyStroke> stroke = TKeyStroke::Parse(key);
    if (!stroke)
        return;
    // Keys go where the user's would: into the modal box while one is open; where the
    // platform activates no window (offscreen), to the window's own focus.
    QWidget* focus =
        QApplication::focusWidget() ? QApplication::focusWidget() : window.focusWidget();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !(focus && (focus == modal || modal->isAncestorOf(focus))))
        focus = modal->focusWidget() ? modal->focusWidget() : modal;
    QPointer<QWidget> target = focus ? focus : &window;
    QKeyEvent press(QEvent::KeyPress, stroke->key, stroke->modifiers, stroke->Text());
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
    HoverAt(control, control->rect().center());
}

void TScreenshot::HoverAt(QWidget* widget, QPoint local)
{
    const QPointF at(local);
    const QPointF global = widget->mapToGlobal(at);
    QCursor::setPos(global.toPoint());
    QEnterEvent enter(at, at, global);
    QCoreApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QImage TScreenshot::Picture(TForm& window)
{
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    for (QWidget* other : Screen->Windows().Visible()) {
        if (other != &window)
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
