#include "PictureDataTest.h"

#include "TDBCtrlGrid.h"

TPictureDataGround::TPictureDataGround(const TTestStore& store, TPictureTable table)
    : m_catalogue(store.Unavailable().isEmpty() ? store.NewCatalogue(table)
                                                : TTestStore::SQLite().NewCatalogue(table))
    , catalogue(*m_catalogue)
    , host(std::make_unique<TPanel>(nullptr))
{
    host->SetBounds(0, 0, 300, 200);
}

PictureDataTest::PictureDataTest(const TTestStore& store, TPictureTable table)
    : TPictureDataGround(store, table)
    , TTestQuery(host.get(), catalogue.ConnectionString())
{}

TDBCtrlGrid* PictureDataTest::NewGrid(int cellWidth, int cellHeight) const
{
    auto* grid = new TDBCtrlGrid(host.get());
    grid->SetParent(host.get());
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetPanelWidth(cellWidth);
    grid->SetPanelHeight(cellHeight);
    grid->SetBounds(0, 0, 2 * cellWidth + 20, 2 * cellHeight);
    return grid;
}
