#include "TabcCustomWaveList.h"

#include "TClassInfo.h"
#include "TEventSound.h"

#include <QCoreApplication>
#include <QDir>

const TClassInfo& TabcCustomWaveList::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomWaveList", &TComponent::StaticClassInfo());
    return info;
}

TabcCustomWaveList::TabcCustomWaveList(TComponent* owner)
    : TComponent(owner)
    , m_player(&TEventSound::Instance())
{}

void TabcCustomWaveList::SetWaves(const QStringList& waves)
{
    m_waves = waves;
}

void TabcCustomWaveList::SetPlayer(ISoundPlayer* player)
{
    m_player = player;
}

void TabcCustomWaveList::Play(int index) const
{
    if (index < 0 || index >= Count())
        return;
    const QString& entry = m_waves.at(index);
    if (NamesFile(entry))
        m_player->PlayFile(FilePath(entry));
    else
        m_player->PlayEvent(entry);
}

bool TabcCustomWaveList::NamesFile(const QString& entry)
{
    return entry.contains(QLatin1Char('/')) || entry.contains(QLatin1Char('.'));
}

QString TabcCustomWaveList::FilePath(const QString& entry)
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(entry);
}
