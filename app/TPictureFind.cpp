#include "TPictureFind.h"

#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TApplication.h"
#include "TDBCtrlGrid.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TFindBox.h"
#include "TMianForm.h"
#include "TNameSearch.h"
#include "TNameSearchThread.h"
#include "TQueryWaitBox.h"

#include <QEventLoop>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>
#include <optional>
#include <utility>

namespace {

int waitDelayMs = 250;
// Records of a result held at once: a few pages of the icons grid.
constexpr int findCacheSize = 144;

const QString noNames = QStringLiteral("这个图片库没有保存图片的名称，不能按名称查找图片。");

// True when control lies above sibling (both children of one parent).
bool Above(const QWidget& control, const QWidget& sibling)
{
    const QObjectList& children = control.parentWidget()->children();
    return children.indexOf(&control) > children.indexOf(&sibling);
}

} // namespace

// One opening of the find box: the search thread, the query that shows what it finds,
// and the wait box while a search that reads every row runs. The query is open from the
// start, without records: each search's result only replaces its records.
class TPictureFind::TSession {
public:
    TSession(TPictureFind& find, std::unique_ptr<TNameSearch> search, const TView& before)
        : m_find(find)
        , m_before(before)
        , m_thread(std::move(search))
        , m_query(find.NewQuery())
    {
        auto discard = qScopeGuard([this] { delete m_query; });
        m_query->SetRecordKeys(std::vector<qint64>());
        m_query->Open();
        discard.dismiss();
        m_thread.OnScanning = [this](const QString&) { m_waitTimer.start(); };
        m_thread.OnFound = [this](const TNameSearchThread::TFound& found) { Found(found); };
        m_waitTimer.setSingleShot(true);
        m_waitTimer.setInterval(waitDelayMs);
        QObject::connect(&m_waitTimer, &QTimer::timeout, &m_waitTimer,
                         [this] { m_wait.emplace(); });
    }
    ~TSession() { delete m_query; }
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    void Find(const QString& text)
    {
        StopWaiting();
        if (text.isEmpty()) {
            m_find.Restore(m_before);
            m_shown = false;
        }
        m_thread.Find(text);
    }

    bool Searching() const { return m_thread.Busy(); }

    // Waits for what the last text finds, under the wait box when it reads every row.
    void Finish()
    {
        if (!m_thread.Busy())
            return;
        if (m_waitTimer.isActive())
            m_wait.emplace();
        QEventLoop loop;
        m_finished = [&loop] { loop.quit(); };
        loop.exec();
        m_finished = nullptr;
    }

    // The query that shows what was found, if it shows anything; the session lets go of it.
    TADOQuery* TakeShown()
    {
        if (!m_shown || !m_query->Active())
            return nullptr;
        return std::exchange(m_query, nullptr);
    }

    void StopWaiting()
    {
        m_waitTimer.stop();
        m_wait.reset();
    }

private:
    void Found(const TNameSearchThread::TFound& found)
    {
        StopWaiting();
        const auto finish = qScopeGuard([this] {
            if (m_finished)
                m_finished();
        });
        if (!found.error.isEmpty())
            TErrorReport::ShowText(found.error);
        else if (!found.text.isEmpty()) {
            m_query->SetRecordKeys(found.keys);
            m_find.Show(*m_query, found.text);
            m_shown = true;
        }
    }

    TPictureFind& m_find;
    const TView m_before;
    TNameSearchThread m_thread;
    TADOQuery* m_query;
    bool m_shown = false; // the icons grid shows m_query
    QTimer m_waitTimer;
    std::optional<TQueryWaitBox> m_wait;
    std::function<void()> m_finished;
};

TPictureFind::TPictureFind(TMianForm& window)
    : m_window(window)
{}

TPictureFind::~TPictureFind() = default;

int TPictureFind::WaitDelayMs()
{
    return waitDelayMs;
}

void TPictureFind::SetWaitDelayMs(int milliseconds)
{
    waitDelayMs = qMax(0, milliseconds);
}

bool TPictureFind::Searching() const
{
    return m_session && m_session->Searching();
}

void TPictureFind::Run()
{
    const TView before = Capture();
    std::unique_ptr<TNameSearch> search;
    {
        // Opening the catalogue may take long: an Access catalogue is copied first.
        std::optional<TQueryWaitBox> wait;
        if (!m_window.Myado->Connected())
            wait.emplace();
        search = m_window.Myado->OpenNameSearch();
    }
    const bool hasNames = search->HasNames();
    TSession session(*this, std::move(search), before);
    m_session = &session;
    const auto ended = qScopeGuard([this] { m_session = nullptr; });

    const QPointer<TFindBox> box = FindBox = TForm::Create<TFindBox>(Application);
    if (!hasNames)
        box->Refuse(noNames);
    box->OnFind = [&session](const QString& text) { session.Find(text); };
    const bool keep = box->ShowModal() == mrOk;
    if (box)
        box->OnFind = nullptr;
    if (keep)
        session.Finish();
    session.StopWaiting();
    if (TADOQuery* shown = keep ? session.TakeShown() : nullptr)
        Keep(shown);
    else
        Restore(before);
}

void TPictureFind::Release()
{
    if (!m_kept)
        return;
    m_window.DataSource1->SetDataSet(m_window.ADOQuery1);
    delete std::exchange(m_kept, nullptr);
}

TPictureFind::TView TPictureFind::Capture() const
{
    return {Above(*m_window.Panel16, *m_window.Panel21),
            Above(*m_window.DBCtrlGrid1, *m_window.DBCtrlGrid2) ? m_window.DBCtrlGrid1
                                                                : m_window.DBCtrlGrid2,
            m_window.DataSource1->DataSet(), m_window.Label10->Caption()};
}

void TPictureFind::Restore(const TView& view)
{
    m_window.DataSource1->SetDataSet(view.icons);
    view.grid->BringToFront();
    if (view.gridsInFront)
        m_window.Panel16->BringToFront();
    else
        m_window.Panel21->BringToFront();
    m_window.Label10->SetCaption(view.count);
}

void TPictureFind::Show(TADOQuery& query, const QString& text)
{
    query.Open();
    m_window.DataSource1->SetDataSet(&query);
    m_window.Panel16->BringToFront();
    m_window.DBCtrlGrid1->BringToFront();
    m_window.SetCount(QStringLiteral("“%1”").arg(text), query.RecordCount(), QStringLiteral("个"));
}

// Over the category query's table, without its filter: the records are the row ids found.
TADOQuery* TPictureFind::NewQuery()
{
    auto* query = new TADOQuery(&m_window);
    query->SetConnection(m_window.Myado);
    query->SetCacheSize(findCacheSize);
    query->SetSQL({m_window.ADOQuery1->SQL().front()});
    query->SetLockType(m_window.ADOQuery1->LockType());
    return query;
}

void TPictureFind::Keep(TADOQuery* query)
{
    if (m_kept != query)
        delete std::exchange(m_kept, query);
}
