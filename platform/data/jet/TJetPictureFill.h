#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class TJetReaderRun;
class TSQLiteDatabase;
class TSQLiteStatement;
struct TJetRow;

// Brings the pictures into a copy of an Access catalogue that is browsed before they are
// all in it (see TJetCatalogueCache). The copy holds every row's other values and, for
// now, NULL for each picture still to come; a serving reader sends the pictures: first
// those that are read (Await, called before a picture is read from the copy), the rest
// while the event loop runs, a few at a time, so that the interface stays alive. The
// copy is written through a connection of its own in WAL mode, so that the browsing
// connection sees each picture as soon as it is committed, and neither waits for the
// other.
//
// When every picture is in, the copy is kept for the Access file: once the browsing
// connection has closed (the fill ends after it), it leaves WAL mode and takes the copy's
// name. A fill that ends before every picture is in (the gallery closed meanwhile, the
// reader failed, the copy could not be written) removes the copy: it is never taken for
// whole. A reader that fails, and pictures read only in part, are reported once, as for
// any damaged Access file, and so is a copy that cannot be written; a picture that could
// not be read stays NULL, one read in part holds the bytes read.
class TJetPictureFill : public QObject {
public:
    struct TCopy {
        std::unique_ptr<TSQLiteDatabase> writer; // the copy, open for writing in WAL mode
        QString keptPath;                        // the name it takes when whole
        QString accessPath;                      // the Access file, for messages
        // Makes the indexes that the copy does not have yet, once every picture is in:
        // until then, the pictures come first.
        std::function<void(TSQLiteDatabase& copy)> completeIndexes;
        // Writes into the copy that it is whole, and what it was made from.
        std::function<void(TSQLiteDatabase& copy)> markWhole;
    };

    // reader: a serving reader whose rows are listed; rowIds: the copy's row id of each row
    // listed, by its number from 1; pending: the numbers of the rows whose pictures are to
    // come, in reading order.
    TJetPictureFill(std::unique_ptr<TJetReaderRun> reader, TCopy copy, std::vector<qint64> rowIds,
                    const std::vector<std::uint64_t>& pending);
    ~TJetPictureFill() override;

    // True while the picture of the row with rowId is still to come.
    bool Pending(qint64 rowId) const;
    // Asks for the picture of the row with rowId ahead of the others, without waiting for
    // it (a row about to be painted).
    void Ask(qint64 rowId);
    // Returns once the picture of the row with rowId is in the copy or cannot come; busy
    // indicators stay alive meanwhile.
    void Await(qint64 rowId);
    // Returns once every picture is in the copy or cannot come.
    void AwaitAll();
    // True once every picture is in the copy.
    bool Complete() const { return m_complete; }
    // True while pictures are still coming.
    bool Bringing() const { return m_running; }
    // Why pictures could not come (the reader failed, the copy could not be written); else
    // an empty text.
    const QString& Failure() const { return m_failure; }
    // Fills in this process still bringing in pictures.
    static int Running();

private:
    enum class TState : std::uint8_t { Present, Pending, Asked, AskedInBackground };

    QString FollowAlone(const std::function<bool()>& until);
    void TakeInBackground();
    void Watch();
    void AskInBackground();
    void Store(const TJetRow& row);
    void Commit();
    void Writing(const std::function<void()>& work);
    // The reader failed for cause.
    void Fail(const QString& cause);
    void Stop(const QString& failure, const QString& report);
    void Finish();
    // Not running any more: every picture in, or the reader failed.
    void Ended();
    // Makes the whole copy the one kept for the Access file; false when it cannot be.
    bool Keep();

    std::unique_ptr<TJetReaderRun> m_reader;
    TCopy m_copy;
    std::unique_ptr<TSQLiteStatement> m_update;
    QString m_path; // the copy's file while it is filled
    std::vector<qint64> m_rowIds;
    QHash<qint64, std::uint32_t> m_numberOfRowId;
    std::vector<TState> m_states;       // by row number - 1
    std::vector<std::uint64_t> m_order; // the pictures to come, in reading order
    std::size_t m_nextInOrder = 0;
    std::size_t m_missing = 0;
    int m_askedInBackground = 0;
    bool m_inTransaction = false;
    bool m_waiting = false;
    bool m_complete = false;
    bool m_running = true;
    QStringList m_damagedRows;
    QString m_failure;
    QTimer m_watch;
    // Goes on in the background once the event loop runs again.
    QTimer m_resume;
};
