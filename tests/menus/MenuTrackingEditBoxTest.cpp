#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_MenuEditor.h"
#include "T_AM2000_MenuKeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// "Open", the edit-box entry "Find" holding "old", "Last"; Find's click records the
// text its box holds then.
class EditBox : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        Add(QStringLiteral("Open"));
        find = Add(QStringLiteral("Find"));
        find->SetControl(T_AM2000_MenuControlType::ctlEditbox);
        find->EditControl()->SetText(QStringLiteral("old"));
        find->OnClick = [this](TObject*) { chosenWith << find->EditControl()->Text(); };
        Add(QStringLiteral("Last"));
        window = Open();
    }
    void StartEditing()
    {
        Click(*window, 1);
        Advance(Timer::PressPause);
    }
    // A key as the desktop delivers it: to the widget with the focus, here a plain one.
    void Type(int key, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&focused, &press);
    }
    QLineEdit* Box() const { return window->findChild<QLineEdit*>(); }

    TMenuItem2000* find = nullptr;
    Form* window = nullptr;
    QStringList chosenWith;
    QWidget focused;
};

} // namespace

TEST_F(EditBox, ClickingTheEntryStartsEditingInItsBoxWithTheTextSelected)
{
    StartEditing();
    ASSERT_NE(tracker.Chooser().Editor(), nullptr);
    EXPECT_TRUE(chosenWith.isEmpty());
    EXPECT_TRUE(window->isVisible());
    QLineEdit* box = Box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("old"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("old"));
    EXPECT_EQ(box->geometry(), T_AM2000_EditControl::TextBox(window->ShownControlArea(1)));
    EXPECT_TRUE(window->EntryRect(1).contains(box->geometry()));
    EXPECT_FALSE(box->hasFocus());
}

// The live box shows the text where the entry painted it.
TEST_F(EditBox, TheBoxShowsTheTextWhereTheEntryPaintedIt)
{
    const auto firstTextColumn = [](const QImage& picture, const QRect& area) {
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (qGray(picture.pixel(x, y)) < 100)
                    return x;
            }
        }
        return -1;
    };
    find->EditControl()->SetAutoSelect(false);
    const QRect text = T_AM2000_EditControl::TextBox(window->ShownControlArea(1));
    const int painted = firstTextColumn(window->grab().toImage(), text);
    StartEditing();
    ASSERT_NE(Box(), nullptr);
    QCoreApplication::processEvents();
    const int live = firstTextColumn(window->grab().toImage(), text);
    ASSERT_GT(painted, text.left());
    EXPECT_EQ(live, painted);
}

TEST_F(EditBox, TypedKeysGoToTheBoxAndEnterChoosesTheEntryWithTheNewText)
{
    find->EditControl()->SetMaxLength(4);
    StartEditing();
    for (const QChar c : QStringLiteral("new!x"))
        Type(c.toUpper().unicode(), QString(c));
    EXPECT_EQ(tracker.Chooser().Editor()->Text(), QStringLiteral("new!"));
    Type(Qt::Key_Return);
    EXPECT_EQ(chosenWith, QStringList{QStringLiteral("new!")});
    EXPECT_EQ(tracker.Chooser().Editor(), nullptr);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(EditBox, EscapeEndsEditingWithTheOldTextAndLeavesTheMenuOpen)
{
    StartEditing();
    Type(Qt::Key_Z, QStringLiteral("z"));
    Type(Qt::Key_Escape);
    EXPECT_EQ(tracker.Chooser().Editor(), nullptr);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(find->EditControl()->Text(), QStringLiteral("old"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(chosenWith.isEmpty());
    Type(Qt::Key_Escape); // no longer editing: the menu's own Escape
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(EditBox, AClickOnTheBoxKeepsEditingAndAClickElsewhereEndsIt)
{
    StartEditing();
    QLineEdit* box = Box();
    ASSERT_NE(box, nullptr);
    const QPoint inside = box->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, inside, box->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, box->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &release);
    EXPECT_NE(tracker.CurrentMenu(), nullptr);
    EXPECT_NE(tracker.Chooser().Editor(), nullptr);
    Click(*window, 0);
    EXPECT_EQ(tracker.Chooser().Editor(), nullptr);
    EXPECT_TRUE(chosenWith.isEmpty());
}

TEST_F(EditBox, AReadOnlyBoxIsChosenLikeAnyEntry)
{
    find->EditControl()->SetReadOnly(true);
    StartEditing();
    EXPECT_EQ(tracker.Chooser().Editor(), nullptr);
    EXPECT_EQ(chosenWith, QStringList{QStringLiteral("old")});
}

TEST_F(EditBox, EditingEndsWhenTheMenusClose)
{
    StartEditing();
    tracker.CloseAllMenus(true);
    EXPECT_EQ(tracker.Chooser().Editor(), nullptr);
    EXPECT_EQ(find->EditControl()->Text(), QStringLiteral("old"));
}
