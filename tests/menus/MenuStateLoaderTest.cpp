#include "MenuStateTestSupport.h"
#include "T_AM2000_MenuOptions.h"

namespace {

using MenuStateLoading = MenuStateTest;

T_AM2000_Flags Flags(const TMainMenu2000* menu)
{
    return menu->Options()->Flags();
}

} // namespace

TEST_F(MenuStateLoading, ACleanProfileAppliesNothingAndGetsAnEmptyMenuKey)
{
    LoadMenu();
    EXPECT_EQ(menu->Options()->Animation(), T_AM2000_Animation::anVertStretch);
    EXPECT_EQ(Flags(menu),
              (T_AM2000_Flags{T_AM2000_Flag::mfDropShadow, T_AM2000_Flag::mfSoftColors}));
    EXPECT_EQ(Captions(Item("File1")), (QStringList{"Open", "Save", "-", "Exit"}));

    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(MenuKey(), false));
    EXPECT_TRUE(registry.GetValueNames().isEmpty());
    EXPECT_TRUE(registry.GetKeyNames().isEmpty());
}

TEST_F(MenuStateLoading, AStoredAnimationNameReplacesTheLayoutsAnimation)
{
    const std::pair<const char*, T_AM2000_Animation> cases[] = {
        {"anFade", T_AM2000_Animation::anFade},
        {"anDoubleRoll", T_AM2000_Animation::anDoubleRoll},
        // Names compare exactly; any other text is the first kind.
        {"anfade", T_AM2000_Animation::anNone},
        {"Sparkle", T_AM2000_Animation::anNone},
        // An empty value is no value.
        {"", T_AM2000_Animation::anVertStretch},
    };
    for (const auto& [name, animation] : cases) {
        Store(QStringLiteral("Options"), QStringLiteral("Animation"), QLatin1String(name));
        LoadMenu();
        EXPECT_EQ(menu->Options()->Animation(), animation) << name;
    }
}

TEST_F(MenuStateLoading, StoredFlagsTurnTheLayoutsFlagsOnAndOff)
{
    Store(QStringLiteral("Options"), QStringLiteral("mfDropShadow"), QStringLiteral("0"));
    Store(QStringLiteral("Options"), QStringLiteral("mfXpControls"), QStringLiteral("7"));
    Store(QStringLiteral("Options"), QStringLiteral("mfStandardAlign"), QString());
    Store(QStringLiteral("Options"), QStringLiteral("mfBitmapShadow"), QStringLiteral("yes"));
    const std::string warnings = LoadMenuCapturingWarnings();
    EXPECT_EQ(Flags(menu),
              (T_AM2000_Flags{T_AM2000_Flag::mfSoftColors, T_AM2000_Flag::mfXpControls}));
    EXPECT_NE(warnings.find("mfBitmapShadow=yes"), std::string::npos) << warnings;
}

TEST_F(MenuStateLoading, ItemStateStringsMoveHideAndRenameItems)
{
    Store(QString(), QStringLiteral("Save1"),
          QStringLiteral("Hidden=1;Caption=\"Save; \"all\" now\""));
    Store(QString(), QStringLiteral("Exit1"), QStringLiteral("Parent=\"Edit1\";MenuIndex=0"));
    Store(QString(), QStringLiteral("Paste1"), QStringLiteral("ShortCut=\"Ctrl+V\";Visible=0"));
    Store(QString(), QStringLiteral("Open1"), QStringLiteral("MenuIndex=99"));
    // Names that are not items of the menu's tree are no parents to move under.
    Store(QString(), QStringLiteral("Copy1"), QStringLiteral("Parent=\"MainMenu1\""));
    // The root takes an item whose stored parent is empty.
    Store(QString(), QStringLiteral("Line1"), QStringLiteral("Parent=\"\";MenuIndex=1"));
    LoadMenu();

    EXPECT_EQ(Captions(Item("File1")), (QStringList{"Save; \"all\" now", "Open"}));
    EXPECT_TRUE(Item("Save1")->Hidden());
    EXPECT_EQ(Item("Save1")->ShortCutText(), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(Captions(Item("Edit1")), (QStringList{"Exit", "Copy", "Paste"}));
    EXPECT_EQ(Item("Paste1")->ShortCutText(), QStringLiteral("Ctrl+V"));
    EXPECT_FALSE(Item("Paste1")->Visible());
    EXPECT_TRUE(Item("Copy1")->Visible());
    EXPECT_EQ(Captions(menu->Items()), (QStringList{"File", "-", "Edit"}));
}

TEST_F(MenuStateLoading, AnItemNeverGoesUnderItselfOrItsOwnSubItems)
{
    Store(QString(), QStringLiteral("File1"), QStringLiteral("Parent=\"Save1\""));
    Store(QString(), QStringLiteral("Edit1"),
          QStringLiteral("Parent=\"Edit1\";Caption=\"Changed\""));
    const std::string warnings = LoadMenuCapturingWarnings();
    EXPECT_EQ(Captions(menu->Items()), (QStringList{"File", "Changed"}));
    EXPECT_EQ(Captions(Item("File1")), (QStringList{"Open", "Save", "-", "Exit"}));
    EXPECT_NE(warnings.find("Parent=\"Save1\""), std::string::npos) << warnings;
}

TEST_F(MenuStateLoading, NewMenuItemsAreAddedAfterTheItemsChildren)
{
    Store(QStringLiteral("New Menu Items\\File1"), QStringLiteral("Count"), QStringLiteral("2"));
    Store(QStringLiteral("New Menu Items\\File1"), QStringLiteral("0"),
          QStringLiteral("Caption=\"Recent\""));
    Store(QStringLiteral("New Menu Items\\File1"), QStringLiteral("1"),
          QStringLiteral("Caption=\"Older\";Hidden=1"));
    // Added under Open1, then moved by its own state string to the end of Edit1.
    Store(QStringLiteral("New Menu Items\\Open1"), QStringLiteral("Count"), QStringLiteral("1"));
    Store(QStringLiteral("New Menu Items\\Open1"), QStringLiteral("0"),
          QStringLiteral("Parent=\"Edit1\";MenuIndex=5;Caption=\"Find\""));
    // A key for an item the menu does not have adds nothing.
    Store(QStringLiteral("New Menu Items\\Gone1"), QStringLiteral("Count"), QStringLiteral("3"));
    LoadMenu();

    const TMenuItem* file = Item("File1");
    EXPECT_EQ(Captions(file), (QStringList{"Open", "Save", "-", "Exit", "Recent", "Older"}));
    EXPECT_TRUE(dynamic_cast<TMenuItem2000*>(file->Items(5))->Hidden());
    EXPECT_EQ(file->Items(4)->Owner(), form.get());
    EXPECT_EQ(Captions(Item("Edit1")), (QStringList{"Copy", "Paste", "Find"}));
    EXPECT_EQ(Item("Open1")->Count(), 0);
}

TEST_F(MenuStateLoading, AMalformedIndexOrCountIsSkippedWithAWarningAndTheRestApplies)
{
    Store(QString(), QStringLiteral("Save1"), QStringLiteral("MenuIndex=x1;Caption=\"Kept\""));
    Store(QString(), QStringLiteral("Exit1"), QStringLiteral("MenuIndex=-1;Hidden=1"));
    Store(QStringLiteral("New Menu Items\\Edit1"), QStringLiteral("Count"), QStringLiteral("many"));
    Store(QStringLiteral("New Menu Items\\Edit1"), QStringLiteral("0"),
          QStringLiteral("Caption=\"X\""));
    Store(QStringLiteral("New Menu Items\\File1"), QStringLiteral("Count"),
          QStringLiteral("100000000"));
    Store(QStringLiteral("Options"), QStringLiteral("Animation"), QStringLiteral("anFade"));
    const std::string warnings = LoadMenuCapturingWarnings();

    EXPECT_EQ(Captions(Item("File1")), (QStringList{"Open", "Kept", "-", "Exit"}));
    EXPECT_TRUE(Item("Exit1")->Hidden());
    EXPECT_EQ(Captions(Item("Edit1")), (QStringList{"Copy", "Paste"}));
    EXPECT_EQ(menu->Options()->Animation(), T_AM2000_Animation::anFade);
    const std::string menuKey = MenuKey().mid(1).toStdString();
    for (const std::string& expected :
         {"MenuIndex=x1 in " + menuKey + "\\Save1", "MenuIndex=-1 in " + menuKey + "\\Exit1",
          "Count=many in " + menuKey + "\\New Menu Items\\Edit1", std::string("Count=100000000")})
        EXPECT_NE(warnings.find(expected), std::string::npos) << expected << " in:\n" << warnings;
}

TEST_F(MenuStateLoading, UnderADevelopmentEnvironmentNothingIsAppliedOrCreated)
{
    TMenuStorage::Instance().Start(QStringLiteral("/opt/ide/DEVENV.EXE"));
    Store(QStringLiteral("Options"), QStringLiteral("Animation"), QStringLiteral("anFade"));
    Store(QString(), QStringLiteral("Save1"), QStringLiteral("Caption=\"Stored\""));
    LoadMenu();
    EXPECT_EQ(menu->Options()->Animation(), T_AM2000_Animation::anVertStretch);
    EXPECT_EQ(Item("Save1")->Caption(), QStringLiteral("Save"));
    EXPECT_EQ(Stored(QString(), QStringLiteral("Save1")), QStringLiteral("Caption=\"Stored\""));
}

TEST_F(MenuStateLoading, ADamagedSettingsFileLeavesTheLayoutsValues)
{
    const QByteArray broken("[Software\nZentuvio\\AnimatedMenus\\MenuOrder\\zentuvio\\MainMenu1"
                            "\\Options\\Animation=anFade\n");
    ASSERT_NO_FATAL_FAILURE(WriteUserSettingsFile(broken));

    const std::string warnings = LoadMenuCapturingWarnings();
    EXPECT_EQ(menu->Options()->Animation(), T_AM2000_Animation::anVertStretch);
    EXPECT_NE(warnings.find(TRegistry::UserFileName().toStdString()), std::string::npos)
        << warnings;
    EXPECT_EQ(UserSettingsFileText(), broken);
}
