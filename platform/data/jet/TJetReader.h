#pragma once

#include "TJetRow.h"

#include <QString>
#include <functional>

// Reads table picture of an Access (Jet) catalogue through the reader program
// zentuvio-jet-reader, which it starts and whose row stream it takes in over a pipe. The
// reader runs under a memory limit (the process's resident memory is watched, and the
// reader limits its own address space) and a time limit (no word from it for StallMs, or
// longer than TotalMs in all), so that a damaged file can neither take this process down
// nor eat the machine's memory or hang it. Busy indicators stay alive meanwhile
// (TBusyPulse). The file is only ever read.
class TJetReader {
public:
    enum class TContent {
        Lengths, // every row, with its picture's stored length but not its bytes
        Values,  // every row with its picture's bytes
        ValueOf, // the row of one ID with its picture's bytes
        Serve,   // every row as Lengths, then the rows asked for with their pictures' bytes
    };

    struct TLimits {
        int memoryMiB = 512;
        int stallMs = 20 * 1000;
        int totalMs = 10 * 60 * 1000;
    };

    // What a read found. A read that stopped early has a problem: a text that names the
    // file, says how many of its rows could be read and that the rest could not.
    struct TSummary {
        std::uint64_t expectedRows = 0; // as the table says
        std::uint64_t rowsRead = 0;
        std::uint8_t columns = 0; // TJetRowFormat::TColumns
        QString problem;
        bool Complete() const { return problem.isEmpty(); }
    };

    using TVisit = std::function<void(const TJetRow& row)>;

    // Calls visit for each row handed over, in reading order; an error raised by visit
    // stops the reader and passes on. Raises EDatabaseError naming the file when nothing
    // of it can be read: not an Access database, no table picture or one without the
    // columns needed, or the reader program missing.
    static TSummary Read(const QString& path, TContent content, const TVisit& visit, qint64 id = 0);

    // The reader program: the one set, else zentuvio-jet-reader beside the running
    // program, else in the installed program folder for it.
    static QString Program();
    static void SetProgram(const QString& path);
    static TLimits Limits();
    static void SetLimits(const TLimits& limits);
};
