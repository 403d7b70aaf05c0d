#pragma once

#include "TActionLink.h"

#include <memory>

class TControl;

// The action link of a control: the action's caption, hint, enabled and visible
// states become the control's.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* client);

    // Gives the client the action's state. Checking defaults (while the client is read
    // from a stored layout), only what the client still has at its default takes it.
    virtual void ApplyAction(bool checkDefaults);

    // Links client to action through the client's link, made on first use, and gives
    // it the action's state (checking defaults while the client is being read); none
    // drops the link.
    template <class Link, class Client>
    static void Attach(std::unique_ptr<Link>& link, Client* client, TAction* action)
    {
        if (!action) {
            link.reset();
            return;
        }
        if (!link)
            link = std::make_unique<Link>(client);
        link->SetAction(action);
        link->ApplyAction(client->IsLoading());
    }

protected:
    void SetCaption(const QString& caption) override;
    void SetEnabled(bool value) override;
    void SetHint(const QString& hint) override;
    void SetVisible(bool value) override;

private:
    TControl* m_client;
};
