#include "TKeyStroke.h"

#include <QKeySequence>
#include <utility>

std::optional<TKeyStroke> TKeyStroke::Parse(const QString& text)
{
    static const std::pair<QLatin1String, TKeyStroke> modifiers[] = {
        {QLatin1String("alt"), {Qt::Key_Alt, Qt::AltModifier}},
        {QLatin1String("ctrl"), {Qt::Key_Control, Qt::ControlModifier}},
        {QLatin1String("shift"), {Qt::Key_Shift, Qt::ShiftModifier}},
        {QLatin1String("meta"), {Qt::Key_Meta, Qt::MetaModifier}}};
    for (const auto& [name, stroke] : modifiers)
        if (text.compare(name, Qt::CaseInsensitive) == 0)
            return stroke;
    const QKeySequence sequence = QKeySequence::fromString(text);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return TKeyStroke{sequence[0].key(), sequence[0].keyboardModifiers()};
}

QString TKeyStroke::Text() const
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QString();
    if (key == Qt::Key_Space)
        return QStringLiteral(" ");
    const QString name = QKeySequence(key).toString();
    if (name.size() != 1)
        return QString();
    return modifiers & Qt::ShiftModifier ? name : name.toLower();
}
