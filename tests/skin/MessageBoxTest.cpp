#include "PointerEvents.h"
#include "PublicCode.h"
#include "SkinClasses.h"
#include "SkinTestSupport.h"
#include "TCentringRule.h"
#include "TMess.h"
#include "TMessnoresult.h"
#include "TModalWatchdog.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Answers the box that the next ShowMess/ShowMessnoresult opens, from inside its modal loop.
template <class Box> void AnswerWith(Box*& reference, std::function<void(Box*)> answer)
{
    QTimer::singleShot(0, [&reference, answer] {
        ASSERT_NE(reference, nullptr);
        ASSERT_TRUE(reference->isVisible());
        answer(reference);
    });
}

void Key(QWidget* box, Qt::Key key)
{
    QTest::keyClick(box, key);
}

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }
    void TearDown() override
    {
        skintest::FlushDeletes();
        EXPECT_EQ(Mess, nullptr);
        EXPECT_EQ(Messnoresult, nullptr);
    }
};

} // namespace

TEST_F(MessageBoxes, ConfirmationBoxAnswers)
{
    const auto answered = [](std::function<void(TMess*)> answer) {
        AnswerWith<TMess>(Mess, answer);
        const bool result = ShowMess(QStringLiteral("您是否要关闭程序?"), QStringLiteral("提示"));
        skintest::FlushDeletes();
        return result;
    };
    EXPECT_TRUE(answered([](TMess* box) { Key(box, Qt::Key_Return); }));
    EXPECT_FALSE(answered([](TMess* box) { Key(box, Qt::Key_Escape); }));
    EXPECT_FALSE(
        answered([](TMess* box) { QTest::mouseClick(box->imgCloseButton, Qt::LeftButton); }));
    EXPECT_TRUE(answered([](TMess* box) { QTest::mouseClick(box->Mybutton1, Qt::LeftButton); }));
    EXPECT_TRUE(answered([](TMess* box) { QTest::mouseClick(box->ok, Qt::LeftButton); }));
    EXPECT_FALSE(answered([](TMess* box) { QTest::mouseClick(box->Mybutton2, Qt::LeftButton); }));
    EXPECT_FALSE(answered([](TMess* box) { QTest::mouseClick(box->Label3, Qt::LeftButton); }));
}

TEST_F(MessageBoxes, ConfirmationBoxShowsTitleAndTextAndIgnoresAltF4)
{
    AnswerWith<TMess>(Mess, [](TMess* box) {
        EXPECT_EQ(box->Label1->Caption(), QStringLiteral("提示"));
        EXPECT_EQ(box->Label2->Caption(), QStringLiteral("您是否要关闭程序?"));
        EXPECT_EQ(box->Caption(), QStringLiteral("消息对话框"));
        QTest::keyClick(box, Qt::Key_F4, Qt::AltModifier);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->ModalResult(), mrNone);
        Key(box, Qt::Key_Return);
    });
    EXPECT_TRUE(ShowMess(QStringLiteral("您是否要关闭程序?"), QStringLiteral("提示")));
}

TEST_F(MessageBoxes, ABoxNobodyAnswersIsReportedAndCancelledByTheWatchdog)
{
    QStringList reported;
    const TModalWatchdog watchdog(100, [&](const QString& title) { reported << title; });
    EXPECT_FALSE(ShowMess(QStringLiteral("您是否要关闭程序?"), QStringLiteral("提示")));
    EXPECT_EQ(reported, QStringList{QStringLiteral("消息对话框")});
}

TEST_F(MessageBoxes, InformationBoxAnswers)
{
    const auto answered = [](std::function<void(TMessnoresult*)> answer) {
        AnswerWith<TMessnoresult>(Messnoresult, answer);
        const bool result = ShowMessnoresult(QStringLiteral("已保存"), QStringLiteral("提示"));
        skintest::FlushDeletes();
        return result;
    };
    EXPECT_TRUE(answered([](TMessnoresult* box) { Key(box, Qt::Key_Return); }));
    EXPECT_TRUE(answered([](TMessnoresult* box) { QTest::mouseClick(box->ok, Qt::LeftButton); }));
    EXPECT_FALSE(answered([](TMessnoresult* box) {
        Key(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible()) << "Esc does nothing";
        QTest::mouseClick(box->imgCloseButton, Qt::LeftButton);
    }));
}

TEST_F(MessageBoxes, ButtonPicturesChangeUnderThePointer)
{
    AnswerWith<TMess>(Mess, [](TMess* box) {
        SendEnter(box->Mybutton2);
        EXPECT_TRUE(
            box->Mybutton2->Picture()->Graphic()->Equals(box->Image2->Picture()->Graphic()));
        SendLeave(box->Mybutton2);
        EXPECT_TRUE(
            box->Mybutton2->Picture()->Graphic()->Equals(box->Image3->Picture()->Graphic()));
        Key(box, Qt::Key_Escape);
    });
    ShowMess(QStringLiteral("x"), QStringLiteral("y"));
}

TEST_F(MessageBoxes, LongTextWrapsInsideTheFixedMessageLabel)
{
    AnswerWith<TMess>(Mess, [](TMess* box) {
        EXPECT_EQ(box->Label2->BoundsRect(), QRect(64, 44, 281, 53)) << "fixed size";
        EXPECT_TRUE(box->Label2->WordWrap());
        Key(box, Qt::Key_Return);
    });
    ShowMess(QString(80, QChar(0x6587)), QStringLiteral("提示"));
}

// A borderless box is as large on screen as its client, which its minimum size enlarges:
// the confirmation box shows at 385 x 215, the information box at 377 x 207.
TEST_F(MessageBoxes, BoxesArePlacedOverTheWorkingAreaByTheSizeTheyShowAt)
{
    skintest::StandInMainWindow main(160, 651);
    AnswerWith<TMess>(Mess, [](TMess* box) {
        EXPECT_EQ(box->BoundsRect(), QRect(100 + 160 + 133, 50 + 47 + 94, 385, 215))
            << "half of 651 - 385 across, of 403 - 215 down";
        EXPECT_EQ(box->geometry(), box->BoundsRect());
        Key(box, Qt::Key_Return);
    });
    ShowMess(QStringLiteral("x"), QStringLiteral("y"));

    skintest::StandInMainWindow barOnTheRight(0, 651);
    AnswerWith<TMessnoresult>(Messnoresult, [](TMessnoresult* box) {
        EXPECT_EQ(box->BoundsRect(), QRect(100 + 0 + 137, 50 + 47 + 98, 377, 207))
            << "half of 651 - 377 across, of 403 - 207 down";
        Key(box, Qt::Key_Return);
    });
    ShowMessnoresult(QStringLiteral("x"), QStringLiteral("y"));
}

TEST_F(MessageBoxes, ABoxBelongsToTheMainWindowWhileItIsOpen)
{
    skintest::StandInMainWindow main(160);
    main.form.Show();
    AnswerWith<TMess>(Mess, [&main](TMess* box) {
        ASSERT_NE(box->windowHandle(), nullptr);
        EXPECT_EQ(box->windowHandle()->transientParent(), main.form.windowHandle());
        Key(box, Qt::Key_Return);
    });
    ShowMess(QStringLiteral("x"), QStringLiteral("y"));
}

TEST(CentringRule, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(TCentringRule::RoundHalfEven(273 / 2.0), 136);
    EXPECT_EQ(TCentringRule::RoundHalfEven(274 / 2.0), 137);
    EXPECT_EQ(TCentringRule::RoundHalfEven(275 / 2.0), 138);
    EXPECT_EQ(TCentringRule::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(TCentringRule::RoundHalfEven(3.5), 4);
}
