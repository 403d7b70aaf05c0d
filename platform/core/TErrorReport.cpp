#include "TErrorReport.h"

#include "Exception.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TErrorReport::Reporter& CurrentReporter()
{
    static TErrorReport::Reporter reporter;
    return reporter;
}

void ShowMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok);
    box.exec();
}

// The text an error is reported with; empty for a silent abort.
QString ReportText(const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return QString();
    if (const auto* exception = dynamic_cast<const Exception*>(&error))
        return exception->Message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

void TErrorReport::Show(const std::exception& error)
{
    if (const QString text = ReportText(error); !text.isEmpty())
        ShowText(text);
}

void TErrorReport::ShowLater(const std::exception& error)
{
    const QString text = ReportText(error);
    if (text.isEmpty())
        return;
    if (!qApp) {
        ShowText(text);
        return;
    }
    QMetaObject::invokeMethod(
        qApp, [text] { ShowText(text); }, Qt::QueuedConnection);
}

void TErrorReport::ShowText(const QString& message)
{
    if (CurrentReporter())
        CurrentReporter()(message);
    else
        ShowMessageBox(message);
}

TErrorReport::Reporter TErrorReport::SetReporter(Reporter reporter)
{
    return std::exchange(CurrentReporter(), std::move(reporter));
}
