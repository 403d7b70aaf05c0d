#pragma once

#include "TWinControl.h"

#include <QPointer>
#include <memory>

class QScrollBar;
class TDataLink;
class TDataSet;
class TDataSource;
class TDBCtrlPanel;

// A read-only grid of cells, one per record, ColCount cells wide and RowCount cells
// high, laid out row by row, with a vertical scroll bar through the records at its right.
//
// The current record's cell is the panel (Panel()) that holds the live controls; a
// layout creates them inside the grid and the grid moves them onto its panel when the
// layout is loaded. Every other visible cell is painted as a copy of the panel: for
// each of the panel's controls the grid shows the cell's record (SetDisplayRecord) and
// has the control paint itself there (IReplicatable), or fills the control's place with
// its colour when it cannot. Before painting, the grid names its visible records to the
// data set (TDataSet::PrefetchRecords), so that a store on a server fetches their
// pictures at once; when that fails, no copy is painted and the error is reported.
//
// A left press on another cell makes its record current and passes the press on to the
// live control that then lies under the pointer; a right or middle press on another
// cell does nothing. Arrows, PageUp/PageDown and Home/End move between records, also
// while one of the panel's controls has the focus. Resting the pointer on another cell
// shows the tooltip that the control under it gives for that cell's record.
class TDBCtrlGrid : public TWinControl {
    T_CLASS_INFO
public:
    explicit TDBCtrlGrid(TComponent* owner);
    ~TDBCtrlGrid() override;

    // At least 1 each.
    int ColCount() const { return m_colCount; }
    void SetColCount(int count);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    // Size of one cell, pixels (at least 1).
    int PanelWidth() const { return m_panelWidth; }
    void SetPanelWidth(int width);
    int PanelHeight() const { return m_panelHeight; }
    void SetPanelHeight(int height);
    int PanelCount() const { return m_colCount * m_rowCount; }

    TDataSource* DataSource() const;
    // Binds the grid and every data-aware control on its panel to dataSource.
    void SetDataSource(TDataSource* dataSource);

    TDBCtrlPanel* Panel() const { return m_panel; }
    // Cell of the current record among the visible cells (from 0, row by row), -1
    // while no record is shown.
    int PanelIndex() const;
    // Record number shown in the first cell; 0 while no record is shown.
    int TopRecord() const { return m_topRecord; }
    // Record number shown at (x, y) in the grid's coordinates, 0 for none.
    int RecordAt(const QPoint& position) const;
    // Rectangle of a visible cell (from 0) in the grid's coordinates.
    QRect CellRect(int index) const;

    // Called by the panel for each control placed on it.
    void AdoptControl(TControl* control);
    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;
    void Loaded() override;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class Link;
    friend class Link;

    TDataSet* ActiveDataSet() const;
    void DataSetChanged();
    void Relayout();
    void FollowCurrentRecord(int current, int count);
    void PlacePanel(int current);
    void UpdateScrollBar(int count);
    void ScrollTo(int row);
    void MoveToRecord(int recNo);
    bool Navigate(unsigned short key);
    void BindLink(TDataLink& link) const;
    void SetLayoutValue(int& field, int value);
    void PaintCopies(QPainter& painter, TDataSet& dataSet, const QRegion& area);
    // Names the visible records to the data set before they are painted (PrefetchRecords);
    // false when that failed, now or before for the same page.
    bool PrefetchPage(TDataSet& dataSet);
    void PaintCell(QPainter& painter, const QRect& cell);
    // The tooltip for a point of another record's cell; empty for none.
    QString CopyHintAt(const QPoint& at);
    void ForwardMouse(QMouseEvent* event, QWidget* target);

    std::unique_ptr<Link> m_link;
    TDBCtrlPanel* m_panel = nullptr;   // owned as a component of the grid
    QScrollBar* m_scrollBar = nullptr; // a Qt child of the grid
    QPointer<QWidget> m_pressTarget;   // live control that received a passed-on press
    int m_colCount = 1;
    int m_rowCount = 3;
    int m_panelWidth = 200; // pixels
    int m_panelHeight = 72; // pixels
    int m_topRecord = 0;
    int m_failedTop = 0; // the first record of a page whose records could not be fetched
};
