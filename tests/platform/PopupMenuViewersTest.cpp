#include "TMenuItem.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Heard {
    TMenuItem* source;
    bool rebuild;
    bool operator==(const Heard&) const = default;
};

// A popup menu listing "Open" (with the sub-item "Recent") and "Close", and one viewer.
class PopupMenuViewers : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.Add(&open);
        menu.Add(&close);
        open.Add(&recent);
        menu.Viewers().Add(this, [this](TMenuItem* source, bool rebuild) {
            heard.push_back({source, rebuild});
        });
        heard.clear();
    }

    // First, so that it outlives what the items tell as they go.
    std::vector<Heard> heard;
    TPopupMenu menu{nullptr};
    TMenuItem open{nullptr};
    TMenuItem close{nullptr};
    TMenuItem recent{nullptr};
};

} // namespace

TEST_F(PopupMenuViewers, HearEveryChangeOfTheListedItemsAndOfTheirSubItems)
{
    close.SetCaption(QStringLiteral("Close all"));
    recent.SetEnabled(false);
    EXPECT_EQ(heard, (std::vector<Heard>{{&close, false}, {&recent, false}}));
    EXPECT_EQ(recent.Viewers(), &menu.Viewers());
}

TEST_F(PopupMenuViewers, HearItemsComingAndGoingAsTreeChanges)
{
    TMenuItem added(nullptr);
    menu.Add(&added);
    menu.Remove(&close);
    {
        TMenuItem freed(nullptr);
        open.Add(&freed);
    }
    EXPECT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard[0], (Heard{&added, true}));
    EXPECT_EQ(heard[1], (Heard{&close, true}));
    EXPECT_TRUE(heard[2].rebuild && heard[3].rebuild) << "a sub-item added and freed";
    heard.clear();
    close.SetCaption(QStringLiteral("Gone"));
    EXPECT_TRUE(heard.empty()) << "an item no longer listed tells nobody";
    EXPECT_EQ(close.Viewers(), nullptr);
}

TEST_F(PopupMenuViewers, ARemovedViewerHearsNothing)
{
    menu.Viewers().Remove(this);
    open.SetCaption(QStringLiteral("Open again"));
    EXPECT_TRUE(heard.empty());
}

TEST(PopupMenuViewersLifetime, ItemsOutlivingTheirMenuTellNobody)
{
    TMenuItem item(nullptr);
    {
        TPopupMenu menu(nullptr);
        menu.Add(&item);
        EXPECT_EQ(item.Viewers(), &menu.Viewers());
    }
    EXPECT_EQ(item.Viewers(), nullptr);
    item.SetCaption(QStringLiteral("Still here"));
    EXPECT_EQ(item.Menu(), nullptr);
}
