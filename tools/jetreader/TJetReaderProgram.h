#pragma once

#include "TJetTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TJetRowWriter;

// The Access catalogue reader: reads table picture of one Access (Jet) file and writes its
// rows to standard output as a row stream (TJetRowFormat), for the gallery and the tool,
// which start it. It only ever reads the file.
//
//   zentuvio-jet-reader [--memory-limit-mib N] --lengths FILE      rows, pictures' lengths
//   zentuvio-jet-reader [--memory-limit-mib N] --values FILE       rows with their pictures
//   zentuvio-jet-reader [--memory-limit-mib N] --value-of ID FILE  the one row with that ID
//   zentuvio-jet-reader [--memory-limit-mib N] --serve FILE        rows, then the pictures
//                                                                  of the rows asked for
//
// Exit status: 0 after the whole table (or, serving, at the end of its input), 3 after a
// problem (sent in the stream), 2 for a wrong command line.
class TJetReaderProgram {
public:
    static constexpr int wrongUsage = 2;

    int Run(int argc, char** argv);

private:
    enum class TMode { Lengths, Values, ValueOf, Serve };

    bool ReadCommandLine(int argc, char** argv);
    int Stream();
    // Hands each row of the table to take, in order; false after sending a problem when
    // the table holds more rows than it says.
    bool EachRow(TJetTable& table, TJetRowWriter& out, const std::function<void(TJetRow&)>& take);
    // Sends the row of each number read from standard input with its picture's bytes.
    int Serve(TJetTable& table, TJetRowWriter& out);
    // Keeps the process's memory under the limit, so that a damaged file cannot make the
    // library take the machine's memory.
    void LimitMemory() const;

    TMode m_mode = TMode::Lengths;
    std::int64_t m_wantedId = 0;
    std::uint64_t m_memoryLimitMiB = 512;
    std::string m_path;
    std::uint64_t m_rowsRead = 0;
    // Where each row listed lies, by row number from 1.
    std::vector<TJetTable::TPlace> m_places;
};
