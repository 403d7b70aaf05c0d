#pragma once

#include <QString>

class TAction;

// The tie between an action and one client: the action tells its links every change
// of its state, and each link passes on what its client shows. The base passes on
// nothing; a link forgets an action that is freed.
class TActionLink {
public:
    TActionLink() = default;
    virtual ~TActionLink();
    TActionLink(const TActionLink&) = delete;
    TActionLink& operator=(const TActionLink&) = delete;

    TAction* Action() const { return m_action; }
    void SetAction(TAction* action);
    // Executes the action; false without an action or without a handler.
    bool Execute();

protected:
    virtual void SetCaption(const QString&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const QString&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetVisible(bool) {}

private:
    friend class TAction;
    TAction* m_action = nullptr;
};
