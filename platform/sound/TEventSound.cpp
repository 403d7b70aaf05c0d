#include "TEventSound.h"

#include <canberra.h>

TEventSound& TEventSound::Instance()
{
    static TEventSound instance;
    return instance;
}

void TEventSound::PlayFile(const QString& path)
{
    Play(CA_PROP_MEDIA_FILENAME, path);
}

void TEventSound::PlayEvent(const QString& eventName)
{
    Play(CA_PROP_EVENT_ID, eventName);
}

void TEventSound::ContextDeleter::operator()(ca_context* context) const
{
    ca_context_destroy(context);
}

// Opened once: where no sound server answers the first time, the program stays silent
// instead of trying again on every sound.
ca_context* TEventSound::Context()
{
    if (m_contextTried)
        return m_context.get();
    m_contextTried = true;
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    m_context.reset(context);
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Zentuvio", nullptr);
    if (ca_context_open(context) != CA_SUCCESS)
        m_context.reset();
    return m_context.get();
}

void TEventSound::Play(const char* property, const QString& value)
{
    if (value.isEmpty())
        return;
    m_queue.Post([this, property, text = value.toUtf8()] { PlayNow(property, text); });
}

// The library's errors (no sound server, unknown sound, no such file) mean only that
// nothing is heard.
void TEventSound::PlayNow(const char* property, const QByteArray& value)
{
    if (ca_context* context = Context())
        ca_context_play(context, 0, property, value.constData(), nullptr);
}
