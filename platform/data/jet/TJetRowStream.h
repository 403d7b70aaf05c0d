#pragma once

#include "TJetRow.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Reads the row stream of the Access catalogue reader (see TJetRowFormat) as it arrives
// in pieces of any size, and hands on each frame once it is whole. The stream comes from
// a process that reads files we do not trust, so every length is checked against what
// the format allows and what is left of the frame before it is used.
class TJetRowStream {
public:
    struct THandler {
        std::function<void(std::uint64_t expectedRows, std::uint8_t columns)> table;
        std::function<void(TJetRow& row)> row;
        std::function<void(const QString& problem)> problem;
        std::function<void(std::uint64_t rowsRead)> end;
        // A serving reader's rows are listed; needed only for such a reader.
        std::function<void(std::uint64_t rowsListed)> listed = {};
    };

    explicit TJetRowStream(THandler handler);

    // Takes the next bytes. Raises EDatabaseError for a stream that breaks the format (a
    // frame of an unknown type, out of order or with a wrong length), after which Broken
    // is true; a handler's error passes on.
    void Feed(const char* data, qsizetype size);
    bool Broken() const { return m_broken; }

    bool TableSeen() const { return m_tableSeen; }
    // True once the stream has ended with End or Problem.
    bool Ended() const { return m_ended; }
    // True once a serving reader has listed its rows.
    bool Listed() const { return m_listed; }
    // True when no frame has arrived in part only.
    bool AtFrameBoundary() const { return m_pending.isEmpty(); }

private:
    [[noreturn]] void Malformed(const QString& what);
    void TakeFrame(std::uint8_t type, const char* payload, std::uint32_t size);
    void TakeRow(const char* payload, std::uint32_t size);

    THandler m_handler;
    QByteArray m_pending;
    bool m_tableSeen = false;
    bool m_ended = false;
    bool m_listed = false;
    bool m_broken = false;
    // Reused for every row, so that its buffers are too.
    TJetRow m_row;
};
