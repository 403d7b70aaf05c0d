#include "T_AM2000_CaptionParts.h"

namespace {

const QString tab = QStringLiteral("\t");
const QString tabEscape = QStringLiteral("\\a");
const QString carriageReturn = QStringLiteral("\r");
const QString newLineEscape = QStringLiteral("\\n");

// The position and length of the first of the separators in text, or -1 and 0.
std::pair<qsizetype, qsizetype> FirstOf(const QString& text, const QString& separator,
                                        const QString& escape, bool escapes)
{
    const qsizetype plain = text.indexOf(separator);
    const qsizetype escaped = escapes ? text.indexOf(escape) : -1;
    if (escaped >= 0 && (plain < 0 || escaped < plain))
        return {escaped, escape.size()};
    return {plain, plain < 0 ? 0 : separator.size()};
}

} // namespace

T_AM2000_CaptionParts::T_AM2000_CaptionParts(const QString& caption, bool escapes)
{
    QString left = caption;
    const auto [split, splitLength] = FirstOf(caption, tab, tabEscape, escapes);
    if (split >= 0) {
        left = caption.left(split);
        m_rightText = caption.mid(split + splitLength);
    }
    for (;;) {
        const auto [lineEnd, endLength] = FirstOf(left, carriageReturn, newLineEscape, escapes);
        if (lineEnd < 0)
            break;
        m_lines << left.left(lineEnd);
        left.remove(0, lineEnd + endLength);
    }
    m_lines << left;
}
