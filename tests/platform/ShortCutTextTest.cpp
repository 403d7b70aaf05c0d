#include "TKeyCodes.h"
#include "TShortCut.h"

#include <gtest/gtest.h>

TEST(ShortCutTextTest, NamesModifiersInThePlatformsOrder)
{
    EXPECT_EQ(ShortCutToText(ShortCut('C', {TShift::ssCtrl})), "Ctrl+C");
    EXPECT_EQ(ShortCutToText(ShortCut('Z', {TShift::ssCtrl, TShift::ssShift, TShift::ssAlt})),
              "Shift+Ctrl+Alt+Z");
    EXPECT_EQ(ShortCutToText(ShortCut(vkBack, {TShift::ssAlt})), "Alt+BkSp");
    EXPECT_EQ(ShortCutToText(ShortCut(vkInsert, {TShift::ssShift})), "Shift+Ins");
    EXPECT_EQ(ShortCutToText(ShortCut(vkDelete, {})), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut(vkF1 + 11, {})), "F12");
    EXPECT_EQ(ShortCutToText(ShortCut('7', {})), "7");
    // Mouse members of a shift state are no modifiers.
    EXPECT_EQ(ShortCut('A', {TShift::ssLeft, TShift::ssDouble}), ShortCut('A', {}));
    EXPECT_EQ(ShortCutToText(scNone), QString());
    EXPECT_EQ(ShortCutToText(ShortCut(0xFF, {TShift::ssCtrl})), QString());
}

TEST(ShortCutTextTest, ReadsBackEveryNamedKeyWithAnyModifiers)
{
    int named = 0;
    for (unsigned short key = 1; key <= 0xFF; ++key) {
        if (KeyNameText(key).isEmpty())
            continue;
        ++named;
        for (TShortCut modifiers : {scNone, scShift, scCtrl, scAlt, TShortCut(scCtrl | scShift),
                                    TShortCut(scShift | scCtrl | scAlt)}) {
            const TShortCut shortCut = TShortCut(modifiers | key);
            EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut)
                << ShortCutToText(shortCut).toStdString();
        }
    }
    EXPECT_EQ(named, 10 + 26 + 24 + 10 + 31);
}

TEST(ShortCutTextTest, ReadsModifiersInAnyOrderAndCase)
{
    const TShortCut ctrlShiftZ = ShortCut('Z', {TShift::ssCtrl, TShift::ssShift});
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+Z"), ctrlShiftZ);
    EXPECT_EQ(TextToShortCut("shift+CTRL+z"), ctrlShiftZ);
    EXPECT_EQ(TextToShortCut("  Ctrl+Shift+Z "), ctrlShiftZ);
    EXPECT_EQ(TextToShortCut("Num +"), ShortCut(0x6B, {}));
    EXPECT_EQ(TextToShortCut("Ctrl+Num +"), ShortCut(0x6B, {TShift::ssCtrl}));
}

TEST(ShortCutTextTest, TextsNamingNoKeyGiveNone)
{
    for (const char* text :
         {"", "Ctrl+", "Ctrl", "Hyper+A", "Ctrl+Shift", "F25", "Ctrl+AB", "A+Ctrl", "\x01"})
        EXPECT_EQ(TextToShortCut(QString::fromUtf8(text)), scNone) << text;
}
