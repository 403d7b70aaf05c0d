#include "Exception.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_ButtonArrayControl.h"
#include "T_AM2000_ButtonControl.h"
#include "T_AM2000_CaptionParts.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_TextControl.h"

#include <gtest/gtest.h>

namespace {

template <typename F> QString ErrorOf(F&& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(MenuItem2000, AGlyphCountOutsideOneToFourIsRefusedAndNothingChanges)
{
    TMenuItem2000 item(nullptr);
    item.SetNumGlyphs(3);
    EXPECT_EQ(ErrorOf([&] { item.SetNumGlyphs(5); }),
              QStringLiteral("Value must be between 1 and 4."));
    EXPECT_EQ(ErrorOf([&] { item.SetNumGlyphs(0); }),
              QStringLiteral("Value must be between 1 and 4."));
    EXPECT_EQ(item.NumGlyphs(), 3);
    item.SetNumGlyphs(4);
    EXPECT_EQ(item.NumGlyphs(), 4);
}

TEST(MenuItem2000, AShortcutIsGivenAsTextAndParsedToAKeyCode)
{
    TMenuItem2000 item(nullptr);
    item.SetShortCutText(QStringLiteral("Ctrl+S"));
    EXPECT_EQ(item.ShortCut(), TShortCut(scCtrl | 'S'));
    EXPECT_EQ(ErrorOf([&] { item.SetShortCutText(QStringLiteral("Ctrl+Whatever")); }),
              QStringLiteral("Invalid shortcut: 'Ctrl+Whatever'"));
    EXPECT_EQ(item.ShortCutText(), QStringLiteral("Ctrl+S")) << "the old shortcut stays";
    EXPECT_EQ(item.ShortCut(), TShortCut(scCtrl | 'S'));

    item.SetShortCutText(QString(QChar(1)));
    EXPECT_EQ(item.ShortCut(), scNone) << "code 1 stands for no shortcut";
    item.SetShortCutText(QString());
    EXPECT_EQ(item.ShortCut(), scNone);
}

TEST(MenuItem2000, AskingForAControlOfAnotherTypeNamesTheItem)
{
    TComponent form(nullptr);
    TMenuItem2000 item(&form);
    item.SetName(QStringLiteral("Colours1"));
    EXPECT_EQ(ErrorOf([&] { item.ButtonArrayControl(); }),
              QStringLiteral("Colours1: This is not a Button Array control"));
    EXPECT_EQ(ErrorOf([&] { item.ButtonControl(); }),
              QStringLiteral("Colours1: This is not a Button control"));
    EXPECT_EQ(ErrorOf([&] { item.EditControl(); }),
              QStringLiteral("Colours1: This is not an Editbox control"));

    item.SetControl(T_AM2000_MenuControlType::ctlEditbox);
    EXPECT_EQ(item.EditControl()->Color(), clWindow);
    EXPECT_EQ(ErrorOf([&] { item.ButtonControl(); }),
              QStringLiteral("Colours1: This is not a Button control"));
    item.SetControl(T_AM2000_MenuControlType::ctlButtonArray);
    EXPECT_EQ(item.ButtonArrayControl()->ItemIndex(), -1);
    EXPECT_NE(dynamic_cast<T_AM2000_ButtonArrayControl*>(item.ControlOptions()), nullptr);
}

TEST(MenuItem2000, ChangesOfAnItemReachItsMenu)
{
    std::vector<std::pair<TMenuItem*, bool>> changes; // outlives the items, which tell on going
    TComponent form(nullptr);
    TMainMenu2000 menu(&form);
    TMenuItem2000 top(&form);
    TMenuItem2000 sub(&form);
    menu.OnChange = [&changes](TObject*, TMenuItem* item, bool rebuild) {
        changes.emplace_back(item, rebuild);
    };
    menu.Items()->Add(&top);
    top.Add(&sub);
    sub.SetCaption(QStringLiteral("Copy"));
    sub.Options()->Colors()->SetValueAt(T_AM2000_Colors::Menu, clRed);
    sub.SetControl(T_AM2000_MenuControlType::ctlText);
    static_cast<T_AM2000_TextControl*>(sub.ControlOptions())->Font()->SetHeight(-20);

    const std::vector<std::pair<TMenuItem*, bool>> expected = {{menu.Items(), true}, {&top, true},
                                                               {&sub, false},        {&sub, false},
                                                               {&sub, false},        {&sub, false}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(sub.ParentItem(), &top);
    EXPECT_EQ(sub.GetParentMenu(), &menu);
}

TEST(MenuItem2000, AnItemCannotBecomeItsOwnSubItem)
{
    TMenuItem2000 top(nullptr);
    TMenuItem2000 sub(nullptr);
    top.Add(&sub);
    EXPECT_THROW(sub.Add(&top), EInvalidOperation);
    EXPECT_THROW(top.Add(&top), EInvalidOperation);
    EXPECT_THROW(top.Insert(5, &sub), EListError);
    EXPECT_EQ(sub.Parent(), &top) << "a refused move leaves the item where it was";
    EXPECT_EQ(top.Count(), 1);
}

TEST(MenuItem2000, FreeingAParentItemDetachesItsSubItems)
{
    TMenuItem2000 sub(nullptr);
    {
        TMenuItem2000 top(nullptr);
        top.Add(&sub);
    }
    EXPECT_EQ(sub.Parent(), nullptr);
}

TEST(MenuCaptionParts, ATabOrBackslashASplitsOffTheRightText)
{
    const T_AM2000_CaptionParts tab(QStringLiteral("Copy\tCtrl+C"));
    EXPECT_EQ(tab.Lines(), QStringList{QStringLiteral("Copy")});
    EXPECT_EQ(tab.RightText(), QStringLiteral("Ctrl+C"));

    const T_AM2000_CaptionParts escaped(QStringLiteral("Copy\\aCtrl+C"));
    EXPECT_EQ(escaped.Lines(), QStringList{QStringLiteral("Copy")});
    EXPECT_EQ(escaped.RightText(), QStringLiteral("Ctrl+C"));

    const T_AM2000_CaptionParts literal(QStringLiteral("Copy\\aCtrl+C"), false);
    EXPECT_EQ(literal.Lines(), QStringList{QStringLiteral("Copy\\aCtrl+C")});
    EXPECT_TRUE(literal.RightText().isEmpty());

    const T_AM2000_CaptionParts first(QStringLiteral("A\\aB\tC"));
    EXPECT_EQ(first.RightText(), QStringLiteral("B\tC")) << "only the first separator splits";
}

TEST(MenuCaptionParts, CarriageReturnsAndBackslashNStartNewLines)
{
    const T_AM2000_CaptionParts parts(QStringLiteral("One\rTwo\\nThree\tF5"));
    EXPECT_EQ(parts.Lines(),
              (QStringList{QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}));
    EXPECT_EQ(parts.RightText(), QStringLiteral("F5"));
    EXPECT_EQ(T_AM2000_CaptionParts(QString()).Lines(), QStringList{QString()});
    EXPECT_EQ(T_AM2000_CaptionParts(QStringLiteral("网络类")).Lines(),
              QStringList{QStringLiteral("网络类")});
}
