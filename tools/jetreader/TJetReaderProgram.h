#pragma once

#include <cstdint>
#include <string>

// The Access catalogue reader: reads table picture of one Access (Jet) file and writes its
// rows to standard output as a row stream (TJetRowFormat), for the gallery and the tool,
// which start it. It only ever reads the file.
//
//   zentuvio-jet-reader [--memory-limit-mib N] --lengths FILE      rows, pictures' lengths
//   zentuvio-jet-reader [--memory-limit-mib N] --values FILE       rows with their pictures
//   zentuvio-jet-reader [--memory-limit-mib N] --value-of ID FILE  the one row with that ID
//
// Exit status: 0 after the whole table, 3 after a problem (sent in the stream), 2 for a
// wrong command line.
class TJetReaderProgram {
public:
    static constexpr int wrongUsage = 2;

    int Run(int argc, char** argv);

private:
    enum class TMode { Lengths, Values, ValueOf };

    bool ReadCommandLine(int argc, char** argv);
    int Stream();
    // Keeps the process's memory under the limit, so that a damaged file cannot make the
    // library take the machine's memory.
    void LimitMemory() const;

    TMode m_mode = TMode::Lengths;
    std::int64_t m_wantedId = 0;
    std::uint64_t m_memoryLimitMiB = 512;
    std::string m_path;
};
