#include "TLayoutCodec.h"

namespace layout_detail {

void Expected(const char* what, const TLayoutValue& value)
{
    throw ELayoutError(
        QStringLiteral("expected %1, found %2").arg(QLatin1String(what), value.ToLayoutText()));
}

int EnumIndex(std::span<const char* const> names, const QString& name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw ELayoutError(QStringLiteral("unknown enumeration member %1").arg(name));
}

} // namespace layout_detail

int TLayoutCodec<int>::Decode(const TLayoutValue& value)
{
    if (value.kind() != TLayoutValue::Kind::Integer)
        layout_detail::Expected("an integer", value);
    if (value.integer() < std::numeric_limits<int>::min() ||
        value.integer() > std::numeric_limits<int>::max())
        throw ELayoutError(QStringLiteral("integer out of range: %1").arg(value.integer()));
    return int(value.integer());
}

TLayoutValue TLayoutCodec<bool>::Encode(bool value)
{
    return TLayoutValue::Identifier(value ? QStringLiteral("True") : QStringLiteral("False"));
}

bool TLayoutCodec<bool>::Decode(const TLayoutValue& value)
{
    if (value.isIdentifier(QStringLiteral("True")))
        return true;
    if (value.isIdentifier(QStringLiteral("False")))
        return false;
    layout_detail::Expected("True or False", value);
}

QString TLayoutCodec<QString>::Decode(const TLayoutValue& value)
{
    if (value.kind() != TLayoutValue::Kind::String)
        layout_detail::Expected("a string", value);
    return value.text();
}

QStringList TLayoutCodec<QStringList>::Decode(const TLayoutValue& value)
{
    if (value.kind() != TLayoutValue::Kind::List)
        layout_detail::Expected("a list of strings", value);
    return value.members();
}
