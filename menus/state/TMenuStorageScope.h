#pragma once

#include "TComponent.h"

// The menu system's per-user storage for the life of its owner (the application
// object): created, it starts the storage for the executable; freed at exit, it
// writes the running time.
class TMenuStorageScope : public TComponent {
public:
    TMenuStorageScope(TComponent* owner, const QString& executablePath);
    ~TMenuStorageScope() override;
};
