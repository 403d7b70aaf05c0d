#pragma once

#include <QHash>
#include <QString>

class TClassInfo;

// Every class of the system by name, so that a layout can create `object X: TPanel`.
// A class enters it when its class information is first asked for; each library
// names its classes in one registration function called at start-up.
class TClassRegistry {
public:
    static TClassRegistry& Instance();

    void Register(const TClassInfo* info);
    // The class of that name (letter case ignored), or nullptr.
    const TClassInfo* Find(const QString& name) const;

private:
    QHash<QString, const TClassInfo*> m_classes;
};
