#include "Exception.h"
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

// Records what an options object asks of its owner, and the Parent flag it saw then.
class RecordingOwner : public I_AM2000_OptionsOwner {
public:
    void OptionsChanged() override
    {
        ++refreshes;
        if (options)
            colorsInheritedAtRefresh = options->ParentColors();
    }
    int refreshes = 0;
    bool colorsInheritedAtRefresh = false;
    const T_AM2000_Options* options = nullptr;
};

} // namespace

TEST(MenuOptionGroups, GroupsStartAtTheirDocumentedDefaults)
{
    const T_AM2000_Colors colors;
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Border), clMenu);
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::DisabledShadow), clBtnHighlight);
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Sunken), clNone);
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Gutter), clNone);
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::PressedText), clHighlightText);
    EXPECT_EQ(colors.ValueAt(19), clBtnShadow);
    EXPECT_EQ(colors.ValueAt(22), clMenu);
    EXPECT_TRUE(colors.IsDefault());

    const T_AM2000_Margins margins;
    const int expected[] = {24, 24, 0, 1, 0, 0, 24, 0, 9};
    for (int index = 1; index <= T_AM2000_Margins::Count; ++index)
        EXPECT_EQ(margins.ValueAt(index), expected[index - 1]) << "margin " << index;

    const T_AM2000_Title title;
    EXPECT_EQ(title.ColorBegin(), 0xFF0000);
    EXPECT_EQ(title.ColorEnd(), 0);
    EXPECT_EQ(title.Width(), 50);
    EXPECT_TRUE(title.TextDirection());
    EXPECT_FALSE(title.Visible());
    EXPECT_EQ(title.Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(title.Font()->Size(), 24);
    EXPECT_EQ(title.Font()->Style(), TFontStyles{TFontStyle::fsBold});
    EXPECT_EQ(title.Font()->Color(), clWhite);
    EXPECT_TRUE(title.IsDefault());

    const T_AM2000_Skin skin;
    EXPECT_TRUE(skin.IsEmpty());
    EXPECT_TRUE(skin.ValueAt(T_AM2000_Skin::ItemBackgroundSunken)->Empty());
}

TEST(MenuOptionGroups, IndexesOutsideTheGroupAreRefused)
{
    T_AM2000_Colors colors;
    EXPECT_THROW(colors.ValueAt(0), EListError);
    EXPECT_THROW(colors.SetValueAt(23, clRed), EListError);
    T_AM2000_Margins margins;
    EXPECT_THROW(margins.ValueAt(10), EListError);
    T_AM2000_Skin skin;
    EXPECT_THROW(skin.ValueAt(8), EListError);
    EXPECT_THROW(skin.ValueAt(-1), EListError);
    EXPECT_TRUE(colors.IsDefault());
}

TEST(MenuOptionGroups, ReadingColorsOfAFreshItemCreatesDefaultsAndKeepsInheriting)
{
    TMenuItem2000 item(nullptr);
    EXPECT_FALSE(item.HasOptions());
    T_AM2000_Colors* colors = item.Options()->Colors();
    ASSERT_NE(colors, nullptr);
    EXPECT_TRUE(colors->IsDefault());
    EXPECT_TRUE(item.Options()->ParentColors());
    EXPECT_TRUE(item.Options()->HasDefaults());

    colors->SetValueAt(T_AM2000_Colors::Menu, clYellow);
    EXPECT_FALSE(item.Options()->ParentColors());
    EXPECT_TRUE(item.Options()->ParentMargins()) << "only the changed group stops inheriting";
    EXPECT_FALSE(item.Options()->HasDefaults());
}

TEST(MenuOptionGroups, AChangeRefreshesTheOwnerFirstThenClearsTheParentFlag)
{
    RecordingOwner owner;
    T_AM2000_ItemOptions options(&owner);
    owner.options = &options;

    options.Colors()->SetValueAt(T_AM2000_Colors::Line, clRed);
    EXPECT_EQ(owner.refreshes, 1);
    EXPECT_TRUE(owner.colorsInheritedAtRefresh);
    EXPECT_FALSE(options.ParentColors());

    options.Colors()->SetValueAt(T_AM2000_Colors::Line, clRed);
    EXPECT_EQ(owner.refreshes, 1) << "an unchanged value does nothing";

    options.SetParentColors(true);
    EXPECT_EQ(owner.refreshes, 2) << "a new Parent flag refreshes too";
}

TEST(MenuOptionGroups, TheUpdatingCounterSilencesChanges)
{
    RecordingOwner owner;
    T_AM2000_ItemOptions options(&owner);
    {
        T_AM2000_UpdatingScope outer;
        T_AM2000_UpdatingScope inner;
        options.Margins()->SetValueAt(T_AM2000_Margins::Gutter, 30);
        options.Title()->SetText(QStringLiteral("Tools"));
        EXPECT_EQ(T_AM2000_UpdatingScope::Counter(), 2);
    }
    EXPECT_EQ(T_AM2000_UpdatingScope::Counter(), 0);
    EXPECT_EQ(owner.refreshes, 0);
    EXPECT_TRUE(options.ParentMargins());
    EXPECT_TRUE(options.ParentTitle());
    EXPECT_EQ(options.Margins()->ValueAt(T_AM2000_Margins::Gutter), 30) << "the value is kept";
}

TEST(MenuOptionGroups, SettingAWholeGroupInheritsExactlyWhenItEqualsTheDefaults)
{
    RecordingOwner owner;
    T_AM2000_ItemOptions options(&owner);
    T_AM2000_Colors changed;
    changed.SetValueAt(T_AM2000_Colors::Highlight, clGreen);

    options.SetColors(&changed);
    EXPECT_EQ(options.Colors()->ValueAt(T_AM2000_Colors::Highlight), clGreen);
    EXPECT_NE(options.Colors(), &changed) << "the group is copied, not taken";
    EXPECT_FALSE(options.ParentColors());
    EXPECT_EQ(owner.refreshes, 1);

    const T_AM2000_Colors defaults;
    options.SetColors(&defaults);
    EXPECT_TRUE(options.ParentColors());
    EXPECT_TRUE(options.Colors()->IsDefault());

    options.SetColors(&changed);
    options.SetColors(nullptr);
    EXPECT_FALSE(options.HasGroup(T_AM2000_GroupKind::Colors));
    EXPECT_TRUE(options.ParentColors());
    EXPECT_TRUE(options.Colors()->IsDefault()) << "read again, the group is new";

    T_AM2000_Title title;
    title.SetVisible(true);
    options.SetTitle(&title);
    EXPECT_TRUE(options.Title()->Visible());
    EXPECT_FALSE(options.ParentTitle());
}

TEST(MenuOptionGroups, ItemOptionsAreDefaultOnlyWithEveryParentFlagSet)
{
    T_AM2000_ItemOptions options;
    EXPECT_TRUE(options.HasDefaults());
    options.SetParentSkin(false);
    EXPECT_FALSE(options.HasDefaults()) << "a cleared flag alone counts";

    T_AM2000_MenuOptions menuOptions;
    menuOptions.SetParentSkin(false);
    EXPECT_TRUE(menuOptions.HasDefaults()) << "menu options have no published Parent flags";
    menuOptions.SetDraggable(true);
    EXPECT_FALSE(menuOptions.HasDefaults());
}

TEST(MenuOptionGroups, AGroupChangedUnderItsParentFlagDoesNotCountAsOwn)
{
    T_AM2000_ItemOptions options;
    options.Margins()->SetValueAt(T_AM2000_Margins::Item, 20);
    options.SetParentMargins(true);
    EXPECT_FALSE(options.HasOwnGroup(T_AM2000_GroupKind::Margins));
    EXPECT_TRUE(options.HasDefaults());
}

TEST(MenuOptionGroups, OpacityOutsideOneToAHundredIsRefused)
{
    T_AM2000_MenuOptions options;
    try {
        options.SetOpacity(0);
        FAIL() << "no error";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Value must be between 1 and 100."));
    }
    EXPECT_EQ(options.Opacity(), 100);
    options.SetOpacity(1);
    EXPECT_EQ(options.Opacity(), 1);
}

TEST(MenuOptionGroups, ATitleChangeDropsTheRenderedStrip)
{
    T_AM2000_Title title;
    title.SetCachedStrip(std::make_unique<TBitmap>(5, 40));
    ASSERT_NE(title.CachedStrip(), nullptr);
    title.Font()->SetHeight(-13);
    EXPECT_EQ(title.CachedStrip(), nullptr);

    title.SetCachedStrip(std::make_unique<TBitmap>(5, 40));
    title.SetGradient(T_AM2000_Gradient::grDualVertical);
    EXPECT_EQ(title.CachedStrip(), nullptr);
}

TEST(MenuOptionGroups, AssigningAnEqualTitleKeepsTheRenderedStrip)
{
    T_AM2000_Title source;
    source.SetText(QStringLiteral("Menu"));
    T_AM2000_Title title;
    title.Assign(&source);
    title.SetCachedStrip(std::make_unique<TBitmap>(5, 40));
    title.Assign(&source);
    EXPECT_NE(title.CachedStrip(), nullptr);
    source.SetWidth(7);
    title.Assign(&source);
    EXPECT_EQ(title.CachedStrip(), nullptr);
    EXPECT_EQ(title.Width(), 7);
}

TEST(MenuOptionGroups, ASkinWithOnlyACornerSizeIsNotEmpty)
{
    T_AM2000_ItemOptions options;
    options.Skin()->SetItemCornerHeight(3);
    EXPECT_FALSE(options.Skin()->IsEmpty());
    EXPECT_FALSE(options.ParentSkin());

    TBitmap background(8, 8);
    options.Skin()->SetValueAt(T_AM2000_Skin::Background, &background);
    EXPECT_EQ(options.Skin()->ValueAt(T_AM2000_Skin::Background)->Width(), 8);
    EXPECT_NE(options.Skin()->ValueAt(T_AM2000_Skin::Background), &background);
}
