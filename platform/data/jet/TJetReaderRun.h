#pragma once

#include "TJetReader.h"
#include "TJetRowStream.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <functional>

// One run of the reader program over one file: starts it, takes in its row stream and
// hands each row to a visit, and stops it when it passes its limits (TJetReader::Limits)
// or breaks the stream's format. A reader still running when the run ends is killed.
//
// A serving reader (TContent::Serve) lists the rows without their pictures, then sends
// the picture of each row asked for until its requests end.
class TJetReaderRun {
public:
    TJetReaderRun(const QString& path, TJetReader::TVisit visit);
    ~TJetReaderRun();
    TJetReaderRun(const TJetReaderRun&) = delete;
    TJetReaderRun& operator=(const TJetReaderRun&) = delete;

    // Raises EDatabaseError naming the file when the program cannot be started.
    void Start(TJetReader::TContent content, qint64 id = 0);
    // Takes in the stream until until() holds or the reader has ended; returns why the
    // reader was stopped (a limit passed, a broken stream), else an empty text. Busy
    // indicators stay alive meanwhile. An error raised by the visit passes on.
    QString Follow(const std::function<bool()>& until);
    // Takes in what has arrived, without waiting; returns as Follow.
    QString TakeArrived();
    // A limit that the reader has passed now; else an empty text. Time without a word
    // counts from the last bytes or the last request.
    QString LimitPassed() const;
    void Stop();

    // A serving reader: asks for the picture of row number (from 1), and ends the requests.
    void Ask(std::uint64_t number);
    void EndRequests();

    // Rows go to visit from now on.
    void SetVisit(TJetReader::TVisit visit) { m_visit = std::move(visit); }
    // A serving reader has listed every row the table says it has, none of them damaged.
    bool ListedWhole() const;

    QProcess& Process() { return m_process; }
    const TJetRowStream& Stream() const { return m_stream; }
    std::uint64_t RowsListed() const { return m_rowsListed; }
    // Why the reader ended early (stopped: what Follow returned), in its words or ours.
    QString Cause(const QString& stopped) const;
    // How the reader that has ended or been stopped read the file (see TJetReader::Read).
    TJetReader::TSummary Summarise(const QString& stopped);

    // The problem of a read that got the pictures of rows only in part.
    static QString PartlyReadPictures(const QString& path, const QStringList& rows);

private:
    QString Take(const QByteArray& bytes);

    QString m_path;
    TJetReader::TVisit m_visit;
    TJetReader::TLimits m_limits;
    TJetRowStream m_stream;
    QProcess m_process;
    QElapsedTimer m_total;
    QElapsedTimer m_sinceWord;
    TJetReader::TSummary m_summary;
    std::uint64_t m_lastRow = 0;
    std::uint64_t m_rowsListed = 0;
    QStringList m_damagedRows;
    QString m_readerProblem;
    bool m_serving = false;
    // Requests a serving reader has not answered yet.
    std::uint64_t m_unanswered = 0;
};
