#include "TPersistent.h"

#include "Exception.h"
#include "TClassInfo.h"

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

bool TObject::InheritsFrom(const TClassInfo& other) const {
    return ClassInfo().InheritsFrom(other);
}

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info("TPersistent", &TObject::StaticClassInfo());
    return info;
}

void TPersistent::Assign(const TPersistent* source) {
    const QString from = source ? source->ClassInfo().Name() : QStringLiteral("nil");
    throw EInvalidOperation(
        QStringLiteral("Cannot assign a %1 to a %2").arg(from, ClassInfo().Name()));
}
