#include "TMenuStorageScope.h"

#include "TMenuStorage.h"

TMenuStorageScope::TMenuStorageScope(TComponent* owner, const QString& executablePath)
    : TComponent(owner)
{
    TMenuStorage::Instance().Start(executablePath);
}

TMenuStorageScope::~TMenuStorageScope()
{
    TMenuStorage::Instance().Finish();
}
