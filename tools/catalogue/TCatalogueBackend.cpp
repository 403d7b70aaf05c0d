#include "TCatalogueBackend.h"

#include "Exception.h"

void TCatalogueBackend::FailNoPicture(qint64 id) const
{
    throw EDatabaseError(
        QStringLiteral("Catalogue '%1' has no picture with ID %2.").arg(Location()).arg(id));
}

void TCatalogueBackend::CheckColumns(const std::function<bool(const QString&)>& has)
{
    for (const char* column : {"parent", "Mirelvane"}) {
        if (!has(QLatin1String(column)))
            throw EDatabaseError(
                QStringLiteral("'%1' is not a picture catalogue: table picture has no column %2.")
                    .arg(Location(), QLatin1String(column)));
    }
    for (const char* column : {"name", "file"}) {
        if (!has(QLatin1String(column)))
            m_missingNameColumns << QLatin1String(column);
    }
}
