#include "TPictureSaver.h"

#include "Exception.h"

#include <QSaveFile>

QString TPictureSaver::TargetName(const QString& chosenName, TImageKind kind)
{
    if (kind == TImageKind::ikUnknown || TImageFormat::HasExtension(chosenName, kind))
        return chosenName;
    return chosenName + QLatin1Char('.') + TImageFormat::Extension(kind);
}

QString TPictureSaver::Filter(TImageKind kind)
{
    if (kind == TImageKind::ikUnknown)
        return QStringLiteral("All Files (*)|*");
    const QString description =
        kind == TImageKind::ikBitmap ? QStringLiteral("Bitmap") : TImageFormat::Name(kind);
    const QString pattern = QStringLiteral("*.") + TImageFormat::Extension(kind);
    return QStringLiteral("%1 Image File (%2)|%2").arg(description, pattern);
}

QString TPictureSaver::Save(const QByteArray& bytes, const QString& chosenName)
{
    if (bytes.isEmpty())
        return QString();
    const QString target = TargetName(chosenName, TImageFormat::Detect(bytes));
    QSaveFile file(target);
    const auto fail = [&target](const QString& cause) {
        return EWriteError(QStringLiteral("Cannot save the picture to %1: %2").arg(target, cause));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw fail(file.errorString());
    if (file.write(bytes) != bytes.size())
        throw fail(file.errorString());
    if (!file.commit())
        throw fail(file.errorString());
    return target;
}
