#pragma once

#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Entries of a drop-down laid out with default options and font, measured on a bitmap
// canvas: the base of the layout tests.
class DropDownLayoutTest : public ::testing::Test {
protected:
    DropDownLayoutTest() { measure.Canvas()->SetFont(&font); }

    TMenuItem2000* Item(const QString& caption)
    {
        items.push_back(std::make_unique<TMenuItem2000>(nullptr));
        items.back()->SetCaption(caption);
        entries.push_back(items.back().get());
        return items.back().get();
    }
    int TextWidth(const QString& text) const { return measure.Canvas()->TextWidth(text); }
    // With the default Item margin 0: the text height of "Hj" plus 7.
    int LineHeight() const { return measure.Canvas()->TextHeight(QStringLiteral("Hj")) + 7; }

    T_AM2000_MenuOptions options;
    TFont font;
    TBitmap measure{1, 1};
    T_AM2000_DropDownLayout layout{options, font, nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> items;
    std::vector<TMenuItem2000*> entries;
};
