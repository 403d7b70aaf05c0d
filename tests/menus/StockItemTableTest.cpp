#include "StockRows.h"
#include "TKeyCodes.h"
#include "TShortCut.h"
#include "T_AM2000_MenuItemCache.h"

#include <gtest/gtest.h>

namespace {

const T_AM2000_MenuItemCache& Table()
{
    return T_AM2000_MenuItemCache::Instance();
}

QString Text(TShortCut shortCut)
{
    return ShortCutToText(shortCut);
}

} // namespace

TEST(StockItemTableTest, HoldsEveryRowOnceInKeyOrder)
{
    ASSERT_EQ(Table().Count(), 221);
    int withoutGlyph = 0;
    int withHint = 0;
    for (int index = 0; index < Table().Count(); ++index) {
        const T_AM2000_MenuItemCacheItem& row = Table().Row(index);
        EXPECT_EQ(row.KeyIndex(), index);
        if (index > 0) {
            EXPECT_LT(Table().Row(index - 1).Key(), row.Key()) << row.Caption().toStdString();
        }
        withoutGlyph += row.HasGlyph() ? 0 : 1;
        withHint += row.Hint().isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(withoutGlyph, 23);
    EXPECT_EQ(Table().GlyphCount(), 221 - 23);
    EXPECT_EQ(withHint, 122);
    // Added as Print Layout, Print Preview, Printer Setup; the key PRINTERSETUP sorts first.
    EXPECT_LT(Table().Find("Printer Setup")->KeyIndex(), Table().Find("Print Layout")->KeyIndex());
    EXPECT_LT(Table().Find("Print Layout")->KeyIndex(), Table().Find("Print Preview")->KeyIndex());
}

TEST(StockItemTableTest, NumbersGlyphsInTheOrderRowsAreAdded)
{
    int expected = 0;
    for (const T_AM2000_StockRow& stock : StockRows()) {
        const QString caption = QString::fromUtf8(stock.caption);
        EXPECT_EQ(Table().GlyphNumber(caption), stock.hasGlyph ? expected : -1) << stock.caption;
        expected += stock.hasGlyph ? 1 : 0;
    }
    EXPECT_EQ(Table().GlyphNumber("About"), -1);
    EXPECT_EQ(Table().GlyphNumber("Address Book"), 0);
    EXPECT_FALSE(Table().HasGlyph("Save As"));
    EXPECT_TRUE(Table().HasRow("Save As"));
}

TEST(StockItemTableTest, CaptionsFindTheirRowByKey)
{
    const T_AM2000_MenuItemCacheItem* copy = Table().Find("Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Table().Find("&Copy"), copy);
    EXPECT_EQ(Table().Find("copy"), copy);
    EXPECT_EQ(Table().Find("Copy\t" + Text(ShortCut('C', {TShift::ssCtrl}))), copy);
    EXPECT_EQ(Table().Find("Copy\tAnything at all"), copy);

    EXPECT_EQ(T_AM2000_MenuItemCacheItem::KeyOf("&Save As..."), "SAVEAS");
    EXPECT_EQ(Table().Find("Save &As..."), Table().Find("Save As"));
    EXPECT_EQ(Table().Find("what's this"), Table().Find("What's This?"));
    EXPECT_EQ(Table().Find("Mail Recipient (as Attachement)")->Caption(),
              "Mail Recipient (as Attachement)");
    EXPECT_EQ(Table().Find("System Close")->Caption(), "SYSTEMCLOSE");
}

TEST(StockItemTableTest, CaptionsMatchingNoKeyFindNothing)
{
    // The main window's captions, a separator and a caption without letters.
    for (const char* caption : {"【商业类图标】", "网络类", "软件界面展示", "【帮 助】", "关于",
                                "-", "", "&&123", "Cop", "Copyy"}) {
        const QString text = QString::fromUtf8(caption);
        EXPECT_FALSE(Table().HasRow(text)) << caption;
        EXPECT_FALSE(Table().HasGlyph(text)) << caption;
        EXPECT_EQ(Table().GlyphNumber(text), -1) << caption;
        EXPECT_EQ(Table().ItemHint(QString(), text), QString()) << caption;
        EXPECT_EQ(Table().ItemShortCutText(QString(), QString(), text), QString()) << caption;
    }
    // "Copy2" keeps its letters only, so it is the Copy row after all.
    EXPECT_TRUE(Table().HasRow("Copy2"));
}

TEST(StockItemTableTest, StockShortcutsUseThePlatformsKeyNames)
{
    const TShortCut ctrlC = ShortCut('C', {TShift::ssCtrl});
    const TShortCut ctrlIns = ShortCut(vkInsert, {TShift::ssCtrl});
    EXPECT_EQ(Table().Find("Copy")->ShortCutText(), Text(ctrlC) + ";" + Text(ctrlIns));
    EXPECT_EQ(Table().Find("Copy")->ShortCutText(), "Ctrl+C;Ctrl+Ins");
    EXPECT_EQ(Table().Find("Undo")->ShortCutText(), "Ctrl+Z;Alt+" + KeyNameText(vkBack));
    EXPECT_EQ(Table().Find("Redo")->ShortCutText(), "Ctrl+Shift+Z;Alt+Shift+BkSp");
    EXPECT_EQ(Table().Find("Save")->ShortCutText(), "Ctrl+S;Shift+F12;Alt+Shift+F2");
    EXPECT_EQ(Table().Find("Clear")->ShortCutText(), "Del;Shift+Del");
    EXPECT_EQ(Table().Find("Spell Check")->ShortCutText(), "F7");
    EXPECT_EQ(Table().Find("About")->ShortCutText(), QString());

    // Every stock shortcut reads back as the key it names, so an item can take the
    // first one as its shortcut.
    int shortcuts = 0;
    for (int index = 0; index < Table().Count(); ++index) {
        const QString text = Table().Row(index).ShortCutText();
        if (text.isEmpty())
            continue;
        ++shortcuts;
        for (const QString& part : text.split(';'))
            EXPECT_NE(TextToShortCut(part), scNone) << part.toStdString();
    }
    EXPECT_EQ(shortcuts, 34);
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+Z"), ShortCut('Z', {TShift::ssCtrl, TShift::ssShift}));
}

TEST(StockItemTableTest, QuotedHintsAreKeptWordForWord)
{
    const std::pair<const char*, const char*> hints[] = {
        {"Copy", "Copies the selection to the clipboard"},
        {"Open", "Opens an existing document from a file"},
        {"File", "Contains commands for saving documents and opening saved documents"},
        {"Undo", "Reverses the last action"},
        {"SYSTEMCLOSE", "Close the active window and prompts to save the pages"},
        {"SYSTEMMOVE", "Change the window position"},
        {"Cascade", "Arranges the windows as overlapping tiles"},
        {"Tile", "Arranges the windows as nonoverlapping tiles"},
    };
    for (const auto& [caption, hint] : hints)
        EXPECT_EQ(Table().Find(caption)->Hint(), QString::fromUtf8(hint)) << caption;
}

TEST(StockItemTableTest, ItemHintFallsBackToTheStockHintUnlessSuppressed)
{
    const QString cutHint = Table().Find("Cut")->Hint();
    ASSERT_FALSE(cutHint.isEmpty());
    EXPECT_EQ(Table().ItemHint(QString(), "Cut"), cutHint);
    EXPECT_EQ(Table().ItemHint(QString(), "Cu&t\tCtrl+X"), cutHint);
    EXPECT_EQ(Table().ItemHint(T_AM2000_MenuItemCache::NoneText, "Cut"), QString());
    EXPECT_EQ(Table().ItemHint("Own|Own long hint", "Cut"), "Own|Own long hint");
    // A row without a hint gives none.
    EXPECT_EQ(Table().ItemHint(QString(), "Create II"), QString());
    EXPECT_EQ(T_AM2000_MenuItemCache::NoneText, QString(QChar(1)));
}

TEST(StockItemTableTest, ItemShortcutTextPrefersTheItemsOwn)
{
    const QString ctrlK = Text(ShortCut('K', {TShift::ssCtrl}));
    EXPECT_EQ(Table().ItemShortCutText(QString(), QString(), "Copy"), "Ctrl+C;Ctrl+Ins");
    EXPECT_EQ(Table().ItemShortCutText(ctrlK, QString(), "Copy"), ctrlK);
    EXPECT_EQ(Table().ItemShortCutText(QString(), "F9", "Copy"), "F9");
    EXPECT_EQ(Table().ItemShortCutText(ctrlK, "F9", "Copy"), ctrlK);
    EXPECT_EQ(Table().ItemShortCutText(QString(), T_AM2000_MenuItemCache::NoneText, "Copy"),
              QString());
}
