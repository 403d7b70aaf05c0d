#include "MainWindowFixture.h"
#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TColors.h"
#include "TDBCtrlGrid.h"
#include "TFindwait_form.h"
#include "TPgConnection.h"
#include "TPgStore.h"
#include "TPgTestCatalogue.h"
#include "TPgTestConnection.h"
#include "TPrivatePostgres.h"
#include "TTestPictures.h"

#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <numeric>
#include <thread>

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

    // Icons of one colour each that fill their cells, the colour telling the row: the
    // catalogue's rows are 1 to icons.
    static void AddColouredIcons(TPgTestCatalogue& catalogue, int icons)
    {
        catalogue.AddMany(icons, [](int i) {
            return TPictureRow{0, TTestPictures::Jpeg(TTestPictures::Solid(iconWidth, iconHeight,
                                                                           ColourOfRow(i + 1)))};
        });
    }
    static QColor ColourOfRow(qint64 row) { return QColor::fromHsv(int(row * 8 % 360), 255, 220); }
    // A painted colour within what a JPEG picture of one colour keeps of it.
    static bool Near(QColor painted, QColor colour)
    {
        return std::abs(painted.red() - colour.red()) < 12 &&
               std::abs(painted.green() - colour.green()) < 12 &&
               std::abs(painted.blue() - colour.blue()) < 12;
    }

    TDBCtrlGrid& Icons() const { return *form->DBCtrlGrid1; }
    void TurnTo(int gridRow) const { Icons().findChild<QScrollBar*>()->setValue(gridRow); }
    // The colour each visible cell of the icons shows, away from where a mark for a
    // picture that cannot be shown goes.
    std::vector<QColor> CellColours() const
    {
        const QImage shot = Icons().grab().toImage();
        std::vector<QColor> colours;
        for (int cell = 0; cell < Icons().PanelCount(); ++cell)
            colours.push_back(shot.pixelColor(Icons().CellRect(cell).topLeft() + QPoint(8, 8)));
        return colours;
    }
    // Every visible record of the icons shows the picture of its own row (rows gives the
    // row of each record), or none at all: the control's white.
    void ExpectEachCellShowsItsOwnRow(const std::vector<qint64>& rows) const
    {
        const std::vector<QColor> colours = CellColours();
        for (int cell = 0; cell < int(colours.size()); ++cell) {
            const int recNo = Icons().TopRecord() + cell;
            if (recNo > int(rows.size()))
                break;
            const qint64 row = rows[std::size_t(recNo - 1)];
            EXPECT_TRUE(Near(colours[std::size_t(cell)], ColourOfRow(row)) ||
                        colours[std::size_t(cell)] == QColor(Qt::white))
                << "record " << recNo << " (row " << row << ") shows "
                << colours[std::size_t(cell)].name().toStdString();
        }
    }
    qint64 RoundTrips() const
    {
        return dynamic_cast<TPgStore&>(form->Myado->Store()).Connection().RoundTrips();
    }

    static constexpr int iconWidth = 103; // as large as a cell of the icons
    static constexpr int iconHeight = 66;
};

std::vector<qint64> RowsFrom1To(int last)
{
    std::vector<qint64> rows(std::size_t(last), 0);
    std::iota(rows.begin(), rows.end(), 1);
    return rows;
}

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

// Another program removes rows one by one while the gallery turns the pages: a cell shows
// the picture of its own record's row or none, never another one. Turning a page costs the
// server one statement, for the pictures not held yet (the current record's is).
TEST_F(PostgresGallery, EveryCellShowsThePictureOfItsOwnRowWhileAnotherProgramRemovesRows)
{
    constexpr int icons = 45; // a page of 36 and part of another
    TPgTestCatalogue catalogue(TPictureTable::Indexed);
    AddColouredIcons(catalogue, icons);
    Show(catalogue);
    Click("SpeedButton16");
    ExpectEachCellShowsItsOwnRow(RowsFrom1To(icons));
    const qint64 trips = RoundTrips();
    TurnTo(2);
    ExpectEachCellShowsItsOwnRow(RowsFrom1To(icons));
    EXPECT_EQ(RoundTrips(), trips + 1);

    // Never the current records (1 and 13, the first cell of each page).
    const std::vector<qint64> removed = {3, 7, 8, 15, 20, 30, 36, 40, 44};
    std::atomic<bool> done = false;
    std::thread remover([&] {
        TPgTestConnection other(catalogue.Location());
        for (const qint64 row : removed)
            other.Run(QStringLiteral("DELETE FROM picture WHERE id = %1").arg(row));
        done = true;
    });
    for (int turn = 0; !done || turn < 4; ++turn) {
        TurnTo(turn % 2 == 0 ? 0 : 2);
        ExpectEachCellShowsItsOwnRow(RowsFrom1To(icons));
    }
    remover.join();

    // Opened again, the category is what is left of it.
    Click("SpeedButton16");
    std::vector<qint64> left = RowsFrom1To(icons);
    std::erase_if(left, [&](qint64 row) { return std::ranges::count(removed, row) > 0; });
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:%1个").arg(left.size()));
    for (const int gridRow : {0, 1}) {
        TurnTo(gridRow);
        const std::vector<QColor> colours = CellColours();
        for (int cell = 0;
             cell < int(colours.size()) && Icons().TopRecord() + cell <= int(left.size()); ++cell)
            EXPECT_TRUE(Near(colours[std::size_t(cell)],
                             ColourOfRow(left[std::size_t(Icons().TopRecord() + cell - 1)])))
                << "cell " << cell << " of the page from record " << Icons().TopRecord();
    }
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

// The team's server stops after the category opened: the next page shows none of its
// pictures rather than some, says why once, and the click after the server's return
// shows the category again.
TEST_F(PostgresGallery, APageWhoseServerStoppedShowsNothingOfItAndSaysSoOnce)
{
    TPrivatePostgres server;
    TPgTestCatalogue catalogue(server, TPgTestCatalogue::SchemaOf(TPictureTable::Indexed));
    AddColouredIcons(catalogue, 45);
    Show(catalogue);
    Click("SpeedButton16");
    ExpectEachCellShowsItsOwnRow(RowsFrom1To(45));

    server.Stop();
    TurnTo(2);
    const QColor gridColour = TColors::ToQColor(Icons().Color());
    for (int repaint = 0; repaint < 2; ++repaint) {
        const std::vector<QColor> colours = CellColours();
        for (int cell = 1; cell < int(colours.size()); ++cell)
            EXPECT_EQ(colours[std::size_t(cell)], gridColour) << "cell " << cell;
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(errors.size(), 1) << qPrintable(errors.join('\n'));
    EXPECT_TRUE(errors.front().contains(QStringLiteral("Cannot connect to the catalogue server")))
        << qPrintable(errors.front());

    server.Start();
    Click("SpeedButton16");
    ExpectEachCellShowsItsOwnRow(RowsFrom1To(45));
    const std::vector<QColor> colours = CellColours();
    EXPECT_TRUE(std::ranges::all_of(colours, [](QColor c) { return c != QColor(Qt::white); }))
        << "every picture shows again";
    EXPECT_EQ(errors.size(), 1);
}
