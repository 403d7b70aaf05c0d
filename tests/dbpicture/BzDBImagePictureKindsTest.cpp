#include "../support/PictureSamples.h"
#include "DbPictureTestSupport.h"
#include "TDBCtrlGrid.h"
#include "TDBCtrlPanel.h"
#include "TPicture.h"
#include "TPngImage.h"
#include "TSvgImage.h"
#include "TTestPictures.h"

#include <QCursor>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

using namespace dbpicturetest;
using namespace picturesamples;

namespace picturekinds {

constexpr int cellWidth = 40;  // pixels
constexpr int cellHeight = 30; // pixels

// A PNG of 20 x 10 pixels: the left half blue at alpha 128, the right half transparent.
QByteArray HalfTransparentPng()
{
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            image.setPixelColor(x, y, QColor(0, 0, 255, 128));
    }
    return TTestPictures::Png(image);
}

// A 2 x 2 grid of picture controls in yellow over the query's records.
class PictureKindsInGrid : public PictureQueryTest {
protected:
    void MakeGrid()
    {
        grid = NewGrid(cellWidth, cellHeight);
        image = NewImage(grid->Panel(), cellWidth, cellHeight);
        image->SetAlign(TAlign::alClient);
        image->SetColor(clYellow);
        grid->SetDataSource(source);
    }

    // The grid painted into an image of scale times its size in device pixels.
    QImage Render(QWidget* widget, qreal scale)
    {
        QImage shot(widget->size() * scale, QImage::Format_RGB32);
        shot.setDevicePixelRatio(scale);
        shot.fill(Qt::black);
        widget->render(&shot);
        return shot;
    }

    QColor Yellow() const { return TColors::ToQColor(clYellow); }

    TDBCtrlGrid* grid = nullptr;
    TBzDBImage* image = nullptr;
};

} // namespace picturekinds

using namespace picturekinds;

TEST_F(PictureKindsInGrid, TransparentPngIsLaidOverTheControlsColourInCopiesAndLive)
{
    catalogue.Add({0, HalfTransparentPng()});
    catalogue.Add({0, HalfTransparentPng()});
    MakeGrid();
    query->Open();
    ReportCapture reports;
    const QColor blended = Over(QColor(0, 0, 255, 128), Yellow());

    // The live control (cell 0) and a copy (cell 1): the 20 x 10 picture lies centred at
    // (10, 10), its left half blended, its right half and the surroundings the colour.
    const QImage shot = Grab(grid);
    for (const QPoint origin : {grid->CellRect(0).topLeft(), grid->CellRect(1).topLeft()}) {
        EXPECT_TRUE(Close(shot.pixelColor(origin + QPoint(12, 14)), blended))
            << shot.pixelColor(origin + QPoint(12, 14)).name().toStdString();
        EXPECT_EQ(shot.pixelColor(origin + QPoint(25, 14)), Yellow());
        EXPECT_EQ(shot.pixelColor(origin + QPoint(5, 5)), Yellow());
    }
    EXPECT_NE(dynamic_cast<TPngImage*>(image->Picture()->Graphic()), nullptr);
    EXPECT_TRUE(reports.texts.isEmpty());
}

TEST_F(PictureKindsInGrid, DrawingsFillTheCellWithTheirProportions)
{
    catalogue.Add({0, TTestPictures::HalfFilledSvg(20, 10, QColor(200, 0, 0), 0.5)});
    catalogue.Add({0, TTestPictures::HalfFilledSvg(20, 10, QColor(200, 0, 0), 0.5)});
    MakeGrid();
    query->Open();
    const QColor blended = Over(QColor(200, 0, 0, 128), Yellow());

    // 20 x 10 fitted into 40 x 30: 40 x 20, from y = 5 to 24.
    const QImage shot = Grab(grid);
    for (const QPoint origin : {grid->CellRect(0).topLeft(), grid->CellRect(1).topLeft()}) {
        EXPECT_TRUE(Close(shot.pixelColor(origin + QPoint(2, 6)), blended, 3))
            << shot.pixelColor(origin + QPoint(2, 6)).name().toStdString();
        EXPECT_TRUE(Close(shot.pixelColor(origin + QPoint(19, 23)), blended, 3));
        EXPECT_EQ(shot.pixelColor(origin + QPoint(2, 3)), Yellow());
        EXPECT_EQ(shot.pixelColor(origin + QPoint(2, 26)), Yellow());
        EXPECT_EQ(shot.pixelColor(origin + QPoint(25, 15)), Yellow());
    }
    EXPECT_NE(dynamic_cast<TSvgImage*>(image->Picture()->Graphic()), nullptr);
}

TEST_F(PictureKindsInGrid, DrawingsAreSharpAtTwiceTheScale)
{
    // The rectangle ends at 19.5 of the cell's 40 pixels: at scale 2 on device pixel 39.
    const QByteArray drawing = TTestPictures::Svg(
        40, 30, QStringLiteral("<rect width=\"19.5\" height=\"30\" fill=\"#0000ff\"/>"));
    catalogue.Add({0, drawing});
    catalogue.Add({0, drawing});
    MakeGrid();
    query->Open();

    const QImage shot = Render(grid, 2);
    for (const int cell : {0, 1}) {
        const QPoint origin = grid->CellRect(cell).topLeft() * 2;
        // Drawn at the device's resolution, the edge falls between two device pixels;
        // a drawing made at scale 1 and enlarged would blur both of them.
        EXPECT_EQ(shot.pixelColor(origin + QPoint(38, 20)), QColor(Qt::blue)) << cell;
        EXPECT_EQ(shot.pixelColor(origin + QPoint(39, 20)), Yellow()) << cell;
    }
}

TEST_F(PictureKindsInGrid, HostilePicturesShowTheBrokenMarkAndReportOnlyWhenCurrent)
{
    catalogue.Add({0, HalfTransparentPng()});
    catalogue.Add({0, TTestPictures::UseBombSvg(8)});
    catalogue.Add({0, TTestPictures::Svg(8, 8, QStringLiteral("<g>").repeated(300))});
    MakeGrid();
    query->Open();
    ReportCapture reports;

    const QImage shot = Grab(grid);
    for (const int cell : {1, 2}) {
        EXPECT_EQ(shot.pixelColor(grid->CellRect(cell).topLeft()), Yellow()) << cell;
        EXPECT_EQ(shot.pixelColor(grid->CellRect(cell).center()), TColors::ToQColor(clRed)) << cell;
    }
    EXPECT_TRUE(reports.texts.isEmpty());

    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.texts, QStringList{QStringLiteral("SVG image is too complex")});
    // The live control shows the mark too, not an empty cell.
    EXPECT_EQ(Grab(image).pixelColor(image->rect().center()), TColors::ToQColor(clRed));
}

TEST_F(PictureKindsInGrid, RestingOnAPictureShowsItsNameSizeAndFormat)
{
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("ALTER TABLE picture ADD COLUMN name TEXT")));
    catalogue.Add({0, HalfTransparentPng()});
    catalogue.Add({0, TTestPictures::HalfFilledSvg(48, 24, Qt::red)});
    catalogue.Add({0, TTestPictures::Jpeg(TTestPictures::Solid(7, 5, Qt::green))});
    catalogue.Exec(QStringLiteral("UPDATE picture SET name = 'edit-copy' WHERE ID = 1"));
    catalogue.Exec(QStringLiteral("UPDATE picture SET name = 'go-home' WHERE ID = 2"));
    MakeGrid();
    image->SetNameField(QStringLiteral("name"));
    host->show();
    query->Open();

    const auto hintAt = [&](QWidget* widget, QPoint at) {
        QCursor::setPos(widget->mapToGlobal(at));
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hintAt(image, QPoint(5, 5)), QString::fromUtf8("edit-copy  20 × 10  PNG"));
    EXPECT_EQ(hintAt(grid, grid->CellRect(1).center()), QString::fromUtf8("go-home  48 × 24  SVG"));
    // Without a name there is nothing to show: the tip goes.
    hintAt(grid, grid->CellRect(2).center());
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(image->PictureFileName(), QStringLiteral("edit-copy.png"));
}

TEST_F(PictureKindsInGrid, MovingAPressedPictureDragsItOutWithItsBytesAndAFile)
{
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("ALTER TABLE picture ADD COLUMN name TEXT")));
    const QByteArray png = HalfTransparentPng();
    const QByteArray drawing = TTestPictures::HalfFilledSvg(48, 24, Qt::red);
    catalogue.Add({0, png});
    catalogue.Add({0, drawing});
    catalogue.Exec(QStringLiteral("UPDATE picture SET name = 'go-home' WHERE ID = 2"));
    MakeGrid();
    image->SetNameField(QStringLiteral("name"));
    host->show();
    query->Open();

    const QPoint start = grid->CellRect(1).center();
    QTest::mousePress(grid, Qt::LeftButton, {}, start);
    EXPECT_EQ(query->RecNo(), 2);
    // The grid passes the moves of the pressed button on to the live control.
    const auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &move);
    };
    moveTo(start + QPoint(1, 0));
    EXPECT_EQ(image->findChild<QDrag*>(), nullptr); // within the drag distance nothing starts
    moveTo(start + QPoint(QApplication::startDragDistance() + 1, 0));

    // The finished drag waits for its deletion, with what it carried.
    const auto* drag = image->findChild<QDrag*>();
    ASSERT_NE(drag, nullptr);
    const QMimeData* data = drag->mimeData();
    const QStringList formats = data->formats();
    ASSERT_EQ(data->urls().size(), 1);
    QFile file(data->urls().first().toLocalFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(formats.contains(QStringLiteral("image/png")));
    EXPECT_TRUE(formats.contains(QStringLiteral("text/uri-list")));
    EXPECT_TRUE(formats.contains(QStringLiteral("application/x-qt-image")));
    EXPECT_EQ(data->data(QStringLiteral("image/svg+xml")), drawing);
    EXPECT_EQ(QFileInfo(file).fileName(), QStringLiteral("go-home.svg"));
    EXPECT_EQ(file.readAll(), drawing);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(48, 24));
}
