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
                   "(--lengths | --values | --value-of ID) FILE\n",
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
        if (std::strcmp(argument, "--lengths") == 0 || std::strcmp(argument, "--values") == 0) {
            m_mode = argument[2] == 'l' ? TMode::Lengths : TMode::Values;
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
        const std::uint64_t expected = table.ExpectedRows();
        out.Table(expected, table.Columns());
        TJetRow row;
        std::uint64_t read = 0;
        while (table.Next(row)) {
            if (++read > expected) {
                out.Problem("its table picture holds more rows than it says it has (" +
                            std::to_string(expected) + ")");
                return TJetRowFormat::problemExitCode;
            }
            if (m_mode == TMode::ValueOf && row.id != m_wantedId)
                continue;
            if (m_mode != TMode::Lengths)
                table.ReadBytes(row);
            out.Row(row);
        }
        out.End(read);
        return 0;
    } catch (const TJetProblem& problem) {
        out.Problem(problem.what());
    } catch (const std::bad_alloc&) {
        out.Problem("reading it needed more than " + std::to_string(m_memoryLimitMiB) +
                    " MiB of memory");
    }
    return TJetRowFormat::problemExitCode;
}
