#pragma once

#include "ISoundPlayer.h"

#include <QStringList>

namespace buttonbartest {

// Stands in for the desktop's sounds: writes down what it was asked to play, as
// "file:PATH" or "event:NAME", so that tests need no sound server.
class TRecordingSoundPlayer : public ISoundPlayer {
public:
    void PlayFile(const QString& path) override { played << QStringLiteral("file:") + path; }
    void PlayEvent(const QString& eventName) override
    {
        played << QStringLiteral("event:") + eventName;
    }
    QStringList played;
};

} // namespace buttonbartest
