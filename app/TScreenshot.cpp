#include "TScreenshot.h"

#include "TForm.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
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
    Settle();
    for (const TScreenshotStep& step : steps) {
        const bool twice = step.kind == TScreenshotStep::Kind::DoubleClick;
        TControl* control =
            FindControl(window, step.control,
                        twice ? QStringLiteral("--double-click") : QStringLiteral("--click"));
        if (!control)
            return UnknownControl;
        if (twice)
            DoubleClick(ClickTarget(control));
        else
            Click(ClickTarget(control));
        Settle();
    }
    QStringList captions;
    for (const QString& name : prints) {
        const TControl* control = FindControl(window, name, QStringLiteral("--print"));
        if (!control)
            return UnknownControl;
        captions << control->Caption();
    }
    if (!window.grab().save(fileName, "PNG")) {
        PrintError(QStringLiteral("cannot write the screenshot %1").arg(fileName));
        return Failed;
    }
    for (const QString& caption : captions)
        std::printf("%s\n", qPrintable(caption));
    return Written;
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

void TScreenshot::Settle()
{
    const QDeadlineTimer deadline(settleTime);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
