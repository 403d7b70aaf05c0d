#include "TPersistent.h"

#include "Exception.h"
#include "TClassInfo.h"

const TClassInfo& TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

bool TObject::InheritsFrom(const TClassInfo& other) const
{
    return ClassInfo().InheritsFrom(other);
}

const TClassInfo& TPersistent::StaticClassInfo()
{
    static const TClassInfo info("TPersistent", &TObject::StaticClassInfo());
    return info;
}

void TPersistent::Assign(const TPersistent* source)
{
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EInvalidOperation(QStringLiteral("Cannot assign a nil to a %1").arg(ClassInfo().Name()));
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    throw EInvalidOperation(QStringLiteral("Cannot assign a %1 to a %2")
                                .arg(ClassInfo().Name(), dest->ClassInfo().Name()));
}
