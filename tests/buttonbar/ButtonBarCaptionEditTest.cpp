#include "ButtonBarSupport.h"
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

    BarForm bar{3};
    QRect sawEditor;
    QString sawText;
    std::pair<TColor, TColor> sawColours;
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

TEST_F(CaptionEdit, WhileEditingTheButtonsIgnoreClicks)
{
    EditWith([this](TabcInPlaceEdit* editor) {
        EXPECT_TRUE(bar.bar->Editing());
        QTest::mouseClick(bar.Button(2), Qt::LeftButton, {}, QPoint(10, 10));
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
