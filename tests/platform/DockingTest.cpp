#include "Exception.h"
#include "TControlDrag.h"
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

TEST_F(Docking, TheSitesEventsDecideWhereAReleasedControlDocks)
{
    site->SetBounds(10, 10, 120, 100);
    const QPoint inside = site->mapToGlobal(QPoint(30, 40));
    const QPoint lowerRight = site->mapToGlobal(QPoint(100, 80));
    EXPECT_TRUE(site->AcceptsDrop(tool, inside)) << "the whole site is offered by default";

    QPoint askedAt;
    site->OnDockOver = [&](TObject*, TControl* source, int x, int y, bool& accept) {
        EXPECT_EQ(source, tool);
        askedAt = QPoint(x, y);
        accept = x < 60;
    };
    EXPECT_TRUE(site->AcceptsDrop(tool, inside));
    EXPECT_EQ(askedAt, QPoint(30, 40)) << "in the site's own coordinates";
    EXPECT_FALSE(site->AcceptsDrop(tool, lowerRight));
    EXPECT_EQ(TControlDrag::SiteAt(*tool, lowerRight), nullptr);
    EXPECT_EQ(TControlDrag::SiteAt(*tool, inside), site);

    site->OnGetSiteInfo = [&](TObject*, TControl*, QRect& influence, QPoint, bool&) {
        influence.setHeight(20);
    };
    EXPECT_FALSE(site->AcceptsDrop(tool, inside)) << "below the narrowed influence rectangle";
    site->OnGetSiteInfo = [](TObject*, TControl*, QRect&, QPoint, bool& canDock) {
        canDock = false;
    };
    EXPECT_FALSE(site->AcceptsDrop(tool, site->mapToGlobal(QPoint(5, 5))));
    site->SetDockSite(false);
    site->OnGetSiteInfo.Clear();
    EXPECT_FALSE(site->AcceptsDrop(tool, inside)) << "no longer a dock site";
}

TEST_F(Docking, ADockedControlLeavesOnlyWhenItsSiteAllowsIt)
{
    auto* other = NewPanel(QStringLiteral("Other"));
    other->SetDockSite(true);
    std::vector<QPoint> drops;
    other->OnDockDrop = [&](TObject* sender, TControl* source, int x, int y) {
        EXPECT_EQ(sender, other);
        EXPECT_EQ(source->HostDockSite(), other) << "told once the control is docked";
        drops.emplace_back(x, y);
    };
    tool->ManualDock(site);
    bool allow = false;
    std::vector<TWinControl*> askedFor;
    site->OnUnDock = [&](TObject*, TControl* client, TWinControl* newSite, bool& allowed) {
        EXPECT_EQ(client, tool);
        askedFor.push_back(newSite);
        allowed = allow;
    };

    tool->ManualDock(other);
    tool->ManualFloat(QRect(100, 120, 90, 70));
    EXPECT_EQ(tool->HostDockSite(), site) << "refused twice, the control stays";
    EXPECT_EQ(tool->Parent(), site);
    EXPECT_EQ(tool->FloatingForm(), nullptr);
    EXPECT_EQ(askedFor, (std::vector<TWinControl*>{other, nullptr}));
    EXPECT_TRUE(drops.empty());

    allow = true;
    tool->ManualDock(other);
    EXPECT_EQ(tool->HostDockSite(), other);
    EXPECT_TRUE(site->DockClients().empty());
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops.front(), tool->BoundsRect().topLeft()) << "where it lies in its new site";
}
