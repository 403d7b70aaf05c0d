#include "TJetReader.h"

#include "Exception.h"
#include "TBusyPulse.h"
#include "TJetRowStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <unistd.h>

namespace {

const QString programName = QStringLiteral("zentuvio-jet-reader");
// How long one wait for the reader lasts before busy indicators get their beat.
constexpr int waitSliceMs = 20;
constexpr qint64 readChunkBytes = 256 * 1024;

struct TSettings {
    QString program;
    TJetReader::TLimits limits;
};

TSettings& Settings()
{
    static TSettings settings;
    return settings;
}

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
    }
    // "--" is not needed: the reader takes the one argument without a dash as the file,
    // and a path is made absolute so that it never starts with one.
    arguments << QFileInfo(path).absoluteFilePath();
    return arguments;
}

// One run of the reader program over one file.
class TReaderRun {
public:
    TReaderRun(const QString& path, const TJetReader::TVisit& visit)
        : m_path(path)
        , m_visit(visit)
        , m_limits(TJetReader::Limits())
        , m_stream({[this](std::uint64_t expected, std::uint8_t columns) {
                        m_summary.expectedRows = expected;
                        m_summary.columns = columns;
                    },
                    [this](TJetRow& row) {
                        m_lastRow = row.number;
                        if (row.state == TJetRowFormat::vsDamaged)
                            m_damagedRows << QString::number(row.number);
                        m_visit(row);
                    },
                    [this](const QString& problem) { m_readerProblem = problem; },
                    [this](std::uint64_t rowsRead) { m_summary.rowsRead = rowsRead; }})
    {}
    ~TReaderRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    TReaderRun(const TReaderRun&) = delete;
    TReaderRun& operator=(const TReaderRun&) = delete;

    TJetReader::TSummary Run(TJetReader::TContent content, qint64 id)
    {
        Start(content, id);
        const QString stopped = Follow();
        m_process.waitForFinished();
        return Summarise(stopped);
    }

private:
    void Start(TJetReader::TContent content, qint64 id)
    {
        const QString program = TJetReader::Program();
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.start(program, Arguments(m_path, content, id, m_limits.memoryMiB),
                        QIODevice::ReadOnly);
        if (!m_process.waitForStarted())
            throw EDatabaseError(QStringLiteral("Cannot read the Access catalogue '%1': the "
                                                "reader program '%2' cannot be started (%3).")
                                     .arg(m_path, program, m_process.errorString()));
    }

    // Takes in the stream until the reader ends; returns why it was stopped, if it was.
    QString Follow()
    {
        QElapsedTimer total;
        QElapsedTimer sinceWord;
        total.start();
        sinceWord.start();
        for (;;) {
            TBusyPulse::Pulse();
            if (m_process.bytesAvailable() == 0 && !m_process.waitForReadyRead(waitSliceMs)) {
                if (m_process.state() == QProcess::NotRunning)
                    break;
            } else {
                sinceWord.start();
                if (const QString broken = Take(m_process.read(readChunkBytes));
                    !broken.isEmpty()) {
                    m_process.kill();
                    return broken;
                }
            }
            if (const QString limit = LimitPassed(total, sinceWord); !limit.isEmpty()) {
                m_process.kill();
                return limit;
            }
        }
        return Take(m_process.readAll());
    }

    // Hands bytes to the stream; returns what is wrong with a stream that breaks the
    // format (the rows before stand). An error of the visit passes on.
    QString Take(const QByteArray& bytes)
    {
        try {
            if (!bytes.isEmpty())
                m_stream.Feed(bytes.constData(), bytes.size());
        } catch (const EDatabaseError& error) {
            if (!m_stream.Broken())
                throw;
            return error.Message();
        }
        return QString();
    }

    QString LimitPassed(const QElapsedTimer& total, const QElapsedTimer& sinceWord) const
    {
        if (ResidentMiB(m_process.processId()) > m_limits.memoryMiB)
            return QStringLiteral("the reader needed more than %1 MiB of memory")
                .arg(m_limits.memoryMiB);
        if (sinceWord.elapsed() > m_limits.stallMs)
            return QStringLiteral("the reader gave no answer for %1 s")
                .arg(m_limits.stallMs / 1000.0);
        if (total.elapsed() > m_limits.totalMs)
            return QStringLiteral("the reader took longer than %1 s")
                .arg(m_limits.totalMs / 1000.0);
        return QString();
    }

    // Why the read ended early in the reader's words, or how it ended.
    QString Cause(const QString& stopped) const
    {
        if (!stopped.isEmpty())
            return stopped;
        if (!m_readerProblem.isEmpty())
            return m_readerProblem;
        if (m_process.exitStatus() == QProcess::CrashExit)
            return QStringLiteral("the reader stopped on a damaged page");
        if (!m_stream.Ended())
            return QStringLiteral("the reader stopped with exit status %1")
                .arg(m_process.exitCode());
        return QStringLiteral("its table picture ends early (a damaged page)");
    }

    TJetReader::TSummary Summarise(const QString& stopped)
    {
        const bool whole = stopped.isEmpty() && m_readerProblem.isEmpty() && m_stream.Ended() &&
                           m_summary.rowsRead == m_summary.expectedRows;
        if (whole) {
            if (!m_damagedRows.isEmpty())
                m_summary.problem = QStringLiteral("The Access catalogue '%1' is damaged: the "
                                                   "pictures of rows %2 could be read only in "
                                                   "part; the rest of them could not be read.")
                                        .arg(m_path, m_damagedRows.join(QStringLiteral(", ")));
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

    QString m_path;
    const TJetReader::TVisit& m_visit;
    TJetReader::TLimits m_limits;
    TJetRowStream m_stream;
    QProcess m_process;
    TJetReader::TSummary m_summary;
    std::uint64_t m_lastRow = 0;
    QStringList m_damagedRows;
    QString m_readerProblem;
};

} // namespace

TJetReader::TSummary TJetReader::Read(const QString& path, TContent content, const TVisit& visit,
                                      qint64 id)
{
    TReaderRun run(path, visit);
    return run.Run(content, id);
}

QString TJetReader::Program()
{
    if (!Settings().program.isEmpty())
        return Settings().program;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(programName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(ZENTUVIO_READER_FROM_BIN) +
                                                  QLatin1Char('/') + programName));
}

void TJetReader::SetProgram(const QString& path)
{
    Settings().program = path;
}

TJetReader::TLimits TJetReader::Limits()
{
    return Settings().limits;
}

void TJetReader::SetLimits(const TLimits& limits)
{
    Settings().limits = limits;
}
