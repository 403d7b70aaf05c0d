#include "MainWindowFixture.h"
#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBzDBImage.h"
#include "TCentringRule.h"
#include "TDBCtrlGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TField.h"
#include "TFindBox.h"
#include "TFindwait_form.h"
#include "TModalWatchdog.h"
#include "TPictureFind.h"
#include "TTestPictures.h"
#include "TTestStore.h"
#include "Waits.h"

#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <functional>

// Ctrl+F in the main window: the find box, the matches shown live in the icons grid and
// counted in the count label, Enter keeping them and Esc bringing back what was shown.

namespace {

constexpr int fillers = 40; // icons named "icon N", after the named ones

class PictureFind : public MainWindowFixture {
protected:
    void Use(TPictureTable table, const TTestStore& store = TTestStore::SQLite())
    {
        catalogue = store.NewCatalogue(table);
        form->Myado->SetConnectionString(catalogue->ConnectionString());
    }
    // IDs 1 to 4 named, then the fillers.
    void AddPictures(const TTestStore& store = TTestStore::SQLite())
    {
        Use(TPictureTable::Named, store);
        const QByteArray green = TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::green));
        const QByteArray red = TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red));
        catalogue->Add({10, red, QStringLiteral("Copy-Screen"), QStringLiteral("screen.png")});
        catalogue->Add({0, green, QStringLiteral("edit-copy"), QStringLiteral("edit-copy.png")});
        catalogue->Add({0, red, QStringLiteral("paste"), QStringLiteral("COPY.PNG")});
        catalogue->Add({0, red, QStringLiteral("cut"), QStringLiteral("cut.png")});
        catalogue->AddMany(fillers, [&](int i) {
            return TPictureRow{0, red, QStringLiteral("icon %1").arg(i)};
        });
    }

    // Presses Ctrl+F in the main window; script runs inside the box's modal loop and ends
    // it. False when no box opened.
    bool InFindBox(const std::function<void(TFindBox& box)>& script)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            ASSERT_NE(FindBox, nullptr);
            opened = true;
            script(*FindBox);
        });
        const TModalWatchdog watchdog(10000, [](const QString& title) {
            ADD_FAILURE() << "left open: " << title.toStdString();
        });
        QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return opened;
    }
    // Types into the box's field and waits for what the search finds.
    void Type(TFindBox& box, const QString& text) const
    {
        QTest::keyClicks(box.Edit1->focusProxy(), text);
        EXPECT_TRUE(WaitFor([this] { return !form->PictureFind().Searching(); }));
    }
    void Press(TFindBox& box, Qt::Key key) const { QTest::keyClick(box.Edit1->focusProxy(), key); }

    // The IDs of the records the icons grid shows, in order.
    std::vector<qint64> Shown() const
    {
        std::vector<qint64> ids;
        TDataSet* shown = form->DataSource1->DataSet();
        for (shown->First(); !shown->Eof(); shown->Next())
            ids.push_back(shown->FieldByName(QStringLiteral("ID"))->Value().toLongLong());
        shown->First();
        return ids;
    }
    QWidget* FrontPanel() const { return Topmost({form->Panel16, form->Panel21}); }
    QWidget* FrontGrid() const { return Topmost({form->DBCtrlGrid1, form->DBCtrlGrid2}); }
    void Click(const char* name)
    {
        QTest::mouseClick(dynamic_cast<QWidget*>(form->FindComponent(QLatin1String(name))),
                          Qt::LeftButton);
    }

    std::unique_ptr<TTestCatalogue> catalogue;
};

} // namespace

TEST_F(PictureFind, CtrlFOpensTheBoxOverTheWorkingAreaWithItsFieldTakingTheKeys)
{
    AddPictures();
    EXPECT_TRUE(InFindBox([&](TFindBox& box) {
        EXPECT_TRUE(box.IsModal());
        EXPECT_EQ(box.Caption(), QStringLiteral("查找图片"));
        EXPECT_EQ(box.pos(), TCentringRule::Place(box));
        EXPECT_EQ(box.focusWidget(), box.Edit1->focusProxy());
        Press(box, Qt::Key_Escape);
    }));
    EXPECT_EQ(FindBox, nullptr);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(PictureFind, TypingShowsTheMatchesLiveCountedUnderTheQuotedText)
{
    AddPictures();
    Click("SpeedButton16");
    const QString category = form->Label10->Caption();
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("COPY"));
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“COPY”共:3个"));
        EXPECT_EQ(Shown(), (std::vector<qint64>{2, 3, 1}));
        EXPECT_EQ(FrontGrid(), form->DBCtrlGrid1);
        // The grid's own picture control shows the first match.
        EXPECT_EQ(form->BzDBImage1->Picture()->Bitmap()->Canvas()->Pixels(5, 5) & 0xFF00, 0xFF00);

        Type(box, QStringLiteral(".png"));
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“COPY.png”共:2个"));
        Type(box, QStringLiteral("z"));
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“COPY.pngz”共:0个"));
        // An empty field shows what was there before.
        for (int i = 0; i < 9; ++i)
            Press(box, Qt::Key_Backspace);
        EXPECT_TRUE(WaitFor([this] { return !form->PictureFind().Searching(); }));
        EXPECT_EQ(form->Label10->Caption(), category);
        EXPECT_EQ(form->DataSource1->DataSet(), form->ADOQuery1);
        Press(box, Qt::Key_Escape);
    });
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

// A team's catalogue on a PostgreSQL server, searched through its index of names.
TEST_F(PictureFind, ACatalogueOnAServerShowsItsMatchesAsAFileDoes)
{
    SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL());
    AddPictures(TTestStore::PostgreSQL());
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("COPY"));
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“COPY”共:3个"));
        EXPECT_EQ(Shown(), (std::vector<qint64>{2, 3, 1}));
        EXPECT_EQ(form->BzDBImage1->Picture()->Bitmap()->Canvas()->Pixels(5, 5) & 0xFF00, 0xFF00);
        Type(box, QStringLiteral(".p"));
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“COPY.p”共:2个"));
        Press(box, Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), (std::vector<qint64>{2, 3}));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(PictureFind, EnterKeepsTheMatchesUntilACategoryIsShown)
{
    AddPictures();
    Click("SpeedButton16");
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("Cut"));
        Press(box, Qt::Key_Return);
    });
    EXPECT_EQ(FindBox, nullptr);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“Cut”共:1个"));
    EXPECT_EQ(Shown(), (std::vector<qint64>{4}));
    EXPECT_FALSE(form->TakesPictures(form->DBCtrlGrid1)) << "the grid shows no category";

    // The pictures kept are found again by the next find, and Esc there brings them back.
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("icon 1"));
        EXPECT_EQ(Shown().size(), 11u);
        Press(box, Qt::Key_Escape);
    });
    EXPECT_EQ(Shown(), (std::vector<qint64>{4}));

    Click("SpeedButton16");
    EXPECT_EQ(form->DataSource1->DataSet(), form->ADOQuery1);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:%1个").arg(fillers + 3));
    EXPECT_TRUE(form->TakesPictures(form->DBCtrlGrid1));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(PictureFind, EnterOnAnEmptiedFieldKeepsWhatTheWorkingAreaShowedBefore)
{
    AddPictures();
    Click("SpeedButton16");
    const QString category = form->Label10->Caption();
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("cut"));
        ASSERT_EQ(Shown(), (std::vector<qint64>{4}));
        for (int i = 0; i < 3; ++i)
            Press(box, Qt::Key_Backspace);
        EXPECT_TRUE(WaitFor([this] { return !form->PictureFind().Searching(); }));
        Press(box, Qt::Key_Return);
    });
    EXPECT_EQ(form->DataSource1->DataSet(), form->ADOQuery1);
    EXPECT_EQ(form->Label10->Caption(), category);
    EXPECT_EQ(Shown().size(), std::size_t(fillers + 3));
    EXPECT_TRUE(form->TakesPictures(form->DBCtrlGrid1));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(PictureFind, EscBringsBackWhatTheWorkingAreaShowedBefore)
{
    AddPictures();
    Click("SpeedButton6");
    Click("SpeedButton10");
    ASSERT_EQ(FrontPanel(), form->Panel21);
    const QString count = form->Label10->Caption();
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("copy"));
        EXPECT_EQ(FrontPanel(), form->Panel16);
        EXPECT_EQ(FrontGrid(), form->DBCtrlGrid1);
        Press(box, Qt::Key_Escape);
    });
    EXPECT_EQ(FrontPanel(), form->Panel21);
    EXPECT_EQ(FrontGrid(), form->DBCtrlGrid2);
    EXPECT_EQ(form->DataSource1->DataSet(), form->ADOQuery1);
    EXPECT_EQ(form->Label10->Caption(), count);

    // The close picture gives the matches up as Esc does.
    InFindBox([&](TFindBox& box) {
        Type(box, QStringLiteral("copy"));
        QTest::mouseClick(box.imgCloseButton, Qt::LeftButton);
    });
    EXPECT_EQ(FrontPanel(), form->Panel21);
    EXPECT_EQ(form->Label10->Caption(), count);
}

TEST_F(PictureFind, ACatalogueWithoutNamesSaysSoInTheBox)
{
    Use(TPictureTable::Indexed);
    catalogue->AddPictures(3, 0, 10);
    InFindBox([&](TFindBox& box) {
        EXPECT_EQ(box.Label4->Caption(),
                  QStringLiteral("这个图片库没有保存图片的名称，不能按名称查找图片。"));
        EXPECT_FALSE(box.Edit1->Enabled());
        Press(box, Qt::Key_Return);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(FindBox, nullptr);
    EXPECT_TRUE(form->Label10->Caption().isEmpty());
}

// A text too short for an index is sought by reading every row. Meanwhile the window
// goes on handling events, and the wait box shows until the text's matches are there.
// Another program's write lock holds the read back until the test has seen both.
TEST_F(PictureFind, ASearchReadingEveryRowLeavesTheWindowAliveUnderTheWaitBox)
{
    Use(TPictureTable::NamedUnindexed);
    const QByteArray red = TTestPictures::Jpeg(TTestPictures::Solid(4, 4, Qt::red));
    catalogue->AddMany(30, [&](int i) {
        return TPictureRow{0, red, QStringLiteral("picture %1").arg(i)};
    });
    const int delay = TPictureFind::WaitDelayMs();
    TPictureFind::SetWaitDelayMs(0);
    InFindBox([&](TFindBox& box) {
        {
            ASSERT_TRUE(catalogue->Exec(QStringLiteral("BEGIN EXCLUSIVE")))
                << catalogue->LastError().toStdString();
            const auto release =
                qScopeGuard([this] { catalogue->Exec(QStringLiteral("ROLLBACK")); });
            int ticks = 0;
            QTimer ticker;
            QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
            ticker.start(1);
            QTest::keyClicks(box.Edit1->focusProxy(), QStringLiteral("7"));
            EXPECT_TRUE(form->PictureFind().Searching());
            EXPECT_TRUE(WaitFor([] { return Findwait_form != nullptr; }));
            EXPECT_TRUE(WaitFor([&] { return ticks > 0; }));
            EXPECT_TRUE(form->PictureFind().Searching());
            EXPECT_NE(Findwait_form, nullptr) << "the box stays while the search waits";
        }
        EXPECT_TRUE(WaitFor([this] { return !form->PictureFind().Searching(); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Findwait_form, nullptr);
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("“7”共:3个"));
        Press(box, Qt::Key_Return);
    });
    TPictureFind::SetWaitDelayMs(delay);
    EXPECT_EQ(Shown(), (std::vector<qint64>{8, 18, 28}));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}
