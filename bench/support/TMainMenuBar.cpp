#include "TMainMenuBar.h"

#include "TMainMenu2000.h"
#include "T_AM2000_MenuTracker.h"

#include <QCoreApplication>
#include <QTest>

TMainMenuBar::TMainMenuBar()
{
    // The offscreen platform warns of every raise of a menu window, many times a round.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    m_host.SetBounds(100, 100, 400, 200);
    m_bar.SetParent(&m_host);
    m_bar.SetBounds(4, 0, 226, 19);
    m_bar.SetMenu(&m_menus.Menu());
    m_host.Show();
    QCoreApplication::processEvents();
}

QPoint TMainMenuBar::FirstItemCentre() const
{
    return m_bar.BarItems().Entries().front().rect.center();
}

QPoint TMainMenuBar::BelowFirstItem() const
{
    return m_bar.mapToGlobal(m_bar.BarItems().Entries().front().rect.bottomLeft());
}

void TMainMenuBar::PressFirstItem()
{
    QTest::mousePress(&m_bar, Qt::LeftButton, {}, FirstItemCentre());
}

void TMainMenuBar::CloseMenus()
{
    QTest::mouseRelease(&m_bar, Qt::LeftButton, {}, FirstItemCentre());
    T_AM2000_MenuTracker::Instance().CloseAllMenus(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
