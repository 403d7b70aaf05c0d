#include "TConnectionString.h"

#include "Exception.h"

namespace {

[[noreturn]] void Malformed(qsizetype position, const QString& problem)
{
    throw EDatabaseError(QStringLiteral("The connection string is malformed: %1 at character %2.")
                             .arg(problem)
                             .arg(position + 1));
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// Reads a name up to its "=" from position i; returns it trimmed and leaves i after the "=".
// Returns an empty string and leaves i at the ";" or end for a pair that is all blanks.
QString ReadName(const QString& text, qsizetype& i)
{
    const qsizetype start = i;
    QString name;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == QLatin1Char('=')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('=')) {
                name += c;
                i += 2;
                continue;
            }
            ++i;
            name = name.trimmed();
            if (name.isEmpty())
                Malformed(start, QStringLiteral("a value has no name"));
            return name;
        }
        if (c == QLatin1Char(';'))
            break;
        name += c;
        ++i;
    }
    if (!name.trimmed().isEmpty())
        Malformed(start, QStringLiteral("'%1' has no '='").arg(name.trimmed()));
    return QString();
}

QString ReadQuoted(const QString& text, qsizetype& i, const QString& name)
{
    const QChar quote = text[i];
    const qsizetype start = i;
    QString value;
    ++i;
    for (;;) {
        if (i >= text.size())
            Malformed(start, QStringLiteral("the quoted value of '%1' is not closed").arg(name));
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                value += quote;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        value += text[i++];
    }
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] != QLatin1Char(';'))
        Malformed(i, QStringLiteral("text follows the quoted value of '%1'").arg(name));
    return value;
}

QString ReadValue(const QString& text, qsizetype& i, const QString& name)
{
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\'')))
        return ReadQuoted(text, i, name);
    const qsizetype end = text.indexOf(QLatin1Char(';'), i);
    const qsizetype stop = end < 0 ? text.size() : end;
    const QString value = text.mid(i, stop - i).trimmed();
    i = stop;
    return value;
}

} // namespace

TConnectionString TConnectionString::Parse(const QString& text)
{
    TConnectionString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const QString name = ReadName(text, i);
        if (!name.isEmpty())
            result.Set(name, ReadValue(text, i, name));
        if (i < text.size()) // at a ";"
            ++i;
    }
    return result;
}

bool TConnectionString::Contains(const QString& name) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString TConnectionString::Value(const QString& name) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QString();
}

void TConnectionString::Set(const QString& name, const QString& value)
{
    for (auto& pair : m_pairs) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0) {
            pair.second = value;
            return;
        }
    }
    m_pairs.emplace_back(name, value);
}
