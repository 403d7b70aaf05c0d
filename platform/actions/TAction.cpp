#include "TAction.h"

#include "TActionLink.h"
#include "TClassInfo.h"

#include <algorithm>
#include <utility>

const TClassInfo& TAction::StaticClassInfo()
{
    using A = TAction;
    static const TClassInfo info("TAction", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<A>();
        c.Property("Caption", &A::Caption, &A::SetCaption, QString());
        c.Property("Checked", &A::Checked, &A::SetChecked, false);
        c.Property("Enabled", &A::Enabled, &A::SetEnabled, true);
        c.Property("Hint", &A::Hint, &A::SetHint, QString());
        c.Property("ImageIndex", &A::ImageIndex, &A::SetImageIndex, -1);
        c.Property("Visible", &A::Visible, &A::SetVisible, true);
        c.Event("OnExecute", &A::OnExecute);
    });
    return info;
}

TAction::TAction(TComponent* owner)
    : TComponent(owner)
{}

TAction::~TAction()
{
    for (TActionLink* link : std::exchange(m_links, {}))
        link->m_action = nullptr;
}

// A linked control may drop its link while it follows a change; the copy keeps the
// walk valid, and links gone meanwhile are skipped.
template <class Apply> void TAction::ForEachLink(Apply apply)
{
    const std::vector<TActionLink*> links = m_links;
    for (TActionLink* link : links)
        if (std::find(m_links.begin(), m_links.end(), link) != m_links.end())
            apply(*link);
}

void TAction::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    ForEachLink([&](TActionLink& link) { link.SetCaption(caption); });
}

void TAction::SetChecked(bool value)
{
    if (value == m_checked)
        return;
    m_checked = value;
    ForEachLink([&](TActionLink& link) { link.SetChecked(value); });
}

void TAction::SetEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    ForEachLink([&](TActionLink& link) { link.SetEnabled(value); });
}

void TAction::SetHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    ForEachLink([&](TActionLink& link) { link.SetHint(hint); });
}

void TAction::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    ForEachLink([&](TActionLink& link) { link.SetImageIndex(index); });
}

void TAction::SetVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    ForEachLink([&](TActionLink& link) { link.SetVisible(value); });
}

bool TAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}
