#include "TSkippedFiles.h"

#include <QFileInfo>

QString TSkippedFiles::Text(const std::vector<TCatalogueImporter::TFailure>& skipped)
{
    QStringList lines{QStringLiteral("这些文件不是可以加入的图片，没有加入：")};
    const int named = std::min(int(skipped.size()), MaxNamed);
    for (int i = 0; i < named; ++i)
        lines << QFileInfo(skipped[std::size_t(i)].file).fileName();
    if (int(skipped.size()) > named)
        lines << QStringLiteral("还有 %1 个。").arg(int(skipped.size()) - named);
    return lines.join(u'\n');
}
