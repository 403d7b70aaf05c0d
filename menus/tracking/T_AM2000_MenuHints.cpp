#include "T_AM2000_MenuHints.h"

#include "I_AM2000_StatusBar.h"
#include "TApplication.h"
#include "TControl.h"
#include "TCustomMainMenu2000.h"
#include "TMenuItem2000.h"

namespace {

constexpr int EntityLength = 2 + 3; // "&#" and three characters

} // namespace

QString T_AM2000_MenuHints::LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    QString text = (bar < 0 ? hint : hint.mid(bar + 1)).trimmed();
    for (qsizetype at = text.indexOf(QLatin1String("&#")); at >= 0;
         at = text.indexOf(QLatin1String("&#"), at + 1))
        text.replace(at, EntityLength, QLatin1Char(' '));
    return text;
}

void T_AM2000_MenuHints::Show(const TMenuItem2000* item, const TCustomMainMenu2000* mainMenu)
{
    const QString hint = item ? item->ShownHint() : QString();
    if (Application)
        Application->SetHint(hint);
    if (mainMenu)
        ShowOnStatusBar(*mainMenu, LongHint(hint));
}

// Simple text in simple mode, else the chosen panel when the bar has it.
void T_AM2000_MenuHints::ShowOnStatusBar(const TCustomMainMenu2000& mainMenu, const QString& text)
{
    auto* bar = dynamic_cast<I_AM2000_StatusBar*>(mainMenu.StatusBar());
    if (!bar)
        return;
    if (bar->SimplePanel())
        bar->SetSimpleText(text);
    else if (mainMenu.StatusBarIndex() >= 0 && mainMenu.StatusBarIndex() < bar->PanelCount())
        bar->SetPanelText(mainMenu.StatusBarIndex(), text);
}
