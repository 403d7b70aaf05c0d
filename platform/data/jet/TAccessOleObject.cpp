#include "TAccessOleObject.h"

#include "TJetRow.h"

#include <optional>

namespace {

constexpr quint16 oleHeaderSignature = 0x1C15;
// Signature, header size, object type, two name lengths and two name offsets.
constexpr qsizetype minimumHeaderBytes = 16;
constexpr quint32 embeddedFormat = 2;
constexpr quint16 packageSignature = 2;
constexpr quint32 packagedFile = 0x00030000;

// A failed read: the value ends before a field that its lengths promise.
struct TShort {};

// Reads a value front to back; every read first checks what is left.
class TReader {
public:
    TReader(const QByteArray& bytes, qsizetype from)
        : m_bytes(bytes)
        , m_at(from)
    {}

    quint16 Short() { return quint16(Number(2)); }
    quint32 Word() { return quint32(Number(4)); }
    QByteArray Take(quint64 count)
    {
        if (count > quint64(m_bytes.size() - m_at))
            throw TShort();
        const QByteArray part = m_bytes.mid(m_at, qsizetype(count));
        m_at += qsizetype(count);
        return part;
    }
    // A text up to its terminating zero.
    QByteArray Terminated()
    {
        const qsizetype end = m_bytes.indexOf('\0', m_at);
        if (end < 0)
            throw TShort();
        const QByteArray text = m_bytes.mid(m_at, end - m_at);
        m_at = end + 1;
        return text;
    }
    // A 32-bit length, then that many bytes ending in a zero, which is dropped.
    QByteArray LengthPrefixed()
    {
        QByteArray text = Take(Word());
        if (text.endsWith('\0'))
            text.chop(1);
        return text;
    }

private:
    quint64 Number(int count)
    {
        const QByteArray bytes = Take(quint64(count));
        quint64 value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes[i]);
        return value;
    }

    const QByteArray& m_bytes;
    qsizetype m_at;
};

bool IsPicture(const QByteArray& bytes)
{
    return bytes.startsWith("BM") || bytes.startsWith("\xFF\xD8\xFF") ||
           bytes.startsWith("\x89PNG") || bytes.startsWith("GIF8");
}

// A packaged file: a signature, its label and path, a kind (an embedded file), a
// temporary path, then the file's size and bytes.
std::optional<QByteArray> PackagedFile(const QByteArray& native)
{
    TReader in(native, 0);
    if (in.Short() != packageSignature)
        return std::nullopt;
    in.Terminated(); // the label: the file's name
    in.Terminated(); // the path it was inserted from
    if (in.Word() != packagedFile)
        return std::nullopt;
    in.LengthPrefixed(); // the temporary path
    return in.Take(in.Word());
}

TAccessOleObject::TResult Unknown(TAccessOleObject::TResult result, const QString& problem)
{
    result.kind = TAccessOleObject::TKind::Unknown;
    result.problem = problem;
    return result;
}

} // namespace

TAccessOleObject::TResult TAccessOleObject::Unwrap(const QByteArray& stored)
{
    TResult result;
    if (stored.size() < 2 || TReader(stored, 0).Short() != oleHeaderSignature)
        return result;
    try {
        TReader header(stored, 2);
        const quint16 headerSize = header.Short();
        if (headerSize < minimumHeaderBytes || headerSize > stored.size())
            return Unknown(result, QStringLiteral("its OLE header is damaged"));
        TReader object(stored, headerSize);
        object.Word(); // the OLE version
        const quint32 format = object.Word();
        result.className = QString::fromLatin1(object.LengthPrefixed());
        if (format != embeddedFormat)
            return Unknown(result,
                           QStringLiteral("it is a linked OLE object, not an embedded one"));
        object.LengthPrefixed(); // topic
        object.LengthPrefixed(); // item
        const QByteArray native = object.Take(object.Word());
        std::optional<QByteArray> picture;
        if (result.className == QLatin1String("Package"))
            picture = PackagedFile(native);
        else if (IsPicture(native))
            picture = native;
        if (!picture)
            return Unknown(result, QStringLiteral("it is an OLE object of class '%1' that holds "
                                                  "no picture file")
                                       .arg(result.className));
        result.kind = TKind::Unwrapped;
        result.picture = *picture;
        return result;
    } catch (const TShort&) {
        return Unknown(result, QStringLiteral("its OLE object ends early"));
    }
}

QByteArray TAccessOleObject::Picture(const QByteArray& stored)
{
    const TResult result = Unwrap(stored);
    return result.kind == TKind::Unwrapped ? result.picture : stored;
}

QVariant TAccessOleObject::PictureOf(const TJetRow& row)
{
    if (row.state == TJetRowFormat::vsNull)
        return QVariant();
    // The row's bytes are lent, not copied: whoever binds the value takes its own copy.
    return Picture(QByteArray::fromRawData(row.bytes.data(), qsizetype(row.bytes.size())));
}
