#pragma once

#include <QString>
#include <cstdint>

// Whether the menu system keeps its per-user state.
enum class TMenuStorageMode : std::uint8_t { smOff = 0, smRegistry = 1 };

// The menu system's state between runs, in the current user's registry branch under
// Software\<vendor>\<product>\MenuOrder\<executable>: the program's total running time
// ("ElapsedTime", seconds) and, per main menu, stored overrides (TMenuStateLoader).
// One process-wide instance, started when the menu system starts and finished at exit.
class TMenuStorage {
public:
    // The value under a key of added items that holds how many it has.
    static inline const QString CountValue = QStringLiteral("Count");

    static TMenuStorage& Instance();

    // Decides the mode from the executable's file name (off for an empty name or a
    // development environment's), reads the stored running time whatever the mode and
    // takes the tick count as the start of this run. A stored time that is not a number
    // is skipped with a warning and counts as 0.
    void Start(const QString& executablePath);
    // Adds this run's whole seconds to the stored running time, read again under the
    // file's lock so that overlapping runs keep each other's time; only in registry
    // mode. A failure is not reported beyond a warning.
    void Finish();

    TMenuStorageMode Mode() const { return m_mode; }
    QString MenuKey(const QString& menuName) const;
    // Seconds: the total read at start, and that total plus this run so far.
    quint32 ElapsedTime() const { return m_elapsedTime; }
    quint32 RunningTime() const;

private:
    quint32 SecondsOfThisRun() const;

    // Off until started: a program (or test) that never starts the storage leaves the
    // user's state alone.
    TMenuStorageMode m_mode = TMenuStorageMode::smOff;
    QString m_applicationKey;
    quint32 m_elapsedTime = 0;
    qint64 m_startTick = 0; // milliseconds of TTickCount
};
