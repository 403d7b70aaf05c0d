#include "TMenuViewers.h"

void TMenuViewers::Add(const void* viewer, Handler handler)
{
    m_viewers.emplace_back(viewer, std::move(handler));
}

void TMenuViewers::Remove(const void* viewer)
{
    std::erase_if(m_viewers, [viewer](const auto& entry) { return entry.first == viewer; });
}

void TMenuViewers::Tell(TMenuItem* source, bool rebuild) const
{
    const auto viewers = m_viewers;
    for (const auto& [viewer, handler] : viewers)
        handler(source, rebuild);
}
