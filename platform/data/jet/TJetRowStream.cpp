#include "TJetRowStream.h"

#include "Exception.h"

namespace {

// A field that breaks the format.
struct TMalformed {
    QString what;
};

[[noreturn]] void Malformed(const QString& what)
{
    throw TMalformed{what};
}

std::uint64_t LittleEndian(const char* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[i]);
    return value;
}

// Reads one frame's payload front to back; every read first checks what is left.
class TPayload {
public:
    TPayload(const char* data, std::uint32_t size)
        : m_data(data)
        , m_left(size)
    {}

    std::uint8_t Byte() { return std::uint8_t(LittleEndian(Take(1), 1)); }
    std::uint32_t Word() { return std::uint32_t(LittleEndian(Take(4), 4)); }
    std::uint64_t Long() { return LittleEndian(Take(8), 8); }
    bool Flag()
    {
        const std::uint8_t flag = Byte();
        if (flag > 1)
            Malformed(QStringLiteral("a presence byte of %1").arg(flag));
        return flag == 1;
    }
    std::optional<std::string> Text()
    {
        const bool present = Flag();
        const std::uint32_t size = Word();
        if (size > TJetRowFormat::maxTextBytes || (!present && size > 0))
            Malformed(QStringLiteral("a text of %1 bytes").arg(size));
        const char* bytes = Take(size);
        return present ? std::optional<std::string>(std::string(bytes, size)) : std::nullopt;
    }
    const char* Take(std::uint32_t count)
    {
        if (count > m_left)
            Malformed(QStringLiteral("a frame ends %1 bytes early").arg(count - m_left));
        const char* at = m_data;
        m_data += count;
        m_left -= count;
        return at;
    }
    void CheckEnd() const
    {
        if (m_left != 0)
            Malformed(QStringLiteral("%1 bytes too many in a frame").arg(m_left));
    }

private:
    const char* m_data;
    std::uint32_t m_left;
};

// The payload of a frame that holds a count of rows, which comes after the table frame.
std::uint64_t TakeCount(TPayload& in, bool tableSeen, const QString& frame)
{
    if (!tableSeen)
        Malformed(QStringLiteral("%1 before the table frame").arg(frame));
    const std::uint64_t rows = in.Long();
    in.CheckEnd();
    return rows;
}

} // namespace

TJetRowStream::TJetRowStream(THandler handler)
    : m_handler(std::move(handler))
{}

void TJetRowStream::Malformed(const QString& what)
{
    m_broken = true;
    throw EDatabaseError(QStringLiteral("its reader sent a damaged row stream (%1)").arg(what));
}

void TJetRowStream::Feed(const char* data, qsizetype size)
{
    if (m_broken)
        Malformed(QStringLiteral("bytes after a damaged frame"));
    m_pending.append(data, size);
    qsizetype used = 0;
    while (m_pending.size() - used >= qsizetype(TJetRowFormat::frameHeaderBytes)) {
        const char* frame = m_pending.constData() + used;
        const auto payloadSize = std::uint32_t(LittleEndian(frame + 1, 4));
        if (payloadSize > TJetRowFormat::maxPayloadBytes)
            Malformed(QStringLiteral("a frame of %1 bytes").arg(payloadSize));
        const qsizetype frameSize = qsizetype(TJetRowFormat::frameHeaderBytes) + payloadSize;
        if (m_pending.size() - used < frameSize)
            break;
        used += frameSize;
        try {
            TakeFrame(std::uint8_t(frame[0]), frame + TJetRowFormat::frameHeaderBytes, payloadSize);
        } catch (const TMalformed& malformed) {
            Malformed(malformed.what);
        }
    }
    m_pending.remove(0, used);
}

void TJetRowStream::TakeFrame(std::uint8_t type, const char* payload, std::uint32_t size)
{
    if (m_ended)
        Malformed(QStringLiteral("a frame after the end"));
    TPayload in(payload, size);
    switch (type) {
    case TJetRowFormat::frTable: {
        if (m_tableSeen)
            Malformed(QStringLiteral("a second table frame"));
        if (in.Word() != TJetRowFormat::version)
            Malformed(QStringLiteral("a stream of another version"));
        const std::uint64_t expected = in.Long();
        const std::uint8_t columns = in.Byte();
        in.CheckEnd();
        m_tableSeen = true;
        m_handler.table(expected, columns);
        return;
    }
    case TJetRowFormat::frRow:
        if (!m_tableSeen)
            Malformed(QStringLiteral("a row before the table frame"));
        TakeRow(payload, size);
        return;
    case TJetRowFormat::frProblem: {
        const std::optional<std::string> text = in.Text();
        in.CheckEnd();
        m_ended = true;
        m_handler.problem(QString::fromStdString(text.value_or(std::string())));
        return;
    }
    case TJetRowFormat::frEnd: {
        const std::uint64_t rowsRead = TakeCount(in, m_tableSeen, QStringLiteral("an end"));
        m_ended = true;
        m_handler.end(rowsRead);
        return;
    }
    case TJetRowFormat::frListed: {
        if (m_listed || !m_handler.listed)
            Malformed(QStringLiteral("an unasked-for listing's end"));
        const std::uint64_t rowsListed =
            TakeCount(in, m_tableSeen, QStringLiteral("a listing's end"));
        m_listed = true;
        m_handler.listed(rowsListed);
        return;
    }
    default:
        Malformed(QStringLiteral("a frame of unknown type %1").arg(type));
    }
}

void TJetRowStream::TakeRow(const char* payload, std::uint32_t size)
{
    TPayload in(payload, size);
    TJetRow& row = m_row;
    row.number = in.Long();
    row.id = std::int64_t(in.Long());
    const bool hasParent = in.Flag();
    const auto parent = std::int64_t(in.Long());
    row.parent = hasParent ? std::optional<std::int64_t>(parent) : std::nullopt;
    row.name = in.Text();
    row.file = in.Text();
    const std::uint8_t state = in.Byte();
    if (state > TJetRowFormat::vsDamaged)
        Malformed(QStringLiteral("a picture state of %1").arg(state));
    row.state = TJetRowFormat::TValueState(state);
    row.storedLength = in.Long();
    const std::uint32_t bytes = in.Word();
    if (bytes > row.storedLength || bytes > TJetRowFormat::maxValueBytes)
        Malformed(QStringLiteral("a picture of %1 bytes said to have %2")
                      .arg(bytes)
                      .arg(row.storedLength));
    row.bytes.assign(in.Take(bytes), bytes);
    in.CheckEnd();
    m_handler.row(row);
}
