#include "TJetReaderProgram.h"

#include "TJetProblem.h"
#include "TJetRowWriter.h"
#include "TJetTable.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t addressSpaceRoomMiB = 256;

bool ParseNumber(const char* text, long long& number)
{
    char* end = nullptr;
    errno = 0;
    number = std::strtoll(text, &end, 10);
    return *text != '\0' && *end == '\0' && errno == 0;
}

} // namespace

int TJetReaderProgram::Run(int argc, char** argv)
{
    if (!ReadCommandLine(argc, argv)) {
        std::fputs("Usage: zentuvio-jet-reader [--memory-limit-mib N] "
                   "(--lengths | --values | --value-of ID | --serve) FILE\n",
                   stderr);
        return wrongUsage;
    }
    LimitMemory();
    return Stream();
}

bool TJetReaderProgram::ReadCommandLine(int argc, char** argv)
{
    bool modeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        long long number = 0;
        if (std::strcmp(argument, "--lengths") == 0 || std::strcmp(argument, "--values") == 0 ||
            std::strcmp(argument, "--serve") == 0) {
            m_mode = argument[2] == 'l'   ? TMode::Lengths
                     : argument[2] == 'v' ? TMode::Values
                                          : TMode::Serve;
            modeGiven = true;
        } else if (std::strcmp(argument, "--value-of") == 0 && i + 1 < argc &&
                   ParseNumber(argv[i + 1], number)) {
            m_mode = TMode::ValueOf;
            m_wantedId = number;
            modeGiven = true;
            ++i;
        } else if (std::strcmp(argument, "--memory-limit-mib") == 0 && i + 1 < argc &&
                   ParseNumber(argv[i + 1], number) && number > 0) {
            m_memoryLimitMiB = std::uint64_t(number);
            ++i;
        } else if (m_path.empty() && argument[0] != '-') {
            m_path = argument;
        } else {
            return false;
        }
    }
    return modeGiven && !m_path.empty();
}

void TJetReaderProgram::LimitMemory() const
{
#if !defined(__SANITIZE_ADDRESS__)
    // A backstop against a sudden allocation between two looks of the caller, who
    // watches the resident memory against the limit itself; the address space needs room
    // for the program and its libraries besides. Under AddressSanitizer, whose shadow
    // memory takes terabytes of address space, only the caller's watch applies.
    const rlim_t bytes = rlim_t(m_memoryLimitMiB + addressSpaceRoomMiB) << 20;
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
#endif
}

int TJetReaderProgram::Stream()
{
    // The library prints its complaints about damaged files to standard output: the rows
    // go out on a descriptor of their own, and standard output joins standard error.
    const int rows = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    TJetRowWriter out(rows);
    try {
        TJetTable table(m_path);
        out.Table(table.ExpectedRows(), table.Columns());
        const bool rowsRead = EachRow(table, out, [&](TJetRow& row) {
            if (m_mode == TMode::ValueOf && row.id != m_wantedId)
                return;
            if (m_mode == TMode::Values || m_mode == TMode::ValueOf)
                table.ReadBytes(row);
            if (m_mode == TMode::Serve)
                m_places.push_back(table.Place());
            out.Row(row);
        });
        if (!rowsRead)
            return TJetRowFormat::problemExitCode;
        if (m_mode == TMode::Serve) {
            out.Listed(m_rowsRead);
            return Serve(table, out);
        }
        out.End(m_rowsRead);
        return 0;
    } catch (const TJetProblem& problem) {
        out.Problem(problem.what());
    } catch (const std::bad_alloc&) {
        out.Problem("reading it needed more than " + std::to_string(m_memoryLimitMiB) +
                    " MiB of memory");
    }
    return TJetRowFormat::problemExitCode;
}

bool TJetReaderProgram::EachRow(TJetTable& table, TJetRowWriter& out,
                                const std::function<void(TJetRow&)>& take)
{
    const std::uint64_t expected = table.ExpectedRows();
    TJetRow row;
    while (table.Next(row)) {
        if (++m_rowsRead > expected) {
            out.Problem("its table picture holds more rows than it says it has (" +
                        std::to_string(expected) + ")");
            return false;
        }
        take(row);
    }
    return true;
}

int TJetReaderProgram::Serve(TJetTable& table, TJetRowWriter& out)
{
    char line[32];
    TJetRow row;
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\n")] = '\0';
        long long number = 0;
        if (!ParseNumber(line, number) || number < 1 || std::uint64_t(number) > m_places.size()) {
            out.Problem("its reader was asked for a row it has not listed");
            return TJetRowFormat::problemExitCode;
        }
        row.number = std::uint64_t(number);
        if (!table.ReadAt(m_places[std::size_t(number - 1)], row)) {
            out.Problem("row " + std::to_string(number) + " could not be read again");
            return TJetRowFormat::problemExitCode;
        }
        table.ReadBytes(row);
        out.Row(row);
        out.Flush();
    }
    return 0;
}
