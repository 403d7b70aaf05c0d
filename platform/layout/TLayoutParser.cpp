#include "TLayoutParser.h"

#include "Exception.h"
#include "TLayoutError.h"

#include <QStringList>

namespace {

// Reads one line of a layout; every method raises with the line and the word at fault.
class LineReader {
public:
    LineReader(const QString& layout, int lineNumber, QStringView text)
        : m_layout(layout)
        , m_line(lineNumber)
        , m_text(text)
    {}

    [[noreturn]] void Fail(const QString& reason) const
    {
        throw TLayoutError::At(m_layout, m_line, CurrentWord(), reason);
    }

    void SkipSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }
    bool AtEnd()
    {
        SkipSpace();
        return m_pos >= m_text.size();
    }
    bool Accept(QChar c)
    {
        SkipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    void Expect(QChar c)
    {
        if (!Accept(c))
            Fail(QStringLiteral("expected '%1'").arg(c));
    }

    // A name, optionally dotted (Font.Color).
    QString Name(bool dotted)
    {
        SkipSpace();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos], m_pos == start, dotted))
            ++m_pos;
        if (m_pos == start)
            Fail(QStringLiteral("expected a name"));
        return m_text.mid(start, m_pos - start).toString();
    }

    TLayoutValue Value()
    {
        SkipSpace();
        if (m_pos >= m_text.size())
            Fail(QStringLiteral("missing value"));
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('\''))
            return TLayoutValue::String(QuotedString());
        if (c == QLatin1Char('['))
            return SetValue();
        if (c == QLatin1Char('('))
            return ListValue();
        if (c == QLatin1Char('-') || c == QLatin1Char('$') || c.isDigit())
            return TLayoutValue::Integer(Integer());
        const QString name = Name(true);
        if (name.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0)
            return TLayoutValue::Nil();
        return TLayoutValue::Identifier(name);
    }

private:
    static bool IsNameChar(QChar c, bool first, bool dotted)
    {
        if (c.isLetter() || c == QLatin1Char('_'))
            return true;
        if (first)
            return false;
        return c.isDigit() || (dotted && c == QLatin1Char('.'));
    }

    QString CurrentWord() const
    {
        qsizetype start = m_pos;
        while (start < m_text.size() && m_text[start].isSpace())
            ++start;
        qsizetype end = start;
        while (end < m_text.size() && !m_text[end].isSpace())
            ++end;
        return start < m_text.size() ? m_text.mid(start, end - start).toString()
                                     : QStringLiteral("end of line");
    }

    QString QuotedString()
    {
        QString result;
        ++m_pos; // opening quote
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (c != QLatin1Char('\'')) {
                result += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\'')) {
                result += c;
                ++m_pos;
                continue;
            }
            return result;
        }
        Fail(QStringLiteral("unterminated string"));
    }

    qint64 Integer()
    {
        const qsizetype start = m_pos;
        const bool negative = m_text[m_pos] == QLatin1Char('-');
        if (negative)
            ++m_pos;
        const bool hex = m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('$');
        if (hex)
            ++m_pos;
        const qsizetype digits = m_pos;
        while (m_pos < m_text.size() &&
               (hex ? isxdigit(m_text[m_pos].toLatin1()) : m_text[m_pos].isDigit()))
            ++m_pos;
        bool ok = false;
        const qint64 magnitude = m_text.mid(digits, m_pos - digits).toLongLong(&ok, hex ? 16 : 10);
        if (!ok || (m_pos < m_text.size() && !m_text[m_pos].isSpace())) {
            m_pos = start;
            Fail(QStringLiteral("malformed integer"));
        }
        return negative ? -magnitude : magnitude;
    }

    TLayoutValue SetValue()
    {
        ++m_pos; // [
        QStringList members;
        if (Accept(QLatin1Char(']')))
            return TLayoutValue::Set(members);
        do {
            members << Name(false);
        } while (Accept(QLatin1Char(',')));
        Expect(QLatin1Char(']'));
        return TLayoutValue::Set(members);
    }

    TLayoutValue ListValue()
    {
        ++m_pos; // (
        QStringList strings;
        if (Accept(QLatin1Char(')')))
            return TLayoutValue::List(strings);
        do {
            SkipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != QLatin1Char('\''))
                Fail(QStringLiteral("expected a string"));
            strings << QuotedString();
        } while (Accept(QLatin1Char(',')));
        Expect(QLatin1Char(')'));
        return TLayoutValue::List(strings);
    }

    const QString& m_layout;
    int m_line;
    QStringView m_text;
    qsizetype m_pos = 0;
};

bool IsKeyword(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

TLayoutNode BlockHeader(LineReader& reader, const QString& keyword)
{
    TLayoutNode node;
    node.inherited = IsKeyword(keyword, "inherited");
    node.name = reader.Name(false);
    reader.Expect(QLatin1Char(':'));
    node.className = reader.Name(false);
    if (!reader.AtEnd())
        reader.Fail(QStringLiteral("unexpected text after the class name"));
    return node;
}

} // namespace

TLayoutNode TLayoutParser::Parse(const QString& text, const QString& layoutName)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<TLayoutNode> open; // the blocks not yet closed, outermost first
    std::optional<TLayoutNode> root;

    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        LineReader reader(layoutName, lineNumber, lines[index]);
        if (reader.AtEnd())
            continue;
        if (root)
            reader.Fail(QStringLiteral("text after the end of the layout"));
        const QString first = reader.Name(true);
        if (IsKeyword(first, "object") || IsKeyword(first, "inherited")) {
            TLayoutNode node = BlockHeader(reader, first);
            node.line = lineNumber;
            open.push_back(std::move(node));
        } else if (IsKeyword(first, "end")) {
            if (open.empty())
                reader.Fail(QStringLiteral("'end' without a block"));
            if (!reader.AtEnd())
                reader.Fail(QStringLiteral("unexpected text after 'end'"));
            TLayoutNode done = std::move(open.back());
            open.pop_back();
            if (open.empty())
                root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
        } else {
            if (open.empty())
                reader.Fail(QStringLiteral("a layout starts with 'object' or 'inherited'"));
            reader.Expect(QLatin1Char('='));
            TLayoutAssignment assignment{first, reader.Value(), lineNumber};
            if (!reader.AtEnd())
                reader.Fail(QStringLiteral("unexpected text after the value"));
            open.back().assignments.push_back(std::move(assignment));
        }
    }
    if (!open.empty())
        throw TLayoutError::At(layoutName, int(lines.size()), QStringLiteral("end of layout"),
                               QStringLiteral("block %1 is not closed").arg(open.back().name));
    if (!root)
        throw TLayoutError::At(layoutName, 1, QStringLiteral("end of layout"),
                               QStringLiteral("the layout is empty"));
    return std::move(*root);
}
