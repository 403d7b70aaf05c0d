#include "DbPictureTestSupport.h"
#include "TDBCtrlGrid.h"
#include "TDBCtrlPanel.h"

#include <QTest>

using namespace dbpicturetest;

namespace {

constexpr int cellWidth = 40;  // pixels
constexpr int cellHeight = 30; // pixels

const QColor recordColors[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};

// A 2 x 2 grid of picture controls over the query's records.
class BzDBImageInGrid : public PictureQueryTest {
protected:
    void AddColouredPictures()
    {
        for (const QColor& color : recordColors)
            ids.push_back(catalogue.Add(
                {0, TTestPictures::Jpeg(TTestPictures::Solid(cellWidth, cellHeight, color))}));
    }

    void MakeGrid()
    {
        grid = NewGrid(cellWidth, cellHeight);
        image = NewImage(grid->Panel(), cellWidth, cellHeight);
        image->SetAlign(TAlign::alClient);
        grid->SetDataSource(source);
    }

    QPoint CellCentre(int index) const { return grid->CellRect(index).center(); }

    std::vector<qint64> ids; // of the coloured pictures, in order
    TDBCtrlGrid* grid = nullptr;
    TBzDBImage* image = nullptr;
};

} // namespace

TEST_F(BzDBImageInGrid, EveryCellShowsItsOwnRecordsPicture)
{
    AddColouredPictures();
    MakeGrid();
    query->Open();

    QImage shot = Grab(grid);
    for (int cell = 0; cell < 4; ++cell)
        EXPECT_TRUE(Near(shot.pixelColor(CellCentre(cell)), recordColors[cell]))
            << cell << " " << shot.pixelColor(CellCentre(cell)).name().toStdString();

    query->Last();
    EXPECT_EQ(grid->TopRecord(), 3);
    shot = Grab(grid);
    EXPECT_TRUE(Near(shot.pixelColor(CellCentre(0)), recordColors[2]));
    EXPECT_TRUE(Near(shot.pixelColor(CellCentre(1)), recordColors[3]));
    EXPECT_TRUE(Near(shot.pixelColor(CellCentre(2)), recordColors[4]));
    // No record for the last cell: the grid's own colour.
    EXPECT_EQ(shot.pixelColor(CellCentre(3)), TColors::ToQColor(grid->Color()));
    // The live control keeps its own record's picture.
    EXPECT_TRUE(Near(Grab(image).pixelColor(5, 5), recordColors[4]));
}

TEST_F(BzDBImageInGrid, ADamagedBlobPaintsABrokenMarkWithoutAnyReport)
{
    AddColouredPictures();
    catalogue.SetPicture(ids[1], QByteArray::fromHex("ffd8ffe000104a46"));
    MakeGrid();
    query->Open();
    ReportCapture reports;

    const QImage shot = Grab(grid);
    const QRect damaged = grid->CellRect(1);
    EXPECT_EQ(shot.pixelColor(damaged.topLeft()), Background());
    EXPECT_EQ(shot.pixelColor(damaged.center()), TColors::ToQColor(clRed));
    EXPECT_TRUE(Near(shot.pixelColor(CellCentre(2)), recordColors[2]));
    Grab(grid);
    EXPECT_TRUE(reports.texts.isEmpty());

    // As the live control it reports once, when it fetches.
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellCentre(1));
    EXPECT_EQ(query->RecNo(), 2);
    Grab(grid);
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.texts, QStringList{QStringLiteral("Bitmap image is not valid")});
}

TEST_F(BzDBImageInGrid, ARightPressOnAnotherCellDoesNothing)
{
    AddColouredPictures();
    MakeGrid();
    query->Open();
    int presses = 0;
    image->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };

    QTest::mousePress(grid, Qt::RightButton, {}, CellCentre(3));
    QTest::mouseRelease(grid, Qt::RightButton, {}, CellCentre(3));
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_EQ(grid->PanelIndex(), 0);
    EXPECT_EQ(presses, 0);
}

TEST_F(BzDBImageInGrid, ALeftPressSelectsTheRecordAndReachesItsPictureControl)
{
    AddColouredPictures();
    MakeGrid();
    host->show();
    query->Open();
    QPoint pressedAt;
    image->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button == TMouseButton::mbLeft)
            pressedAt = QPoint(x, y);
    };

    const QPoint at = grid->CellRect(3).topLeft() + QPoint(7, 9);
    QTest::mouseClick(grid, Qt::LeftButton, {}, at);
    EXPECT_EQ(query->RecNo(), 4);
    EXPECT_EQ(grid->PanelIndex(), 3);
    EXPECT_EQ(pressedAt, QPoint(7, 9));
    EXPECT_TRUE(QTest::qWaitFor([&] { return image->hasFocus(); }, 2000));
    EXPECT_TRUE(Near(Grab(image).pixelColor(5, 5), recordColors[3]));
}
