#include "DataClasses.h"
#include "IDataLinkQuery.h"
#include "IReplicatable.h"
#include "PictureDataTest.h"
#include "PlatformClasses.h"
#include "TADOQuery.h"
#include "TDBCtrlGrid.h"
#include "TDBCtrlPanel.h"
#include "TDataSource.h"
#include "TField.h"
#include "TFieldDataLink.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TPanel.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int cellWidth = 30;  // pixels
constexpr int cellHeight = 20; // pixels

// The colour a record is shown in: its parent column as a grey level.
QColor ColorOf(qint64 parent)
{
    return QColor(int(parent), int(parent), int(parent));
}

// A data-aware control that fills itself with its record's colour, live or as a copy.
class TRecordSwatch : public TWinControl, public IDataLinkQuery, public IReplicatable {
public:
    explicit TRecordSwatch(TComponent* owner)
        : TWinControl(owner)
    {
        link.SetControl(this);
        link.SetFieldName(QStringLiteral("parent"));
        SetTabStop(true);
    }
    TDataLink* QueryDataLink() override { return &link; }
    void PaintCopy(QPainter& painter) override { painter.fillRect(rect(), Shown()); }

    TFieldDataLink link;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Shown()); }

private:
    QColor Shown() const { return link.Field() ? ColorOf(link.Field()->AsInteger()) : Qt::black; }
};

class DBCtrlGrid : public PictureDataTest {
protected:
    void SetUp() override
    {
        for (int record = 1; record <= 7; ++record)
            catalogue.Add({record * 30, QByteArray("x")});
        query->SetSQL({QStringLiteral("Select * From picture")});
        grid = NewGrid(cellWidth, cellHeight);
        swatch = new TRecordSwatch(host.get());
        swatch->SetParent(grid->Panel());
        swatch->SetBounds(5, 5, 10, 10);
        grid->SetDataSource(source);
    }

    QImage Shot() const { return grid->grab().toImage(); }
    QPoint SwatchIn(int cell) const { return grid->CellRect(cell).topLeft() + QPoint(8, 8); }

    TDBCtrlGrid* grid = nullptr;
    TRecordSwatch* swatch = nullptr;
};

} // namespace

TEST_F(DBCtrlGrid, ControlsOnThePanelShowTheGridsDataSource)
{
    EXPECT_EQ(swatch->link.DataSource(), source);
    EXPECT_TRUE(swatch->link.DataSourceFixed());
    EXPECT_THROW(swatch->link.SetDataSource(nullptr), EDatabaseError);
    grid->SetDataSource(nullptr);
    EXPECT_EQ(swatch->link.DataSource(), nullptr);
}

TEST_F(DBCtrlGrid, NothingIsShownWhileTheDataSetIsClosed)
{
    EXPECT_FALSE(grid->Panel()->isVisibleTo(grid));
    EXPECT_EQ(grid->TopRecord(), 0);
    EXPECT_EQ(grid->RecordAt(QPoint(1, 1)), 0);
    EXPECT_EQ(Shot().pixelColor(SwatchIn(0)), TColors::ToQColor(grid->Color()));
}

TEST_F(DBCtrlGrid, CellsRunRowByRowAndThePanelFollowsTheCurrentRecord)
{
    query->Open();
    EXPECT_EQ(grid->Panel()->geometry(), grid->CellRect(0));
    EXPECT_EQ(grid->RecordAt(QPoint(cellWidth + 1, 1)), 2);
    EXPECT_EQ(grid->RecordAt(QPoint(1, cellHeight + 1)), 3);
    EXPECT_EQ(grid->RecordAt(QPoint(2 * cellWidth + 1, 1)), 0);

    query->SetRecNo(4);
    EXPECT_EQ(grid->PanelIndex(), 3);
    EXPECT_EQ(grid->Panel()->geometry(), grid->CellRect(3));
    // Scrolling by whole rows, just far enough.
    query->SetRecNo(6);
    EXPECT_EQ(grid->TopRecord(), 3);
    EXPECT_EQ(grid->PanelIndex(), 3);
    query->Last();
    EXPECT_EQ(grid->TopRecord(), 5);
    EXPECT_EQ(grid->PanelIndex(), 2);
    EXPECT_EQ(grid->RecordAt(grid->CellRect(3).center()), 0);
    query->SetRecNo(4);
    EXPECT_EQ(grid->TopRecord(), 3);
    query->First();
    EXPECT_EQ(grid->TopRecord(), 1);
}

TEST_F(DBCtrlGrid, OtherCellsArePaintedAsCopiesForTheirRecords)
{
    query->Open();
    query->SetRecNo(2);
    const QImage shot = Shot();
    for (int cell = 0; cell < 4; ++cell)
        EXPECT_EQ(shot.pixelColor(SwatchIn(cell)), ColorOf(30 * (cell + 1))) << cell;
    // Around the controls, the panel's colour; the current record is untouched.
    EXPECT_EQ(shot.pixelColor(grid->CellRect(3).topLeft()), TColors::ToQColor(grid->Color()));
    EXPECT_EQ(query->FieldByName(QStringLiteral("parent"))->AsInteger(), 60);
}

// Far more records than the query holds: the scroll bar reaches any of them, and every
// cell, the current record's live one too, shows its own record.
TEST_F(DBCtrlGrid, TheScrollBarReachesAnyRecordOfACategoryLargerThanTheCache)
{
    constexpr int records = 2000;
    const auto parentOf = [](int recNo) { return recNo <= 7 ? 30 * recNo : recNo * 7 % 250; };
    catalogue.AddMany(records - 7, [&](int i) {
        return TPictureRow{parentOf(i + 8), QByteArray("x")};
    });
    query->SetCacheSize(50);
    query->Open();
    ASSERT_TRUE(query->WalksByKey());
    auto* bar = grid->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    for (const int row : {bar->maximum() / 2, bar->maximum(), 3, bar->maximum() / 3}) {
        bar->setValue(row);
        EXPECT_EQ(grid->TopRecord(), row * 2 + 1);
        const QImage shot = Shot();
        for (int cell = 0; cell < 4; ++cell)
            EXPECT_EQ(shot.pixelColor(SwatchIn(cell)), ColorOf(parentOf(grid->TopRecord() + cell)))
                << "row " << row << ", cell " << cell;
        EXPECT_LE(query->RecordsHeld(), 50);
    }
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(query->RecNo(), records);
    EXPECT_EQ(Shot().pixelColor(SwatchIn(grid->PanelIndex())), ColorOf(parentOf(records)));
}

TEST_F(DBCtrlGrid, KeysMoveBetweenRecordsAlsoFromThePanelsControls)
{
    query->Open();
    const auto press = [](QWidget* target, Qt::Key key) { QTest::keyClick(target, key); };
    press(grid, Qt::Key_Right);
    EXPECT_EQ(query->RecNo(), 2);
    press(swatch, Qt::Key_Down);
    EXPECT_EQ(query->RecNo(), 4);
    press(swatch, Qt::Key_Left);
    EXPECT_EQ(query->RecNo(), 3);
    press(swatch, Qt::Key_PageDown);
    EXPECT_EQ(query->RecNo(), 7);
    press(swatch, Qt::Key_Up);
    EXPECT_EQ(query->RecNo(), 5);
    press(swatch, Qt::Key_Home);
    EXPECT_EQ(query->RecNo(), 1);
    press(swatch, Qt::Key_Up);
    EXPECT_EQ(query->RecNo(), 1);
    press(swatch, Qt::Key_End);
    EXPECT_EQ(query->RecNo(), 7);
    press(swatch, Qt::Key_PageUp);
    EXPECT_EQ(query->RecNo(), 3);
}

TEST_F(DBCtrlGrid, TheScrollBarMovesTheRowsAndTheCurrentRecordWithThem)
{
    query->Open();
    query->SetRecNo(2);
    auto* bar = grid->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 2); // four rows of two, two visible
    bar->setValue(2);
    EXPECT_EQ(grid->TopRecord(), 5);
    EXPECT_EQ(query->RecNo(), 6);
    bar->setValue(1);
    EXPECT_EQ(query->RecNo(), 4);
    query->First();
    EXPECT_EQ(bar->value(), 0);
}

// Turns the wheel one notch towards the user over the given widget; true when the
// widget kept the event (otherwise the window system's wheel goes on to its parent).
bool WheelDownOver(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    return wheel.isAccepted();
}

TEST_F(DBCtrlGrid, TheWheelScrollsTheRowsAndThePanelsControlsLeaveItToTheGrid)
{
    query->Open();
    query->SetRecNo(2);
    EXPECT_TRUE(WheelDownOver(grid));
    EXPECT_EQ(grid->TopRecord(), 5) << "as far as the last rows";
    EXPECT_EQ(query->RecNo(), 6) << "the current record keeps its cell";

    EXPECT_FALSE(WheelDownOver(swatch));
    EXPECT_FALSE(WheelDownOver(grid->Panel()));
    EXPECT_EQ(query->RecNo(), 6);
}

TEST_F(DBCtrlGrid, PressesOnOtherCellsSelectWithTheLeftButtonOnly)
{
    query->Open();
    QTest::mouseClick(grid, Qt::RightButton, {}, SwatchIn(3));
    QTest::mouseClick(grid, Qt::MiddleButton, {}, SwatchIn(3));
    EXPECT_EQ(query->RecNo(), 1);
    QTest::mouseClick(grid, Qt::LeftButton, {}, SwatchIn(3));
    EXPECT_EQ(query->RecNo(), 4);
    // Below the last record: nothing to select.
    query->Last();
    QTest::mouseClick(grid, Qt::LeftButton, {}, SwatchIn(3));
    EXPECT_EQ(query->RecNo(), 7);
}

TEST_F(DBCtrlGrid, ALayoutPutsTheGridsControlsOnItsPanelAndWritesThemBack)
{
    RegisterPlatformClasses();
    RegisterDataClasses();
    const QString text = QStringLiteral(R"(object Form1: TComponent
  object Grid: TDBCtrlGrid
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    ColCount = 6
    PanelHeight = 66
    PanelWidth = 103
    RowCount = 6
    object Strip: TPanel
      Left = 95
      Top = 0
      Width = 8
      Height = 66
      Align = alRight
    end
  end
end
)");
    TComponent form(nullptr);
    TLayoutLoader(&form, QStringLiteral("Form1")).Apply(text);
    auto* loaded = dynamic_cast<TDBCtrlGrid*>(form.FindComponent(QStringLiteral("Grid")));
    auto* strip = dynamic_cast<TPanel*>(form.FindComponent(QStringLiteral("Strip")));
    ASSERT_TRUE(loaded && strip);
    EXPECT_EQ(strip->Parent(), loaded->Panel());
    EXPECT_EQ(loaded->PanelCount(), 36);
    EXPECT_EQ(TLayoutWriter::Write(&form).toStdString(), text.toStdString());
}
