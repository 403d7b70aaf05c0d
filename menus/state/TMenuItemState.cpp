#include "TMenuItemState.h"

#include <limits>

namespace {

const QLatin1Char Separator(';');
const QLatin1Char Quote('"');

// One "name=value" field of a state string; a text value without its quotes.
struct Field {
    QString name;
    QString value;
};

// The quote that ends a text opened before from: the first one followed by the
// separator or standing at the end, so that a text may hold quotes of its own.
qsizetype ClosingQuote(const QString& text, qsizetype from)
{
    for (qsizetype at = text.indexOf(Quote, from); at >= 0; at = text.indexOf(Quote, at + 1)) {
        if (at + 1 == text.size() || text[at + 1] == Separator)
            return at;
    }
    return -1;
}

// Reads the field whose name starts at `at`; returns where the next one starts, or -1
// after the last.
qsizetype ReadField(const QString& text, qsizetype at, QList<Field>& fields)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='), at);
    if (equals < 0)
        return -1;
    Field field{text.mid(at, equals - at).trimmed(), QString()};
    const qsizetype valueStart = equals + 1;
    qsizetype end = -1;
    if (valueStart < text.size() && text[valueStart] == Quote) {
        const qsizetype close = ClosingQuote(text, valueStart + 1);
        field.value = text.mid(valueStart + 1, close < 0 ? -1 : close - valueStart - 1);
        end = close < 0 ? -1 : close + 1;
    } else {
        end = text.indexOf(Separator, valueStart);
        field.value = text.mid(valueStart, end < 0 ? -1 : end - valueStart);
    }
    fields << field;
    return end < 0 || end >= text.size() ? -1 : end + 1;
}

QList<Field> Fields(const QString& text)
{
    QList<Field> fields;
    for (qsizetype at = 0; at >= 0 && at < text.size();)
        at = ReadField(text, at, fields);
    return fields;
}

std::optional<bool> BooleanOf(const QString& value)
{
    if (value.startsWith(QLatin1Char('1')))
        return true;
    if (value.startsWith(QLatin1Char('0')))
        return false;
    return std::nullopt;
}

std::optional<qint64> NumberOf(const QString& value, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 number = value.toLongLong(&ok, 10);
    if (!ok || number < low || number > high)
        return std::nullopt;
    return number;
}

void AppendBoolean(QStringList& fields, const char* name, std::optional<bool> value,
                   std::optional<bool> layout)
{
    if (value && value != layout)
        fields << QStringLiteral("%1=%2").arg(QLatin1String(name), *value ? u"1" : u"0");
}

void AppendNumber(QStringList& fields, const char* name, std::optional<qint64> value,
                  std::optional<qint64> layout)
{
    if (value && value != layout)
        fields << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(*value);
}

void AppendText(QStringList& fields, const char* name, const std::optional<QString>& value,
                const std::optional<QString>& layout)
{
    if (value && value != layout)
        fields << QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), *value);
}

} // namespace

TMenuItemState TMenuItemState::Parse(const QString& text, QStringList* malformed)
{
    TMenuItemState state;
    const auto number = [&](const Field& field, qint64 low, qint64 high) {
        const std::optional<qint64> value = NumberOf(field.value, low, high);
        if (!value && malformed)
            *malformed << field.name + QLatin1Char('=') + field.value;
        return value;
    };
    for (const Field& field : Fields(text)) {
        if (field.name == u"Hidden")
            state.hidden = BooleanOf(field.value);
        else if (field.name == u"Visible")
            state.visible = BooleanOf(field.value);
        else if (field.name == u"Parent")
            state.parent = field.value;
        else if (field.name == u"ShortCut")
            state.shortCut = field.value;
        else if (field.name == u"Caption")
            state.caption = field.value;
        else if (field.name == u"MenuIndex")
            state.menuIndex = number(field, 0, std::numeric_limits<int>::max());
        else if (field.name == u"LastTimeUsed")
            state.lastTimeUsed = number(field, 0, std::numeric_limits<quint32>::max());
    }
    return state;
}

QString TMenuItemState::Build(const TMenuItemState& layout) const
{
    QStringList fields;
    AppendBoolean(fields, "Hidden", hidden, layout.hidden);
    AppendText(fields, "Parent", parent, layout.parent);
    AppendNumber(fields, "MenuIndex", menuIndex, layout.menuIndex);
    AppendText(fields, "ShortCut", shortCut, layout.shortCut);
    AppendBoolean(fields, "Visible", visible, layout.visible);
    AppendText(fields, "Caption", caption, layout.caption);
    AppendNumber(fields, "LastTimeUsed", lastTimeUsed, layout.lastTimeUsed);
    return fields.join(Separator);
}
