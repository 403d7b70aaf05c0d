#pragma once

#include <QString>

// Plays short sounds without waiting for them to finish: a sound file, or a sound of
// the desktop's sound theme named by its event name ("menu-popup", "bell"). Where no
// sound can be played (no sound server, no such sound) nothing happens.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlayFile(const QString& path) = 0;
    virtual void PlayEvent(const QString& eventName) = 0;
};
