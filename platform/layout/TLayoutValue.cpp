#include "TLayoutValue.h"

namespace {

QString Quoted(QString text)
{
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

TLayoutValue TLayoutValue::Integer(qint64 value)
{
    TLayoutValue v;
    v.m_kind = Kind::Integer;
    v.m_integer = value;
    return v;
}

TLayoutValue TLayoutValue::String(QString text)
{
    TLayoutValue v;
    v.m_kind = Kind::String;
    v.m_text = std::move(text);
    return v;
}

TLayoutValue TLayoutValue::Identifier(QString name)
{
    TLayoutValue v;
    v.m_kind = Kind::Identifier;
    v.m_text = std::move(name);
    return v;
}

TLayoutValue TLayoutValue::Set(QStringList members)
{
    TLayoutValue v;
    v.m_kind = Kind::Set;
    v.m_members = std::move(members);
    return v;
}

TLayoutValue TLayoutValue::List(QStringList strings)
{
    TLayoutValue v;
    v.m_kind = Kind::List;
    v.m_members = std::move(strings);
    return v;
}

TLayoutValue TLayoutValue::Nil()
{
    return {};
}

bool TLayoutValue::isIdentifier(const QString& name) const
{
    return m_kind == Kind::Identifier && m_text.compare(name, Qt::CaseInsensitive) == 0;
}

QString TLayoutValue::ToLayoutText() const
{
    switch (m_kind) {
    case Kind::Integer:
        return QString::number(m_integer);
    case Kind::String:
        return Quoted(m_text);
    case Kind::List: {
        QStringList quoted;
        for (const QString& line : m_members)
            quoted << Quoted(line);
        return QLatin1Char('(') + quoted.join(QLatin1String(", ")) + QLatin1Char(')');
    }
    case Kind::Identifier:
        return m_text;
    case Kind::Set:
        return QLatin1Char('[') + m_members.join(QLatin1String(", ")) + QLatin1Char(']');
    case Kind::Nil:
        break;
    }
    return QStringLiteral("nil");
}

bool TLayoutValue::operator==(const TLayoutValue& other) const
{
    if (m_kind != other.m_kind)
        return false;
    switch (m_kind) {
    case Kind::Integer:
        return m_integer == other.m_integer;
    case Kind::String:
        return m_text == other.m_text;
    case Kind::Identifier:
        return m_text.compare(other.m_text, Qt::CaseInsensitive) == 0;
    case Kind::Set:
    case Kind::List:
        return m_members == other.m_members;
    case Kind::Nil:
        break;
    }
    return true;
}
