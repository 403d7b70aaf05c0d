#include "T_AM2000_SystemSettings.h"

#include <QApplication>
#include <QStyle>

namespace {

T_AM2000_SystemSettings::Source& InstalledSource()
{
    static T_AM2000_SystemSettings::Source source;
    return source;
}

} // namespace

T_AM2000_SystemSettings T_AM2000_SystemSettings::Current()
{
    const Source& source = InstalledSource();
    return source ? source() : FromApplication();
}

T_AM2000_SystemSettings::Source T_AM2000_SystemSettings::SetSource(Source source)
{
    return std::exchange(InstalledSource(), std::move(source));
}

T_AM2000_SystemSettings T_AM2000_SystemSettings::FromApplication()
{
    T_AM2000_SystemSettings settings;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        settings.known = false;
        return settings;
    }
    settings.menuAnimation = QApplication::isEffectEnabled(Qt::UI_AnimateMenu);
    settings.menuFade = QApplication::isEffectEnabled(Qt::UI_FadeMenu);
    settings.selectionFade = QApplication::style()->styleHint(QStyle::SH_Menu_FadeOutOnHide);
    settings.layeredWindows = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return settings;
}
