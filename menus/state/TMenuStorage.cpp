#include "TMenuStorage.h"

#include "Exception.h"
#include "MenuStateWarning.h"
#include "TCustomMainMenu2000.h"
#include "TMenuStateLoader.h"
#include "TRegistry.h"
#include "TTickCount.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

// The two keys between Software and MenuOrder: the menu component's vendor and product.
const QString VendorKey = QStringLiteral("Zentuvio");
const QString ProductKey = QStringLiteral("AnimatedMenus");
const QString ElapsedTimeValue = QStringLiteral("ElapsedTime");
// Executables of the development environments, under which the storage is off: menus
// edited there must not pick up or leave a user's state.
const QString DevelopmentExecutables[] = {QStringLiteral("DEVENV.EXE"),
                                          QStringLiteral("ZENTUVIOIDE.EXE")};

quint32 SaturatedSum(quint32 a, quint32 b)
{
    return quint32(std::min<quint64>(quint64(a) + b, std::numeric_limits<quint32>::max()));
}

// The stored total of an open application key; 0 when there is none or it is not a
// number of seconds.
quint32 StoredElapsedTime(const TRegistry& registry)
{
    if (!registry.ValueHasData(ElapsedTimeValue))
        return 0;
    try {
        return registry.ReadDWord(ElapsedTimeValue);
    } catch (const Exception&) {
        MenuStateWarning(QStringLiteral("skipped %1 = \"%2\" in %3: not a number of seconds")
                             .arg(ElapsedTimeValue, registry.ReadString(ElapsedTimeValue),
                                  registry.CurrentPath()));
        return 0;
    }
}

} // namespace

TMenuStorage& TMenuStorage::Instance()
{
    static TMenuStorage storage;
    return storage;
}

void TMenuStorage::Start(const QString& executablePath)
{
    const QString executable = QFileInfo(executablePath).fileName();
    const bool development =
        std::find(std::begin(DevelopmentExecutables), std::end(DevelopmentExecutables),
                  executable) != std::end(DevelopmentExecutables);
    m_mode = executable.isEmpty() || development ? TMenuStorageMode::smOff
                                                 : TMenuStorageMode::smRegistry;
    m_applicationKey =
        QStringLiteral("\\Software\\%1\\%2\\MenuOrder\\%3").arg(VendorKey, ProductKey, executable);
    m_elapsedTime = 0;
    TRegistry registry;
    if (registry.Damaged())
        MenuStateWarning(
            QStringLiteral("%1 cannot be read; it is left as it is").arg(registry.FileName()));
    else if (!executable.isEmpty() && registry.OpenKey(m_applicationKey, false))
        m_elapsedTime = StoredElapsedTime(registry);
    m_startTick = TTickCount::Now();
    // Every main menu takes its stored state as it finishes loading; the loader leaves
    // it alone unless the storage is in registry mode.
    TCustomMainMenu2000::SetLoadedHandler(&TMenuStateLoader::Apply);
}

void TMenuStorage::Finish()
{
    if (m_mode != TMenuStorageMode::smRegistry)
        return;
    const quint32 seconds = SecondsOfThisRun();
    try {
        TRegistry::Update(TRegistry::UserFileName(), [&](TRegistry& registry) {
            registry.OpenKey(m_applicationKey, true);
            m_elapsedTime = SaturatedSum(StoredElapsedTime(registry), seconds);
            registry.WriteDWord(ElapsedTimeValue, m_elapsedTime);
        });
    } catch (const Exception& error) {
        MenuStateWarning(QStringLiteral("running time not written: %1").arg(error.Message()));
    }
    m_startTick = TTickCount::Now();
    // Every main menu takes its stored state as it finishes loading; the loader leaves
    // it alone unless the storage is in registry mode.
    TCustomMainMenu2000::SetLoadedHandler(&TMenuStateLoader::Apply);
}

QString TMenuStorage::MenuKey(const QString& menuName) const
{
    return m_applicationKey + QLatin1Char('\\') + menuName;
}

quint32 TMenuStorage::SecondsOfThisRun() const
{
    const qint64 seconds = std::max<qint64>(TTickCount::Now() - m_startTick, 0) / 1000;
    return quint32(std::min<qint64>(seconds, std::numeric_limits<quint32>::max()));
}

quint32 TMenuStorage::RunningTime() const
{
    return SaturatedSum(m_elapsedTime, SecondsOfThisRun());
}
