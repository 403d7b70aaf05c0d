#include "Exception.h"
#include "MenuStateTestSupport.h"
#include "TMenuStateWriter.h"

namespace {

using MenuStateStoring = MenuStateTest;

} // namespace

TEST_F(MenuStateStoring, AnItemKeepsWhatDiffersFromItsLayoutWithItsLastUse)
{
    Store(QString(), QStringLiteral("Open1"), QStringLiteral("LastTimeUsed=12"));
    LoadMenu();
    now += 65000;
    TMenuItem2000* save = Item("Save1");
    save->SetCaption(QStringLiteral("Save all"));
    Item("Edit1")->Insert(0, save);
    TMenuStateWriter::StoreItem(save, false);
    EXPECT_EQ(Stored(QString(), QStringLiteral("Save1")),
              QStringLiteral("Parent=\"Edit1\";MenuIndex=0;Caption=\"Save all\";LastTimeUsed=65"));
    TMenuStateWriter::StoreItem(Item("Open1"), false);
    EXPECT_EQ(Stored(QString(), QStringLiteral("Open1")), QStringLiteral("LastTimeUsed=65"));

    // The next run puts it back where this one left it.
    LoadMenu();
    EXPECT_EQ(Captions(Item("Edit1")), (QStringList{"Save all", "Copy", "Paste"}));
}

TEST_F(MenuStateStoring, ItemsWithoutANameAreCountedUnderTheirParent)
{
    LoadMenu();
    auto* recent = new TMenuItem2000(form.get());
    recent->SetCaption(QStringLiteral("Recent"));
    Item("File1")->Add(recent);
    TMenuStateWriter::StoreItem(recent, false);
    TMenuStateWriter::StoreItem(recent, false);
    EXPECT_EQ(Stored(QStringLiteral("New Menu Items\\File1"), QStringLiteral("Count")),
              QStringLiteral("2"));
    EXPECT_EQ(Stored(QStringLiteral("New Menu Items\\File1"), QStringLiteral("1")),
              QStringLiteral("Parent=\"File1\";MenuIndex=4;Caption=\"Recent\";LastTimeUsed=0"));
}

TEST_F(MenuStateStoring, WithChildrenEverySubItemIsStoredToo)
{
    LoadMenu();
    Item("Copy1")->SetVisible(false);
    TMenuStateWriter::StoreItem(Item("Edit1"), true);
    EXPECT_EQ(Stored(QString(), QStringLiteral("Edit1")), QStringLiteral("LastTimeUsed=0"));
    EXPECT_EQ(Stored(QString(), QStringLiteral("Copy1")),
              QStringLiteral("Visible=0;LastTimeUsed=0"));
    EXPECT_EQ(Stored(QString(), QStringLiteral("Paste1")), QStringLiteral("LastTimeUsed=0"));
    EXPECT_EQ(Stored(QString(), QStringLiteral("Save1")), QString());
}

TEST_F(MenuStateStoring, OnlyItemsOfTheMenuSystemCanBeStored)
{
    LoadMenu();
    auto* plain = new TMenuItem(form.get());
    plain->SetName(QStringLiteral("Plain1"));
    Item("File1")->Add(plain);
    try {
        TMenuStateWriter::StoreItem(Item("File1"), true);
        ADD_FAILURE() << "a platform item was stored";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("Only items of type TMenuItem2000 can be stored"));
    }
}

TEST_F(MenuStateStoring, UnderADevelopmentEnvironmentNothingIsStored)
{
    LoadMenu();
    TMenuStorage::Instance().Start(QStringLiteral("DEVENV.EXE"));
    TMenuStateWriter::StoreItem(Item("Save1"), false);
    EXPECT_FALSE(TRegistry().KeyExists(MenuKey()));
}
