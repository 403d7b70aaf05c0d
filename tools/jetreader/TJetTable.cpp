#include "TJetTable.h"

#include "TJetProblem.h"

// The library's header includes glib inside extern "C", which breaks glib's C++ parts:
// glib comes first, on its own.
#include <glib.h>

#include <mdbtools.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

const char* const tableName = "picture";

bool IsInteger(int type)
{
    return type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT;
}

bool IsText(int type)
{
    return type == MDB_TEXT || type == MDB_MEMO;
}

// The pages a value of length bytes may take: a page holds about 4 KB of it; the slack
// covers short pieces. A chain that runs on past this loops or is damaged.
std::uint64_t MaxPages(std::uint64_t length)
{
    return length / 2048 + 8;
}

} // namespace

struct TJetTable::TState {
    // A column bound to a buffer; the library writes each row's value there.
    struct TBinding {
        MdbColumn* column = nullptr;
        std::vector<char> buffer;
        int length = 0;

        bool Bound() const { return column != nullptr; }
        std::optional<std::string> Text() const;
        std::optional<std::int64_t> Number() const;
    };

    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    std::uint8_t columns = 0;
    std::uint64_t rowsRead = 0;
    // Pages the file holds: a value whose pages start past them is cut off.
    std::uint64_t pages = 0;
    TBinding id;
    TBinding parent;
    TBinding name;
    TBinding file;
    TBinding value;
    // The header of the current row's picture, kept apart: reading its pages overwrites
    // the bound buffer.
    char valueHeader[MDB_MEMO_OVERHEAD] = {};

    ~TState()
    {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }
    MdbColumn* FindColumn(const char* name) const;
    void Bind(TBinding& binding, MdbColumn* column);
    void ReadValueHeader(TJetRow& row);
    void TakeRow(TJetRow& row);
};

TJetTable::TJetTable(const std::string& path)
    : m_state(std::make_unique<TState>())
{
    TState& s = *m_state;
    s.mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!s.mdb)
        throw TJetProblem("it cannot be read as an Access database (its header is damaged)");
    if (struct stat file{}; ::stat(path.c_str(), &file) == 0 && s.mdb->fmt->pg_size > 0)
        s.pages = std::uint64_t(file.st_size) / std::uint64_t(s.mdb->fmt->pg_size);
    std::string name = tableName;
    s.table = mdb_read_table_by_name(s.mdb, name.data(), MDB_TABLE);
    if (!s.table)
        throw TJetProblem("it has no table picture");
    if (!mdb_read_columns(s.table))
        throw TJetProblem("the columns of its table picture cannot be read");
    MdbColumn* parent = s.FindColumn("parent");
    MdbColumn* value = s.FindColumn("Mirelvane");
    if (!parent)
        throw TJetProblem("its table picture has no column parent");
    if (!value)
        throw TJetProblem("its table picture has no column Mirelvane");
    if (value->col_type != MDB_OLE)
        throw TJetProblem("the column Mirelvane of its table picture holds no pictures (it is "
                          "not an OLE Object column)");
    s.Bind(s.parent, parent);
    s.Bind(s.value, value);
    if (MdbColumn* id = s.FindColumn("ID"); id && IsInteger(id->col_type)) {
        s.Bind(s.id, id);
        s.columns |= TJetRowFormat::coId;
    }
    if (MdbColumn* column = s.FindColumn("name"); column && IsText(column->col_type)) {
        s.Bind(s.name, column);
        s.columns |= TJetRowFormat::coName;
    }
    if (MdbColumn* column = s.FindColumn("file"); column && IsText(column->col_type)) {
        s.Bind(s.file, column);
        s.columns |= TJetRowFormat::coFile;
    }
    mdb_rewind_table(s.table);
}

TJetTable::~TJetTable() = default;

std::uint64_t TJetTable::ExpectedRows() const
{
    return m_state->table->num_rows;
}

std::uint8_t TJetTable::Columns() const
{
    return m_state->columns;
}

MdbColumn* TJetTable::TState::FindColumn(const char* name) const
{
    for (guint i = 0; i < table->columns->len; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (g_ascii_strcasecmp(column->name, name) == 0)
            return column;
    }
    return nullptr;
}

void TJetTable::TState::Bind(TBinding& binding, MdbColumn* column)
{
    // A long value's buffer must hold a whole page; every buffer is that large.
    binding.column = column;
    binding.buffer.assign(MDB_BIND_SIZE, '\0');
    mdb_bind_column_by_name(table, column->name, binding.buffer.data(), &binding.length);
}

bool TJetTable::Next(TJetRow& row)
{
    TState& s = *m_state;
    if (!mdb_fetch_row(s.table))
        return false;
    row.number = ++s.rowsRead;
    s.TakeRow(row);
    return true;
}

TJetTable::TPlace TJetTable::Place() const
{
    // Fetching a row moves the table's place past it.
    return {m_state->table->cur_phys_pg, m_state->table->cur_row - 1};
}

bool TJetTable::ReadAt(const TPlace& place, TJetRow& row)
{
    TState& s = *m_state;
    if (mdb_read_pg(s.mdb, place.page) <= 0 || !mdb_read_row(s.table, place.row))
        return false;
    s.TakeRow(row);
    return true;
}

// The bound buffers hold the row just read.
void TJetTable::TState::TakeRow(TJetRow& row)
{
    row.id = id.Bound() ? id.Number().value_or(std::int64_t(row.number)) : std::int64_t(row.number);
    row.parent = parent.Number();
    row.name = name.Bound() ? name.Text() : std::nullopt;
    row.file = file.Bound() ? file.Text() : std::nullopt;
    ReadValueHeader(row);
}

// The bound buffer holds the value's header: its length (the low 30 bits of the first
// word) and where its bytes are. A bound length of 0 is NULL.
void TJetTable::TState::ReadValueHeader(TJetRow& row)
{
    row.bytes.clear();
    row.storedLength = 0;
    if (value.length <= 0) {
        row.state = TJetRowFormat::vsNull;
        return;
    }
    if (value.length < MDB_MEMO_OVERHEAD) {
        row.state = TJetRowFormat::vsDamaged;
        return;
    }
    std::memcpy(valueHeader, value.buffer.data(), sizeof valueHeader);
    const auto lengthAndKind = std::uint32_t(mdb_get_int32(valueHeader, 0));
    row.storedLength = lengthAndKind & 0x3fffffffu;
    // A value not kept in its row starts on the page that the header's pointer names.
    const bool inRow = (lengthAndKind & 0x80000000u) != 0;
    const std::uint32_t firstPage = std::uint32_t(mdb_get_int32(valueHeader, 4)) >> 8;
    const bool cutOff = !inRow && row.storedLength > 0 && pages > 0 && firstPage >= pages;
    row.state = cutOff ? TJetRowFormat::vsDamaged : TJetRowFormat::vsStored;
}

void TJetTable::ReadBytes(TJetRow& row)
{
    if (row.state != TJetRowFormat::vsStored || row.storedLength == 0)
        return;
    if (row.storedLength > TJetRowFormat::maxValueBytes) {
        row.state = TJetRowFormat::vsDamaged;
        return;
    }
    TState& s = *m_state;
    const std::uint64_t wanted = row.storedLength;
    row.bytes.reserve(wanted);
    std::size_t got = mdb_ole_read(s.mdb, s.value.column, s.valueHeader, MDB_BIND_SIZE);
    for (std::uint64_t pages = 1; got > 0; ++pages) {
        const std::size_t take = std::min<std::uint64_t>(got, wanted - row.bytes.size());
        row.bytes.append(s.value.buffer.data(), take);
        if (row.bytes.size() >= wanted || pages >= MaxPages(wanted))
            break;
        got = mdb_ole_read_next(s.mdb, s.value.column, s.valueHeader);
    }
    if (row.bytes.size() != wanted)
        row.state = TJetRowFormat::vsDamaged;
}

std::optional<std::string> TJetTable::TState::TBinding::Text() const

{
    if (length <= 0)
        return std::nullopt;
    const std::size_t size = std::min<std::size_t>(
        {std::size_t(length), buffer.size(), std::size_t(TJetRowFormat::maxTextBytes)});
    return std::string(buffer.data(), ::strnlen(buffer.data(), size));
}

std::optional<std::int64_t> TJetTable::TState::TBinding::Number() const
{
    const std::optional<std::string> text = Text();
    if (!text || text->empty())
        return std::nullopt;
    char* end = nullptr;
    const long long number = std::strtoll(text->c_str(), &end, 10);
    if (*end != '\0')
        return std::nullopt;
    return std::int64_t(number);
}
