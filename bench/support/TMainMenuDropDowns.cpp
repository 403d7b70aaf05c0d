#include "TMainMenuDropDowns.h"

#include "Exception.h"
#include "MenuClasses.h"
#include "PlatformClasses.h"
#include "TLayoutLoader.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The menu's block of the main window's layout, handler bindings left out (the
// handlers belong to the main window).
QString MainMenuBlock()
{
    QFile stored(QStringLiteral(":/layouts/TMianForm.layout"));
    if (!stored.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("The main window's layout is missing"));
    const QString layout = QString::fromUtf8(stored.readAll());
    const QString header = QStringLiteral("  object MainMenu20001: TMainMenu2000");
    const QString footer = QStringLiteral("\n  end\n");
    const qsizetype start = layout.indexOf(header);
    const qsizetype end = layout.indexOf(footer, start);
    if (start < 0 || end < 0)
        throw Exception(QStringLiteral("The main window's layout holds no MainMenu20001"));
    QString block = layout.mid(start, end + footer.size() - start);
    block.remove(QRegularExpression(QStringLiteral("\\n *On[A-Za-z]+ = [A-Za-z0-9]+")));
    return block;
}

} // namespace

TMainMenuDropDowns::TMainMenuDropDowns()
{
    RegisterPlatformClasses();
    RegisterMenuClasses();
    TLayoutLoader(&m_holder, QStringLiteral("Holder"))
        .Apply(QStringLiteral("object Holder: TComponent\n") + MainMenuBlock() +
               QStringLiteral("end\n"));
    m_menu = dynamic_cast<TMainMenu2000*>(m_holder.FindComponent(QStringLiteral("MainMenu20001")));
    m_popup.TakeMenuSettings(*m_menu);
}

int TMainMenuDropDowns::TopItemCount() const
{
    return m_menu->Items()->Count();
}

TMenuItem2000& TMainMenuDropDowns::TopItem(int index) const
{
    return *static_cast<TMenuItem2000*>(m_menu->Items()->Items(index));
}

std::unique_ptr<TPopupMenu2000Form> TMainMenuDropDowns::Open(int index)
{
    return std::make_unique<TPopupMenu2000Form>(m_popup, TopItem(index));
}
