#pragma once

#include "TWinControl.h"

class QTextBrowser;

using TNavigateEvent = TEvent<TObject*, const QString&>;

// An embedded browser for local HTML pages. Navigate shows the file at a full path;
// a missing or unreadable file shows the browser's own error page instead.
class TWebBrowser : public TWinControl {
    T_CLASS_INFO
public:
    explicit TWebBrowser(TComponent* owner);

    void Navigate(const QString& path);
    // The path of the last navigation, empty before the first.
    const QString& LocationURL() const { return m_location; }
    // Whether the page shown is the error page.
    bool ShowsErrorPage() const { return m_errorPage; }
    // The plain text of the page shown, for tests and accessibility.
    QString DocumentText() const;

    // After every navigation, with the path navigated to.
    TNavigateEvent OnNavigateComplete;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The viewer is made on the first navigation, which keeps start-up light; until
    // then the browser shows a blank page.
    QTextBrowser* View();
    void ShowErrorPage(const QString& path, const QString& reason);

    QTextBrowser* m_view = nullptr;
    QString m_location;
    bool m_errorPage = false;
};
