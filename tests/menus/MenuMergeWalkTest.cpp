#include "TCustomAnimatedSkin2000.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_UpdatingScope.h"

#include <gtest/gtest.h>

namespace {

// A menu with a top item and, below it, a submenu item with its own submenu.
class MenuMergeWalk : public ::testing::Test {
protected:
    MenuMergeWalk()
    {
        menu.Items()->Add(&top);
        top.Add(&middle);
        middle.Add(&leaf);
    }
    void CountChanges()
    {
        changes = 0;
        menu.OnChange = [this](TObject*, TMenuItem*, bool) { ++changes; };
    }

    int changes = 0; // outlives the items, which tell the menu when they go
    TComponent form{nullptr};
    TMainMenu2000 menu{&form};
    TMenuItem2000 top{&form};
    TMenuItem2000 middle{&form};
    TMenuItem2000 leaf{&form};
};

TColor MenuColorOf(const T_AM2000_Options& options)
{
    return options.Colors()->ValueAt(T_AM2000_Colors::Menu);
}

} // namespace

TEST_F(MenuMergeWalk, AnItemThatStopsInheritingWithDefaultColoursGetsTheDefaults)
{
    menu.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clYellow);
    middle.Options()->SetParentColors(false);

    EXPECT_EQ(MenuColorOf(*menu.DropDownOptions(&middle, nullptr)), clMenu);
    EXPECT_EQ(MenuColorOf(*menu.DropDownOptions(&leaf, nullptr)), clMenu) << "middle decides";
    EXPECT_EQ(MenuColorOf(*menu.DropDownOptions(&top, nullptr)), clYellow);
}

TEST_F(MenuMergeWalk, TheNearestItemThatDoesNotInheritDecidesEachGroup)
{
    top.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, TColor(16445680));
    middle.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clAqua);
    top.Options()->Margins()->SetValueAt(T_AM2000_Margins::Item, 22);

    const auto options = menu.DropDownOptions(&leaf, nullptr);
    EXPECT_EQ(MenuColorOf(*options), clAqua);
    EXPECT_EQ(options->Margins()->ValueAt(T_AM2000_Margins::Item), 22) << "from the outer item";
    EXPECT_FALSE(options->ParentColors());
    EXPECT_FALSE(options->ParentMargins());
    EXPECT_TRUE(options->ParentSkin());
    EXPECT_TRUE(options->Skin()->IsDefault());
}

TEST_F(MenuMergeWalk, SettingsComeFromTheMenuAndTheOutermostItemWins)
{
    menu.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    menu.Options()->SetOpacity(80);
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow, T_AM2000_Flag::mfNoBitmapRect});
    menu.Options()->SetCaption(QStringLiteral("Menu"));
    middle.Options()->SetCaption(QStringLiteral("Middle"));
    middle.Options()->SetDraggable(true);
    top.Options()->SetCaption(QStringLiteral("Top"));

    const auto options = menu.DropDownOptions(&leaf, nullptr);
    EXPECT_EQ(options->Animation(), T_AM2000_Animation::anVertStretch);
    EXPECT_EQ(options->Opacity(), 80);
    EXPECT_EQ(options->Flags(),
              (T_AM2000_Flags{T_AM2000_Flag::mfDropShadow, T_AM2000_Flag::mfNoBitmapRect}));
    EXPECT_EQ(options->Caption(), QStringLiteral("Top"));
    // Each item with options copies all four settings, so the outermost's default
    // Draggable wins over the inner item's.
    EXPECT_FALSE(options->Draggable());
}

TEST_F(MenuMergeWalk, TheMenuGroupsApplyWhereNoItemDecides)
{
    menu.Options()->Title()->SetVisible(true);
    menu.Options()->Margins()->SetValueAt(T_AM2000_Margins::Border, 0);
    leaf.Options()->Title()->SetWidth(9); // below the item whose submenu is built

    const auto options = menu.DropDownOptions(&middle, nullptr);
    EXPECT_TRUE(options->Title()->Visible());
    EXPECT_EQ(options->Title()->Width(), 50);
    EXPECT_EQ(options->Margins()->ValueAt(T_AM2000_Margins::Border), 0);
    EXPECT_TRUE(options->ParentTitle()) << "taken from the menu, still the inherited group";
}

TEST_F(MenuMergeWalk, TheMergeDisturbsNothingItReads)
{
    top.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clAqua);
    CountChanges();

    const auto options = menu.DropDownOptions(&top, nullptr);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(T_AM2000_UpdatingScope::Counter(), 0);
    EXPECT_TRUE(menu.Options()->ParentColors());
    EXPECT_FALSE(menu.Root()->HasOptions()) << "items without options are not given any";
}

TEST_F(MenuMergeWalk, ASharedSkinComponentSuppliesTheMenuGroups)
{
    TCustomAnimatedSkin2000 skin(&form);
    skin.Colors()->SetValueAt(T_AM2000_Colors::Menu, clSilver);
    menu.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clYellow);
    menu.SetAnimatedSkin(&skin);

    EXPECT_EQ(MenuColorOf(*menu.DropDownOptions(&top, nullptr)), clSilver);

    CountChanges();
    skin.Margins()->SetValueAt(T_AM2000_Margins::Space, 2);
    EXPECT_EQ(changes, 1) << "a change of the skin refreshes the menus that use it";
}

TEST_F(MenuMergeWalk, AFreedSkinComponentLeavesTheMenuWithItsOwnGroups)
{
    menu.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clYellow);
    {
        TCustomAnimatedSkin2000 skin(&form);
        skin.Colors()->SetValueAt(T_AM2000_Colors::Menu, clSilver);
        menu.SetAnimatedSkin(&skin);
    }
    EXPECT_EQ(menu.AnimatedSkin(), nullptr);
    EXPECT_EQ(MenuColorOf(*menu.DropDownOptions(&top, nullptr)), clYellow);
}
