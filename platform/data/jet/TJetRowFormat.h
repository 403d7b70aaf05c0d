#pragma once

#include <cstdint>

// The stream in which the Access catalogue reader program hands the rows of table
// picture to the gallery and the tool, over a pipe. Shared by both sides; it uses no Qt,
// since the reader links only the Access library.
//
// A stream is a series of frames: a type byte, the payload's length (32 bits), the
// payload. Numbers are little-endian; a text is a presence byte (0 NULL, 1 present), its
// length in bytes (32 bits) and its UTF-8 bytes.
//
//   Table   version (32), rows the table says it has (64), columns found (8, TColumns)
//   Row     row number in reading order from 1 (64), ID (64), parent presence (8) and
//           value (64), name (text), file (text), picture state (8, TValueState), its
//           length as stored in the row (64), how many of its bytes follow (32), bytes
//   Problem text: why the reader stopped; the rows sent before it stand
//   End     rows sent (64): the reader read the table to its end
//   Listed  rows listed (64): a serving reader has listed the table's rows (without their
//           pictures' bytes) as far as it could read them, and now awaits requests
//
// A Table frame comes first (or a Problem, when the file or table cannot be read at all);
// Rows follow; the stream ends with End or Problem. A serving reader sends Listed after
// its rows, then a Row with its picture's bytes for each row number asked for on its
// standard input (one decimal number a line), and ends when its input ends.
namespace TJetRowFormat {

constexpr std::uint32_t version = 2;

enum TFrame : std::uint8_t {
    frTable = 'T',
    frRow = 'R',
    frProblem = 'P',
    frEnd = 'E',
    frListed = 'L',
};

enum TColumns : std::uint8_t { coId = 1, coName = 2, coFile = 4 };

enum TValueState : std::uint8_t {
    vsNull = 0,
    vsStored = 1,
    // Fewer bytes could be read than the row says the value has: its pages are damaged.
    vsDamaged = 2,
};

// The bytes of one frame's type and payload length.
constexpr std::uint32_t frameHeaderBytes = 5;
// The largest picture handed over; a longer value is reported as damaged, without bytes.
constexpr std::uint32_t maxValueBytes = 64u << 20;
// The largest payload: one picture and its row's other values (two texts of at most
// this many bytes each).
constexpr std::uint32_t maxTextBytes = 64u << 10;
constexpr std::uint32_t maxPayloadBytes = maxValueBytes + 2 * maxTextBytes + 64;

// The reader's exit status after a Problem frame; 0 after End.
constexpr int problemExitCode = 3;

} // namespace TJetRowFormat
