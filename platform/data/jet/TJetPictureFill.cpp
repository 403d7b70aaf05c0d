#include "TJetPictureFill.h"

#include "Exception.h"
#include "TAccessOleObject.h"
#include "TErrorReport.h"
#include "TJetCatalogueCache.h"
#include "TJetReaderRun.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"

#include <QFile>
#include <QScopeGuard>
#include <cstdio>

namespace {

const QString fillAction = QStringLiteral("Cannot copy the pictures of the Access catalogue");
// Pictures asked for in the background at a time: enough to keep the reader busy, few
// enough that a picture asked for while painting waits only for these.
constexpr int backgroundRequests = 8;
constexpr int watchIntervalMs = 1000;

int running = 0;

} // namespace

TJetPictureFill::TJetPictureFill(std::unique_ptr<TJetReaderRun> reader, TCopy copy,
                                 std::vector<qint64> rowIds,
                                 const std::vector<std::uint64_t>& pending)
    : m_reader(std::move(reader))
    , m_copy(std::move(copy))
    , m_path(m_copy.writer->Path())
    , m_rowIds(std::move(rowIds))
    , m_states(m_rowIds.size(), TState::Present)
    , m_order(pending)
    , m_missing(pending.size())
{
    m_update = std::make_unique<TSQLiteStatement>(
        *m_copy.writer, QStringLiteral("UPDATE picture SET Mirelvane = ?1 WHERE rowid = ?2"),
        fillAction);
    m_numberOfRowId.reserve(qsizetype(m_rowIds.size()));
    for (std::size_t i = 0; i < m_rowIds.size(); ++i)
        m_numberOfRowId.insert(m_rowIds[i], std::uint32_t(i + 1));
    for (const std::uint64_t number : pending)
        m_states[number - 1] = TState::Pending;
    ++running;
    m_reader->SetVisit([this](const TJetRow& row) { Store(row); });
    connect(&m_reader->Process(), &QProcess::readyRead, this, &TJetPictureFill::TakeInBackground);
    connect(&m_watch, &QTimer::timeout, this, &TJetPictureFill::Watch);
    m_watch.start(watchIntervalMs);
    m_resume.setSingleShot(true);
    connect(&m_resume, &QTimer::timeout, this, &TJetPictureFill::TakeInBackground);
    if (m_missing == 0)
        Finish();
    else // once the event loop runs: the pictures being painted come first
        m_resume.start(0);
}

TJetPictureFill::~TJetPictureFill()
{
    Ended();
    disconnect(&m_reader->Process(), nullptr, this, nullptr);
    m_reader.reset();
    if (Keep())
        return;
    m_update.reset();
    m_copy.writer.reset();
    TJetCatalogueCache::RemoveCopy(m_path);
}

bool TJetPictureFill::Pending(qint64 rowId) const
{
    const std::uint32_t number = m_numberOfRowId.value(rowId, 0);
    return number != 0 && m_states[number - 1] != TState::Present && m_failure.isEmpty();
}

void TJetPictureFill::Ask(qint64 rowId)
{
    const std::uint32_t number = m_numberOfRowId.value(rowId, 0);
    if (number == 0 || m_states[number - 1] != TState::Pending || !m_failure.isEmpty())
        return;
    m_states[number - 1] = TState::Asked;
    m_reader->Ask(number);
}

void TJetPictureFill::Await(qint64 rowId)
{
    if (!Pending(rowId))
        return;
    Writing([&] {
        const std::uint32_t number = m_numberOfRowId.value(rowId);
        Ask(rowId);
        const QString stopped =
            FollowAlone([&] { return m_states[number - 1] == TState::Present; });
        Commit();
        if (m_states[number - 1] != TState::Present)
            Fail(m_reader->Cause(stopped));
        else if (m_missing == 0)
            Finish();
        else // answers that arrived meanwhile announce themselves no more
            m_resume.start(0);
    });
}

void TJetPictureFill::AwaitAll()
{
    if (m_complete || !m_failure.isEmpty())
        return;
    Writing([&] {
        for (std::size_t i = 0; i < m_states.size(); ++i) {
            if (m_states[i] == TState::Pending) {
                m_states[i] = TState::Asked;
                m_reader->Ask(i + 1);
            }
        }
        const QString stopped = FollowAlone([&] { return m_missing == 0; });
        Commit();
        if (m_missing > 0)
            Fail(m_reader->Cause(stopped));
        else
            Finish();
    });
}

// Runs work, which writes into the copy. A copy that cannot be written (a full disk,
// another program's lock) ends the fill as a failed reader does, with its own report.
void TJetPictureFill::Writing(const std::function<void()>& work)
{
    try {
        work();
    } catch (const EDatabaseError& error) {
        Stop(error.Message(), error.Message());
    }
}

// Takes in the reader's answers until until() holds, the background standing aside.
QString TJetPictureFill::FollowAlone(const std::function<bool()>& until)
{
    m_waiting = true;
    const auto waited = qScopeGuard([&] { m_waiting = false; });
    return m_reader->Follow(until);
}

// Between the pictures asked for by painting, while the event loop runs.
void TJetPictureFill::TakeInBackground()
{
    if (m_waiting || m_complete || !m_failure.isEmpty())
        return;
    Writing([&] {
        const QString broken = m_reader->TakeArrived();
        Commit();
        if (!broken.isEmpty())
            return Fail(broken);
        if (m_missing == 0)
            return Finish();
        AskInBackground();
    });
}

void TJetPictureFill::AskInBackground()
{
    if (m_complete || !m_failure.isEmpty())
        return;
    while (m_askedInBackground < backgroundRequests && m_nextInOrder < m_order.size()) {
        const std::uint64_t number = m_order[m_nextInOrder++];
        if (m_states[number - 1] != TState::Pending)
            continue;
        m_states[number - 1] = TState::AskedInBackground;
        ++m_askedInBackground;
        m_reader->Ask(number);
    }
}

// A reader that has died, passed a limit or stalled while pictures are still to come.
void TJetPictureFill::Watch()
{
    if (m_waiting || m_complete || !m_failure.isEmpty())
        return;
    if (const QString limit = m_reader->LimitPassed(); !limit.isEmpty())
        Fail(limit);
    else if (m_reader->Process().state() == QProcess::NotRunning &&
             m_reader->Process().bytesAvailable() == 0)
        Fail(m_reader->Cause(QString()));
}

void TJetPictureFill::Store(const TJetRow& row)
{
    if (row.number == 0 || row.number > m_states.size())
        return;
    TState& state = m_states[row.number - 1];
    if (state == TState::Present)
        return;
    if (state == TState::AskedInBackground)
        --m_askedInBackground;
    if (!m_inTransaction) {
        m_copy.writer->Execute(QStringLiteral("BEGIN"), fillAction);
        m_inTransaction = true;
    }
    m_update->Reset();
    m_update->Bind(1, TAccessOleObject::PictureOf(row));
    m_update->Bind(2, m_rowIds[row.number - 1]);
    m_update->Step();
    state = TState::Present;
    --m_missing;
    if (row.state == TJetRowFormat::vsDamaged)
        m_damagedRows << QString::number(row.number);
}

void TJetPictureFill::Commit()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    m_copy.writer->Execute(QStringLiteral("COMMIT"), fillAction);
}

void TJetPictureFill::Fail(const QString& cause)
{
    if (!m_running)
        return;
    // The pictures that came stand.
    Commit();
    Stop(cause, QStringLiteral("The Access catalogue '%1' is damaged: %2. The pictures of %3 of "
                               "its %4 rows could not be read.")
                    .arg(m_copy.accessPath, cause)
                    .arg(m_missing)
                    .arg(m_rowIds.size()));
}

// Brings in no more pictures, for failure, and reports it.
void TJetPictureFill::Stop(const QString& failure, const QString& report)
{
    if (!m_running)
        return;
    m_failure = failure;
    Ended();
    m_reader->Stop();
    TErrorReport::ShowLater(EDatabaseError(report));
}

void TJetPictureFill::Finish()
{
    Commit();
    m_copy.completeIndexes(*m_copy.writer);
    m_complete = true;
    Ended();
    m_reader->EndRequests();
    if (!m_damagedRows.isEmpty())
        TErrorReport::ShowLater(
            EDatabaseError(TJetReaderRun::PartlyReadPictures(m_copy.accessPath, m_damagedRows)));
}

void TJetPictureFill::Ended()
{
    m_watch.stop();
    m_resume.stop();
    if (m_running)
        --running;
    m_running = false;
}

int TJetPictureFill::Running()
{
    return running;
}

bool TJetPictureFill::Keep()
{
    m_update.reset();
    if (!m_complete || !m_damagedRows.isEmpty())
        return false;
    try {
        m_copy.markWhole(*m_copy.writer);
        // Alone on the copy now: it leaves WAL mode, so that it is one plain file.
        TSQLiteStatement mode(*m_copy.writer, QStringLiteral("PRAGMA journal_mode=DELETE"),
                              fillAction);
        if (!mode.Step() || mode.Column(0).toString() != QLatin1String("delete"))
            return false;
    } catch (const EDatabaseError&) {
        return false;
    }
    m_copy.writer.reset();
    return std::rename(QFile::encodeName(m_path).constData(),
                       QFile::encodeName(m_copy.keptPath).constData()) == 0;
}
