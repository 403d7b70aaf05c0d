#include "ButtonBarSupport.h"
#include "PointerEvents.h"
#include "TabcInPlaceEdit.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

// Right-clicks a page button and, once the editor is up, runs the answer on it.
class CaptionEdit : public ::testing::Test {
protected:
    void EditWith(std::function<void(TabcInPlaceEdit*)> answer, int button = 0)
    {
        QTimer::singleShot(0, [this, answer] {
            TabcInPlaceEdit* editor = TabcInPlaceEdit::Editor();
            ASSERT_NE(editor, nullptr);
            ASSERT_TRUE(editor->isVisible());
            sawEditor = editor->BoundsRect();
            sawText = editor->Text();
            sawColours = {editor->Color(), editor->Font()->Color()};
            answer(editor);
        });
        QTest::mouseClick(bar.Button(button), Qt::RightButton, {}, QPoint(10, 10));
    }
    static void Type(TabcInPlaceEdit* editor, const QString& text, Qt::Key key)
    {
        QWidget* input = editor->focusProxy();
        QTest::keyClicks(input, text);
        QTest::keyClick(input, key);
    }
    // After what should have ended the edit: notes whether it is still open, and ends it
    // with Escape then, so that a failing test does not wait for ever.
    void GiveUpIfStillOpen(TabcInPlaceEdit* editor)
    {
        stillOpen = editor->isVisible();
        if (stillOpen)
            Type(editor, QString(), Qt::Key_Escape);
    }

    BarForm bar{3};
    QRect sawEditor;
    QString sawText;
    std::pair<TColor, TColor> sawColours;
    bool stillOpen = false;
};

} // namespace

TEST_F(CaptionEdit, ReturnRenamesThePageAfterOnRenameHadItsSay)
{
    QString renamedTo;
    bar.Page(0)->OnRename = [&](TObject* sender, QString& caption) {
        EXPECT_EQ(sender, bar.Page(0));
        renamedTo = caption;
        caption += QStringLiteral("!");
    };
    EditWith(
        [](TabcInPlaceEdit* editor) { Type(editor, QStringLiteral("Icons"), Qt::Key_Return); });
    EXPECT_EQ(sawText, QStringLiteral("Page1"));
    EXPECT_EQ(sawEditor, bar.Button(0)->BoundsRect())
        << "over the button (bar at the form's origin)";
    EXPECT_EQ(sawColours, std::make_pair(clWindow, clBlack));
    EXPECT_EQ(renamedTo, QStringLiteral("Icons"));
    EXPECT_EQ(bar.Page(0)->Caption(), QStringLiteral("Icons!"));
    EXPECT_EQ(bar.Button(0)->Caption(), QStringLiteral("Icons!"));
    EXPECT_FALSE(bar.bar->Editing());
    EXPECT_FALSE(TabcInPlaceEdit::Editor()->isVisible());
}

TEST_F(CaptionEdit, EscapeTabAndLeavingTheEditorKeepTheOldCaption)
{
    bool renamed = false;
    bar.Page(1)->OnRename = [&](TObject*, QString&) { renamed = true; };
    EditWith([](TabcInPlaceEdit* editor) { Type(editor, QStringLiteral("x"), Qt::Key_Escape); }, 1);
    EditWith([](TabcInPlaceEdit* editor) { Type(editor, QStringLiteral("y"), Qt::Key_Tab); }, 1);
    EditWith(
        [this](TabcInPlaceEdit* editor) {
            QTest::keyClicks(editor->focusProxy(), QStringLiteral("z"));
            bar.bar->SetFocus();
        },
        1);
    EXPECT_FALSE(renamed);
    EXPECT_EQ(bar.Page(1)->Caption(), QStringLiteral("Page2"));
    EXPECT_FALSE(bar.bar->Editing());
}

TEST_F(CaptionEdit, APressOnAnotherButtonEndsTheEditAndThenDoesItsWork)
{
    bool renamed = false;
    bar.Page(0)->OnRename = [&](TObject*, QString&) { renamed = true; };
    EditWith([this](TabcInPlaceEdit* editor) {
        QTest::keyClicks(editor->focusProxy(), QStringLiteral("x"));
        QTest::mouseClick(bar.Button(2), Qt::LeftButton, {}, QPoint(10, 10));
        GiveUpIfStillOpen(editor);
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_FALSE(renamed);
    EXPECT_EQ(bar.Page(0)->Caption(), QStringLiteral("Page1"));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "the click opened its page";
    EXPECT_FALSE(bar.bar->Editing());
    EXPECT_FALSE(TabcInPlaceEdit::Editor()->isVisible());
}

// Presses on what takes no focus: the form beside the bar, and another window of the
// program.
TEST_F(CaptionEdit, APressAnywhereOutsideTheEditorKeepsTheOldCaption)
{
    TForm other(nullptr);
    other.SetBounds(400, 10, 100, 100);
    other.Show();
    const std::pair<QWidget*, QPoint> presses[] = {{bar.form.get(), QPoint(250, 50)},
                                                   {&other, QPoint(50, 50)}};
    for (const auto& [elsewhere, at] : presses) {
        EditWith([this, elsewhere, at](TabcInPlaceEdit* editor) {
            QTest::keyClicks(editor->focusProxy(), QStringLiteral("x"));
            QTest::mouseClick(elsewhere, Qt::LeftButton, {}, at);
            GiveUpIfStillOpen(editor);
        });
        EXPECT_FALSE(stillOpen);
        EXPECT_EQ(sawText, QStringLiteral("Page1"));
        EXPECT_EQ(bar.Page(0)->Caption(), QStringLiteral("Page1"));
        EXPECT_FALSE(TabcInPlaceEdit::Editor()->isVisible());
        EXPECT_FALSE(bar.bar->Editing());
    }
}

TEST_F(CaptionEdit, APressInsideTheEditorKeepsEditing)
{
    EditWith([](TabcInPlaceEdit* editor) {
        QWidget* input = editor->focusProxy();
        QTest::keyClicks(input, QStringLiteral("ab"));
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(editor->isVisible());
        QTest::keyClick(input, Qt::Key_End);
        QTest::keyClicks(input, QStringLiteral("c"));
        QTest::keyClick(input, Qt::Key_Return);
    });
    EXPECT_EQ(bar.Page(0)->Caption(), QStringLiteral("abc"));
}

// The right press that ends the first edit starts the second; each keeps its own answer.
TEST_F(CaptionEdit, ARightClickOnAnotherButtonEditsThatOneInstead)
{
    bool secondSeen = false;
    EditWith([this, &secondSeen](TabcInPlaceEdit* editor) {
        QTest::keyClicks(editor->focusProxy(), QStringLiteral("first"));
        QTimer::singleShot(0, [&secondSeen] {
            TabcInPlaceEdit* second = TabcInPlaceEdit::Editor();
            secondSeen = second->isVisible() && second->Text() == QStringLiteral("Page2");
            Type(second, QStringLiteral("Second"), Qt::Key_Return);
        });
        QTest::mouseClick(bar.Button(1), Qt::RightButton, {}, QPoint(10, 10));
        GiveUpIfStillOpen(editor);
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(secondSeen);
    EXPECT_EQ(bar.Page(0)->Caption(), QStringLiteral("Page1"));
    EXPECT_EQ(bar.Page(1)->Caption(), QStringLiteral("Second"));
    EXPECT_FALSE(bar.bar->Editing());
}

TEST_F(CaptionEdit, WhileEditingHotTrackingOpensNothing)
{
    bar.bar->SetOptions({TabcButtonBarOption::abbHotTrack, TabcButtonBarOption::abbInPlaceEdit});
    EditWith([this](TabcInPlaceEdit* editor) {
        EXPECT_TRUE(bar.bar->Editing());
        SendEnter(bar.Button(2));
        EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
        Type(editor, QString(), Qt::Key_Escape);
    });
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
}

TEST_F(CaptionEdit, WithoutInPlaceEditARightClickEditsNothing)
{
    bar.bar->SetOptions({TabcButtonBarOption::abbAnimate});
    QTest::mouseClick(bar.Button(0), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(!TabcInPlaceEdit::Editor() || !TabcInPlaceEdit::Editor()->isVisible());
    EXPECT_FALSE(bar.bar->Editing());
}

TEST(CaptionEditLifetime, DestroyingTheBarDuringAnEditLeavesNothingBehind)
{
    BarForm bar(2);
    QPointer<TabcButtonBar> watched(bar.bar);
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(TabcInPlaceEdit::Editor()->isVisible());
        delete watched.data();
    });
    // Only the press: the button is gone by the time a release could come.
    QTest::mousePress(bar.Button(0), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(watched.isNull());
    ASSERT_NE(TabcInPlaceEdit::Editor(), nullptr);
    EXPECT_FALSE(TabcInPlaceEdit::Editor()->isVisible()) << "the edit ended with its button";
}

TEST(CaptionEditLifetime, ClosingTheFormDuringAnEditLeavesNothingBehind)
{
    auto bar = std::make_unique<BarForm>(2);
    TabcBarBtn* button = bar->Button(0);
    QTimer::singleShot(0, [&] { bar->form.reset(); });
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(TabcInPlaceEdit::Editor(), nullptr) << "the editor went with its form";
}
