#include "Exception.h"
#include "TForm.h"
#include "TPanel.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Docking : public ::testing::Test {
protected:
    Docking()
    {
        form->SetBounds(20, 20, 300, 200);
        site = NewPanel(QStringLiteral("Site"));
        site->SetDockSite(true);
        tool = NewPanel(QStringLiteral("Tool"));
        form->Show();
    }
    TPanel* NewPanel(const QString& name)
    {
        auto* panel = new TPanel(form.get());
        panel->SetName(name);
        panel->SetParent(form.get());
        return panel;
    }
    static void FlushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* site = nullptr;
    TPanel* tool = nullptr;
};

} // namespace

TEST_F(Docking, APlainSiteTakesTheControlAsAChildAndListsIt)
{
    tool->ManualDock(site);
    EXPECT_EQ(tool->Parent(), site);
    EXPECT_EQ(tool->HostDockSite(), site);
    ASSERT_EQ(site->DockClients().size(), 1u);
    EXPECT_EQ(site->DockClients().front(), tool);
    EXPECT_THROW(site->ManualDock(tool), EInvalidOperation) << "the control is no dock site";
    tool->SetDockSite(true);
    EXPECT_THROW(site->ManualDock(tool), EInvalidOperation) << "a site cannot dock inside itself";

    delete tool;
    EXPECT_TRUE(site->DockClients().empty()) << "a freed control leaves the list";
}

TEST_F(Docking, AFloatingWindowLivesExactlyAsLongAsItHoldsItsControl)
{
    tool->SetCaption(QStringLiteral("Tool box"));
    tool->ManualDock(site);
    tool->ManualFloat(QRect(100, 120, 90, 70));
    QPointer<TForm> floating = tool->FloatingForm();
    ASSERT_FALSE(floating.isNull());
    EXPECT_EQ(floating->Caption(), QStringLiteral("Tool box"));
    EXPECT_EQ(floating->BoundsRect(), QRect(100, 120, 90, 70));
    EXPECT_TRUE(site->DockClients().empty());

    tool->ManualFloat(QRect(150, 160, 90, 70));
    EXPECT_EQ(tool->FloatingForm(), floating.data()) << "floating again keeps its window";
    EXPECT_EQ(floating->BoundsRect(), QRect(150, 160, 90, 70));

    delete tool;
    FlushDeletes();
    EXPECT_TRUE(floating.isNull()) << "the emptied window goes with the control";
}

TEST_F(Docking, FreeingTheWindowsOwnerFreesAFloatingControlWithItsWindow)
{
    tool->ManualFloat(QRect(100, 120, 90, 70));
    QPointer<TForm> floating = tool->FloatingForm();
    QPointer<TPanel> control = tool;
    form.reset();
    FlushDeletes();
    EXPECT_TRUE(control.isNull());
    EXPECT_TRUE(floating.isNull());
}
