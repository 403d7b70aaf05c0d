#pragma once

#include "TJetRow.h"

#include <cstdint>
#include <memory>
#include <string>

// Table picture of an Access (Jet) database file, opened read-only through libmdb: its
// columns parent and Mirelvane (found without regard to case), and ID, name and file
// where the table has them.
//
// The library trusts the file: a damaged one may make it crash or, for a long value whose
// page chain loops, allocate without end. That is why it runs in a reader process of its
// own under limits, and why a value is read only page by page, stopping at the length
// its row gives and at a cap on pages.
class TJetTable {
public:
    // Raises TJetProblem when the file cannot be read as an Access database or lacks the
    // table or its columns.
    explicit TJetTable(const std::string& path);
    ~TJetTable();
    TJetTable(const TJetTable&) = delete;
    TJetTable& operator=(const TJetTable&) = delete;

    // The rows the table says it holds.
    std::uint64_t ExpectedRows() const;
    // The optional columns found (TJetRowFormat::TColumns).
    std::uint8_t Columns() const;

    // Where a row lies in the file: its data page and its place among that page's rows.
    struct TPlace {
        std::uint32_t page = 0;
        std::uint32_t row = 0;
    };

    // Reads the next row into row, without its picture's bytes; false at the end of the
    // table or where the library could read no further.
    bool Next(TJetRow& row);
    // Where the row that Next read last lies.
    TPlace Place() const;
    // Reads the row at place (one that Next read before) into row again, keeping its
    // number; false when it cannot be read there.
    bool ReadAt(const TPlace& place, TJetRow& row);
    // Reads the bytes of the picture of the row that Next read last.
    void ReadBytes(TJetRow& row);

private:
    // The library's handles and the buffers bound to the columns (its types are
    // anonymous structures, which cannot be declared here).
    struct TState;
    std::unique_ptr<TState> m_state;
};
