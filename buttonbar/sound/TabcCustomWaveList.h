#pragma once

#include "TComponent.h"

#include <QStringList>

class ISoundPlayer;

// A numbered list of sounds that controls play by number (hover and press sounds).
// Each entry is a sound file, or the event name of a sound of the desktop's sound
// theme ("button-pressed"): an entry with a slash or a dot is a file, a relative one
// found beside the program. Sounds play without waiting; a number outside the list
// and a system without sound play nothing.
class TabcCustomWaveList : public TComponent {
    T_CLASS_INFO
public:
    explicit TabcCustomWaveList(TComponent* owner);

    const QStringList& Waves() const { return m_waves; }
    void SetWaves(const QStringList& waves);
    int Count() const { return int(m_waves.size()); }

    void Play(int index) const;

    // Where the sounds go; the desktop's event sounds unless replaced (tests record).
    void SetPlayer(ISoundPlayer* player);

private:
    static bool NamesFile(const QString& entry);
    static QString FilePath(const QString& entry);

    QStringList m_waves;
    ISoundPlayer* m_player;
};
