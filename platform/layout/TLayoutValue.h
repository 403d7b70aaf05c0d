#pragma once

#include <QString>
#include <QStringList>

// One value of a stored layout: an integer, a 'string', an identifier (enumeration
// member, True/False, colour name, handler name, component name), a set [a, b], a list
// of strings ('line 1', 'line 2') or nil.
class TLayoutValue {
public:
    enum class Kind { Integer, String, Identifier, Set, List, Nil };

    static TLayoutValue Integer(qint64 value);
    static TLayoutValue String(QString text);
    static TLayoutValue Identifier(QString name);
    static TLayoutValue Set(QStringList members);
    static TLayoutValue List(QStringList strings);
    static TLayoutValue Nil();

    Kind kind() const { return m_kind; }
    qint64 integer() const { return m_integer; }
    const QString& text() const { return m_text; }
    // Members of a set, or the strings of a list.
    const QStringList& members() const { return m_members; }
    bool isIdentifier(const QString& name) const;

    // The value as it is written in a layout (strings quoted, sets bracketed).
    QString ToLayoutText() const;
    bool operator==(const TLayoutValue& other) const;

private:
    Kind m_kind = Kind::Nil;
    qint64 m_integer = 0;
    QString m_text;
    QStringList m_members;
};
