#include "TSavePictureDialog.h"

#include "TClassInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

TSavePictureDialog::Chooser& CurrentChooser()
{
    static TSavePictureDialog::Chooser chooser;
    return chooser;
}

} // namespace

const TClassInfo& TSavePictureDialog::StaticClassInfo()
{
    static const TClassInfo info(
        "TSavePictureDialog", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
            using D = TSavePictureDialog;
            c.Creatable<D>();
            c.Property("FileName", &D::FileName, &D::SetFileName, QString());
            c.Property("Filter", &D::Filter, &D::SetFilter, QString());
            c.Property("InitialDir", &D::InitialDir, &D::SetInitialDir, QString());
            c.Property("Title", &D::Title, &D::SetTitle, QString());
        });
    return info;
}

TSavePictureDialog::TSavePictureDialog(TComponent* owner)
    : TComponent(owner)
{}

bool TSavePictureDialog::Execute()
{
    const QString chosen =
        CurrentChooser()
            ? CurrentChooser()(*this)
            : QFileDialog::getSaveFileName(QApplication::activeWindow(), m_title, StartPath(),
                                           QtFilter(), nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen;
    return true;
}

TSavePictureDialog::Chooser TSavePictureDialog::SetChooser(Chooser chooser)
{
    return std::exchange(CurrentChooser(), std::move(chooser));
}

QString TSavePictureDialog::StartPath() const
{
    if (m_initialDir.isEmpty())
        return m_fileName;
    return QDir(m_initialDir).filePath(QFileInfo(m_fileName).fileName());
}

// A description that shows its patterns already ("JPEG Image File (*.jpg)") keeps them
// once.
QString TSavePictureDialog::QtFilter() const
{
    const QStringList parts = m_filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            QStringLiteral("(%1)").arg(QString(parts[i + 1]).replace(';', ' '));
        filters << (parts[i].endsWith(patterns) ? parts[i] : parts[i] + u' ' + patterns);
    }
    return filters.join(QStringLiteral(";;"));
}
