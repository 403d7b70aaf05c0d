#pragma once

#include "TComponent.h"
#include "TEvent.h"

#include <vector>

class TActionLink;

// A command that controls share: its caption, hint, enabled, visible and checked
// states and image reach every linked control through the control's action link, and
// clicking such a control executes the action.
class TAction : public TComponent {
    T_CLASS_INFO
public:
    explicit TAction(TComponent* owner);
    ~TAction() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    // Runs OnExecute; false when no handler is assigned.
    bool Execute();

    TNotifyEvent OnExecute;

private:
    friend class TActionLink;
    template <class Apply> void ForEachLink(Apply apply);

    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    QString m_hint;
    int m_imageIndex = -1;
    bool m_visible = true;
    std::vector<TActionLink*> m_links;
};
