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

} // namespace

void TErrorReport::Show(const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return;
    if (const auto* exception = dynamic_cast<const Exception*>(&error)) {
        ShowText(exception->Message());
        return;
    }
    ShowText(QString::fromLocal8Bit(error.what()));
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
