#include "TSkippedFiles.h"

#include <QFileInfo>
#include <QStringList>

namespace {

QString Shortened(const QString& name)
{
    if (name.size() <= TSkippedFiles::MaxNameLength)
        return name;
    const qsizetype keep = (TSkippedFiles::MaxNameLength - 1) / 2;
    return name.left(keep) + QStringLiteral("…") + name.right(keep);
}

} // namespace

QString TSkippedFiles::Text(const std::vector<TCatalogueImporter::TFailure>& skipped)
{
    QStringList names;
    for (std::size_t i = 0; i < skipped.size() && names.size() < MaxNamed; ++i)
        names << Shortened(QFileInfo(skipped[i].file).fileName());
    QString list = names.join(QStringLiteral("、"));
    if (int(skipped.size()) > MaxNamed)
        list += QStringLiteral(" 等 %1 个文件").arg(skipped.size());
    return QStringLiteral("这些文件不是图片，没有加入：\n") + list;
}
