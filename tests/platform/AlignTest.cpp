#include "TForm.h"
#include "TPanel.h"

#include <gtest/gtest.h>

namespace {

TPanel* AddPanel(TForm& form, TWinControl* parent, TAlign align, int size)
{
    auto* panel = new TPanel(&form);
    panel->SetParent(parent);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetWidth(size);
    panel->SetHeight(size);
    panel->SetAlign(align);
    return panel;
}

} // namespace

TEST(Align, PlacesTopAndBottomFirstThenLeftRightThenClient)
{
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    TPanel* client = AddPanel(form, &form, TAlign::alClient, 10);
    TPanel* left = AddPanel(form, &form, TAlign::alLeft, 40);
    TPanel* top = AddPanel(form, &form, TAlign::alTop, 28);
    TPanel* bottom = AddPanel(form, &form, TAlign::alBottom, 7);
    TPanel* right = AddPanel(form, &form, TAlign::alRight, 4);

    EXPECT_EQ(top->BoundsRect(), QRect(0, 0, 300, 28));
    EXPECT_EQ(bottom->BoundsRect(), QRect(0, 193, 300, 7));
    EXPECT_EQ(left->BoundsRect(), QRect(0, 28, 40, 165));
    EXPECT_EQ(right->BoundsRect(), QRect(296, 28, 4, 165));
    EXPECT_EQ(client->BoundsRect(), QRect(40, 28, 256, 165));

    form.SetClientWidth(400);
    EXPECT_EQ(client->Width(), 356) << "resizing the parent aligns again";
    right->SetVisible(false);
    EXPECT_EQ(client->Width(), 360) << "a hidden control takes no room";
}

TEST(Align, ControlsOfOneSideStackInTheOrderOfTheirPositions)
{
    TForm form(nullptr);
    form.SetClientWidth(100);
    form.SetClientHeight(100);
    TPanel* rule = AddPanel(form, &form, TAlign::alTop, 1);
    TPanel* strip = AddPanel(form, &form, TAlign::alNone, 20);
    strip->SetTop(50);
    strip->SetAlign(TAlign::alTop);
    EXPECT_EQ(rule->Top(), 0);
    EXPECT_EQ(strip->Top(), 1);

    rule->SetTop(90); // now below the strip: the strip goes first
    EXPECT_EQ(strip->Top(), 0);
    EXPECT_EQ(rule->Top(), 20);
}

TEST(Align, ClientControlsShareTheSpaceAndTheNewestLiesOnTop)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    TPanel* older = AddPanel(form, &form, TAlign::alClient, 10);
    TPanel* newer = AddPanel(form, &form, TAlign::alClient, 10);
    EXPECT_EQ(older->BoundsRect(), newer->BoundsRect());
    form.show();
    EXPECT_EQ(form.childAt(50, 50), newer);
    older->BringToFront();
    EXPECT_EQ(form.childAt(50, 50), older);
    form.hide();
}

TEST(Align, BevelsAndBorderNarrowTheRoomOfChildren)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    TPanel* outer = AddPanel(form, &form, TAlign::alClient, 10);
    outer->SetBevelOuter(TBevelCut::bvRaised);
    outer->SetBorderWidth(2);
    TPanel* inner = AddPanel(form, outer, TAlign::alClient, 10);
    EXPECT_EQ(inner->BoundsRect(), QRect(3, 3, 194, 94));
}
