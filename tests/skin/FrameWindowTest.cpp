#include "PointerEvents.h"
#include "SkinClasses.h"
#include "SkinTestSupport.h"
#include "TMyForm.h"

#include <QCloseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the system commands the window sends itself instead of carrying them out.
class TRecordingForm : public TMyForm {
public:
    using TMyForm::TMyForm;
    std::vector<unsigned> commands;

protected:
    void WMSysCommand(TWMSysCommand& message) override { commands.push_back(message.CmdType); }
};

class FrameWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinClasses();
        form.reset(TForm::Create<TRecordingForm>(nullptr));
        form->SetBounds(100, 100, 678, 496);
        form->Show();
    }
    void Press(TControl* control, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {})
    {
        form->commands.clear();
        QTest::mousePress(control, button, modifiers, at);
        QTest::mouseRelease(control, button, modifiers, at);
    }
    std::unique_ptr<TRecordingForm> form;
};

} // namespace

TEST_F(FrameWindow, IsBuiltBorderlessFromTheSkinPictures)
{
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->palUp->Height(), 28);
    EXPECT_EQ(form->palClient->BoundsRect(), QRect(4, 28, 670, 461));
    EXPECT_EQ(form->imgLeftUp->BoundsRect(), QRect(0, 0, 55, 28)) << "natural size";
    EXPECT_EQ(form->palRightUp->Left(), 678 - 129);
    EXPECT_FALSE(form->imgCaption->Picture()->Graphic()->Empty());
    EXPECT_EQ(form->Label1->Font()->Name(), QStringLiteral("宋体"));
}

TEST_F(FrameWindow, ClassifiesPressesByEveryEdgeAndCorner)
{
    struct Case {
        QPoint at;
        unsigned command;
        TCursor cursor;
    };
    const Case cases[] = {
        {{5, 200}, SC_SIZE + WMSZ_LEFT, crSizeWE},
        {{672, 200}, SC_SIZE + WMSZ_RIGHT, crSizeWE},
        {{300, 3}, SC_SIZE + WMSZ_TOP, crSizeNS},
        {{5, 5}, SC_SIZE + WMSZ_TOPLEFT, crSizeNWSE},
        {{672, 5}, SC_SIZE + WMSZ_TOPRIGHT, crSizeNESW},
        {{300, 490}, SC_SIZE + WMSZ_BOTTOM, crSizeNS},
        {{5, 490}, SC_SIZE + WMSZ_BOTTOMLEFT, crSizeNESW},
        {{672, 490}, SC_SIZE + WMSZ_BOTTOMRIGHT, crSizeNWSE},
        {{300, 200}, SC_DRAGMOVE, crDefault},
        {{10, 10}, SC_SIZE + WMSZ_TOPLEFT, crSizeNWSE},
        {{11, 11}, SC_DRAGMOVE, crDefault},
        {{668, 486}, SC_SIZE + WMSZ_BOTTOMRIGHT, crSizeNWSE},
    };
    for (const Case& c : cases) {
        const TMyForm::SizingChoice choice = form->ClassifyPress(c.at.x(), c.at.y());
        EXPECT_EQ(choice.command, c.command) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(choice.cursor, c.cursor) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(FrameWindow, FramePicturesSizeByTheEdgeUnderThePointer)
{
    Press(form->imgLeftUp, {5, 5});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_TOPLEFT});
    EXPECT_EQ(form->Cursor(), crSizeNWSE) << "the window's own cursor";

    Press(form->imgLeftUp, {30, 5});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_TOP});

    Press(form->imgLeftUp, {30, 20});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_DRAGMOVE}) << "on no edge: move";

    Press(form->imgLeft, {2, 100});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_LEFT})
        << "the left border sizes left";

    Press(form->imgRight, {2, 100});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_RIGHT})
        << "the right border sizes right";

    Press(form->Image1, {120, 5});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_TOPRIGHT});

    Press(form->imgLeft, {1, form->imgLeft->Height() - 2});
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_SIZE + WMSZ_BOTTOMLEFT});
}

TEST_F(FrameWindow, OnlyTheLeftButtonAloneStartsSizing)
{
    Press(form->imgLeft, {2, 100}, Qt::RightButton);
    EXPECT_TRUE(form->commands.empty());
    EXPECT_EQ(form->Cursor(), crSizeWE) << "the cursor changes for any press";

    Press(form->imgLeft, {2, 100}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(form->commands.empty());

    Press(form->imgCaption, {100, 10}, Qt::RightButton);
    EXPECT_EQ(form->commands, std::vector<unsigned>{SC_DRAGMOVE}) << "the caption moves for any";

    Press(form->imgDownMin, {5, 3});
    EXPECT_TRUE(form->commands.empty()) << "the bottom strip has no mouse handling";
}

TEST(FrameWindowCommands, AltF4AndTheWindowManagersCloseAreIgnored)
{
    RegisterSkinClasses();
    std::unique_ptr<TMyForm> form(TForm::Create<TMyForm>(nullptr));
    form->Show();
    QTest::keyClick(form.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(form->imgCaption, Qt::Key_F4, Qt::AltModifier);
    QCloseEvent close;
    QCoreApplication::sendEvent(form.get(), &close);
    EXPECT_TRUE(form->isVisible());

    // A plain window closes on the same command.
    TForm plain(nullptr);
    plain.Show();
    QTest::keyClick(&plain, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(plain.isVisible());
}

TEST(FrameWindowCommands, TheClosePictureClosesAndFreesTheWindow)
{
    RegisterSkinClasses();
    QPointer<TMyForm> form = TForm::Create<TMyForm>(Application);
    form->Show();
    QTest::mouseClick(form->imgCloseButton, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    skintest::FlushDeletes();
    EXPECT_TRUE(form.isNull());
}

TEST(FrameWindowCommands, FrameButtonsShowTheirHoverPictures)
{
    RegisterSkinClasses();
    std::unique_ptr<TMyForm> form(TForm::Create<TMyForm>(nullptr));
    form->Show();
    const auto shows = [](TImage* image, TImage* holder) {
        return image->Picture()->Graphic()->Equals(holder->Picture()->Graphic());
    };
    EXPECT_TRUE(shows(form->imgCloseButton, form->imgCloseButton2));
    SendEnter(form->imgCloseButton);
    EXPECT_TRUE(shows(form->imgCloseButton, form->imgCloseButton1));
    SendLeave(form->imgCloseButton);
    EXPECT_TRUE(shows(form->imgCloseButton, form->imgCloseButton2));

    SendEnter(form->imgMinButton);
    EXPECT_TRUE(shows(form->imgMinButton, form->imgMinButton1));
    SendEnter(form->imgSizeButton);
    EXPECT_TRUE(shows(form->imgSizeButton, form->imgSizeButton1));
    SendLeave(form->imgSizeButton);
    EXPECT_TRUE(shows(form->imgSizeButton, form->imgSizeButton2));
}

TEST(FrameWindowCommands, MaximisingFillsTheWorkAreaAndSwapsTheSizePicture)
{
    RegisterSkinClasses();
    std::unique_ptr<TMyForm> form(TForm::Create<TMyForm>(nullptr));
    form->Show();
    QTest::mouseClick(form->imgSizeButton, Qt::LeftButton);
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->BoundsRect() == workArea; }, 2000))
        << "nothing is taken off the work area";
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_TRUE(form->imgSizeButton->Picture()->Graphic()->Equals(
        form->imgRestoreButton->Picture()->Graphic()));

    QTest::mouseClick(form->imgSizeButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->WindowState() == TWindowState::wsNormal; }));
    EXPECT_TRUE(form->imgSizeButton->Picture()->Graphic()->Equals(
        form->imgMaxButton->Picture()->Graphic()));
}

TEST(FrameWindowCommands, MinimisingAWindowThatIsNotTheMainWindowMinimisesItAlone)
{
    RegisterSkinClasses();
    TMyForm* main = TForm::Create<TMyForm>(nullptr);
    std::unique_ptr<TMyForm> owner(main);
    Application->SetMainForm(main);
    std::unique_ptr<TMyForm> other(TForm::Create<TMyForm>(nullptr));
    main->Show();
    other->Show();
    QTest::mouseClick(other->imgMinButton, Qt::LeftButton);
    EXPECT_TRUE(other->isMinimized());
    EXPECT_FALSE(main->isMinimized());

    QTest::mouseClick(main->imgMinButton, Qt::LeftButton);
    EXPECT_TRUE(main->isMinimized()) << "the main window minimises the application";
    Application->SetMainForm(nullptr);
}
