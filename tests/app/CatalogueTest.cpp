#include "../support/PictureSamples.h"
#include "MainWindowFixture.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBitmap.h"
#include "TBzDBImage.h"
#include "TDBCtrlGrid.h"
#include "TDataSource.h"
#include "TFindwait_form.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TMess.h"
#include "TPictureSaver.h"
#include "TSQLiteTestCatalogue.h"
#include "TSavePictureDialog.h"
#include "TTestPictures.h"
#include "TTestQuery.h"

#include "TPopupMenu.h"
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class Catalogue : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        form->Myado->SetConnectionString(catalogue.ConnectionString());
        previousChooser = TSavePictureDialog::SetChooser(
            [this](const TSavePictureDialog&) { return chosenName; });
    }
    void TearDown() override
    {
        TSavePictureDialog::SetChooser(previousChooser);
        MainWindowFixture::TearDown();
    }
    // Icons (category 0) and templates (category 10), all red JPEG pictures.
    void AddPictures(int icons, int templates)
    {
        const QByteArray red = TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red));
        catalogue.AddMany(icons + templates, [&](int i) {
            return TPictureRow{i < icons ? 0 : 10, red};
        });
    }
    void UseDatabase(const QString& path)
    {
        form->Myado->SetConnectionString(TTestQuery::FileConnectionString(path));
    }
    TSpeedButton* Button(const char* name)
    {
        return dynamic_cast<TSpeedButton*>(form->FindComponent(QLatin1String(name)));
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TSQLiteTestCatalogue catalogue;
    QTemporaryDir folder; // where pictures are saved
    QString chosenName;
    TSavePictureDialog::Chooser previousChooser;
};

} // namespace

TEST_F(Catalogue, EveryIconsButtonRunsTheSameQueryAndCountsItsPictures)
{
    AddPictures(7, 3);
    for (const char* name : {"SpeedButton16", "SpeedButton8", "SpeedButton21", "SpeedButton28"}) {
        form->Label10->SetCaption(QString());
        Click(name);
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:7个")) << name;
        EXPECT_TRUE(form->ADOQuery1->Active());
        EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel16);
        EXPECT_EQ(Topmost({form->DBCtrlGrid1, form->DBCtrlGrid2}), form->DBCtrlGrid1);
        FlushDeletes();
        EXPECT_EQ(Findwait_form, nullptr) << "the wait box is gone after the query";
    }
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(Catalogue, CancellingTheExitBoxLeavesEveryPanelQueryAndGridAsItWas)
{
    AddPictures(7, 3);
    Click("SpeedButton16");
    form->ADOQuery1->MoveBy(2);
    const QWidget* strip = TopStrip();
    const int record = form->ADOQuery1->RecNo();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        ASSERT_NE(Mess, nullptr);
        asked = true;
        QTest::keyClick(Mess, Qt::Key_Escape);
    });
    QTest::mouseClick(form->imgCloseButton, Qt::LeftButton);
    FlushDeletes();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_EQ(TopStrip(), strip);
    EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel16);
    EXPECT_EQ(Topmost({form->DBCtrlGrid1, form->DBCtrlGrid2}), form->DBCtrlGrid1);
    EXPECT_TRUE(form->ADOQuery1->Active());
    EXPECT_EQ(form->ADOQuery1->RecNo(), record);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:7个"));
}

TEST_F(Catalogue, TheWaitBoxStandsOverTheWorkingAreaWhileTheQueryRuns)
{
    AddPictures(3, 0);
    auto* source = dynamic_cast<TDataSource*>(form->FindComponent(QStringLiteral("DataSource1")));
    ASSERT_NE(source, nullptr);
    QRect waitBox;
    source->OnStateChange = [&waitBox](TObject*) {
        if (Findwait_form && Findwait_form->isVisible())
            waitBox = Findwait_form->BoundsRect();
    };
    Click("SpeedButton16");
    ASSERT_FALSE(waitBox.isNull()) << "no wait box while the query opened";
    const QPoint client(form->Left() + form->Client->Left(), form->Top() + form->Client->Top());
    EXPECT_EQ(waitBox.left(), client.x() + qRound((form->Client->Width() - 405) / 2.0));
    EXPECT_EQ(waitBox.size(), QSize(405, 141));
    FlushDeletes();
    EXPECT_EQ(Findwait_form, nullptr);
}

TEST_F(Catalogue, TemplatesAndEmptyResultsShowTheirCounts)
{
    AddPictures(0, 4);
    Click("SpeedButton6");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("普通类共:4张界面模板"));
    Click("SpeedButton9");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("普通类共:4张界面模板")) << "unchanged";
    EXPECT_EQ(Topmost({form->DBCtrlGrid1, form->DBCtrlGrid2}), form->DBCtrlGrid2);
    EXPECT_TRUE(form->ADOQuery2->Active());

    Click("SpeedButton16");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:0个"));
}

TEST_F(Catalogue, ZeroCountButtonsShowTheirOwnCaptionAndKeepTheGrid)
{
    AddPictures(5, 0);
    Click("SpeedButton16");
    Click("SpeedButton12");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("图形图像类共:0个"));
    EXPECT_EQ(form->ADOQuery1->RecordCount(), 5) << "the grid still shows the icons";
    Click("SpeedButton13");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("桌面工具类类共:0个"));
    Click("SpeedButton27");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("桌面工具类类共:0个")) << "unchanged";
}

TEST_F(Catalogue, AFailedQueryIsReportedAndClosesTheWaitBox)
{
    UseDatabase(folder.filePath(QStringLiteral("missing.mdb")));
    form->Label10->SetCaption(QStringLiteral("before"));
    Click("SpeedButton16");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(QStringLiteral("missing.mdb")))
        << qPrintable(errors.front());
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("before"));
    EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel21);
    EXPECT_FALSE(form->ADOQuery1->Active());
    FlushDeletes();
    EXPECT_EQ(Findwait_form, nullptr);

    const TSQLiteTestCatalogue withoutPictures("create table other(x)");
    UseDatabase(withoutPictures.Location());
    Click("SpeedButton6");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors.back().contains(QStringLiteral("picture"))) << qPrintable(errors.back());
    FlushDeletes();
    EXPECT_EQ(Findwait_form, nullptr);
}

TEST_F(Catalogue, ADamagedFirstPictureIsReportedAndTheCategoryStillOpens)
{
    AddPictures(5, 0);
    catalogue.SetPicture(1, QByteArray::fromHex("ffd8ffe000104a46"));

    Click("SpeedButton16");
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:5个"));
    EXPECT_TRUE(form->ADOQuery1->Active());
    EXPECT_EQ(form->ADOQuery1->RecordCount(), 5);
    EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel16);
    ASSERT_EQ(errors.size(), 1) << qPrintable(errors.join('\n'));
    FlushDeletes();
    EXPECT_EQ(Findwait_form, nullptr);

    form->ADOQuery1->Next();
    EXPECT_EQ(errors.size(), 1) << "the other pictures are fine";
}

TEST_F(Catalogue, SavingWritesTheStoredBytesUnderTheirOwnExtension)
{
    QImage transparent(6, 6, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    const QList<QByteArray> blobs = {
        TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red)), TTestPictures::Png(transparent),
        TTestPictures::HalfFilledSvg(8, 8, Qt::blue),
        TTestPictures::BitmapFile(TTestPictures::Solid(5, 5, Qt::green), TPixelFormat::pf24bit)};
    for (const QByteArray& blob : blobs)
        catalogue.Add({0, blob});
    Click("SpeedButton16");
    QStringList filters;
    form->SavePictureDialog1->SetInitialDir(folder.path());
    const QStringList extensions = {"jpg", "png", "svg", "bmp"};
    for (int record = 1; record <= 4; ++record) {
        form->ADOQuery1->SetRecNo(record);
        chosenName = folder.filePath(QStringLiteral("icon%1").arg(record));
        form->MenuItem1Click(nullptr);
        filters << form->SavePictureDialog1->Filter();
        QFile saved(chosenName + u'.' + extensions[record - 1]);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << qPrintable(saved.fileName());
        EXPECT_EQ(saved.readAll(), blobs[record - 1]) << record;
    }
    EXPECT_EQ(filters,
              QStringList({"JPEG Image File (*.jpg)|*.jpg", "PNG Image File (*.png)|*.png",
                           "SVG Image File (*.svg)|*.svg", "Bitmap Image File (*.bmp)|*.bmp"}));

    // A name that ends with the extension already, in any case, is not given it twice.
    form->ADOQuery1->SetRecNo(2);
    chosenName = folder.filePath(QStringLiteral("named.PNG"));
    form->MenuItem1Click(nullptr);
    EXPECT_TRUE(QFile::exists(chosenName));
    EXPECT_FALSE(QFile::exists(chosenName + QStringLiteral(".png")));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(Catalogue, TheSaveDialogProposesThePicturesNameAndOpensWhereItLastSaved)
{
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("alter table picture add column name text")));
    catalogue.Add({0, TTestPictures::HalfFilledSvg(8, 8, Qt::blue)});
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("update picture set name = 'go-up'")));
    Click("SpeedButton16");
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(pictures).isDir())
        pictures = QDir::homePath();

    QStringList started;
    TSavePictureDialog::SetChooser([&](const TSavePictureDialog& dialog) {
        started << QDir(dialog.InitialDir()).filePath(dialog.FileName());
        return folder.filePath(QStringLiteral("kept/mine"));
    });
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("kept")));
    form->MenuItem1Click(nullptr);
    form->MenuItem1Click(nullptr);
    EXPECT_EQ(started, QStringList({QDir(pictures).filePath(QStringLiteral("go-up.svg")),
                                    folder.filePath(QStringLiteral("kept/go-up.svg"))}));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("kept/mine.svg"))));
}

TEST_F(Catalogue, ACancelledDialogOrAClosedQueryWritesNothing)
{
    chosenName = folder.filePath(QStringLiteral("nothing"));
    form->N4Click(nullptr);
    EXPECT_FALSE(QFile::exists(chosenName + QStringLiteral(".jpg")));
    chosenName.clear();
    form->MenuItem1Click(nullptr);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0);
}

namespace {

// The captions of the context menu a right click at a grid point opens (empty: none).
QStringList MenuOnRightClick(TDBCtrlGrid& grid, QPoint at)
{
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        if (QMenu* menu = TPopupMenu::ShownMenu()) {
            for (QAction* action : menu->actions())
                captions << action->text() + (action->isEnabled() ? "" : " (disabled)");
            menu->close();
        }
    });
    QWidget* target = grid.childAt(at) ? grid.childAt(at) : &grid;
    const QPoint local = target->mapFrom(&grid, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QCoreApplication::sendEvent(target, &event);
    QCoreApplication::processEvents();
    return captions;
}

} // namespace

TEST_F(Catalogue, OnlyTheCurrentThumbnailOpensTheSaveMenu)
{
    AddPictures(8, 0);
    Click("SpeedButton16");
    TDBCtrlGrid& grid = *form->DBCtrlGrid1;
    const QPoint second = grid.CellRect(1).center();
    EXPECT_TRUE(MenuOnRightClick(grid, second).isEmpty()) << "not the current record's cell";

    QTest::mouseClick(&grid, Qt::LeftButton, {}, second);
    EXPECT_EQ(form->ADOQuery1->RecNo(), 2);
    EXPECT_EQ(MenuOnRightClick(grid, second),
              (QStringList{QStringLiteral("保存"), QStringLiteral("全部保存 (disabled)")}));
}

TEST(PictureSaver, AFailedSaveReportsTheFileAndLosesNothing)
{
    QTemporaryDir folder;
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    const QByteArray png = TTestPictures::Png(image);

    const QString missingFolder = folder.filePath(QStringLiteral("no/such/folder/pic"));
    try {
        TPictureSaver::Save(png, missingFolder);
        FAIL() << "no error for a missing folder";
    } catch (const EWriteError& error) {
        EXPECT_TRUE(error.Message().contains(missingFolder)) << qPrintable(error.Message());
    }

    // The target cannot be replaced (a folder of that name holds a file): the save fails
    // and what was there stays.
    const QString target = folder.filePath(QStringLiteral("taken.png"));
    ASSERT_TRUE(QDir().mkpath(target));
    QFile kept(target + QStringLiteral("/kept.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    EXPECT_THROW(TPictureSaver::Save(png, target), EWriteError);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0) << "no temporary file left";
}
