#include "TMenuItemState.h"

#include <gtest/gtest.h>

TEST(MenuItemStateString, FieldsAreWrittenInOrderAndOnlyWhereTheyDifferFromTheLayout)
{
    TMenuItemState layout;
    layout.hidden = false;
    layout.parent = QStringLiteral("File1");
    layout.menuIndex = 1;
    layout.shortCut = QStringLiteral("Ctrl+S");
    layout.visible = true;
    layout.caption = QStringLiteral("Save");
    EXPECT_EQ(layout.Build(layout), QString());

    TMenuItemState state = layout;
    state.lastTimeUsed = 3600;
    state.caption = QStringLiteral("Save; \"all\" now");
    state.visible = false;
    state.menuIndex = 4;
    state.hidden = true;
    EXPECT_EQ(state.Build(layout),
              QStringLiteral("Hidden=1;MenuIndex=4;Visible=0;Caption=\"Save; \"all\" now\";"
                             "LastTimeUsed=3600"));

    const TMenuItemState read = TMenuItemState::Parse(state.Build(layout));
    EXPECT_EQ(read.hidden, state.hidden);
    EXPECT_EQ(read.menuIndex, state.menuIndex);
    EXPECT_EQ(read.visible, state.visible);
    EXPECT_EQ(read.caption, state.caption);
    EXPECT_EQ(read.lastTimeUsed, state.lastTimeUsed);
    EXPECT_FALSE(read.parent || read.shortCut);
}

TEST(MenuItemStateString, ValuesThatCannotBeUsedAreLeftOut)
{
    QStringList malformed;
    const TMenuItemState state = TMenuItemState::Parse(
        QStringLiteral("Hidden=yes;Visible=1x;MenuIndex=2a;LastTimeUsed=-5;Colour=\"red\";"
                       "ShortCut=\"\";Caption=\"open"),
        &malformed);
    EXPECT_FALSE(state.hidden);
    EXPECT_EQ(state.visible, true); // the first character decides
    EXPECT_FALSE(state.menuIndex);
    EXPECT_FALSE(state.lastTimeUsed);
    EXPECT_EQ(state.shortCut, QString());
    // A text without its closing quote runs to the end.
    EXPECT_EQ(state.caption, QStringLiteral("open"));
    EXPECT_EQ(malformed, (QStringList{"MenuIndex=2a", "LastTimeUsed=-5"}));

    for (const char* text : {"", ";;", "=", "Caption=\"", "Caption", "MenuIndex=;Parent=\"A\""}) {
        const TMenuItemState odd = TMenuItemState::Parse(QLatin1String(text));
        EXPECT_FALSE(odd.menuIndex) << text;
    }
    EXPECT_EQ(TMenuItemState::Parse(QStringLiteral("MenuIndex=;Parent=\"A\"")).parent,
              QStringLiteral("A"));
}
