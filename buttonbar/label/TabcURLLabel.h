#pragma once

#include "TabcMouseLabel.h"
#include "TabcShowWindowStyle.h"

// A label that looks and acts like a web link: blue, underlined under the mouse, purple
// while pressed, with a hand cursor; a click opens URL in the desktop's web browser.
class TabcURLLabel : public TabcMouseLabel {
    T_CLASS_INFO
public:
    explicit TabcURLLabel(TComponent* owner);

    const QString& URL() const { return m_url; }
    void SetURL(const QString& url);
    TabcShowWindowStyle ShowBrowser() const { return m_showBrowser; }
    void SetShowBrowser(TabcShowWindowStyle style);

    // Starts the desktop's opener (xdg-open) with the address as its one argument,
    // directly and not through a shell, so that blanks, quotes and shell characters
    // reach it unchanged; does not wait for it. Returns whether it started: false when
    // no opener is installed or it could not be run, and nothing is shown then. The
    // show mode is accepted but goes nowhere: the desktop's opener has no such setting
    // and the browser chooses its own window state.
    static bool OpenURL(const QString& url, TabcShowWindowStyle show);

protected:
    void Click() override;

private:
    QString m_url;
    TabcShowWindowStyle m_showBrowser = TabcShowWindowStyle::aswShowMaximized;
};
