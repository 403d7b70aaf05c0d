#include "T_AM2000_Accelerator.h"

QChar T_AM2000_Accelerator::Of(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1];
        ++i; // "&&" is a plain ampersand
    }
    return QChar();
}

bool T_AM2000_Accelerator::Matches(const QString& caption, const QString& typed)
{
    const QChar accelerator = Of(caption);
    return !accelerator.isNull() && typed.size() == 1 &&
           accelerator.toUpper() == typed[0].toUpper();
}
