#include "TPgStatementShape.h"

#include <QSet>
#include <vector>

namespace {

struct TToken {
    enum class TKind { Word, Name, Literal, Number, Parameter, Symbol };
    TKind kind;
    QString text;  // words in upper case
    int depth;     // parentheses around the token
    qsizetype end; // where the token ends in the text
};

bool IsWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Splits SQL text into tokens as PostgreSQL's lexer does, as far as the shape needs:
// comments (nested /* */ too) are dropped, and the contents of literals, quoted names
// and dollar quoting are never read as words.
class TTokenizer {
public:
    explicit TTokenizer(const QString& sql)
        : m_sql(sql)
    {
        while (m_at < m_sql.size())
            Next();
    }

    std::vector<TToken> Tokens() && { return std::move(m_tokens); }

private:
    QChar At(qsizetype i) const { return i < m_sql.size() ? m_sql[i] : QChar(); }

    void Next()
    {
        const QChar c = m_sql[m_at];
        if (c.isSpace()) {
            ++m_at;
        } else if (c == QLatin1Char('-') && At(m_at + 1) == QLatin1Char('-')) {
            while (m_at < m_sql.size() && m_sql[m_at] != QLatin1Char('\n'))
                ++m_at;
        } else if (c == QLatin1Char('/') && At(m_at + 1) == QLatin1Char('*')) {
            SkipBlockComment();
        } else if (c == QLatin1Char('\'')) {
            Quoted(QLatin1Char('\''), TToken::TKind::Literal, false);
        } else if (c == QLatin1Char('"')) {
            Quoted(QLatin1Char('"'), TToken::TKind::Name, false);
        } else if (c == QLatin1Char('$')) {
            Dollar();
        } else if (IsWordStart(c)) {
            Word();
        } else if (c.isDigit()) {
            const qsizetype start = m_at;
            while (m_at < m_sql.size() &&
                   (m_sql[m_at].isLetterOrNumber() || m_sql[m_at] == QLatin1Char('.')))
                ++m_at;
            Add(TToken::TKind::Number, m_sql.mid(start, m_at - start));
        } else {
            Symbol(c);
        }
    }

    void SkipBlockComment()
    {
        int nesting = 0;
        do {
            if (m_sql[m_at] == QLatin1Char('/') && At(m_at + 1) == QLatin1Char('*')) {
                ++nesting;
                m_at += 2;
            } else if (m_sql[m_at] == QLatin1Char('*') && At(m_at + 1) == QLatin1Char('/')) {
                --nesting;
                m_at += 2;
            } else {
                ++m_at;
            }
        } while (nesting > 0 && m_at < m_sql.size());
    }

    // From the opening quote at m_at to its closing one; a doubled quote stands for one,
    // and with backslashEscapes (an E'...' string) a backslash escapes the next character.
    void Quoted(QChar quote, TToken::TKind kind, bool backslashEscapes)
    {
        QString text;
        ++m_at;
        while (m_at < m_sql.size()) {
            const QChar c = m_sql[m_at];
            if (backslashEscapes && c == QLatin1Char('\\') && m_at + 1 < m_sql.size()) {
                text += m_sql[m_at + 1];
                m_at += 2;
                continue;
            }
            if (c == quote) {
                if (At(m_at + 1) != quote)
                    break;
                ++m_at;
            }
            text += c;
            ++m_at;
        }
        ++m_at;
        Add(kind, text);
    }

    // $1 is a parameter; $tag$ ... $tag$ (the tag may be empty) a literal.
    void Dollar()
    {
        qsizetype end = m_at + 1;
        if (At(end).isDigit()) {
            while (At(end).isDigit())
                ++end;
            const QString parameter = m_sql.mid(m_at, end - m_at);
            m_at = end;
            Add(TToken::TKind::Parameter, parameter);
            return;
        }
        while (end < m_sql.size() && IsWordPart(m_sql[end]) && m_sql[end] != QLatin1Char('$'))
            ++end;
        if (At(end) != QLatin1Char('$')) {
            Symbol(m_sql[m_at]);
            return;
        }
        const QString tag = m_sql.mid(m_at, end - m_at + 1);
        const qsizetype close = m_sql.indexOf(tag, end + 1);
        const qsizetype stop = close < 0 ? m_sql.size() : close;
        const QString literal = m_sql.mid(end + 1, stop - end - 1);
        m_at = close < 0 ? m_sql.size() : close + tag.size();
        Add(TToken::TKind::Literal, literal);
    }

    void Word()
    {
        const qsizetype start = m_at;
        while (m_at < m_sql.size() && IsWordPart(m_sql[m_at]))
            ++m_at;
        const QString word = m_sql.mid(start, m_at - start).toUpper();
        if (word == QLatin1String("E") && At(m_at) == QLatin1Char('\'')) {
            Quoted(QLatin1Char('\''), TToken::TKind::Literal, true);
            return;
        }
        Add(TToken::TKind::Word, word);
    }

    void Symbol(QChar c)
    {
        if (c == QLatin1Char(')'))
            --m_depth;
        ++m_at;
        Add(TToken::TKind::Symbol, QString(c));
        if (c == QLatin1Char('('))
            ++m_depth;
    }

    // Called once the token has been read.
    void Add(TToken::TKind kind, const QString& text)
    {
        m_tokens.push_back({kind, text, m_depth, m_at});
    }

    const QString& m_sql;
    qsizetype m_at = 0;
    int m_depth = 0;
    std::vector<TToken> m_tokens;
};

// Words that end the FROM list of a SELECT.
const QSet<QString>& ClauseWords()
{
    static const QSet<QString> words = {
        QStringLiteral("WHERE"),  QStringLiteral("GROUP"),  QStringLiteral("HAVING"),
        QStringLiteral("WINDOW"), QStringLiteral("ORDER"),  QStringLiteral("LIMIT"),
        QStringLiteral("OFFSET"), QStringLiteral("FETCH"),  QStringLiteral("FOR"),
        QStringLiteral("UNION"),  QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"),
    };
    return words;
}

// Clauses after which the rows of the statement are not the rows of its table as they
// are, or not the same ones every time.
const QSet<QString>& RowChangingWords()
{
    static const QSet<QString> words = {
        QStringLiteral("GROUP"), QStringLiteral("HAVING"), QStringLiteral("WINDOW"),
        QStringLiteral("ORDER"), QStringLiteral("LIMIT"),  QStringLiteral("OFFSET"),
        QStringLiteral("FETCH"), QStringLiteral("FOR"),
    };
    return words;
}

bool IsWord(const TToken& token, const char* word)
{
    return token.kind == TToken::TKind::Word && token.text == QLatin1String(word);
}

bool IsClauseWord(const TToken& token)
{
    return token.kind == TToken::TKind::Word && ClauseWords().contains(token.text);
}

bool IsName(const TToken& token)
{
    return token.kind == TToken::TKind::Name ||
           (token.kind == TToken::TKind::Word && !ClauseWords().contains(token.text));
}

// [ONLY] name [. name] [[AS] alias]: one table, nothing joined to it.
bool IsOneTable(const std::vector<TToken>& from)
{
    std::size_t i = 0;
    if (i < from.size() && IsWord(from[i], "ONLY"))
        ++i;
    if (i >= from.size() || !IsName(from[i]))
        return false;
    ++i;
    if (i + 1 < from.size() && from[i].text == QLatin1String(".") && IsName(from[i + 1]))
        i += 2;
    if (i < from.size() && IsWord(from[i], "AS"))
        ++i;
    if (i < from.size() && IsName(from[i]) && !IsWord(from[i], "JOIN") &&
        !IsWord(from[i], "NATURAL") && !IsWord(from[i], "CROSS") && !IsWord(from[i], "TABLESAMPLE"))
        ++i;
    return i == from.size();
}

} // namespace

TPgStatementShape::TPgStatementShape(const QString& sql)
{
    std::vector<TToken> tokens = TTokenizer(sql).Tokens();
    // Trailing semicolons, blanks and comments go.
    while (!tokens.empty() && tokens.back().kind == TToken::TKind::Symbol &&
           tokens.back().text == QLatin1String(";"))
        tokens.pop_back();
    m_body = tokens.empty() ? QString() : sql.left(tokens.back().end);

    std::vector<TToken> top;
    for (TToken& token : tokens) {
        if (token.depth == 0)
            top.push_back(std::move(token));
    }
    if (top.empty() || !IsWord(top.front(), "SELECT"))
        return;
    std::size_t i = 1;
    bool distinct = false;
    for (; i < top.size() && !IsWord(top[i], "FROM"); ++i)
        distinct = distinct || IsWord(top[i], "DISTINCT");
    std::vector<TToken> from;
    for (++i; i < top.size() && !IsClauseWord(top[i]) && top[i].text != QLatin1String(";"); ++i)
        from.push_back(top[i]);
    if (!IsOneTable(from))
        return;
    bool changesRows = distinct;
    for (; i < top.size(); ++i) {
        if (IsWord(top[i], "UNION") || IsWord(top[i], "EXCEPT") || IsWord(top[i], "INTERSECT") ||
            top[i].text == QLatin1String(";"))
            return;
        changesRows =
            changesRows || (IsClauseWord(top[i]) && RowChangingWords().contains(top[i].text));
    }
    m_singleRelation = true;
    m_keepsRows = !changesRows;
}
