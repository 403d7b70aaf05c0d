#pragma once

#include "TComponent.h"
#include "TEvent.h"

#include <vector>

class TPopupMenu;

// One entry of a context menu: a caption, enabled or not, and what a click does.
class TMenuItem : public TComponent {
    T_CLASS_INFO
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    TPopupMenu* Menu() const { return m_menu; }
    // Runs OnClick when the item is enabled.
    void Click();

    void SetParentComponent(TComponent* parent) override;
    bool HasParentComponent() const override { return m_menu != nullptr; }

    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;
    TPopupMenu* m_menu = nullptr;
    QString m_caption;
    bool m_enabled = true;
    bool m_visible = true;
};
