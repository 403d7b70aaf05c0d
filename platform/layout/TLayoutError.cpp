#include "TLayoutError.h"

ELayoutError TLayoutError::At(const QString& layout, int line, const QString& word,
                              const QString& reason)
{
    return ELayoutError(
        QStringLiteral("%1, line %2, at '%3': %4").arg(layout).arg(line).arg(word, reason));
}
