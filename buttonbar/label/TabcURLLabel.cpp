#include "TabcURLLabel.h"

#include "TClassInfo.h"

#include <QProcess>

namespace {

const TabcCustomMouseLabel::TMouseDefaults urlLabelDefaults = {
    clPurple,
    {TabcLabelMouseEffect::almColor, TabcLabelMouseEffect::almSound},
    clYellow,
    {TabcLabelMouseEffect::almUnderline, TabcLabelMouseEffect::almSound},
};

const QString desktopOpener = QStringLiteral("xdg-open");

} // namespace

const TClassInfo& TabcURLLabel::StaticClassInfo()
{
    static const TClassInfo info(
        "TabcURLLabel", &TabcMouseLabel::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TabcURLLabel>();
            c.Property("ShowBrowser", &TabcURLLabel::ShowBrowser, &TabcURLLabel::SetShowBrowser,
                       TabcShowWindowStyle::aswShowMaximized);
            c.Property("URL", &TabcURLLabel::URL, &TabcURLLabel::SetURL, QString());
        });
    return info;
}

TabcURLLabel::TabcURLLabel(TComponent* owner)
    : TabcMouseLabel(owner)
{
    SetMouseDefaults(urlLabelDefaults);
    Font()->SetColor(clBlue);
    SetCursor(crHandPoint);
}

void TabcURLLabel::SetURL(const QString& url)
{
    m_url = url;
}

void TabcURLLabel::SetShowBrowser(TabcShowWindowStyle style)
{
    m_showBrowser = style;
}

void TabcURLLabel::Click()
{
    TabcMouseLabel::Click();
    OpenURL(m_url, m_showBrowser);
}

bool TabcURLLabel::OpenURL(const QString& url, TabcShowWindowStyle)
{
    return QProcess::startDetached(desktopOpener, {url});
}
