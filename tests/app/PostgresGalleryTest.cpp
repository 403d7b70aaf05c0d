#include "MainWindowFixture.h"
#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDBCtrlGrid.h"
#include "TFindwait_form.h"
#include "TPgTestCatalogue.h"
#include "TPrivatePostgres.h"
#include "TTestPictures.h"

#include <QTest>

namespace {

// The main window over a catalogue on a PostgreSQL server (the run's, or one of the
// test's own that it stops and starts): icons and templates, all red JPEG pictures.
class PostgresGallery : public MainWindowFixture {
protected:
    void SetUp() override
    {
        SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL());
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        if (form) // not when skipped before the window was made
            MainWindowFixture::TearDown();
    }

    void Show(const TPgTestCatalogue& catalogue)
    {
        form->Myado->SetConnectionString(catalogue.ConnectionString());
    }
    static void AddPictures(TPgTestCatalogue& catalogue, int icons, int templates)
    {
        const QByteArray red = TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red));
        catalogue.AddMany(icons + templates, [&](int i) {
            return TPictureRow{i < icons ? 0 : 10, red};
        });
    }
    void Click(const char* name)
    {
        QTest::mouseClick(dynamic_cast<QWidget*>(form->FindComponent(QLatin1String(name))),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The colour at the centre of a grid cell as painted.
    static QColor CellCentre(TDBCtrlGrid& grid, int cell)
    {
        return grid.grab().toImage().pixelColor(grid.CellRect(cell).center());
    }
};

bool IsRed(QColor colour)
{
    return colour.red() > 200 && colour.green() < 60 && colour.blue() < 60;
}

} // namespace

TEST_F(PostgresGallery, CategoriesShowTheirPicturesAndCounts)
{
    TPgTestCatalogue catalogue(TPictureTable::Indexed);
    AddPictures(catalogue, 7, 3);
    Show(catalogue);
    Click("SpeedButton16");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:7个"));
    EXPECT_TRUE(IsRed(CellCentre(*form->DBCtrlGrid1, 6))) << "the seventh icon is not painted";
    EXPECT_EQ(Findwait_form, nullptr);

    Click("SpeedButton6");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("普通类共:3张界面模板"));
    EXPECT_TRUE(IsRed(CellCentre(*form->DBCtrlGrid2, 2)));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));

    // Another member of the team adds pictures: the next click shows them.
    AddPictures(catalogue, 2, 0);
    Click("SpeedButton16");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:9个"));
}

TEST_F(PostgresGallery, ADatabaseWithoutTheCatalogueSaysHowToMakeIt)
{
    const TPgTestCatalogue empty(TPictureTable::None);
    Show(empty);
    form->Label10->SetCaption(QStringLiteral("before"));
    Click("SpeedButton16");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(QStringLiteral("zentuvio-catalogue create")))
        << qPrintable(errors.front());
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("before"));
    EXPECT_EQ(Findwait_form, nullptr);
}

// The team's server stops while the gallery is open, then comes back.
TEST_F(PostgresGallery, AStoppedServerIsReportedAndTheClickAfterItsReturnWorks)
{
    TPrivatePostgres server;
    TPgTestCatalogue catalogue(server, TPgTestCatalogue::SchemaOf(TPictureTable::Indexed));
    AddPictures(catalogue, 4, 2);
    Show(catalogue);
    Click("SpeedButton16");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:4个"));

    server.Stop();
    Click("SpeedButton6");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(QStringLiteral("Cannot connect to the catalogue server")))
        << qPrintable(errors.front());
    EXPECT_EQ(Findwait_form, nullptr) << "the wait box stays over the window";
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:4个"));
    EXPECT_FALSE(form->ADOQuery2->Active());
    Click("SpeedButton12");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("图形图像类共:0个")) << "the window answers";

    server.Start();
    Click("SpeedButton6");
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("普通类共:2张界面模板"));
    EXPECT_TRUE(IsRed(CellCentre(*form->DBCtrlGrid2, 1)));
    EXPECT_EQ(errors.size(), 1);
}
