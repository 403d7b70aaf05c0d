#include "TJetReaderRun.h"

#include "Exception.h"
#include "TBusyPulse.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <unistd.h>

namespace {

// How long one wait for the reader lasts before busy indicators get their beat.
constexpr int waitSliceMs = 20;
constexpr qint64 readChunkBytes = 256 * 1024;

// The resident memory of process pid in MiB; 0 once it is gone.
qint64 ResidentMiB(qint64 pid)
{
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

QStringList Arguments(const QString& path, TJetReader::TContent content, qint64 id, int memoryMiB)
{
    QStringList arguments = {QStringLiteral("--memory-limit-mib"), QString::number(memoryMiB)};
    switch (content) {
    case TJetReader::TContent::Lengths:
        arguments << QStringLiteral("--lengths");
        break;
    case TJetReader::TContent::Values:
        arguments << QStringLiteral("--values");
        break;
    case TJetReader::TContent::ValueOf:
        arguments << QStringLiteral("--value-of") << QString::number(id);
        break;
    case TJetReader::TContent::Serve:
        arguments << QStringLiteral("--serve");
        break;
    }
    // "--" is not needed: the reader takes the one argument without a dash as the file,
    // and a path is made absolute so that it never starts with one.
    arguments << QFileInfo(path).absoluteFilePath();
    return arguments;
}

} // namespace

TJetReaderRun::TJetReaderRun(const QString& path, TJetReader::TVisit visit)
    : m_path(path)
    , m_visit(std::move(visit))
    , m_limits(TJetReader::Limits())
    , m_stream({[this](std::uint64_t expected, std::uint8_t columns) {
                    m_summary.expectedRows = expected;
                    m_summary.columns = columns;
                },
                [this](TJetRow& row) {
                    if (m_stream.Listed() && m_unanswered > 0)
                        --m_unanswered;
                    m_lastRow = std::max(m_lastRow, row.number);
                    if (row.state == TJetRowFormat::vsDamaged)
                        m_damagedRows << QString::number(row.number);
                    m_visit(row);
                },
                [this](const QString& problem) { m_readerProblem = problem; },
                [this](std::uint64_t rowsRead) { m_summary.rowsRead = rowsRead; },
                [this](std::uint64_t rowsListed) { m_rowsListed = rowsListed; }})
{}

TJetReaderRun::~TJetReaderRun()
{
    Stop();
}

void TJetReaderRun::Start(TJetReader::TContent content, qint64 id)
{
    const QString program = TJetReader::Program();
    m_serving = content == TJetReader::TContent::Serve;
    m_process.setStandardErrorFile(QProcess::nullDevice());
    if (!m_serving)
        m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start(program, Arguments(m_path, content, id, m_limits.memoryMiB),
                    m_serving ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    if (!m_process.waitForStarted())
        throw EDatabaseError(QStringLiteral("Cannot read the Access catalogue '%1': the "
                                            "reader program '%2' cannot be started (%3).")
                                 .arg(m_path, program, m_process.errorString()));
    m_total.start();
    m_sinceWord.start();
}

void TJetReaderRun::Stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString TJetReaderRun::Follow(const std::function<bool()>& until)
{
    while (!until()) {
        TBusyPulse::Pulse();
        if (m_process.bytesAvailable() == 0 && !m_process.waitForReadyRead(waitSliceMs)) {
            if (m_process.state() == QProcess::NotRunning)
                return TakeArrived();
        } else if (const QString broken = TakeArrived(); !broken.isEmpty()) {
            return broken;
        }
        if (const QString limit = LimitPassed(); !limit.isEmpty()) {
            Stop();
            return limit;
        }
    }
    return QString();
}

QString TJetReaderRun::TakeArrived()
{
    for (;;) {
        const QByteArray bytes = m_process.read(readChunkBytes);
        if (bytes.isEmpty())
            return QString();
        m_sinceWord.start();
        if (const QString broken = Take(bytes); !broken.isEmpty()) {
            Stop();
            return broken;
        }
    }
}

// Hands bytes to the stream; returns what is wrong with a stream that breaks the format
// (the rows before stand). An error of the visit passes on.
QString TJetReaderRun::Take(const QByteArray& bytes)
{
    try {
        m_stream.Feed(bytes.constData(), bytes.size());
    } catch (const EDatabaseError& error) {
        if (!m_stream.Broken())
            throw;
        return error.Message();
    }
    return QString();
}

QString TJetReaderRun::LimitPassed() const
{
    if (ResidentMiB(m_process.processId()) > m_limits.memoryMiB)
        return QStringLiteral("the reader needed more than %1 MiB of memory")
            .arg(m_limits.memoryMiB);
    const bool awaited = !m_serving || !m_stream.Listed() || m_unanswered > 0;
    if (awaited && m_sinceWord.elapsed() > m_limits.stallMs)
        return QStringLiteral("the reader gave no answer for %1 s").arg(m_limits.stallMs / 1000.0);
    // A serving reader lives as long as its pictures are wanted.
    if (!m_serving && m_total.elapsed() > m_limits.totalMs)
        return QStringLiteral("the reader took longer than %1 s").arg(m_limits.totalMs / 1000.0);
    return QString();
}

void TJetReaderRun::Ask(std::uint64_t number)
{
    // An idle reader's silence counts from the first request it has not answered.
    if (m_unanswered++ == 0)
        m_sinceWord.start();
    m_process.write(QByteArray::number(quint64(number)) + '\n');
}

void TJetReaderRun::EndRequests()
{
    m_process.closeWriteChannel();
}

bool TJetReaderRun::ListedWhole() const
{
    return m_stream.Listed() && m_rowsListed == m_summary.expectedRows && m_damagedRows.isEmpty();
}

QString TJetReaderRun::Cause(const QString& stopped) const
{
    if (!stopped.isEmpty())
        return stopped;
    if (!m_readerProblem.isEmpty())
        return m_readerProblem;
    if (m_process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("the reader stopped on a damaged page");
    if (!m_stream.Ended())
        return QStringLiteral("the reader stopped with exit status %1").arg(m_process.exitCode());
    return QStringLiteral("its table picture ends early (a damaged page)");
}

TJetReader::TSummary TJetReaderRun::Summarise(const QString& stopped)
{
    const bool whole = stopped.isEmpty() && m_readerProblem.isEmpty() && m_stream.Ended() &&
                       m_summary.rowsRead == m_summary.expectedRows;
    if (whole) {
        if (!m_damagedRows.isEmpty())
            m_summary.problem = PartlyReadPictures(m_path, m_damagedRows);
        return m_summary;
    }
    if (!m_stream.TableSeen())
        throw EDatabaseError(
            QStringLiteral("Cannot open the catalogue '%1': %2.").arg(m_path, Cause(stopped)));
    m_summary.rowsRead = std::max(m_summary.rowsRead, m_lastRow);
    m_summary.problem = QStringLiteral("The Access catalogue '%1' is damaged: %2. %3 of its "
                                       "%4 rows could be read; the rest could not be read.")
                            .arg(m_path, Cause(stopped))
                            .arg(m_summary.rowsRead)
                            .arg(m_summary.expectedRows);
    return m_summary;
}

QString TJetReaderRun::PartlyReadPictures(const QString& path, const QStringList& rows)
{
    return QStringLiteral("The Access catalogue '%1' is damaged: the pictures of rows %2 could "
                          "be read only in part; the rest of them could not be read.")
        .arg(path, rows.join(QStringLiteral(", ")));
}
