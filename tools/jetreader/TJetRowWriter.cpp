#include "TJetRowWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

// Frames are passed on once this much is waiting: few writes, and little enough that the
// caller takes in the first rows while the next are read.
constexpr std::size_t flushBytes = 16 * 1024;

} // namespace

TJetRowWriter::TJetRowWriter(int descriptor)
    : m_descriptor(descriptor)
{}

TJetRowWriter::~TJetRowWriter()
{
    Flush();
}

void TJetRowWriter::Table(std::uint64_t expectedRows, std::uint8_t columns)
{
    BeginFrame(TJetRowFormat::frTable);
    Put32(TJetRowFormat::version);
    Put64(expectedRows);
    Put8(columns);
    EndFrame();
}

void TJetRowWriter::Row(const TJetRow& row)
{
    BeginFrame(TJetRowFormat::frRow);
    Put64(row.number);
    Put64(std::uint64_t(row.id));
    Put8(row.parent.has_value());
    Put64(std::uint64_t(row.parent.value_or(0)));
    PutText(row.name);
    PutText(row.file);
    Put8(row.state);
    Put64(row.storedLength);
    const std::size_t bytes = std::min<std::size_t>(row.bytes.size(), TJetRowFormat::maxValueBytes);
    Put32(std::uint32_t(bytes));
    m_buffer.append(row.bytes, 0, bytes);
    EndFrame();
}

void TJetRowWriter::Problem(std::string_view text)
{
    BeginFrame(TJetRowFormat::frProblem);
    PutText(std::string(text));
    EndFrame();
    Flush();
}

void TJetRowWriter::End(std::uint64_t rowsRead)
{
    Count(TJetRowFormat::frEnd, rowsRead);
}

void TJetRowWriter::Listed(std::uint64_t rowsListed)
{
    Count(TJetRowFormat::frListed, rowsListed);
}

void TJetRowWriter::Count(std::uint8_t type, std::uint64_t rows)
{
    BeginFrame(type);
    Put64(rows);
    EndFrame();
    Flush();
}

void TJetRowWriter::Flush()
{
    std::size_t written = 0;
    while (written < m_buffer.size()) {
        const ssize_t n =
            ::write(m_descriptor, m_buffer.data() + written, m_buffer.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::_Exit(EXIT_FAILURE); // nobody reads any more
        written += std::size_t(n);
    }
    m_buffer.clear();
}

void TJetRowWriter::BeginFrame(std::uint8_t type)
{
    m_frameStart = m_buffer.size();
    Put8(type);
    Put32(0); // the payload's length, filled in by EndFrame
}

void TJetRowWriter::EndFrame()
{
    const std::size_t payload = m_buffer.size() - m_frameStart - TJetRowFormat::frameHeaderBytes;
    for (int i = 0; i < 4; ++i)
        m_buffer[m_frameStart + 1 + std::size_t(i)] = char((payload >> (8 * i)) & 0xff);
    if (m_buffer.size() >= flushBytes)
        Flush();
}

void TJetRowWriter::Put8(std::uint8_t value)
{
    m_buffer.push_back(char(value));
}

void TJetRowWriter::Put32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_buffer.push_back(char((value >> (8 * i)) & 0xff));
}

void TJetRowWriter::Put64(std::uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        m_buffer.push_back(char((value >> (8 * i)) & 0xff));
}

void TJetRowWriter::PutText(const std::optional<std::string>& text)
{
    Put8(text.has_value());
    const std::size_t size =
        text ? std::min<std::size_t>(text->size(), TJetRowFormat::maxTextBytes) : 0;
    Put32(std::uint32_t(size));
    if (text)
        m_buffer.append(*text, 0, size);
}
