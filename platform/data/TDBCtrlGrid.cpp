#include "TDBCtrlGrid.h"

#include "IDataLinkQuery.h"
#include "IReplicatable.h"
#include "TClassInfo.h"
#include "TDBCtrlPanel.h"
#include "TDataLink.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TKeyCodes.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

const TClassInfo& TDBCtrlGrid::StaticClassInfo()
{
    static const TClassInfo info("TDBCtrlGrid", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TDBCtrlGrid>();
        c.Property("ColCount", &TDBCtrlGrid::ColCount, &TDBCtrlGrid::SetColCount, 1);
        c.Reference("DataSource", &TDBCtrlGrid::DataSource, &TDBCtrlGrid::SetDataSource);
        c.Property("PanelHeight", &TDBCtrlGrid::PanelHeight, &TDBCtrlGrid::SetPanelHeight, 72);
        c.Property("PanelWidth", &TDBCtrlGrid::PanelWidth, &TDBCtrlGrid::SetPanelWidth, 200);
        c.Property("RowCount", &TDBCtrlGrid::RowCount, &TDBCtrlGrid::SetRowCount, 3);
    });
    return info;
}

// The grid's tie to its data source: every change of the records or of the current
// record lays the cells out again.
class TDBCtrlGrid::Link : public TDataLink {
public:
    explicit Link(TDBCtrlGrid& grid)
        : m_grid(grid)
    {}

protected:
    void ActiveChanged() override
    {
        m_grid.m_failedTop = 0;
        m_grid.DataSetChanged();
    }
    void DataSetChanged() override { m_grid.DataSetChanged(); }

private:
    TDBCtrlGrid& m_grid;
};

namespace {

// Field values come from another record for the length of a paint.
class DisplayRecordScope {
public:
    explicit DisplayRecordScope(TDataSet& dataSet)
        : m_dataSet(dataSet)
    {}
    ~DisplayRecordScope() { m_dataSet.ClearDisplayRecord(); }
    DisplayRecordScope(const DisplayRecordScope&) = delete;
    DisplayRecordScope& operator=(const DisplayRecordScope&) = delete;

private:
    TDataSet& m_dataSet;
};

class PainterState {
public:
    explicit PainterState(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
    }
    ~PainterState() { m_painter.restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter& m_painter;
};

} // namespace

TDBCtrlGrid::TDBCtrlGrid(TComponent* owner)
    : TWinControl(owner)
    , m_link(std::make_unique<Link>(*this))
    , m_panel(new TDBCtrlPanel(this))
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    m_panel->SetParent(this);
    m_panel->Hide();
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    connect(m_scrollBar, &QScrollBar::valueChanged, this,
            [this](int row) { TErrorReport::Guard([&] { ScrollTo(row); }); });
    SetBounds(0, 0, m_panelWidth * m_colCount + m_scrollBar->sizeHint().width(),
              m_panelHeight * m_rowCount);
    DataSetChanged();
}

// The link goes first: nothing of the data set reaches a grid that is being taken apart.
TDBCtrlGrid::~TDBCtrlGrid()
{
    m_link.reset();
}

void TDBCtrlGrid::SetColCount(int count)
{
    SetLayoutValue(m_colCount, count);
}

void TDBCtrlGrid::SetRowCount(int count)
{
    SetLayoutValue(m_rowCount, count);
}

void TDBCtrlGrid::SetPanelWidth(int width)
{
    SetLayoutValue(m_panelWidth, width);
}

void TDBCtrlGrid::SetPanelHeight(int height)
{
    SetLayoutValue(m_panelHeight, height);
}

void TDBCtrlGrid::SetLayoutValue(int& field, int value)
{
    value = std::max(1, value);
    if (value == field)
        return;
    field = value;
    DataSetChanged();
}

TDataSource* TDBCtrlGrid::DataSource() const
{
    return m_link->DataSource();
}

void TDBCtrlGrid::SetDataSource(TDataSource* dataSource)
{
    if (dataSource == DataSource())
        return;
    m_link->SetDataSource(dataSource);
    for (TControl* control : m_panel->Controls()) {
        if (TDataLink* link = IDataLinkQuery::DataLinkOf(control))
            BindLink(*link);
    }
    DataSetChanged();
}

// A control on the panel always shows the grid's records.
void TDBCtrlGrid::BindLink(TDataLink& link) const
{
    link.SetDataSourceFixed(false);
    link.SetDataSource(DataSource());
    link.SetDataSourceFixed(true);
}

int TDBCtrlGrid::PanelIndex() const
{
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || m_topRecord == 0)
        return -1;
    return dataSet->RecNo() - m_topRecord;
}

int TDBCtrlGrid::RecordAt(const QPoint& position) const
{
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || m_topRecord == 0 || position.x() < 0 || position.y() < 0)
        return 0;
    const int column = position.x() / m_panelWidth;
    const int row = position.y() / m_panelHeight;
    if (column >= m_colCount || row >= m_rowCount)
        return 0;
    const int recNo = m_topRecord + row * m_colCount + column;
    return recNo <= dataSet->RecordCount() ? recNo : 0;
}

QRect TDBCtrlGrid::CellRect(int index) const
{
    return QRect((index % m_colCount) * m_panelWidth, (index / m_colCount) * m_panelHeight,
                 m_panelWidth, m_panelHeight);
}

void TDBCtrlGrid::AdoptControl(TControl* control)
{
    control->installEventFilter(this);
    if (TDataLink* link = IDataLinkQuery::DataLinkOf(control))
        TErrorReport::Guard([&] { BindLink(*link); });
}

std::vector<TComponent*> TDBCtrlGrid::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children = TWinControl::ChildComponents(root);
    for (TControl* control : m_panel->Controls()) {
        if (control->Owner() == root)
            children.push_back(control);
    }
    return children;
}

// A layout creates the grid's controls on the grid itself; they belong on the panel.
void TDBCtrlGrid::Loaded()
{
    for (TControl* control : Controls()) {
        if (control != m_panel)
            control->SetParent(m_panel);
    }
    TWinControl::Loaded();
    DataSetChanged();
}

TDataSet* TDBCtrlGrid::ActiveDataSet() const
{
    return m_link && m_link->Active() ? m_link->DataSet() : nullptr;
}

// The new page is named to the data set at once: a control of the panel told of the
// change after the grid finds its record's values fetched with the page's.
void TDBCtrlGrid::DataSetChanged()
{
    TDataSet* dataSet = ActiveDataSet();
    const int count = dataSet ? dataSet->RecordCount() : 0;
    const int current = count > 0 ? dataSet->RecNo() : 0;
    FollowCurrentRecord(current, count);
    PlacePanel(current);
    UpdateScrollBar(count);
    if (current > 0)
        PrefetchPage(*dataSet);
    update();
}

// Scrolls by whole rows just far enough that the current record is visible.
void TDBCtrlGrid::FollowCurrentRecord(int current, int count)
{
    if (current <= 0) {
        m_topRecord = 0;
        return;
    }
    const int rowStart = current - (current - 1) % m_colCount;
    if (m_topRecord < 1 || current < m_topRecord)
        m_topRecord = rowStart;
    else if (current >= m_topRecord + PanelCount())
        m_topRecord = rowStart - (m_rowCount - 1) * m_colCount;
    const int lastRow = (count - 1) / m_colCount;
    const int lastTop = std::max(0, lastRow - m_rowCount + 1) * m_colCount + 1;
    m_topRecord = std::min(m_topRecord, lastTop);
}

// Without a current record the panel keeps a cell's size, hidden, so that its
// controls keep their places.
void TDBCtrlGrid::PlacePanel(int current)
{
    const QRect cell = CellRect(current > 0 ? current - m_topRecord : 0);
    m_panel->SetBounds(cell.x(), cell.y(), cell.width(), cell.height());
    m_panel->SetVisible(current > 0);
}

void TDBCtrlGrid::UpdateScrollBar(int count)
{
    const QSignalBlocker quiet(m_scrollBar);
    const int rows = (count + m_colCount - 1) / m_colCount;
    m_scrollBar->setRange(0, std::max(0, rows - m_rowCount));
    m_scrollBar->setPageStep(m_rowCount);
    m_scrollBar->setValue(m_topRecord > 0 ? (m_topRecord - 1) / m_colCount : 0);
    m_scrollBar->setEnabled(rows > m_rowCount);
}

// The user moved the scroll bar: the rows move and the current record keeps its cell.
void TDBCtrlGrid::ScrollTo(int row)
{
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || m_topRecord == 0)
        return;
    const int cell = dataSet->RecNo() - m_topRecord;
    m_topRecord = row * m_colCount + 1;
    MoveToRecord(std::min(m_topRecord + cell, dataSet->RecordCount()));
}

// The cells follow the data set even when moving fails (an edit that cannot be posted).
void TDBCtrlGrid::MoveToRecord(int recNo)
{
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet)
        return;
    const auto follow = qScopeGuard([this] { DataSetChanged(); });
    dataSet->SetRecNo(recNo);
}

bool TDBCtrlGrid::Navigate(unsigned short key)
{
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || dataSet->IsEmpty())
        return false;
    const int current = dataSet->RecNo();
    int target = current;
    switch (key) {
    case vkLeft:
        target = current - 1;
        break;
    case vkRight:
        target = current + 1;
        break;
    case vkUp:
        target = current - m_colCount;
        break;
    case vkDown:
        target = current + m_colCount;
        break;
    case vkPrior:
        target = current - PanelCount();
        break;
    case vkNext:
        target = current + PanelCount();
        break;
    case vkHome:
        target = 1;
        break;
    case vkEnd:
        target = dataSet->RecordCount();
        break;
    default:
        return false;
    }
    MoveToRecord(std::clamp(target, 1, dataSet->RecordCount()));
    return true;
}

void TDBCtrlGrid::KeyDown(unsigned short& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    if (key && Navigate(key))
        key = 0;
}

// The grid sees the navigation keys of its panel's controls before they do.
bool TDBCtrlGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return TWinControl::eventFilter(watched, event);
    const unsigned short key = VirtualKey(static_cast<QKeyEvent*>(event));
    bool handled = false;
    TErrorReport::Guard([&] { handled = Navigate(key); });
    return handled;
}

void TDBCtrlGrid::paintEvent(QPaintEvent* event)
{
    TWinControl::paintEvent(event);
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || m_topRecord == 0)
        return;
    QPainter painter(this);
    TErrorReport::Guard([&] { PaintCopies(painter, *dataSet, event->region()); });
}

void TDBCtrlGrid::PaintCopies(QPainter& painter, TDataSet& dataSet, const QRegion& area)
{
    if (!PrefetchPage(dataSet))
        return;
    const int count = dataSet.RecordCount();
    const int current = dataSet.RecNo();
    const DisplayRecordScope displaying(dataSet);
    for (int index = 0; index < PanelCount() && m_topRecord + index <= count; ++index) {
        const int recNo = m_topRecord + index;
        const QRect cell = CellRect(index);
        if (recNo == current || !area.intersects(cell))
            continue;
        dataSet.SetDisplayRecord(recNo);
        PaintCell(painter, cell);
    }
}

// The page's records are fetched at once. When that fails no copy is painted, rather than
// some of them, and the error is reported once, later: the page is not asked for again
// until another page is shown or the data set opens again, so that a server that went
// away costs one wait, not one for each paint.
bool TDBCtrlGrid::PrefetchPage(TDataSet& dataSet)
{
    if (m_topRecord > 0 && m_failedTop == m_topRecord)
        return false;
    try {
        dataSet.PrefetchRecords(m_topRecord, PanelCount());
    } catch (const std::exception& error) {
        m_failedTop = m_topRecord;
        TErrorReport::ShowLater(error);
        return false;
    }
    m_failedTop = 0;
    return true;
}

// The panel's colour, then each of its controls painted for the display record.
void TDBCtrlGrid::PaintCell(QPainter& painter, const QRect& cell)
{
    const PainterState cellState(painter);
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.translate(cell.topLeft());
    if (m_panel->Color() != clNone)
        painter.fillRect(QRect(QPoint(), cell.size()), TColors::ToQColor(m_panel->Color()));
    for (TControl* control : m_panel->Controls()) {
        if (!control->Visible())
            continue;
        const PainterState controlState(painter);
        const QRect place(QPoint(), control->size());
        painter.translate(control->pos());
        painter.setClipRect(place, Qt::IntersectClip);
        if (auto* replicatable = dynamic_cast<IReplicatable*>(control))
            replicatable->PaintCopy(painter);
        else if (control->Color() != clNone)
            painter.fillRect(place, TColors::ToQColor(control->Color()));
    }
}

bool TDBCtrlGrid::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return TWinControl::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QString hint;
    TErrorReport::Guard([&] { hint = CopyHintAt(help->pos()); });
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, this,
                           CellRect(RecordAt(help->pos()) - m_topRecord));
    return true;
}

QString TDBCtrlGrid::CopyHintAt(const QPoint& at)
{
    TDataSet* dataSet = ActiveDataSet();
    const int recNo = RecordAt(at);
    if (!dataSet || recNo == 0 || recNo == dataSet->RecNo())
        return QString();
    const QPoint inCell = at - CellRect(recNo - m_topRecord).topLeft();
    const DisplayRecordScope displaying(*dataSet);
    dataSet->SetDisplayRecord(recNo);
    for (TControl* control : m_panel->Controls()) {
        auto* replicatable = dynamic_cast<IReplicatable*>(control);
        if (replicatable && control->Visible() && control->geometry().contains(inCell))
            return replicatable->CopyHint();
    }
    return QString();
}

void TDBCtrlGrid::resizeEvent(QResizeEvent* event)
{
    TWinControl::resizeEvent(event);
    const int barWidth = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
}

// The wheel scrolls the rows as it does over the scroll bar, also over the panel's
// controls, which leave the wheel to their parents.
void TDBCtrlGrid::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_scrollBar, event);
}

// A press on another record's cell: the left button makes that record current and
// hands the press to the live control now under the pointer; other buttons do nothing.
void TDBCtrlGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int recNo = RecordAt(at);
    TDataSet* dataSet = ActiveDataSet();
    if (recNo == 0 || !dataSet || recNo == dataSet->RecNo()) {
        TWinControl::mousePressEvent(event);
        return;
    }
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    TErrorReport::Guard([&] { MoveToRecord(recNo); });
    if (!m_panel->isVisible() || !m_panel->geometry().contains(at))
        return;
    QWidget* target = m_panel->childAt(m_panel->mapFrom(this, at));
    m_pressTarget = target ? target : m_panel;
    ForwardMouse(event, m_pressTarget);
}

void TDBCtrlGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressTarget)
        ForwardMouse(event, m_pressTarget);
    else
        TWinControl::mouseMoveEvent(event);
}

void TDBCtrlGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressTarget) {
        TWinControl::mouseReleaseEvent(event);
        return;
    }
    QPointer<QWidget> target = m_pressTarget;
    m_pressTarget = nullptr;
    ForwardMouse(event, target);
}

void TDBCtrlGrid::ForwardMouse(QMouseEvent* event, QWidget* target)
{
    if (!target)
        return;
    QMouseEvent copy(event->type(), target->mapFrom(this, event->position()),
                     event->scenePosition(), event->globalPosition(), event->button(),
                     event->buttons(), event->modifiers());
    QCoreApplication::sendEvent(target, &copy);
}
