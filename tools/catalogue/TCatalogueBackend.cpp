#include "TCatalogueBackend.h"

#include "Exception.h"

void TCatalogueBackend::FailNoPicture(qint64 id) const
{
    throw EDatabaseError(
        QStringLiteral("Catalogue '%1' has no picture with ID %2.").arg(Location()).arg(id));
}
