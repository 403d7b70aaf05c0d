#pragma once

#include "TJetRow.h"

#include <cstdint>
#include <string>
#include <string_view>

// Writes the frames of the row stream (see TJetRowFormat) to a file descriptor, buffered.
// A reader that has gone away (the pipe closed) ends the program quietly.
class TJetRowWriter {
public:
    explicit TJetRowWriter(int descriptor);
    ~TJetRowWriter();
    TJetRowWriter(const TJetRowWriter&) = delete;
    TJetRowWriter& operator=(const TJetRowWriter&) = delete;

    void Table(std::uint64_t expectedRows, std::uint8_t columns);
    void Row(const TJetRow& row);
    void Problem(std::string_view text);
    void End(std::uint64_t rowsRead);
    void Listed(std::uint64_t rowsListed);
    void Flush();

private:
    // A frame whose payload is a count of rows, passed on at once.
    void Count(std::uint8_t type, std::uint64_t rows);
    void BeginFrame(std::uint8_t type);
    void EndFrame();
    void Put8(std::uint8_t value);
    void Put32(std::uint32_t value);
    void Put64(std::uint64_t value);
    void PutText(const std::optional<std::string>& text);

    int m_descriptor;
    std::string m_buffer;
    std::size_t m_frameStart = 0;
};
