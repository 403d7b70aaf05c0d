#pragma once

#include "ISoundPlayer.h"
#include "TSoundQueue.h"

#include <QByteArray>
#include <memory>

struct ca_context;

// The desktop's event sounds through libcanberra, shared by the whole program. The
// library runs on a thread of its own: it looks up the sound's file and opens the
// device before it returns, which would hold up a menu opening. The connection to the
// sound server is made on the first sound; where none runs every request is dropped
// silently.
class TEventSound : public ISoundPlayer {
public:
    static TEventSound& Instance();

    void PlayFile(const QString& path) override;
    void PlayEvent(const QString& eventName) override;

private:
    TEventSound() = default;
    // The library's context, or nullptr when it could not be made; on the sound thread.
    ca_context* Context();
    void Play(const char* property, const QString& value);
    void PlayNow(const char* property, const QByteArray& value);

    struct ContextDeleter {
        void operator()(ca_context* context) const;
    };
    std::unique_ptr<ca_context, ContextDeleter> m_context;
    bool m_contextTried = false;
    // Last, so that its thread ends before the context goes.
    TSoundQueue m_queue;
};
